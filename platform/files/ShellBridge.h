// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shortcut targets and the folder picker.

#include <QString>

class QWidget;

namespace shellbridge {

// The path a shortcut (.lnk) file points to; "" when it cannot be read.
QString GetLinkPath(const QString& linkPath);

// A folder picker owned by the window; "" when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title);

}  // namespace shellbridge
