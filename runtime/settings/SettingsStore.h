// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The per-user settings store: string values addressed by application,
// section and key, kept in $XDG_CONFIG_HOME/<application>/settings.ini
// (~/.config when XDG_CONFIG_HOME is unset).
//
// Any section name without "|" and any value round-trips exactly. What the
// calls of one turn of the event loop save is handed to a writer thread at the
// end of that turn and reaches the disk in one write, in the order saved; the
// event loop never waits for the disk. The file is always replaced whole.
// Keys edited by hand while the program runs survive unless the program saves
// those keys itself. A save that cannot be written leaves the file as it was;
// it is kept in memory (reads see it) and written with the next change or
// flush. A file holding lines the store cannot read is copied aside
// (settings.ini.bad) before the first write, so nothing the user wrote is lost.

#include <QString>

#include <functional>

namespace rt {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
// Deletes one key; with an empty key the whole section. Absent keys are ignored.
void DeleteSetting(const QString& app, const QString& section, const QString& key = QString());

// Writes what is pending now, trying again what failed before, and waits
// until it is written.
void FlushSettings();

// Writes what is pending and takes no more changes: the program is ending and
// what is saved after this point may be half of a change.
void EndSettings();

// Called on the user-interface thread when a write fails, once for each
// cause (file and errno) until a write succeeds again; `ending` when the
// failure is that of the last write before the program ends.
using SettingsWriteFailureHandler = std::function<void(const QString& path, int error, bool ending)>;
void onSettingsWriteFailure(SettingsWriteFailureHandler handler);

// The settings file of an application.
QString SettingsFilePath(const QString& app);

}  // namespace rt
