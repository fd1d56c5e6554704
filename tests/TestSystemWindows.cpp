#include "tests/TestSystem.h"

#include <QFile>

#include <windows.h>

namespace {

std::wstring Wide(const QByteArray &path)
{
    return QFile::decodeName(path).toStdWString();
}

// FILETIME counts 100 ns from 1601; Unix time counts from 1970.
constexpr qint64 TicksTo1970 = 116444736000000000;

FileTime FromFileTime(const FILETIME &time)
{
    const qint64 ticks = ((qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime) - TicksTo1970;
    return {ticks / 10000000, ticks % 10000000 * 100};
}

QByteArray Number(const FILETIME &time)
{
    const FileTime at = FromFileTime(time);
    return QByteArray::number(at.seconds) + '.' + QByteArray::number(at.nanoseconds);
}

} // namespace

bool TestFifo::InFolders()
{
    return false;
}

// The pipe's own end always stands open, so it is the writer either way.
TestFifo::TestFifo(const QByteArray &, bool)
{
    static int pipes = 0;
    path_ = "\\\\.\\pipe\\korvane-test-" + QByteArray::number(qulonglong(::GetCurrentProcessId())) + '-'
            + QByteArray::number(++pipes);
    const HANDLE pipe = ::CreateNamedPipeA(path_.constData(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0,
                                           0, 0, nullptr);
    made_ = pipe != INVALID_HANDLE_VALUE;
    if (made_)
        writer_ = reinterpret_cast<qintptr>(pipe);
}

TestFifo::~TestFifo()
{
    if (made_)
        ::CloseHandle(reinterpret_cast<HANDLE>(writer_));
}

// Making one needs a privilege (or developer mode) a test cannot count on.
bool SymlinksSupported()
{
    return false;
}

bool MakeSymlink(const QByteArray &, const QByteArray &)
{
    return false;
}

QByteArray NullDevice()
{
    return "NUL";
}

QString MakeUnreadable(const QByteArray &)
{
    return QStringLiteral("a process cannot deny itself reading a file it owns without rewriting its ACL, which Wine "
                          "does not enforce");
}

QString MakeReadOnly(const QByteArray &path)
{
    const std::wstring name = Wide(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && ::SetFileAttributesW(name.c_str(), attributes | FILE_ATTRIBUTE_READONLY)
               ? QString()
               : QStringLiteral("SetFileAttributes failed");
}

ExclusiveHold::ExclusiveHold(const QByteArray &path)
{
    const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        refusal_ = QStringLiteral("CreateFile failed (%1)").arg(::GetLastError());
    else
        handle_ = reinterpret_cast<qintptr>(file);
}

ExclusiveHold::~ExclusiveHold()
{
    if (handle_ != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool ExclusiveHold::rewrite(const QByteArray &bytes)
{
    const auto file = reinterpret_cast<HANDLE>(handle_);
    DWORD written = 0;
    return handle_ != -1 && ::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0
        && ::WriteFile(file, bytes.constData(), DWORD(bytes.size()), &written, nullptr) && written == DWORD(bytes.size())
        && ::FlushFileBuffers(file);
}

FileSizeLimit::FileSizeLimit(qint64) : refusal_(QStringLiteral("Windows sets no limit on the size of a process's files"))
{
}

FileSizeLimit::~FileSizeLimit() = default;

std::optional<FileTime> ModificationTime(const QByteArray &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data {};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return FromFileTime(data.ftLastWriteTime);
}

void Backdate(const QByteArray &path)
{
    const HANDLE file = ::CreateFileW(Wide(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const qint64 ticks = 1000000000LL * 10000000 + TicksTo1970;
    const FILETIME old{DWORD(ticks & 0xffffffff), DWORD(ticks >> 32)};
    ::SetFileTime(file, nullptr, nullptr, &old);
    ::CloseHandle(file);
}

std::optional<PathStatus> StatusOf(const QByteArray &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data {};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    PathStatus result;
    result.size = (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    result.print = "attributes " + QByteArray::number(qulonglong(data.dwFileAttributes), 16) + " size "
                   + QByteArray::number(result.size) + " mtime " + Number(data.ftLastWriteTime) + " ctime "
                   + Number(data.ftCreationTime);
    result.regular = !(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    return result;
}

QByteArray PrintedLineEnd()
{
    return "\r\n";
}
