// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Private per-user folders (mode 0700, owned by the user, never a link), so no
// other user can plant or read the files the program writes there.

#include <QByteArray>
#include <QString>

namespace platform {

// For temporary files: ends with "/".
QString privateTempFolder();
// For the instance lock and the command socket: the same folder for every
// process of the user, whatever its environment says (a program started from
// a menu, a cron job or su may lack XDG_RUNTIME_DIR or have another TMPDIR):
// under /run/user/UID when the system made that folder for the user, else
// under /tmp, else in the home folder of the user's account. Ends with "/".
QString privateRuntimeFolder();

// Writes a file inside a private folder without following a link planted at
// its name; false when it could not be written whole.
bool writePrivateFile(const QString& path, const QByteArray& data);

}  // namespace platform
