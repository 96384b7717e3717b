// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program starts from the bar's load handler and ends with its unload.

#include "bar/frmMain.h"
#include "core/mMain.h"
#include "core/SaveFailure.h"
#include "platform/icons/FileIcons.h"
#include "platform/session/CommandSocket.h"
#include "platform/session/ShutdownSignals.h"
#include "platform/window/WindowSystem.h"
#include "runtime/accessibility/Accessibility.h"
#include "runtime/settings/SettingsStore.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

// What the command line asks for: an exit status when the process is done
// already, and whether the bar it starts slides in once loaded.
struct Request {
    int exitStatus = -1;
    bool showOnceLoaded = false;
};

// Every option, one line each: --help prints it, a wrong option gets it on
// stderr.
constexpr const char* kUsage =
    "usage: kestrel2 [--show | --hide | --toggle | --help | --version]\n"
    "  (no option)  start the bar, parked at its screen edge\n"
    "  --show       slide the running bar in and give it the keyboard (with no bar running, start one)\n"
    "  --hide       park the running bar\n"
    "  --toggle     slide the running bar in or park it, whichever fits (with no bar running, start one)\n"
    "  --help       print this help and end\n"
    "  --version    print the version and end\n";

// --show, --hide and --toggle go to the bar running on this display; with
// none running, --show and --toggle start one that slides in.
Request handleCommandLine(int argc, char** argv)
{
    if (argc < 2)
        return {};
    const QByteArray option(argv[1]);
    if (argc == 2 && option == "--help") {
        std::fputs(kUsage, stdout);
        return {0, false};
    }
    if (argc == 2 && option == "--version") {
        std::fputs("kestrel2 " K98_VERSION "\n", stdout);
        return {0, false};
    }
    const QByteArray word = option.startsWith("--") ? option.mid(2) : QByteArray();
    if (argc > 2 || !platform::isBarCommand(word)) {
        std::fputs(kUsage, stderr);
        return {2, false};
    }
    switch (platform::commandBar(platform::commandSocketPath(), word)) {
    case platform::CommandAnswer::Taken: return {0, false};
    case platform::CommandAnswer::None:
        std::fputs("kestrel2: the bar running on this display does not answer\n", stderr);
        return {1, false};
    case platform::CommandAnswer::NoBar: break;
    }
    if (word == "hide")
        return {0, false};
    return {-1, true};
}

// Decides the platform before the application exists. The choice goes into
// the arguments, not the environment, so that programs the bar starts keep
// the session's own.
bool chooseWindowSystem(std::vector<char*>& arguments)
{
    static QByteArray chosen;
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    chosen = platform::platformToUse(requested);
    if (chosen.startsWith("xcb") && !platform::x11Reachable()) {
        std::fprintf(stderr,
                     "kestrel2: no X server answers on DISPLAY \"%s\". Kestrel 98 runs on X11, or on Xwayland "
                     "in a Wayland session.\n",
                     qgetenv("DISPLAY").constData());
        return false;
    }
    if (chosen != requested) {
        static char option[] = "-platform";
        arguments.push_back(option);
        arguments.push_back(chosen.data());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const Request request = handleCommandLine(argc, argv);
    if (request.exitStatus >= 0)
        return request.exitStatus;
    std::vector<char*> arguments{argv[0]};
    if (!chooseWindowSystem(arguments))
        return 1;
    int argumentCount = int(arguments.size());
    arguments.push_back(nullptr);

    QApplication app(argumentCount, arguments.data());
    platform::closeX11Probe();
    app.setApplicationName(mMain::AppName);
    // The settings are kept under the application name; screen readers
    // announce the product name.
    rt::setAccessibleApplicationName(mMain::ProductName);
    app.setQuitOnLastWindowClosed(false);
    platform::setupIconTheme();
    rt::onSettingsWriteFailure(SaveFailure::tell);

    auto* bar = new frmMain;
    platform::onShutdownRequest([bar] { bar->EndOnRequest(); });
    bar->Load();
    if (bar->Ended())
        return 0;
    if (request.showOnceLoaded)
        bar->ShowFromKey();
    // Loading read the icon theme, the settings and every item's picture
    // through memory that is free again now; hand its pages back, or the
    // parked bar would hold them for the rest of the session.
    QTimer::singleShot(0, [] { ::malloc_trim(0); });
    return app.exec();
}
