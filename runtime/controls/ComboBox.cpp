// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/ComboBox.h"

#include <QLineEdit>

#include <limits>

namespace rt {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text is the value; it never joins the list, and nothing is
    // completed behind the user's back.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // As with a text box: no cut at 32,767 characters.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    initControl();
    connect(this, &QComboBox::activated, this, [this] {
        if (Click)
            Click();
    });
}

}  // namespace rt
