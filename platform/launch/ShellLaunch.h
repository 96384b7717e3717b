// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What starting an item means, the way the desktop sees it: a program runs
// detached in its own folder, a .desktop entry launches the application it
// names, anything else (document, folder, URL, mailto:) opens with the
// desktop's default handler. Nothing passes through a shell.

#include <QString>
#include <QStringList>

namespace platform {

struct LaunchPlan {
    LaunchPlan() = default;
    LaunchPlan(QString program, QStringList arguments, QString workingFolder)
        : program(std::move(program)), arguments(std::move(arguments)), workingFolder(std::move(workingFolder))
    {
    }

    QString program;  // empty: nothing to start (unless activated over D-Bus)
    QStringList arguments;
    QString workingFolder;

    // Only from desktop entries:
    QString entryFile;
    QString name;  // for questions and the startup notification
    QString icon;
    QString applicationId;  // not empty: activate over the session bus first
    bool askTrust = false;  // a launcher the user has not marked as trusted
    bool startupNotify = false;
    QString refusal;  // not empty: why it cannot start, for the user to read

    bool canStart() const { return !program.isEmpty() || !applicationId.isEmpty(); }
};

// An existing local path or a URL with a scheme gives a plan; a local path
// that does not exist, or a .desktop entry that is invalid or names nothing
// to start, gives the empty plan.
LaunchPlan launchPlanFor(const QString& target);

// Starts the plan's program detached, with DESKTOP_STARTUP_ID in its
// environment when startupId is not empty; false when nothing was started.
bool startDetached(const LaunchPlan& plan, const QString& startupId = QString());

}  // namespace platform
