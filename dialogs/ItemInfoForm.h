// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dialog form that edits one item string: ItemInfo let fills it, and its
// Tag holds the result.

#include "runtime/forms/DialogForm.h"

namespace kestrel98 {

class ItemInfoForm : public rt::DialogForm {
    Q_OBJECT
public:
    using rt::DialogForm::DialogForm;
    virtual void setItemInfo(const QString& info) = 0;
};

}  // namespace kestrel98
