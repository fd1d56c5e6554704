#include "editor/document/RunningProcess.h"

#include <QFile>

#include <cerrno>
#include <csignal>

bool IsRunning(qint64 pid)
{
    // EPERM: it runs, as another user's.
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    // A game that ended but was never reaped (its editor killed) runs no more.
    QFile status(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return true;
    const QByteArray stat = status.readAll();
    const qsizetype name = stat.lastIndexOf(')');
    return name < 0 || stat.mid(name + 2, 1) != "Z";
}
