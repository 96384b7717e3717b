// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ItemInfoDialog.h"

#include "dialogs/ItemInfoForm.h"
#include "shared/Mshared.h"

namespace kestrel98 {

ItemInfoDialog::ItemInfoDialog(std::unique_ptr<ItemInfoForm> form) : mForm(std::move(form)) { mForm->Load(); }

ItemInfoDialog::~ItemInfoDialog() { mForm->Unload(); }

QString ItemInfoDialog::ItemInfo() const { return mForm->Tag; }

void ItemInfoDialog::setItemInfo(const QString& info) { mForm->setItemInfo(info); }

void ItemInfoDialog::Show() { shared::ShowFormNearCursor(*mForm); }

}  // namespace kestrel98
