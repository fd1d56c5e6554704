#pragma once

#include <QtGlobal>

// Whether the process of that id still runs, as any user's. A process that
// ended but whose exit its parent has not yet collected runs no more.
// RunningProcessPosix.cpp asks kill(pid, 0) and /proc; RunningProcessWindows.cpp
// asks OpenProcess.
bool IsRunning(qint64 pid);
