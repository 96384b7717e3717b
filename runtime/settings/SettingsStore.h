#pragma once
// The per-user settings store: string values addressed by application,
// section and key, kept in $XDG_CONFIG_HOME/<application>/settings.ini
// (~/.config when XDG_CONFIG_HOME is unset).
//
// Any section name without "|" and any value round-trips exactly. What a call
// saves reaches the disk before control is back in the event loop for long,
// and the file is always replaced whole. Keys edited by hand while the program
// runs survive unless the program saves those keys itself. A save that cannot
// be written is ignored and leaves the file as it was. A file holding lines
// the store cannot read is copied aside (settings.ini.bad) before the first
// write, so nothing the user wrote is lost.

#include <QString>

namespace rt {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
// Deletes one key; with an empty key the whole section. Absent keys are ignored.
void DeleteSetting(const QString& app, const QString& section, const QString& key = QString());

// Writes what is pending now. Called at shutdown; otherwise the store writes
// on the next turn of the event loop.
void FlushSettings();

// Writes what is pending and takes no more changes: the program is ending and
// what is saved after this point may be half of a change.
void EndSettings();

// The settings file of an application.
QString SettingsFilePath(const QString& app);

}  // namespace rt
