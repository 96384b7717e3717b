// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/TerminalCommand.h"

#include <QStandardPaths>

namespace platform {

namespace {

struct KnownTerminal {
    const char* program;
    const char* runOption;  // what comes before the command
};

// Those that take something other than "-e" say so.
const KnownTerminal kKnownTerminals[] = {
    {"gnome-terminal", "--"}, {"konsole", "-e"},   {"xfce4-terminal", "-x"}, {"mate-terminal", "-x"},
    {"lxterminal", "-e"},     {"alacritty", "-e"}, {"kitty", "--"},          {"foot", "--"},
    {"urxvt", "-e"},          {"xterm", "-e"},
};

QStringList wrapped(const QString& program, const QString& runOption, const QStringList& command)
{
    return QStringList{program, runOption} + command;
}

// The option a terminal takes before the command: its own when the table
// knows it by name (kitty, /usr/bin/foot), else the common "-e".
QString runOptionOf(const QString& program)
{
    const QString name = program.section(QLatin1Char('/'), -1);
    for (const KnownTerminal& terminal : kKnownTerminals) {
        if (name == QLatin1String(terminal.program))
            return QLatin1String(terminal.runOption);
    }
    return QStringLiteral("-e");
}

}  // namespace

QStringList inTerminal(const QStringList& command)
{
    if (command.isEmpty())
        return {};
    const QString debianChoice = QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
    if (!debianChoice.isEmpty())
        return wrapped(debianChoice, QStringLiteral("-e"), command);
    const QString chosen = qEnvironmentVariable("TERMINAL");
    if (!chosen.isEmpty()) {
        const QString found = QStandardPaths::findExecutable(chosen);
        if (!found.isEmpty())
            return wrapped(found, runOptionOf(chosen), command);
    }
    for (const KnownTerminal& terminal : kKnownTerminals) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(terminal.program));
        if (!found.isEmpty())
            return wrapped(found, QLatin1String(terminal.runOption), command);
    }
    return {};
}

}  // namespace platform
