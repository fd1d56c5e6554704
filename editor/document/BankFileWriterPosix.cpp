#include "editor/document/BankFileWriter.h"

#include "editor/document/DirectWrite.h"
#include "editor/document/FileAccess.h"
#include "editor/document/SystemReason.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
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

} // namespace

QString WriteBankFile(const QString &path, const QByteArray &bytes)
{
    const std::optional<gid_t> group = GroupOf(path);
    // Unbuffered: a buffered QSaveFile flushes at commit and renames even
    // when that flush fails, as on a full disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const QString error = WriteAll(file, bytes); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    // A bank in a shared folder keeps its group. Where the user is not in
    // that group the change is refused and the user's own group stays.
    if (group && ::fchown(file.handle(), uid_t(-1), *group) != 0 && errno != EPERM)
        return SystemReason(errno);
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
