// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/CheckBox.h"

namespace rt {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    initControl();
    connect(this, &QCheckBox::toggled, this, [this] {
        if (Click)
            Click();
    });
}

}  // namespace rt
