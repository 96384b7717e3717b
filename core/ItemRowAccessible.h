// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bar and the group window as assistive technologies see them: a window
// named as the bar or by the open group, whose children are its item buttons
// in the order they stand on the screen, then its title; the button the
// keyboard selected is the focused one.

#include "runtime/accessibility/AccessibleControl.h"

class ItemRowForm;

class ItemRowAccessible : public rt::AccessibleControl {
public:
    explicit ItemRowAccessible(ItemRowForm* form);

    QAccessibleInterface* focusChild() const override;

    // Makes these the interfaces of every item row and its buttons; only the
    // first call does anything.
    static void install();

protected:
    QList<QWidget*> listedChildren() const override;

private:
    ItemRowForm* form() const;
};
