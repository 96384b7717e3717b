// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard: a press on the bar or the group window, or the hotkey, makes
// the window active so the keys reach it; parking gives the keyboard back to
// the program that had it.

#include "core/ItemRowForm.h"

#include "core/mMain.h"
#include "platform/window/KeyboardFocus.h"

#include <QMouseEvent>

void ItemRowForm::takeKeyboard()
{
    if (const quint64 other = platform::foreignFocusWindow())
        mMain::KeyboardOwnerBefore = other;
    raise();
    activateWindow();
}

void ItemRowForm::returnKeyboard()
{
    platform::returnFocusTo(mMain::KeyboardOwnerBefore);
    mMain::KeyboardOwnerBefore = 0;
}

void ItemRowForm::mousePressEvent(QMouseEvent* event)
{
    takeKeyboard();
    rt::Form::mousePressEvent(event);
}
