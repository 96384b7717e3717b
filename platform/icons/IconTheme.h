// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An icon theme as freedesktop.org's icon themes are laid out: the folders
// its index.theme describes, its parents, and which file of an icon suits a
// size best.

#include "platform/icons/IconThemeCache.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

class IconTheme {
public:
    // The theme of that name, found in the base folders in their order, with
    // its parents and hicolor behind it.
    IconTheme(QString name, QStringList baseFolders);

    // The file (PNG, SVG or XPM) of the icon for that size: an exact fit if
    // there is one, else the closest by the folders' size distance. The first
    // theme of the chain that has the icon at any size decides. Empty when no
    // theme of the chain has it.
    QString findIcon(const QString& iconName, int size, int scale = 1) const;

    // Where the desktop looks for themes: ~/.icons, each data folder's icons
    // ($XDG_DATA_HOME, $XDG_DATA_DIRS), then Qt's own search paths.
    static QStringList standardBaseFolders();

    // The theme Qt is set to (hicolor when none), in the standard folders;
    // shared, as reading a theme's folders costs more than a look-up.
    static std::shared_ptr<const IconTheme> current();

private:
    enum class SizeType { Fixed, Scalable, Threshold };
    struct Folder {
        QString path;  // relative to the theme: "48x48/apps"
        int size = 0;
        int scale = 1;
        int minSize = 0;
        int maxSize = 0;
        int threshold = 2;
        SizeType type = SizeType::Threshold;
        bool matchesSize(int iconSize, int iconScale) const;
        int sizeDistance(int iconSize, int iconScale) const;
    };
    // The theme's folder in one base folder, and its index if it has one.
    struct Root {
        QString path;
        std::shared_ptr<const IconThemeCache> cache;
    };
    struct Theme {
        QList<Root> roots;
        QList<Folder> folders;
        QStringList parents;
    };

    const Theme* theme(const QString& name) const;
    QString lookupIcon(const Theme& theme, const QString& iconName, int size, int scale) const;
    QString findInChain(const QString& themeName, const QString& iconName, int size, int scale,
                        QSet<QString>& visited) const;
    // The formats (IconThemeCache::Format) in which the folder holds the
    // icon: from the root's index (what it said of the name) when it has
    // one, else from the folder's listing.
    quint16 formatsIn(const Root& root, const QHash<QString, quint16>& indexed, const QString& folder,
                      const QString& iconName) const;

    QString mName;
    QStringList mBaseFolders;
    mutable QHash<QString, std::shared_ptr<Theme>> mThemes;  // null: not installed
    mutable QHash<QString, QSet<QString>> mFolderFiles;
};

}  // namespace platform
