#include "editor/document/RunningProcess.h"

#include <windows.h>

bool IsRunning(qint64 pid)
{
    if (pid <= 0 || pid > qint64(MAXDWORD))
        return false;
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, DWORD(pid));
    // Denied: it runs, as another user's (or the system's).
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    // A handle outlives its process: an ended one is signalled.
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}
