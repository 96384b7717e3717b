#pragma once
// Icons of files as the desktop shows them.

#include <QIcon>
#include <QString>

namespace platform {

// Makes the desktop's icon theme available (or an installed fallback theme).
// Called once at start-up; later calls do nothing.
void setupIconTheme();

// The icon of a file, folder or .desktop entry; a null icon when the path
// does not exist.
QIcon fileIcon(const QString& path);

}  // namespace platform
