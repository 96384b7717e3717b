// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's startup notification on the X display: announcing a launch
// lets the window manager hand focus to the new window and show progress.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace platform {

struct StartupInfo {
    QString name;
    QString icon;
    QString program;
    QString entryFile;
};

// Sends the "new:" message for a launch; the id to put in the child's
// DESKTOP_STARTUP_ID, or "" when there is no X display.
QString beginStartup(const StartupInfo& info);

// Sends the "remove:" message, for a launch that failed.
void cancelStartup(const QString& id);

// A message as the protocol spells it: `kind: KEY="value" ...`, with quotes and
// backslashes escaped inside the quotes.
QByteArray startupMessage(const char* kind, const QList<QPair<QByteArray, QString>>& keys);

}  // namespace platform
