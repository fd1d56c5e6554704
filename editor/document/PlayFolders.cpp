#include "editor/document/PlayFolders.h"

#include "editor/document/RunningProcess.h"

#include <QDir>
#include <QFile>

namespace PlayFolders {

namespace {

const QString Prefix = QStringLiteral("korvedit-play-");
const QString HoldersFile = QStringLiteral("holders");

} // namespace

QString Template()
{
    return QDir::tempPath() + QLatin1Char('/') + Prefix + QStringLiteral("XXXXXX");
}

bool Claim(const QString &folder, qint64 pid)
{
    QFile holders(QDir(folder).filePath(HoldersFile));
    return holders.open(QIODevice::Append | QIODevice::Text) && holders.write(QByteArray::number(pid) + '\n') > 0;
}

int RemoveStale(const QString &parent)
{
    int removed = 0;
    const QDir folders(parent);
    for (const QString &name : folders.entryList({Prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks)) {
        QDir folder(folders.filePath(name));
        QFile holders(folder.filePath(HoldersFile));
        if (!holders.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        bool held = false;
        qint64 noted = 0;
        for (const QByteArray &line : holders.readAll().split('\n')) {
            const qint64 pid = line.trimmed().toLongLong();
            noted += pid > 0;
            held = held || IsRunning(pid);
        }
        holders.close();
        if (noted > 0 && !held && folder.removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace PlayFolders
