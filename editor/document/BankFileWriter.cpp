#include "editor/document/BankFileWriter.h"

#include "editor/document/FileAccess.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file's group, if it exists.
std::optional<gid_t> GroupOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status.st_gid;
}

// Writes all the bytes straight to the descriptor, so that a failure is
// told by its own errno: a short write reports no error through QFileDevice.
int WriteAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return 0;
}

} // namespace

QString WriteBankFile(const QString &path, const QByteArray &bytes)
{
    const std::optional<gid_t> group = GroupOf(path);
    // Unbuffered: a buffered QSaveFile flushes at commit and renames even
    // when that flush fails, as on a full disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const int error = WriteAll(file.handle(), bytes)) {
        file.cancelWriting();
        return QString::fromLocal8Bit(std::strerror(error));
    }
    // A bank in a shared folder keeps its group. Where the user is not in
    // that group the change is refused and the user's own group stays.
    if (group && ::fchown(file.handle(), uid_t(-1), *group) != 0 && errno != EPERM)
        return QString::fromLocal8Bit(std::strerror(errno));
    // Who else may read it or change it stays as it was; where that cannot
    // be kept, the old file stays rather than the new one opening it wider.
    if (const QString error = FileAccess::CopyTo(path, file); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
