// The program starts from the bar's load handler and ends with its unload.

#include "bar/frmMain.h"
#include "core/mMain.h"
#include "platform/FileIcons.h"
#include "platform/ShutdownSignals.h"
#include "runtime/Twips.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(mMain::AppName);
    app.setQuitOnLastWindowClosed(false);
    platform::setupIconTheme();

    auto* bar = new frmMain;
    platform::onShutdownRequest([bar] { bar->EndOnRequest(); });
    bar->Load();
    if (bar->Ended())
        return 0;
    return app.exec();
}
