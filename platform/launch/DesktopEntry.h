// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A .desktop file's [Desktop Entry] group: the keys that launching and icons
// use, with the string escapes (\s \n \t \r \\) undone.

#include <QString>

namespace platform {

struct DesktopEntry {
    bool readable = false;  // false: no such file, too large, or no [Desktop Entry] group
    QString file;  // absolute path of the entry itself
    QString type;
    QString name;  // in the user's language when the entry has it, as is the icon
    QString exec;
    QString tryExec;
    QString path;
    QString url;
    QString icon;
    bool hidden = false;
    bool terminal = false;
    bool dbusActivatable = false;
    bool startupNotify = false;

    // The application's id: the file name without ".desktop", as the entry
    // is known on the session bus.
    QString applicationId() const;
};

bool isDesktopEntryFile(const QString& path);
DesktopEntry readDesktopEntry(const QString& file);

}  // namespace platform
