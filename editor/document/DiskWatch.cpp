#include "editor/document/DiskWatch.h"

#include "editor/document/BankFileReader.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

QByteArray Digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

DiskWatch::DiskWatch(QObject *parent) : QObject(parent)
{
    // Programs that save by renaming a new file over the old one end the
    // watch on the file; the folder's watch sees the new one come.
    const auto rewatch = [this] {
        if (!path_.isEmpty() && QFileInfo::exists(path_) && !watcher_.files().contains(path_))
            watcher_.addPath(path_);
        emit touched();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, rewatch);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, rewatch);
}

void DiskWatch::track(const QString &path, const QByteArray &bytes)
{
    if (path != path_) {
        stop();
        path_ = path;
        watcher_.addPath(QFileInfo(path).absolutePath());
    }
    if (!watcher_.files().contains(path))
        watcher_.addPath(path);
    digest_ = Digest(bytes);
    kept_.clear();
}

void DiskWatch::stop()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    path_.clear();
    digest_.clear();
    kept_.clear();
}

QByteArray DiskWatch::read(QString *error) const
{
    const BankFileRead read = ReadBankBytes(path_);
    if (error)
        *error = read.error;
    return read.bytes;
}

QByteArray DiskWatch::digestOnDisk(bool *missing) const
{
    *missing = !QFileInfo::exists(path_);
    if (*missing)
        return {};
    QString error;
    const QByteArray bytes = read(&error);
    return error.isEmpty() ? Digest(bytes) : QByteArray();
}

DiskWatch::State DiskWatch::state() const
{
    if (path_.isEmpty())
        return State::Same;
    bool missing = false;
    const QByteArray now = digestOnDisk(&missing);
    if (missing)
        return State::Missing;
    if (now.isEmpty())
        return State::Unreadable;
    return now == digest_ || now == kept_ ? State::Same : State::Changed;
}

void DiskWatch::keepMine()
{
    bool missing = false;
    kept_ = digestOnDisk(&missing);
}
