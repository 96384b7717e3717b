// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Running the bar's items: groups, the settings dialog, and the group window
// the bar opens and closes through its hidden buttons.

#include "bar/frmMain.h"

#include "core/DialogObject.h"
#include "core/mMain.h"
#include "groups/frmGroup.h"
#include "menus/MenuForm.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/forms/Interaction.h"

using namespace rt;

namespace {
bool isGroupTag(const QString& tag) { return tag.toLower().startsWith(QLatin1String("group|")); }
}  // namespace

bool frmMain::openedGroup(const QString& tag)
{
    if (!isGroupTag(tag))
        return false;
    if (mMain::GroupOnClick)
        ShowGroup(tag);
    return true;
}

void frmMain::ShowPropertyBox()
{
    HideGroup();
    const bool wasHorizontal = mMain::IsHorizontal();
    {
        const ComPtr<Component> dialog = createDialogObject(QStringLiteral("kestrel98.CSettingEx"));
        if (!dialog)
            return;
        dialog->invoke(QStringLiteral("Show"));
    }
    if (mMain::EditMode) {
        Beep();
        MsgBox(QStringLiteral("If you made any changes to Kestrel 98 properties, the effects will take place when you "
                              "switch to Exec Mode. "),
               vbInformation, mMain::ProductName);
    } else {
        RefreshSettings(wasHorizontal);
    }
}

// A group opened from the keyboard takes the keyboard, so the next keys walk
// and run its items rather than the bar's. Shift+Enter keeps the bar active.
void frmMain::Form_KeyDown(int& KeyCode, int& Shift)
{
    const bool wasOpen = mMain::GroupVisible;
    const QString wasShown = mMain::cmdShowGroup ? mMain::cmdShowGroup->Tag : QString();
    const bool keepsBar = KeyCode == 13 && Shift != 0;
    ItemRowForm::Form_KeyDown(KeyCode, Shift);
    const bool opened =
        mMain::GroupVisible && mMain::cmdShowGroup && (!wasOpen || mMain::cmdShowGroup->Tag != wasShown);
    if (opened && !keepsBar && mMain::GroupForm)
        mMain::GroupForm->takeKeyboard();
}

void frmMain::ShowGroup(const QString& GroupTag)
{
    if (mMain::cmdShowGroup) {
        mMain::cmdShowGroup->Tag = MenuForm::GetBetween(GroupTag, QStringLiteral("|"), QStringLiteral("|:"));
        mMain::cmdShowGroup->setValue(true);
    }
    mIdleTicks = 0;
}

void frmMain::HideGroup()
{
    if (mMain::cmdHideGroup)
        mMain::cmdHideGroup->setValue(true);
    mIdleTicks = 0;
}

void frmMain::ShowGroupFromIndex(int Index)
{
    if (ItemImg.exists(Index) && isGroupTag(ItemImg[Index].Tag) && !mMain::GroupOnClick && !mMain::EditMode)
        ShowGroup(ItemImg[Index].Tag);
}
