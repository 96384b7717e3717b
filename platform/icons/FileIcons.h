// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Icons of files as the desktop shows them.

#include <QIcon>
#include <QString>

namespace platform {

// Makes the desktop's icon theme available (or an installed fallback theme,
// when Qt found none or only hicolor). Called once at start-up, and by the
// icon look-ups in case start-up did not; later calls do nothing.
void setupIconTheme();

// The icon of a file, folder or .desktop entry; a null icon when the path
// does not exist. An existing path always gets an icon, themed or not.
QIcon fileIcon(const QString& path);

}  // namespace platform
