#include "editor/document/TerminationSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int sockets[2] = {-1, -1}; // written by the handler, read by the notifier

void Handle(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // Non-blocking: should the socket ever be full, the signal already waiting
    // there does the same work.
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignal *TerminationSignal::Install()
{
    static TerminationSignal *instance = nullptr;
    if (instance)
        return instance;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0) {
        qWarning("The termination signals cannot be caught: %s", std::strerror(errno));
        return nullptr;
    }
    instance = new TerminationSignal(QCoreApplication::instance());
    auto *notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, instance);
    connect(notifier, &QSocketNotifier::activated, instance, [] {
        unsigned char byte = 0;
        while (::read(sockets[1], &byte, 1) == 1)
            emit instance->received(byte);
    });
    struct sigaction action = {};
    action.sa_handler = Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    return instance;
}

void TerminationSignal::IgnoreFileSizeLimit()
{
    struct sigaction action = {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}
