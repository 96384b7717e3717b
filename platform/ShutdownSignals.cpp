#include "platform/ShutdownSignals.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int gSignalPipe[2] = {-1, -1};

// Only async-signal-safe work here: wake the event loop.
void wakeOnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

}  // namespace

void onShutdownRequest(std::function<void()> handler)
{
    if (gSignalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, qGuiApp);
    auto runOnce = std::make_shared<std::function<void()>>(std::move(handler));
    QObject::connect(notifier, &QSocketNotifier::activated, qGuiApp, [notifier, runOnce] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(gSignalPipe[0], &byte, 1);
        notifier->setEnabled(false);
        (*runOnce)();
    });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
                     [runOnce](QSessionManager&) { (*runOnce)(); });
    struct sigaction action {};
    action.sa_handler = wakeOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

}  // namespace platform
