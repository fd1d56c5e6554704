#include "BankFileReader.h"

#include "forms/BankFile.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not an ordinary file");
}

QString Refusal(const QString &path, const QString &why)
{
    return QStringLiteral("“%1” cannot be opened: %2.").arg(path, why);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error)).toLower();
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

BankFileRead ReadBankBytes(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ENOENT && ::lstat(name.constData(), &link) == 0)
            return {{}, Refusal(path, QStringLiteral("it is a link to a file that no longer exists"))};
        return {{}, Refusal(path, SystemReason(error))};
    }
    // Checked before opening: opening a pipe for reading waits for a writer.
    if (!S_ISREG(info.st_mode))
        return {{}, Refusal(path, QStringLiteral("it is %1, not a question bank file").arg(KindOf(info.st_mode)))};
    if (info.st_size > LargestBankFile)
        return {{}, Refusal(path, QStringLiteral("it holds %1, far more than a question bank of %2 lines")
                                       .arg(QLocale().formattedDataSize(info.st_size))
                                       .arg(BankSlots))};

    // Non-blocking too, in case the path was swapped for a pipe since the check.
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return {{}, Refusal(path, SystemReason(errno))};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return {{}, Refusal(path, QStringLiteral("it changed while it was being opened"))};

    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {{}, Refusal(path, SystemReason(errno))};
        }
        bytes.append(buffer, got);
        if (bytes.size() > LargestBankFile)
            return {{}, Refusal(path, QStringLiteral("it grew past %1 while it was being read")
                                           .arg(QLocale().formattedDataSize(LargestBankFile)))};
    }
    return {bytes, {}};
}
