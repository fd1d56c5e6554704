#include "editor/document/TerminationSignal.h"

#include <QCoreApplication>

// A Windows GUI program has no console to be sent Ctrl+C, nor signals: the
// end of a session reaches it as WM_QUERYENDSESSION, which Qt hands on as
// QGuiApplication::commitDataRequest, and a kill from Task Manager leaves it
// no time at all. So there is nothing here to catch.
TerminationSignal *TerminationSignal::Install()
{
    static TerminationSignal *instance = new TerminationSignal(QCoreApplication::instance());
    return instance;
}

// Windows sets no limit on the size of a process's files.
void TerminationSignal::IgnoreFileSizeLimit() {}
