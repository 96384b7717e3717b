// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The look the forms were designed in: the classic system colours, whose
// relations the drawing relies on (a highlight clearly lighter than the face,
// shadows clearly darker), and the dialog fonts at the widths the layouts in
// twips were made for.

#include <QColor>

namespace rt {

// System colour nn of &H800000nn; the face colour for numbers not listed.
QColor classicSystemColor(int index);

// Gives the application's palette the same colours, so Qt's own widgets
// (buttons, text boxes) match the forms. Runs once; every form calls it
// before it is drawn.
void ensureSystemPalette();

// Makes the dialog fonts available. Runs once; every font the forms choose
// (pointFont) calls it first. It sets up the font database, the costliest
// step of a start, which a parked bar that draws no text can put off.
void ensureDialogFonts();

}  // namespace rt
