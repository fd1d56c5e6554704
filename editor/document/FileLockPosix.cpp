#include "editor/document/FileLock.h"

#include "editor/document/SystemReason.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameFile(int descriptor, const QByteArray &path)
{
    struct stat held {}, named {};
    return ::fstat(descriptor, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

} // namespace

FileLock::FileLock(const QString &path) : path_(path) {}

FileLock::~FileLock()
{
    unlock();
}

FileLock::Outcome FileLock::tryLock(QString *error)
{
    const QByteArray path = QFile::encodeName(path_);
    // The holder before may remove the file between the open and the lock,
    // leaving a lock on a file no longer there: then the named one is tried.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (descriptor < 0) {
            *error = SystemReason(errno);
            return Outcome::Failed;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            ::close(descriptor);
            if (why == EWOULDBLOCK)
                return Outcome::Held;
            *error = SystemReason(why);
            return Outcome::Failed;
        }
        if (!SameFile(descriptor, path)) {
            ::close(descriptor);
            continue;
        }
        // Whatever the umask, and for a file an older editor left.
        if (::fchmod(descriptor, 0600) != 0) {
            *error = SystemReason(errno);
            ::close(descriptor);
            return Outcome::Failed;
        }
        handle_ = descriptor;
        return Outcome::Taken;
    }
    *error = SystemReason(EAGAIN);
    return Outcome::Failed;
}

void FileLock::unlock()
{
    if (handle_ < 0)
        return;
    // Removed while still held, so no one takes the lock of a file going away.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(int(handle_));
    handle_ = -1;
}
