// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/CommandButton.h"

namespace rt {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
    initControl();
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click)
            Click();
    });
}

void CommandButton::setValue(bool value)
{
    if (value && Click)
        Click();
}

}  // namespace rt
