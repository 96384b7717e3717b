// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads shell-link (.lnk) files: the target is the local base path of the
// link info, else the relative path resolved against the link's own folder.

#include <QByteArray>
#include <QString>

namespace platform {

// The target of a link file; empty when the file is not a readable link.
QString linkTarget(const QString& linkPath);

// The same for link bytes already in memory (linkFolder resolves a relative
// path). Never reads outside data, whatever the bytes hold.
QString linkTargetFromBytes(const QByteArray& data, const QString& linkFolder);

}  // namespace platform
