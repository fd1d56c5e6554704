#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The part of reading a bank that differs between systems: opening a path
// safely and listing the current folder. BankFileOpenPosix.cpp and
// BankFileOpenWindows.cpp hold the two forms; the build picks one.

// Why a path was not opened as a possible bank; the caller words it.
enum class BankOpenFailure {
    None,
    System,       // the system refused: see error
    DanglingLink, // a link to a file that no longer exists
    Folder,
    Pipe,
    Device,
    Socket,
    NotRegular,   // some other kind of file
    Changed,      // it stopped being a regular file while it was being opened
};

// A possible bank file, opened for reading only when it is a regular file,
// and without blocking: a pipe, a device or a folder is refused before it is
// read, and one swapped in for the file since is refused after. The file is
// closed with this object. Paths are in the system's 8-bit encoding (on
// Windows, the ANSI code page, as main() gets its arguments).
class BankFileOpen {
public:
    explicit BankFileOpen(const char *path);
    ~BankFileOpen();
    BankFileOpen(const BankFileOpen &) = delete;
    BankFileOpen &operator=(const BankFileOpen &) = delete;

    bool isOpen() const { return handle_ != NoHandle; }
    BankOpenFailure failure() const { return failure_; }
    // An errno value, for System and DanglingLink: the Windows form maps its
    // system errors onto them, so callers word both alike.
    int error() const { return error_; }
    // The size of a regular file, known even when opening it failed.
    long long size() const { return size_; }

    // Reads up to `capacity` bytes, again when interrupted: a BankByteSource.
    std::ptrdiff_t read(char *buffer, std::size_t capacity) const;
    // Closes the file now; false when closing failed.
    bool close();

private:
    // A file descriptor or a Windows HANDLE; -1 is neither.
    static constexpr std::intptr_t NoHandle = -1;
    std::intptr_t handle_ = NoHandle;
    BankOpenFailure failure_ = BankOpenFailure::None;
    int error_ = 0;
    long long size_ = 0;
};

// True when the current folder holds something under exactly this name (a
// dangling link counts), or the system cannot tell.
bool NameTakenHere(const char *name);

// The names in the current folder; none when it cannot be listed.
std::vector<std::string> NamesHere();
