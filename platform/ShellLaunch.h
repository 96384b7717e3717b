#pragma once
// Starting what an item points to, the way the desktop would: an executable
// file runs detached in its own folder, a .desktop entry launches the
// application it names, anything else (document, folder, URL, mailto:) opens
// with the desktop's default handler. Nothing passes through a shell.

#include <QString>
#include <QStringList>

namespace platform {

struct LaunchPlan {
    QString program;  // empty: nothing can be started
    QStringList arguments;
    QString workingFolder;
};

LaunchPlan launchPlanFor(const QString& target);

// Starts the plan detached; false when nothing was started.
bool startDetached(const LaunchPlan& plan);

}  // namespace platform
