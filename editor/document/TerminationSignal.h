#pragma once

#include <QObject>

// SIGTERM, SIGINT and SIGHUP as a Qt signal on the GUI thread, so the editor
// can keep its unsaved work before it goes. The handler itself only writes
// the signal's number to a socket pair, which is all a handler may safely
// do; a socket notifier reads it in the event loop.
class TerminationSignal : public QObject {
    Q_OBJECT

public:
    // Installs the handlers once; the object lives as long as the
    // application. Null, with a warning, when the socket pair cannot be made.
    static TerminationSignal *Install();

signals:
    void received(int signal);

private:
    using QObject::QObject;
};
