// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A drag of one control inside the program: the pointer shows the control's
// drag icon until the button is released, and the release raises DragDrop on
// the control (or, over a form's background, on the form) under the pointer.

#include <QPoint>

namespace rt {

class Control;

class DragSession {
public:
    static void begin(Control* source);
    static bool active();
    static Control* source();
    static void track(QPoint globalPos);
    static void finish(QPoint globalPos);
    static void cancel();
};

}  // namespace rt
