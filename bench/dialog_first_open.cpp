// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How much longer a dialog takes to open the first time, when its library is
// loaded, than the second: from the creation of the object to the dialog on
// the screen, for each dialog the bar opens. Runs on the display it is given
// (bench/dialog_first_open.sh starts one). Prints one line a dialog, and
// exits with 1 when the first opening costs more than 50 ms over the second.

#include "runtime/components/Component.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace {

struct Dialog {
    const char* progId;
    QList<std::pair<const char*, QVariant>> properties;
};

// Milliseconds from asking for the object to its dialog being shown; the
// dialog is closed as soon as it is.
double openOnce(const Dialog& dialog)
{
    QElapsedTimer clock;
    double shownAfter = -1;
    std::function<void()> closeWhenShown = [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown || !shown->isVisible()) {
            QTimer::singleShot(1, closeWhenShown);
            return;
        }
        shownAfter = clock.nsecsElapsed() / 1e6;
        shown->hide();
    };
    clock.start();
    const rt::ComPtr<rt::Component> object = rt::CreateObject(QLatin1String(dialog.progId));
    if (!object)
        return -1;
    for (const auto& [name, value] : dialog.properties)
        object->setProperty(QLatin1String(name), value);
    QTimer::singleShot(0, closeWhenShown);
    object->invoke(QStringLiteral("Show"));
    return shownAfter;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = QApplication::arguments().value(1);
    if (folder.isEmpty()) {
        std::fprintf(stderr, "usage: dialog_first_open PROGRAM-FOLDER\n");
        return 2;
    }
    qputenv("K98_COMPONENT_PATH", folder.toLocal8Bit());
    const QList<Dialog> dialogs{
        {"kestrel98.CSettingEx", {}},
        {"kestrel98.CProperty", {{"ItemInfo", QStringLiteral("/usr|Programs")}}},
        {"kestrel98.CGroup", {{"ItemInfo", QStringLiteral("group|Tools|:")}}},
        {"glintbox.CAboutBoxEx", {{"Caption", QStringLiteral("About")}, {"ProgramName", QStringLiteral("Bench")}}},
        {"tutorview.CTutorial",
         {{"Title", QStringLiteral("Bench")},
          {"Chapter", 5},
          {"File", folder + QStringLiteral("/Tutorial.lib")},
          {"Code", 1}}},
    };
    bool withinGoal = true;
    std::printf("%-24s%12s%12s%12s\n", "dialog", "first ms", "second ms", "extra ms");
    for (const Dialog& dialog : dialogs) {
        const double first = openOnce(dialog);
        const double second = openOnce(dialog);
        if (first < 0 || second < 0) {
            std::printf("%-24s did not open\n", dialog.progId);
            withinGoal = false;
            continue;
        }
        std::printf("%-24s%12.1f%12.1f%12.1f\n", dialog.progId, first, second, first - second);
        withinGoal = withinGoal && first - second <= 50;
    }
    return withinGoal ? 0 : 1;
}
