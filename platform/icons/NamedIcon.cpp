// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/NamedIcon.h"

#include "platform/files/GuardedFile.h"
#include "platform/icons/IconTheme.h"
#include "platform/icons/ThemeIconEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPixmap>
#include <QStandardPaths>

namespace platform {

namespace {

const char* const kImageExtensions[] = {".png", ".svg", ".xpm"};

bool hasImageExtension(const QString& name)
{
    for (const char* extension : kImageExtensions) {
        if (name.endsWith(QLatin1String(extension), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Themes know icons by their bare names.
QString withoutImageExtension(const QString& name)
{
    return hasImageExtension(name) ? name.left(name.lastIndexOf(QLatin1Char('.'))) : name;
}

QStringList pixmapFolders()
{
    QStringList folders{QStringLiteral("/usr/share/pixmaps")};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QLatin1String("/pixmaps");
    folders.removeDuplicates();
    return folders;
}

QIcon pixmapFolderIcon(const QString& name)
{
    QStringList candidates;
    if (hasImageExtension(name))
        candidates << name;
    for (const char* extension : kImageExtensions)
        candidates << withoutImageExtension(name) + QLatin1String(extension);
    for (const QString& folder : pixmapFolders()) {
        for (const QString& candidate : candidates) {
            const QString file = folder + QLatin1Char('/') + candidate;
            if (QFileInfo(file).isFile()) {
                QIcon icon = iconFromFile(file);
                if (!icon.isNull())
                    return icon;
            }
        }
    }
    return QIcon();
}

}  // namespace

QIcon themedIcon(const QString& name)
{
    if (name.isEmpty())
        return QIcon();
    // Each icon is looked up once per theme; its engine keeps what it drew.
    static std::shared_ptr<const IconTheme> cachedTheme;
    static QHash<QString, QIcon> cachedIcons;
    std::shared_ptr<const IconTheme> theme = IconTheme::current();
    if (theme != cachedTheme) {
        cachedIcons.clear();
        cachedTheme = theme;
    }
    const auto cached = cachedIcons.constFind(name);
    if (cached != cachedIcons.constEnd())
        return *cached;
    QIcon icon;
    // Whether the theme has the icon at all does not depend on the size asked.
    if (!theme->findIcon(name, 32).isEmpty())
        icon = QIcon(new ThemeIconEngine(theme, name));
    if (!isUsableIcon(icon))
        icon = QIcon();
    cachedIcons.insert(name, icon);
    return icon;
}

bool isUsableIcon(const QIcon& icon) { return !icon.isNull() && !icon.pixmap(16, 16).isNull(); }

QIcon iconFromFile(const QString& path)
{
    // An entry's Icon= may name anything, a named pipe or a device among them.
    const QImage image = loadGuardedImage(path);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QIcon namedIcon(const QString& name)
{
    if (name.isEmpty())
        return QIcon();
    if (QDir::isAbsolutePath(name))
        return iconFromFile(name);
    // A name with a path separator is neither a theme name nor a pixmap.
    if (name.contains(QLatin1Char('/')))
        return QIcon();
    const QIcon icon = themedIcon(withoutImageExtension(name));
    return icon.isNull() ? pixmapFolderIcon(name) : icon;
}

}  // namespace platform
