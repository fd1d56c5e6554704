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
    // Past a file-size limit the kernel ends a program that writes on with
    // SIGXFSZ, unsaved work and all; ignored, the write fails with "File too
    // large" and is told as a full disk is. For the whole process, from
    // main(), before anything is written.
    static void IgnoreFileSizeLimit();

signals:
    void received(int signal);

private:
    using QObject::QObject;
};
