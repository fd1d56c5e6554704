#include "forms/BankFileOpen.h"

#include <cerrno>
#include <utility>

#include <windows.h>

namespace {

// Paths come in the ANSI code page, as main() receives its arguments.
std::wstring Wide(const char *text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(std::size_t(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(std::size_t(length - 1));
    return wide;
}

std::string Narrow(const wchar_t *text)
{
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string narrow(std::size_t(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(std::size_t(length - 1));
    return narrow;
}

// The errno value that words a system error as the POSIX form would.
int ErrnoFor(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_PIPE_BUSY:
        return EBUSY;
    default:
        return EIO;
    }
}

BankOpenFailure KindOf(DWORD type)
{
    switch (type) {
    case FILE_TYPE_PIPE:
        return BankOpenFailure::Pipe; // a named pipe, or a socket
    case FILE_TYPE_CHAR:
        return BankOpenFailure::Device; // NUL, CON, COM1 and the like
    default:
        return BankOpenFailure::NotRegular;
    }
}

} // namespace

BankFileOpen::BankFileOpen(const char *path)
{
    const std::wstring wide = Wide(path);
    // A folder is told by its attributes, before anything is opened.
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        failure_ = BankOpenFailure::Folder;
        return;
    }
    // Devices and pipes have no attributes to tell them by, but opening
    // one never blocks (a busy pipe fails at once); only reading could, and
    // they are refused by their type before any read. Others may go on
    // reading, writing, renaming or deleting the file meanwhile, as they
    // may on POSIX systems.
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = ErrnoFor(::GetLastError());
        failure_ = BankOpenFailure::System;
        return;
    }
    const DWORD type = ::GetFileType(file);
    if (type != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        failure_ = KindOf(type);
        return;
    }
    BY_HANDLE_FILE_INFORMATION information {};
    if (!::GetFileInformationByHandle(file, &information)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(file);
        failure_ = BankOpenFailure::Changed;
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = (static_cast<long long>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
}

BankFileOpen::~BankFileOpen()
{
    close();
}

bool BankFileOpen::close()
{
    const std::intptr_t file = std::exchange(handle_, NoHandle);
    return file == NoHandle || ::CloseHandle(reinterpret_cast<HANDLE>(file));
}

std::ptrdiff_t BankFileOpen::read(char *buffer, std::size_t capacity) const
{
    // One call reads at most 4 GB; a BankByteSource may always return fewer.
    const DWORD wanted = capacity > MAXDWORD ? MAXDWORD : DWORD(capacity);
    DWORD got = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, wanted, &got, nullptr))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return std::ptrdiff_t(got);
}

bool NameTakenHere(const char *name)
{
    if (::GetFileAttributesW(Wide(name).c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = ::GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

std::vector<std::string> NamesHere()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found {};
    const HANDLE search = ::FindFirstFileW(L"*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(Narrow(found.cFileName));
    while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}
