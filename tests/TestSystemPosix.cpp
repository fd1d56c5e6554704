#include "tests/TestSystem.h"

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

bool TestFifo::InFolders()
{
    return true;
}

TestFifo::TestFifo(const QByteArray &path, bool withWriter) : path_(path)
{
    made_ = ::mkfifo(path.constData(), 0644) == 0;
    if (made_ && withWriter) {
        // Read-write never blocks on a FIFO.
        writer_ = ::open(path.constData(), O_RDWR | O_NONBLOCK);
        made_ = writer_ >= 0;
    }
}

TestFifo::~TestFifo()
{
    // A reader stuck waiting for a writer is let go before the test ends.
    const int unblock = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
    if (unblock >= 0)
        ::close(unblock);
    if (writer_ >= 0)
        ::close(int(writer_));
}

bool SymlinksSupported()
{
    return true;
}

bool MakeSymlink(const QByteArray &target, const QByteArray &path)
{
    return ::symlink(target.constData(), path.constData()) == 0;
}

QByteArray NullDevice()
{
    return "/dev/null";
}

QString MakeUnreadable(const QByteArray &path)
{
    if (::geteuid() == 0)
        return QStringLiteral("root reads any file");
    return ::chmod(path.constData(), 0) == 0 ? QString() : QStringLiteral("chmod failed");
}

QString MakeReadOnly(const QByteArray &path)
{
    if (::geteuid() == 0)
        return QStringLiteral("root writes any file");
    return ::chmod(path.constData(), 0444) == 0 ? QString() : QStringLiteral("chmod failed");
}

ExclusiveHold::ExclusiveHold(const QByteArray &)
    : refusal_(QStringLiteral("POSIX has no mandatory locks: no program can keep another from a file"))
{
}

ExclusiveHold::~ExclusiveHold() = default;

bool ExclusiveHold::rewrite(const QByteArray &)
{
    return false;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        refusal_ = QStringLiteral("getrlimit failed");
        return;
    }
    const rlimit small{rlim_t(bytes), limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
        refusal_ = QStringLiteral("setrlimit failed");
    else {
        set_ = true;
        before_ = quint64(limit.rlim_cur);
    }
}

FileSizeLimit::~FileSizeLimit()
{
    if (!set_)
        return;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(before_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

std::optional<FileTime> ModificationTime(const QByteArray &path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return std::nullopt;
    return FileTime{qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec)};
}

void Backdate(const QByteArray &path)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

std::optional<PathStatus> StatusOf(const QByteArray &path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return std::nullopt;
    PathStatus result;
    result.print = "mode " + QByteArray::number(status.st_mode, 8) + " size " + QByteArray::number(qint64(status.st_size))
                   + " mtime " + QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.'
                   + QByteArray::number(qint64(status.st_mtim.tv_nsec)) + " ctime "
                   + QByteArray::number(qint64(status.st_ctim.tv_sec)) + '.'
                   + QByteArray::number(qint64(status.st_ctim.tv_nsec));
    if (S_ISLNK(status.st_mode)) {
        char target[4096];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        result.print += " -> " + QByteArray(target, qsizetype(std::max<ssize_t>(length, 0)));
    }
    result.regular = S_ISREG(status.st_mode);
    result.size = qint64(status.st_size);
    return result;
}

QByteArray PrintedLineEnd()
{
    return "\n";
}
