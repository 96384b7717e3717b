// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/SystemLook.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QScreen>

#include <algorithm>

namespace rt {

namespace {

// A mid-grey face, so that the highlight (white) stands out from it by a
// contrast of more than 3:1: a hovered caption in the highlight colour stays
// readable. The shadows keep their classic order below the face.
const QColor Face(0x90, 0x90, 0x90);
const QColor Light3D(0xB8, 0xB8, 0xB8);
const QColor Highlight3D(0xFF, 0xFF, 0xFF);
const QColor Shadow(0x50, 0x50, 0x50);
const QColor DarkShadow(0x00, 0x00, 0x00);
const QColor Text(0x00, 0x00, 0x00);
const QColor InfoBackground(0xFF, 0xFF, 0xE1);
const QColor WindowBackground(0xFF, 0xFF, 0xFF);
const QColor Selection(0x00, 0x00, 0x80);

// Metric-compatible faces of the dialog fonts (Debian package fonts-wine).
const char* const DialogFontFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

QPalette classicPalette()
{
    QPalette palette(Face);
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::Window, Face);
    palette.setColor(QPalette::Light, Highlight3D);
    palette.setColor(QPalette::Mid, Shadow);
    palette.setColor(QPalette::Dark, Shadow);
    palette.setColor(QPalette::WindowText, Text);
    palette.setColor(QPalette::Text, Text);
    palette.setColor(QPalette::Base, WindowBackground);
    palette.setColor(QPalette::Midlight, Light3D);
    palette.setColor(QPalette::Shadow, DarkShadow);
    palette.setColor(QPalette::ButtonText, Text);
    palette.setColor(QPalette::ToolTipBase, InfoBackground);
    palette.setColor(QPalette::ToolTipText, Text);
    palette.setColor(QPalette::Highlight, Selection);
    palette.setColor(QPalette::HighlightedText, Highlight3D);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, Shadow);
    return palette;
}

// A face that holds bitmaps at a few sizes only is drawn at the wrong size
// on a scaled screen.
bool drawsWellAt(const QStringList& families, qreal pixelRatio)
{
    return pixelRatio == 1.0 || std::all_of(families.begin(), families.end(), [](const QString& family) {
               return QFontDatabase::isSmoothlyScalable(family);
           });
}

void installDialogFonts()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    for (const char* file : DialogFontFiles) {
        if (!QFileInfo::exists(QLatin1String(file)))
            continue;
        const int id = QFontDatabase::addApplicationFont(QLatin1String(file));
        if (id >= 0 && !drawsWellAt(QFontDatabase::applicationFontFamilies(id), pixelRatio))
            QFontDatabase::removeApplicationFont(id);
    }
    // Without those files: narrow faces that still fit the captions, never
    // the wider default sans.
    const QStringList narrow{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), narrow);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrow);
}

}  // namespace

QColor classicSystemColor(int index)
{
    switch (index) {
    case 0x05: return WindowBackground;  // window
    case 0x08: return Text;  // window text
    case 0x0F: return Face;  // button face
    case 0x10: return Shadow;  // button shadow
    case 0x12: return Text;  // button text
    case 0x14: return Highlight3D;  // 3-D highlight
    case 0x15: return DarkShadow;  // 3-D dark shadow
    case 0x16: return Light3D;  // 3-D light
    case 0x17: return Text;  // info text
    case 0x18: return InfoBackground;  // info background
    default: return Face;
    }
}

void ensureSystemPalette()
{
    static bool applied = false;
    if (applied || !qApp)
        return;
    applied = true;
    QApplication::setPalette(classicPalette());
}

void ensureDialogFonts()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    installDialogFonts();
}

}  // namespace rt
