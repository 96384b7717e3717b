// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// kestrel98.CProperty: the item property dialog. Set ItemInfo to the item's
// "path|tooltip", call Show, then read ItemInfo: the new "path|tooltip" after
// OK, "" when the dialog was cancelled on a fresh object.
//
//     rt::ComPtr<kestrel98::CProperty> dialog(new kestrel98::CProperty);
//     dialog->setItemInfo(item);
//     dialog->Show();
//     const QString result = dialog->ItemInfo();

#include "dialogs/ItemInfoDialog.h"

namespace kestrel98 {

class frmProperty;

class CProperty : public rt::NamedComponent<CProperty, ItemInfoDialog> {
public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    CProperty();

    // The form, for hosts that look at it (tests, screenshots).
    frmProperty& form() const;
};

}  // namespace kestrel98
