// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the item and group property dialogs have in common: a default
// interface of ItemInfo (get: the form's Tag; let: fills the form) and Show
// (modal, next to the pointer, returns when the form is hidden).

#include "runtime/components/Component.h"

#include <memory>

namespace kestrel98 {

class ItemInfoForm;

class ItemInfoDialog : public rt::Component {
    Q_OBJECT
    Q_PROPERTY(QString ItemInfo READ ItemInfo WRITE setItemInfo)

public:
    ~ItemInfoDialog() override;

    QString ItemInfo() const;
    void setItemInfo(const QString& info);
    Q_INVOKABLE void Show();

protected:
    // Takes the form and loads it, hidden.
    explicit ItemInfoDialog(std::unique_ptr<ItemInfoForm> form);
    ItemInfoForm& itemForm() const { return *mForm; }

private:
    std::unique_ptr<ItemInfoForm> mForm;
};

}  // namespace kestrel98
