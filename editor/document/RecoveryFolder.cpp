#include "editor/document/RecoveryFolder.h"

#include "editor/document/BankFileReader.h"
#include "editor/document/RecoveryFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecoveryFolder)
};

const QString Suffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");

// The files this process claims: a second claim here must fail as one from
// another editor does, and they are no other editor's.
QMutex claimsMutex;
QSet<QString> claims;

// What the names of a bank's recovery files start with: its name, readable
// in a file manager, and a hash of its whole path, which tells apart banks
// of the same name.
QString PrefixFor(const QString &bankPath)
{
    if (bankPath.isEmpty())
        return QStringLiteral("untitled-");
    QString stem = QFileInfo(bankPath).completeBaseName().left(40);
    for (QChar &ch : stem)
        if (!(ch.isLetterOrNumber() && ch.unicode() < 0x80) && ch != u'-' && ch != u'_')
            ch = u'_';
    const QByteArray hash = QCryptographicHash::hash(bankPath.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return stem + u'-' + QString::fromLatin1(hash) + u'-';
}

QStringList Listed(const QString &pattern)
{
    QFileInfoList found;
    for (const QString &path : {RecoveryFolder::Path(), RecoveryFolder::FallbackPath()})
        found += QDir(path).entryInfoList({pattern}, QDir::Files | QDir::Hidden);
    std::stable_sort(found.begin(), found.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList files;
    for (const QFileInfo &file : found)
        files += file.filePath();
    return files;
}

// When the recovery file was written, or nothing when it is missing,
// incomplete or damaged.
std::optional<QDateTime> WrittenAt(const QString &file)
{
    const BankFileRead bytes = ReadRecoveryBytes(file);
    const std::optional<RecoverySnapshot> read = bytes.error.isEmpty() ? RecoveryFile::Read(bytes.bytes) : std::nullopt;
    return read ? std::optional(read->written) : std::nullopt;
}

bool ClaimedHere(const QString &file)
{
    const QMutexLocker locker(&claimsMutex);
    return claims.contains(file);
}

} // namespace

namespace RecoveryFolder {

QString Path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

QString FallbackPath()
{
    return QDir::home().filePath(u'.' + QCoreApplication::applicationName() + QStringLiteral("-recovery"));
}

bool IsFallback(const QString &file)
{
    return QFileInfo(file).absolutePath() == FallbackPath();
}

bool Make(QString *error, const QString &path)
{
    if (!QDir().mkpath(path) || !QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                              | QFileDevice::ExeOwner)) {
        if (error)
            *error = Text::tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

QString NewFile(const QString &bankPath, const QString &path)
{
    const QDir folder(path);
    QString file;
    do {
        file = folder.filePath(PrefixFor(bankPath) + QString::number(QRandomGenerator::global()->generate(), 16)
                               + Suffix);
    } while (QFileInfo::exists(file) || QFileInfo::exists(file + LockSuffix));
    return file;
}

QStringList Files()
{
    return Listed(u'*' + Suffix);
}

QStringList FilesFor(const QString &bankPath)
{
    return Listed(PrefixFor(bankPath) + u'*' + Suffix);
}

bool HeldElsewhere(const QString &bankPath)
{
    const QStringList locks = Listed(PrefixFor(bankPath) + u'*' + Suffix + LockSuffix);
    for (const QString &lock : locks) {
        const QString file = lock.chopped(LockSuffix.size());
        if (!ClaimedHere(file) && !RecoveryClaim::Take(file))
            return true;
    }
    return false;
}

void DropStaleLocks()
{
    for (const QString &lock : Listed(u'*' + Suffix + LockSuffix)) {
        const QString file = lock.chopped(LockSuffix.size());
        if (!QFileInfo::exists(file))
            RecoveryClaim::Take(file); // and let go at once: its lock file goes with it
    }
}

void SettleLeftovers()
{
    // A save file's temporary name: the file's own and six letters or digits.
    for (const QString &leftover : Listed(u'*' + Suffix + QStringLiteral(".??????"))) {
        const QString file = leftover.left(leftover.lastIndexOf(u'.'));
        // Its editor runs, and may be writing it now.
        const std::unique_ptr<RecoveryClaim> claim = RecoveryClaim::Take(file);
        if (!claim)
            continue;
        const std::optional<QDateTime> written = WrittenAt(leftover);
        const std::optional<QDateTime> kept = written ? WrittenAt(file) : std::nullopt;
        std::error_code failed;
        if (written && (!kept || *written > *kept))
            std::filesystem::rename(leftover.toStdU16String(), file.toStdU16String(), failed); // else tried again next start
        else
            QFile::remove(leftover);
    }
}

QString SetAsideName(const QString &file)
{
    return file + QStringLiteral(".set-aside");
}

} // namespace RecoveryFolder

std::unique_ptr<RecoveryClaim> RecoveryClaim::Take(const QString &file, QString *error)
{
    {
        const QMutexLocker locker(&claimsMutex);
        if (claims.contains(file))
            return nullptr;
    }
    std::unique_ptr<RecoveryClaim> claim(new RecoveryClaim(file));
    QString why;
    if (claim->lock_.tryLock(&why) != FileLock::Outcome::Taken) {
        if (error && !why.isEmpty())
            *error = why;
        return nullptr;
    }
    const QMutexLocker locker(&claimsMutex);
    claims.insert(file);
    return claim;
}

QString RecoveryClaim::Refusal(const QString &file, const QString &error)
{
    return error.isEmpty() ? Text::tr("%1 is locked by another editor").arg(QDir::toNativeSeparators(file))
                           : Text::tr("its lock %1 cannot be made (%2)")
                                 .arg(QDir::toNativeSeparators(file + LockSuffix), error);
}

RecoveryClaim::RecoveryClaim(const QString &file) : file_(file), lock_(file + LockSuffix) {}

RecoveryClaim::~RecoveryClaim()
{
    if (!lock_.isLocked())
        return;
    lock_.unlock();
    const QMutexLocker locker(&claimsMutex);
    claims.remove(file_);
}
