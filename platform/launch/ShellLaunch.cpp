// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/ShellLaunch.h"

#include "platform/launch/DesktopEntry.h"
#include "platform/launch/ExecLine.h"
#include "platform/launch/StartKind.h"
#include "platform/launch/TerminalCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

namespace {

const QString kOpener = QStringLiteral("xdg-open");

LaunchPlan openerPlan(const QString& target) { return {kOpener, {target}, QString()}; }

// A scheme of two or more characters, so a drive letter ("c:") is no URL.
bool hasUrlScheme(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

// TryExec names a program that must be installed for the entry to count.
bool tryExecFound(const QString& tryExec)
{
    if (tryExec.isEmpty())
        return true;
    if (QDir::isAbsolutePath(tryExec)) {
        const QFileInfo info(tryExec);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(tryExec).isEmpty();
}

bool isInsideFolder(const QString& canonicalFile, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && canonicalFile.startsWith(canonicalFolder + QLatin1Char('/'));
}

// Entries the system or the user installed are trusted; anywhere else (the
// home folder, downloads, removable media) only with the executable bit.
bool isTrustedEntry(const QString& file)
{
    const QFileInfo info(file);
    if (info.isExecutable())
        return true;
    const QString canonical = info.canonicalFilePath();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        if (isInsideFolder(canonical, folder))
            return true;
    }
    return false;
}

QString displayName(const DesktopEntry& entry)
{
    return entry.name.isEmpty() ? QFileInfo(entry.file).completeBaseName() : entry.name;
}

QString noTerminalMessage(const QString& name)
{
    return QStringLiteral("\"%1\" runs in a terminal, but no terminal program was found. "
                          "Install one (x-terminal-emulator) or name it in $TERMINAL.")
        .arg(name);
}

// Sets the program and arguments of an Application entry; false when the
// entry is invalid.
bool planCommand(const DesktopEntry& entry, LaunchPlan& plan)
{
    if (entry.exec.isEmpty())
        return entry.dbusActivatable;
    std::optional<QStringList> command = expandExec(entry.exec, {entry.icon, plan.name, entry.file});
    if (!command)
        return false;
    if (entry.terminal) {
        command = inTerminal(*command);
        if (command->isEmpty()) {
            plan.refusal = noTerminalMessage(plan.name);
            return true;
        }
    }
    plan.program = command->takeFirst();
    plan.arguments = *command;
    plan.workingFolder = entry.path;
    return true;
}

LaunchPlan desktopEntryPlan(const QString& file)
{
    const DesktopEntry entry = readDesktopEntry(file);
    if (!entry.readable || entry.hidden)
        return {};
    LaunchPlan plan;
    plan.entryFile = entry.file;
    plan.name = displayName(entry);
    if (entry.type == QLatin1String("Link")) {
        if (entry.url.isEmpty())
            return {};
        plan.program = kOpener;
        plan.arguments = QStringList{entry.url};
    } else if (entry.type.isEmpty() || entry.type == QLatin1String("Application")) {
        if (!tryExecFound(entry.tryExec) || !planCommand(entry, plan))
            return {};
        if (entry.dbusActivatable)
            plan.applicationId = entry.applicationId();
        plan.startupNotify = entry.startupNotify;
    } else {
        return {};
    }
    plan.icon = entry.icon;
    plan.askTrust = !isTrustedEntry(file);
    return plan;
}

}  // namespace

LaunchPlan launchPlanFor(const QString& target)
{
    if (target.isEmpty())
        return {};
    const QFileInfo info(target);
    if (!info.exists())
        return hasUrlScheme(target) ? openerPlan(target) : LaunchPlan{};
    // Absolute, so a name starting with "-" never reads as an option.
    const QString path = info.absoluteFilePath();
    if (isDesktopEntryFile(path))
        return desktopEntryPlan(path);
    switch (startKindFor(path)) {
    case StartKind::Nothing: return {};
    case StartKind::Run: return {path, {}, info.absolutePath()};
    case StartKind::RunWithShell: return {QStringLiteral("/bin/sh"), {path}, info.absolutePath()};
    case StartKind::Open: break;
    }
    return openerPlan(path);
}

bool startDetached(const LaunchPlan& plan, const QString& startupId)
{
    if (plan.program.isEmpty())
        return false;
    QProcess process;
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    process.setWorkingDirectory(plan.workingFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Ours belonged to the start of this bar; a child must not claim it.
    environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
    if (!startupId.isEmpty())
        environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), startupId);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

}  // namespace platform
