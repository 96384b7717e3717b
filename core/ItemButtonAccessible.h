// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An item button as assistive technologies see it: a push button named by
// its tip and described by what a press does in the current mode, whose
// press action does what a click does; or a separator, which takes no focus.

#include "runtime/accessibility/AccessibleControl.h"

class ItemButton;
class ItemRowForm;

class ItemButtonAccessible : public rt::AccessibleControl {
public:
    explicit ItemButtonAccessible(ItemButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;

private:
    ItemButton* button() const;
    ItemRowForm* form() const;
    bool isSeparator() const;
};
