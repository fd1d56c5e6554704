#pragma once

#include <QString>

// A lock file that says a running editor holds what it names. The system
// lets go of the lock when its process ends, however it ends (kill -9
// included), so a lock is never taken for held by an editor that is gone.
// The file is the user's alone (0600). One platform's half each:
// FileLockPosix.cpp (flock); FileLockWindows.cpp opens the file for itself
// alone (no sharing), in a folder only the user may read.
class FileLock {
public:
    enum class Outcome { Taken, Held, Failed };

    explicit FileLock(const QString &path);
    // Lets go, removing the file first.
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Held: another running editor holds it. Failed: the system refused,
    // its reason in `error`.
    Outcome tryLock(QString *error);
    bool isLocked() const { return handle_ >= 0; }
    void unlock();

private:
    QString path_;
    long long handle_ = -1;
};
