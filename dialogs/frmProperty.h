// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The item property dialog: the path (or special item) an item opens and its
// tooltip. OK leaves "path|tooltip" in Tag; Cancel leaves Tag alone.

#include "dialogs/ItemInfoForm.h"
#include "runtime/controls/ComboBox.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/ControlArray.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/controls/TextBox.h"
#include "runtime/forms/CommonDialog.h"

namespace kestrel98 {

class frmProperty : public ItemInfoForm {
    Q_OBJECT
public:
    frmProperty();

    rt::ControlArray<rt::Label> Label1;
    rt::ComboBox Text1;
    rt::CommandButton cmdFolder;
    rt::CommandButton cmdFile;
    rt::TextBox Text2;
    rt::ControlArray<rt::Line> Line1;
    rt::CommandButton cmdOK;
    rt::CommandButton cmdCancel;
    rt::PictureBox Picture1;
    rt::CommonDialog CMDialog;

    // Fills the boxes and the icon from "path|tooltip"; "" changes nothing.
    void setItemInfo(const QString& info) override;

    // The folder picked in the shell's folder picker; "" when cancelled.
    QString BrowseFolder(QWidget* owner, const QString& title);

protected:
    void Form_Load() override;

private:
    void createControls();
    void AddItemsToCombo();
    void showIcon(const QIcon& icon);

    void Text1_Click();
    void cmdFile_Click();
    void cmdFolder_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace kestrel98
