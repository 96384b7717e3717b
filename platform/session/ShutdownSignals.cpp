// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/ShutdownSignals.h"

#include "platform/files/GuardedFile.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace platform {

namespace {

int gSignalPipe[2] = {-1, -1};
volatile sig_atomic_t gShutdownRequested = 0;

// The state is written by then; whatever still holds the process up (a window
// of a library that waits for something) must not keep the user's lock.
constexpr int GraceMilliseconds = 1500;

// A write in progress when the grace time is up is looked at again this much
// later.
constexpr int WriteCheckMilliseconds = 100;

// Only async-signal-safe work here: wake the event loop. The settings file is
// replaced whole or not at all, so ending during the first signal's write
// leaves either the old or the new file; the new one's temporary file goes.
void wakeOnSignal(int signal)
{
    if (gShutdownRequested) {
        removeTemporaryInProgress();
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    gShutdownRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

void setAlarm(int milliseconds)
{
    itimerval timer{};
    timer.it_value.tv_sec = milliseconds / 1000;
    timer.it_value.tv_usec = (milliseconds % 1000) * 1000;
    // As safe in a signal handler as alarm(), which the C library builds on it.
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

// A write of the settings is let finish, however slow the disk: cut short,
// the change it carries would be lost. Anything else that holds the process
// up does not keep it.
volatile sig_atomic_t gWaitedForWrite = 0;

void endAfterGrace(int)
{
    if (writeUnfinished()) {
        gWaitedForWrite = 1;
        setAlarm(WriteCheckMilliseconds);
        return;
    }
    // The rest of the ending was held up by the write; once the write is
    // done it gets its grace time anew, so a slow write does not leave it
    // none (nor a next write that was waiting for the first).
    if (gWaitedForWrite) {
        gWaitedForWrite = 0;
        setAlarm(GraceMilliseconds);
        return;
    }
    static const char message[] = "the shutdown did not end the program in time; ending it now\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(0);
}

// Once the application object is going, the program is ending by itself; what
// remains (the leak check of a sanitizer build, say) must not be cut short.
void disarmGraceTimer()
{
    itimerval none{};
    ::setitimer(ITIMER_REAL, &none, nullptr);
}

void armGraceTimer()
{
    qAddPostRoutine(disarmGraceTimer);
    struct sigaction action {};
    action.sa_handler = endAfterGrace;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGALRM, &action, nullptr);
    setAlarm(GraceMilliseconds);
}

}  // namespace

bool shutdownRequested() { return gShutdownRequested != 0; }

void onShutdownRequest(std::function<void()> handler)
{
    if (gSignalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return;
    auto ran = std::make_shared<bool>(false);
    auto runOnce = [ran, handler = std::move(handler)] {
        gShutdownRequested = 1;
        if (*ran)
            return;
        *ran = true;
        armGraceTimer();
        handler();
    };
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, qGuiApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qGuiApp, [notifier, runOnce] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(gSignalPipe[0], &byte, 1);
        notifier->setEnabled(false);
        runOnce();
    });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp, [runOnce](QSessionManager&) { runOnce(); });
    struct sigaction action {};
    action.sa_handler = wakeOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

}  // namespace platform
