#include "editor/document/FileLock.h"

#include "editor/document/SystemReason.h"

#include <QDir>

#include <windows.h>

namespace {

HANDLE Handle(long long handle)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle));
}

} // namespace

FileLock::FileLock(const QString &path) : path_(path) {}

FileLock::~FileLock()
{
    unlock();
}

// Open with no sharing, the file is the lock: no other process can open it
// while this one holds it, and the system closes it, deleting it, when the
// process ends however it ends. A file can be neither removed nor replaced
// while so held. It takes the ACL of the recovery folder in the user's
// profile, which only the user (and the administrators) may read.
FileLock::Outcome FileLock::tryLock(QString *error)
{
    const HANDLE handle = ::CreateFileW(QDir::toNativeSeparators(path_).toStdWString().c_str(),
                                        GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD why = ::GetLastError();
        // The sharing check is what an flock() refusal is on Linux.
        if (why == ERROR_SHARING_VIOLATION)
            return Outcome::Held;
        *error = SystemReason(int(why));
        return Outcome::Failed;
    }
    handle_ = static_cast<long long>(reinterpret_cast<intptr_t>(handle));
    return Outcome::Taken;
}

void FileLock::unlock()
{
    if (handle_ < 0)
        return;
    ::CloseHandle(Handle(handle_)); // and the file goes with it
    handle_ = -1;
}
