// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The index GTK's gtk-update-icon-cache writes into a theme's folder
// (icon-theme.cache): for each icon name, the theme's folders that hold it and
// in which formats. Reading it spares listing hundreds of folders.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace platform {

class IconThemeCache {
public:
    enum Format : quint16 { Xpm = 1, Svg = 2, Png = 4 };

    // The index of the theme folder; unusable when it is missing, unreadable,
    // of another version, or older than the folder (an icon was added since).
    explicit IconThemeCache(const QString& themeFolder);

    // An index given as its bytes; unusable when they are not one.
    static IconThemeCache fromData(const QByteArray& data);

    bool isUsable() const { return !mData.isEmpty(); }

    // The folders (relative to the theme's, "48x48/apps") that hold the icon,
    // each with its formats; empty when none does.
    QHash<QString, quint16> foldersHolding(const QString& iconName) const;

private:
    IconThemeCache() = default;
    void take(const QByteArray& data);
    bool has(quint32 offset, quint32 size) const;
    quint16 u16(quint32 offset) const;
    quint32 u32(quint32 offset) const;
    bool isNameAt(quint32 offset, const QByteArray& name) const;
    QString folderName(quint16 index) const;

    QByteArray mData;
};

}  // namespace platform
