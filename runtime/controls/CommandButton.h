// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A command button. Setting Value to true raises Click, which is how one form
// presses another form's hidden buttons.

#include "runtime/controls/Control.h"

#include <QPushButton>

namespace rt {

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    // Raises Click when set to true; reads false again afterwards.
    void setValue(bool value);
    bool Value() const { return false; }

    // The button Enter presses (Default) and the one Esc presses (Cancel).
    bool Cancel = false;
};

}  // namespace rt
