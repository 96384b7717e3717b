// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/Launcher.h"

#include "platform/launch/ApplicationActivation.h"
#include "platform/launch/ShellLaunch.h"
#include "platform/launch/StartupNotification.h"
#include "platform/Platform.h"

namespace platform {

namespace {

const QString kTitle = QStringLiteral("Kestrel 98");

bool userTrusts(const LaunchPlan& plan)
{
    const QString question =
        QStringLiteral("This launcher is not marked as trusted. Run \"%1\" anyway?").arg(plan.name);
    return services().messageBox(question, MessageIcon::Question | MessageButtons::YesNo, kTitle) == MessageAnswer::Yes;
}

// Entries that do not ask for it get no id: a program that does not
// announce its window would leave the desktop waiting.
QString startupIdFor(const LaunchPlan& plan)
{
    if (!plan.startupNotify)
        return QString();
    return beginStartup({plan.name, plan.icon, plan.program, plan.entryFile});
}

// A start that fails takes its announcement back.
bool startFromExec(const LaunchPlan& plan, const QString& startupId)
{
    if (startDetached(plan, startupId))
        return true;
    cancelStartup(startupId);
    return false;
}

bool start(const LaunchPlan& plan)
{
    const QString startupId = startupIdFor(plan);
    if (plan.applicationId.isEmpty())
        return startFromExec(plan, startupId);
    // An activation that fails later falls back the same way, and beeps as a
    // failed start does.
    const auto activationFailed = [plan, startupId] {
        if (!startFromExec(plan, startupId))
            services().beep();
    };
    return activateApplication(plan.applicationId, startupId, activationFailed) || startFromExec(plan, startupId);
}

}  // namespace

bool launch(const QString& target)
{
    const LaunchPlan plan = launchPlanFor(target);
    if (!plan.refusal.isEmpty()) {
        services().messageBox(plan.refusal, MessageIcon::Exclamation, kTitle);
        return false;
    }
    if (plan.canStart() && plan.askTrust && !userTrusts(plan))
        return false;
    if (!plan.canStart() || !start(plan)) {
        services().beep();
        return false;
    }
    return true;
}

}  // namespace platform
