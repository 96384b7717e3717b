// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/WinBridge.h"

#include "platform/files/ShellPlace.h"
#include "platform/icons/FileIcons.h"
#include "platform/icons/NamedIcon.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace winbridge {

namespace {

using enum platform::ShellPlace;

// A settings program's .desktop entry and the desktop it belongs to ("" for
// any desktop).
struct SettingsEntry {
    const char* desktop;
    const char* fileName;
};

const SettingsEntry kControlPanels[] = {
    {"GNOME", "org.gnome.Settings.desktop"},
    {"GNOME", "gnome-control-center.desktop"},
    {"KDE", "systemsettings.desktop"},
    {"XFCE", "xfce-settings-manager.desktop"},
    {"MATE", "matecc.desktop"},
    {"X-Cinnamon", "cinnamon-settings.desktop"},
    {"LXQt", "lxqt-config.desktop"},
    {"Budgie", "budgie-control-center.desktop"},
};

const SettingsEntry kPrinterSettings[] = {
    {"GNOME", "gnome-printers-panel.desktop"},
    {"KDE", "kcm_printer_manager.desktop"},
    {"", "system-config-printer.desktop"},
};

// What every machine with CUPS answers on.
const QString kCupsPage = QStringLiteral("http://localhost:631/");

// The installed entry among the candidates, those of the running desktop
// first; empty when none is installed.
template <size_t N>
QString installedSettingsEntry(const SettingsEntry (&candidates)[N])
{
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    std::vector<const SettingsEntry*> ordered;
    for (const SettingsEntry& entry : candidates)
        ordered.push_back(&entry);
    std::stable_sort(ordered.begin(), ordered.end(), [&](const SettingsEntry* a, const SettingsEntry* b) {
        return desktops.contains(QLatin1String(a->desktop), Qt::CaseInsensitive) &&
            !desktops.contains(QLatin1String(b->desktop), Qt::CaseInsensitive);
    });
    for (const SettingsEntry* entry : ordered) {
        QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, QLatin1String(entry->fileName));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

QString desktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Without a desktop folder the desktop shows the home folder.
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

// The user's own fonts first, then the system's.
QString fontsFolder()
{
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    QStringList candidates;
    if (!dataFolders.isEmpty())
        candidates << dataFolders.first() + QLatin1String("/fonts");
    candidates << QDir::homePath() + QLatin1String("/.fonts");
    for (const QString& data : dataFolders.mid(1))
        candidates << data + QLatin1String("/fonts");
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return QString();
}

QString printerTarget()
{
    const QString entry = installedSettingsEntry(kPrinterSettings);
    return entry.isEmpty() ? kCupsPage : entry;
}

// The built-in pictures, drawn on a 32 x 32 grid.

const QColor kOutline(60, 60, 60);

void drawScreen(QPainter& painter, const QRectF& frame, const QColor& glass)
{
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRoundedRect(frame, 1.5, 1.5);
    painter.setBrush(glass);
    painter.drawRect(frame.adjusted(2.5, 2.5, -2.5, -2.5));
}

void drawRecycleBin(QPainter& painter)
{
    painter.setBrush(QColor(170, 180, 190));
    painter.drawPolygon(QPolygonF({{8, 9}, {24, 9}, {22, 29}, {10, 29}}));
    painter.drawRect(QRectF(6, 5, 20, 4));
    painter.drawRect(QRectF(13, 2.5, 6, 2.5));
    for (const qreal x : {12.5, 16.0, 19.5})
        painter.drawLine(QPointF(x, 12), QPointF(x, 26));
}

void drawControlPanel(QPainter& painter)
{
    painter.setBrush(QColor(235, 235, 225));
    painter.drawRect(QRectF(3, 4, 26, 24));
    const qreal knobs[] = {9, 21, 14};
    for (int row = 0; row < 3; ++row) {
        const qreal y = 10 + 7 * row;
        painter.drawLine(QPointF(7, y), QPointF(25, y));
        painter.setBrush(QColor(40, 110, 200));
        painter.drawRect(QRectF(knobs[row] - 2, y - 3, 4, 6));
    }
}

void drawDesktopFolder(QPainter& painter)
{
    drawScreen(painter, QRectF(2, 4, 28, 20), QColor(0, 128, 128));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(12, 24, 8, 3));
    painter.drawRect(QRectF(8, 27, 16, 2.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7, 9, 4, 4));
}

void drawMyComputer(QPainter& painter)
{
    drawScreen(painter, QRectF(5, 2, 22, 17), QColor(20, 40, 120));
    painter.setBrush(QColor(215, 210, 195));
    painter.drawRect(QRectF(2, 21, 28, 8));
    painter.setBrush(QColor(60, 200, 60));
    painter.drawRect(QRectF(24, 24, 3, 2));
}

void drawFontsFolder(QPainter& painter)
{
    painter.setBrush(QColor(245, 220, 110));
    painter.drawRect(QRectF(2, 6, 28, 23));
    painter.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{8, 26}, {16, 9}, {24, 26}}));
    painter.drawLine(QPointF(11.5, 20), QPointF(20.5, 20));
}

void drawNetworkNeighborhood(QPainter& painter)
{
    painter.drawLine(QPointF(8, 24), QPointF(24, 24));
    painter.drawLine(QPointF(16, 13), QPointF(16, 24));
    drawScreen(painter, QRectF(10, 2, 12, 11), QColor(20, 40, 120));
    drawScreen(painter, QRectF(1, 19, 12, 11), QColor(20, 40, 120));
    drawScreen(painter, QRectF(19, 19, 12, 11), QColor(20, 40, 120));
}

void drawPrinterFolder(QPainter& painter)
{
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 2, 14, 12));
    painter.setBrush(QColor(190, 190, 190));
    painter.drawRoundedRect(QRectF(2, 12, 28, 12), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 20, 16, 10));
    painter.setBrush(QColor(60, 200, 60));
    painter.drawRect(QRectF(24, 15, 3, 2));
}

void drawGroupIcon(QPainter& painter)
{
    painter.setBrush(QColor(240, 200, 70));
    painter.drawRoundedRect(QRectF(2, 5, 12, 6), 1.5, 1.5);
    painter.drawRect(QRectF(2, 9, 28, 19));
}

struct SpecialItem {
    int code;
    const char* themeName;
    void (*draw)(QPainter&);
};

const SpecialItem kSpecialItems[] = {
    {RecycleBin, "user-trash", drawRecycleBin},
    {ControlPanel, "preferences-system", drawControlPanel},
    {DesktopFolder, "user-desktop", drawDesktopFolder},
    {MyComputer, "computer", drawMyComputer},
    {FontsFolder, "preferences-desktop-font", drawFontsFolder},
    {NetworkNeighborhood, "network-workgroup", drawNetworkNeighborhood},
    {PrinterFolder, "printer", drawPrinterFolder},
    {DefaultGroupIcon, "folder", drawGroupIcon},
};

const SpecialItem* specialItem(int code)
{
    for (const SpecialItem& item : kSpecialItems) {
        if (item.code == code)
            return &item;
    }
    return nullptr;
}

QPixmap drawnPixmap(const SpecialItem& item, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(kOutline, 1));
    item.draw(painter);
    return pixmap;
}

// Themes lack some sizes (and Qt never scales a theme image up): take a
// larger rendition down to the size asked for, or the largest one up.
QPixmap themedPixmap(const QIcon& icon, int size)
{
    QPixmap pixmap = icon.pixmap(size, size);
    if (pixmap.isNull() || pixmap.size() == QSize(size, size))
        return pixmap;
    return icon.pixmap(4 * size, 4 * size).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Both sizes are rendered now, so the icon stays whole whatever becomes of
// the theme afterwards.
QIcon specialIcon(int code)
{
    const SpecialItem* item = specialItem(code);
    if (!item)
        return QIcon();
    platform::setupIconTheme();
    const QIcon themed = platform::themedIcon(QLatin1String(item->themeName));
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap = themedPixmap(themed, size);
        if (pixmap.isNull())
            pixmap = drawnPixmap(*item, size);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QString SpecialFolderTarget(int code)
{
    switch (code) {
    case RecycleBin: return QStringLiteral("trash:///");
    case ControlPanel: return installedSettingsEntry(kControlPanels);
    case DesktopFolder: return desktopFolder();
    case MyComputer: return QStringLiteral("/");
    case FontsFolder: return fontsFolder();
    case NetworkNeighborhood: return QStringLiteral("network:///");
    case PrinterFolder: return printerTarget();
    default: return QString();
    }
}

void OpenSpecialFolder(int code)
{
    const QString target = SpecialFolderTarget(code);
    if (!target.isEmpty())
        platform::services().shellOpen(target);
}

QIcon GetSpecialSmallIcon(int code, int /*reserved*/) { return specialIcon(code); }

QIcon GetSpecialLargeIcon(int code, int /*reserved*/) { return specialIcon(code); }

}  // namespace winbridge
