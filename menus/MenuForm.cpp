// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menus/MenuForm.h"

#include "core/mMain.h"
#include "core/Stringbas.h"

MenuForm::MenuForm(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("MenuForm"));
    buildTree();
    wireMainMenu();
    connectCommands();
    // Offered in the background menu of a group window but never usable.
    mnuGrpProperty2.Enabled = false;
    mMain::Menus = this;
}

MenuForm::~MenuForm()
{
    if (mMain::Menus == this)
        mMain::Menus = nullptr;
}

void MenuForm::buildTree()
{
    mnuWWW.add(mnuWriteEmail).add(mnuSep01).add(mnuGoHome).add(mnuGoDashkeep);
    mnuDash97.add(mnuWWW)
        .add(mnuSep02)
        .add(mnuWhatsNew)
        .add(mnuHintTip)
        .add(mnuBugReport)
        .add(mnuSep08)
        .add(mnuTutorial)
        .add(mnuAbout)
        .add(mnuSep04)
        .add(mnuExit);

    mnuInsert.add(mnuNewItem).add(mnuNewGroup).add(mnuSep10).add(mnuSeparator);
    mnuSelected.add(mnuInsert).add(mnuSep05).add(mnuDelete).add(mnuSep06).add(mnuProperty);

    mnuFormInsert.add(mnuFormNewItem).add(mnuNewGroup2).add(mnuSep11).add(mnuFormSeparator);
    mnuOnForm.add(mnuFormInsert).add(mnuSep07).add(mnuFormProperty);

    mnuGrpInsert.add(mnuGrpNewItem).add(mnuSep12).add(mnuGrpSeparator);
    mnuGrpSelected.add(mnuGrpInsert).add(mnuSep13).add(mnuGrpDelete).add(mnuSep15).add(mnuGrpProperty);

    mnuGrpInsert2.add(mnuGrpNewItem2).add(mnuSep16).add(mnuGrpSeparator2);
    mnuGrpOnForm.add(mnuGrpInsert2).add(mnuSep18).add(mnuGrpProperty2);
}

void MenuForm::connectCommands()
{
    for (rt::Menu* entry : {&mnuNewItem, &mnuFormNewItem})
        entry->Click = [this] { NewItem(); };
    for (rt::Menu* entry : {&mnuNewGroup, &mnuNewGroup2})
        entry->Click = [this] { NewGroup(); };
    for (rt::Menu* entry : {&mnuSeparator, &mnuFormSeparator})
        entry->Click = [this] { NewSeparator(); };
    for (rt::Menu* entry : {&mnuGrpNewItem, &mnuGrpNewItem2})
        entry->Click = [this] { NewItemGrp(); };
    for (rt::Menu* entry : {&mnuGrpSeparator, &mnuGrpSeparator2})
        entry->Click = [this] { NewSeparatorGrp(); };
    mnuDelete.Click = [this] { mnuDelete_Click(); };
    mnuGrpDelete.Click = [this] { mnuGrpDelete_Click(); };
    mnuProperty.Click = [this] { mnuProperty_Click(); };
    mnuGrpProperty.Click = [this] { mnuGrpProperty_Click(); };
    mnuFormProperty.Click = [this] { mnuFormProperty_Click(); };
}

QString MenuForm::GetBetween(const QString& Target, const QString& Before, const QString& After)
{
    return Stringbas::StrBetween(Target, Before, After);
}
