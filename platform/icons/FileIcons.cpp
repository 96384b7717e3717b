// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/FileIcons.h"

#include "platform/icons/IconTheme.h"
#include "platform/icons/NamedIcon.h"
#include "platform/icons/XSettings.h"
#include "platform/launch/DesktopEntry.h"
#include "platform/launch/StartKind.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace platform {

namespace {

// Installed themes to fall back on, best first; hicolor holds few icons but
// is better than none.
const char* const kFallbackThemes[] = {"Adwaita", "hicolor"};

// The folder that holds the named theme; empty when it is not installed.
QString folderHoldingTheme(const QString& theme)
{
    for (const QString& folder : IconTheme::standardBaseFolders()) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + theme + QLatin1String("/index.theme")))
            return folder;
    }
    return QString();
}

QIcon desktopEntryIcon(const QString& file) { return namedIcon(readDesktopEntry(file).icon); }

QIcon mimeTypeIcon(const QString& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QIcon icon = themedIcon(type.iconName());
    if (icon.isNull())
        icon = themedIcon(type.genericIconName());
    return icon;
}

// A plain sheet with a folded corner, for when neither theme nor style has one.
QIcon drawnDocumentIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(QPen(QColor(90, 90, 90), 1.5));
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}));
        painter.drawPolyline(QPolygonF({{20, 3}, {20, 9}, {26, 9}}));
        for (int line = 13; line <= 25; line += 4)
            painter.drawLine(QPointF(11, line), QPointF(22, line));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon styleIcon(QStyle::StandardPixmap which)
{
    // Only a widget application has a style to ask.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return QIcon();
    const QIcon icon = QApplication::style()->standardIcon(which);
    return isUsableIcon(icon) ? icon : QIcon();
}

QIcon genericIcon(const QFileInfo& info)
{
    QIcon icon = styleIcon(info.isDir() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    return icon.isNull() ? drawnDocumentIcon() : icon;
}

QIcon typeIcon(const QFileInfo& info)
{
    const QString path = info.absoluteFilePath();
    if (info.isDir())
        return themedIcon(QStringLiteral("folder"));
    QIcon icon;
    if (isDesktopEntryFile(path))
        icon = desktopEntryIcon(path);
    // A document that merely carries the executable bit keeps its type's icon.
    if (icon.isNull() && startKindFor(path) != StartKind::Open)
        icon = themedIcon(QStringLiteral("application-x-executable"));
    if (icon.isNull())
        icon = mimeTypeIcon(path);
    return icon;
}

bool useInstalledTheme(const QString& theme)
{
    const QString folder = folderHoldingTheme(theme);
    if (theme.isEmpty() || folder.isEmpty())
        return false;
    QStringList searchPaths = QIcon::themeSearchPaths();
    if (!searchPaths.contains(folder))
        QIcon::setThemeSearchPaths(searchPaths << folder);
    QIcon::setThemeName(theme);
    return true;
}

}  // namespace

void setupIconTheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The settings daemon carries the user's choice; Qt's own guess for some
    // desktops is a fixed theme whatever the user chose.
    if (useInstalledTheme(xsettingsString(readXSettings(), "Net/IconThemeName")))
        return;
    const QString desktopTheme = QIcon::themeName();
    if (!desktopTheme.isEmpty() && desktopTheme != QLatin1String("hicolor"))
        return;
    for (const char* theme : kFallbackThemes) {
        if (useInstalledTheme(QLatin1String(theme)))
            return;
    }
}

QIcon fileIcon(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return QIcon();
    setupIconTheme();
    const QIcon icon = typeIcon(info);
    return icon.isNull() ? genericIcon(info) : icon;
}

}  // namespace platform
