#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// Knows what the open bank's file held when the editor last read or wrote
// it, and tells when another program may have changed it since.
class DiskWatch : public QObject {
    Q_OBJECT

public:
    // Unreadable: the file is there but cannot be read (its permissions, its
    // size); no sign that another program changed it.
    enum class State { Same, Changed, Missing, Unreadable };

    explicit DiskWatch(QObject *parent = nullptr);

    // The file at `path` holds `bytes`, as just read or written.
    void track(const QString &path, const QByteArray &bytes);
    void stop();
    // What the file holds now against what was tracked; a change the author
    // chose to keep their own over counts as Same until the file changes again.
    State state() const;
    // The author keeps their own version over what the file holds now.
    void keepMine();
    // What the file holds now, for a reload; empty with `error` set when it
    // cannot be read.
    QByteArray read(QString *error) const;

signals:
    // The file or its folder changed on disk: compare with state().
    void touched();

private:
    QByteArray digestOnDisk(bool *missing) const;

    QFileSystemWatcher watcher_;
    QString path_;
    QByteArray digest_; // of the bytes last read or written
    QByteArray kept_;   // of a version the author chose to keep theirs over
};
