#pragma once
// Private per-user folders (mode 0700, owned by the user, never a link), so no
// other user can plant or read the files the program writes there.

#include <QByteArray>
#include <QString>

namespace platform {

// For temporary files: ends with "/".
QString privateTempFolder();
// For the instance lock: $XDG_RUNTIME_DIR when usable, else the temp folder.
QString privateRuntimeFolder();

// Writes a file inside a private folder without following a link planted at
// its name; false when it could not be written whole.
bool writePrivateFile(const QString& path, const QByteArray& data);

}  // namespace platform
