// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/MultiLineTextBox.h"

#include "runtime/OleColor.h"

namespace plainbox {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) { initControl(); }

void MultiLineTextBox::setBackColor(int64_t color)
{
    mBackColor = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, rt::oleColor(color));
    setPalette(colours);
}

}  // namespace plainbox
