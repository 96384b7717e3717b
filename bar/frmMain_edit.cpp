// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Edit Mode on the bar: the mode button that enters and leaves it, and the
// group window a press in it opens or closes.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/MWindow.h"
#include "runtime/Twips.h"

using namespace rt;

void frmMain::pressedInEditMode(int Index, int Button)
{
    // A group's own items are edited in its window.
    if (ItemImg[Index].Tag.toLower().startsWith(QLatin1String("group|")) && Button == vbLeftButton)
        ShowGroup(ItemImg[Index].Tag);
    else
        MWindow::ForceHideGroup();
}

void frmMain::enterEditMode(int index)
{
    HideGroup();
    ItemRowForm::enterEditMode(index);
}

void frmMain::leaveEditMode(int index)
{
    ItemRowForm::leaveEditMode(index);
    HideGroup();
    if (mMain::SettingsPending) {
        mMain::SettingsPending = false;
        RefreshSettings(mMain::IsHorizontal());
    }
}
