// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A check box. Value is 0 (unchecked) or 1 (checked); every change of Value,
// by the user or by the program, raises Click.

#include "runtime/controls/Control.h"

#include <QCheckBox>

namespace rt {

enum CheckValue : int { vbUnchecked = 0, vbChecked = 1 };

class CheckBox : public QCheckBox, public Control {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    int Value() const { return isChecked() ? vbChecked : vbUnchecked; }
    void setValue(int value) { setChecked(value != vbUnchecked); }
};

}  // namespace rt
