// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// kestrel98.CGroup: the group property dialog. Set ItemInfo to the group's
// item string "group|name|:icon", call Show, then read ItemInfo: the new item
// string after OK, "" after Cancel.
//
//     rt::ComPtr<kestrel98::CGroup> dialog(new kestrel98::CGroup);
//     dialog->setItemInfo(groupItem);
//     dialog->Show();
//     const QString result = dialog->ItemInfo();

#include "dialogs/ItemInfoDialog.h"

namespace kestrel98 {

class frmGroup;

class CGroup : public rt::NamedComponent<CGroup, ItemInfoDialog> {
public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    CGroup();

    // The form, for hosts that look at it (tests, screenshots).
    frmGroup& form() const;
};

}  // namespace kestrel98
