// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/OptionButton.h"

namespace rt {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent)
{
    initControl();
    connect(this, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected && Click)
            Click();
    });
}

void OptionButton::setValue(bool value)
{
    if (value) {
        setChecked(true);
        return;
    }
    // An auto-exclusive button refuses to be cleared while it is selected.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

}  // namespace rt
