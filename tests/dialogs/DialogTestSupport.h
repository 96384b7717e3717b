// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the dialog tests share: the form in a modal call, geometry in twips,
// the focus chain, and whether anything was drawn on a picture box.

#include "runtime/controls/Control.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/OleColor.h"

#include <QApplication>
#include <QRect>
#include <QWidget>
#include <vector>

// The control's place in twips.
inline QRect twipsRect(const rt::Control& control)
{
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

// The widgets Tab walks through, from `first` on, `count` of them. The inner
// parts of a control (the edit box of a combo box) are the control's own.
inline std::vector<QWidget*> focusChain(QWidget* first, int count)
{
    std::vector<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); int(chain.size()) < count && w != first; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !chain.back()->isAncestorOf(w))
            chain.push_back(w);
    }
    return chain;
}

// True when something other than the back colour is on the box.
inline bool hasDrawing(rt::PictureBox& box)
{
    const QImage& surface = box.surface();
    const QColor blank = rt::oleColor(box.BackColor());
    for (int y = 0; y < 32 && y < surface.height(); ++y) {
        for (int x = 0; x < 32 && x < surface.width(); ++x) {
            if (surface.pixelColor(x, y) != blank)
                return true;
        }
    }
    return false;
}

// Makes the window the active one, so focus and key events reach it.
inline void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
}
