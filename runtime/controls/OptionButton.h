// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An option button. The option buttons sharing a container (form, picture
// box) form one group: selecting one clears the others. Selecting a button,
// by the user or by setting Value, raises its Click.

#include "runtime/controls/Control.h"

#include <QRadioButton>

namespace rt {

class OptionButton : public QRadioButton, public Control {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    bool Value() const { return isChecked(); }
    // False clears the button even when it is its group's selected one, which
    // leaves the group without a selection.
    void setValue(bool value);
};

}  // namespace rt
