// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The group property dialog: a group's name and icon. OK leaves the group's
// item string "group|name|:icon" in Tag; Cancel leaves "" there.

#include "dialogs/ItemInfoForm.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/ControlArray.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/controls/TextBox.h"
#include "runtime/forms/CommonDialog.h"

namespace kestrel98 {

class frmGroup : public ItemInfoForm {
    Q_OBJECT
public:
    frmGroup();

    rt::PictureBox pictIcon;
    rt::Label lblTmp1;
    rt::TextBox txtGroupName;
    rt::CommandButton cmdChangeIcon;
    rt::ControlArray<rt::Line> Line1;
    rt::CommandButton cmdOK;
    rt::CommandButton cmdCancel;
    rt::Label lblIconPath;
    rt::CommonDialog CMDialog;

    // Fills the name and the icon from a group item string; anything that is
    // not one changes nothing.
    void setItemInfo(const QString& info) override;

protected:
    void Form_Load() override;

private:
    void createControls();
    // False when the file holds no picture; the box then keeps its own.
    bool showIconFile(const QString& file);
    void showDefaultIcon();
    void refuse(const QString& message, QWidget& focusTo);

    void cmdChangeIcon_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace kestrel98
