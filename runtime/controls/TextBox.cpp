// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/TextBox.h"

#include <limits>

namespace rt {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    // A line edit cuts text at 32,767 characters by default; a stored value
    // of any length must come back from the box as it went in.
    setMaxLength(std::numeric_limits<int>::max());
    initControl();
}

// The line edit keeps its own editing behaviour; the form sees the events too.
void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    dispatchMousePress(event);
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    dispatchMouseMove(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    dispatchMouseRelease(event);
}

}  // namespace rt
