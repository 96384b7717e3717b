// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Working the row from the keyboard: a selection that the arrows and Tab
// move over the buttons, Enter that runs it, Esc that leaves.

#include "core/ItemRowForm.h"

#include "core/mMain.h"
#include "core/MTooltip.h"
#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

namespace {
constexpr int KeyTab = 9, KeyEnter = 13, KeyEsc = 27;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
}  // namespace

bool ItemRowForm::isSeparator(int index) const
{
    return ItemImg.exists(index) && ItemImg[index].Tag == QLatin1String("sep");
}

int ItemRowForm::firstSelectableAfter(int index)
{
    for (int i = index + 1; i <= rowCount(); ++i) {
        if (!isSeparator(i))
            return i;
    }
    return -1;
}

int ItemRowForm::walkSelection(int keyCode, int shift, int selected)
{
    const int last = rowCount();
    const bool tab = keyCode == KeyTab;
    const bool forward = keyCode == KeyRight || keyCode == KeyDown;
    const bool backward = keyCode == KeyLeft || keyCode == KeyUp;
    if (selected == -1)
        return forward || (tab && shift == 0) ? firstSelectableAfter(-1) : -1;
    if (tab && shift == 0) {
        for (int i = selected + 1; i <= last; ++i) {
            if (isSeparator(i))
                return firstSelectableAfter(i);
        }
        return -1;
    }
    if (tab && shift == 1) {
        if (selected == 0)
            return -1;
        int i = selected - 1;
        if (isSeparator(i))
            --i;
        while (i >= 1 && !isSeparator(i))
            --i;
        if (i < 1)
            i = -1;
        return firstSelectableAfter(i);
    }
    if (backward) {
        if (selected == 0)
            return -1;
        int i = selected - 1;
        while (isSeparator(i)) {
            if (--i < 1)
                return -1;
        }
        return i;
    }
    if (forward) {
        int i = selected + 1;
        if (i > last)
            return -1;
        while (isSeparator(i)) {
            if (++i >= last)
                return -1;
        }
        return i;
    }
    return -1;
}

void ItemRowForm::ShowTipRoutine(int Index)
{
    if (!mMain::ShowTip || !ItemImg.exists(Index))
        return;
    Image& button = ItemImg[Index];
    MTooltip::TipOwnerIsBar = tipsBelongToBar();
    MTooltip::TipAnchorX = Left() + button.Left() + 150;
    MTooltip::TipAnchorY = Top() + button.Top() + 120;
    if (button.Tag == QLatin1String("sep"))
        return;
    const QString text = tipTextOf(button.Tag);
    if (text.isEmpty())
        MTooltip::CancelTip();
    else
        MTooltip::ShowTipNow(&button, text, int16_t(Index + 1));
}

void ItemRowForm::selectButton(int index)
{
    int& selected = keyboardSelection();
    if (selected != -1 && ItemImg.exists(selected))
        ItemImg[selected].setBorderStyle(0);
    ShowShape(ItemImg[index]);
    ItemImg[index].setBorderStyle(1);
    ShowTipRoutine(index);
    selectedByKeyboard(index);
    keyboardSelection() = index;
    announceSelection(index);
}

void ItemRowForm::Form_KeyDown(int& KeyCode, int& Shift)
{
    if (mItemPressed || mMain::EditMode || !takesKeys())
        return;
    const int selected = keyboardSelection();
    if (KeyCode == KeyEsc) {
        DoBeforeKeyDown();
        clearKeyboardSelection();
        MTooltip::CancelTip();
        HideDashkeep();
        return;
    }
    if (KeyCode == KeyEnter) {
        if (selected == -1)
            return;
        DoBeforeKeyDown();
        MTooltip::CancelTip();
        mDownShift = Shift;
        mDownButton = vbLeftButton;
        ItemImg_Click(selected);
        if (Shift != 0) {
            Show();
            activateWindow();
        } else {
            clearKeyboardSelection();
        }
        return;
    }
    const bool navigation = KeyCode == KeyTab || (KeyCode >= KeyLeft && KeyCode <= KeyDown);
    if (!navigation)
        return;
    const bool startsSelection = KeyCode == KeyRight || KeyCode == KeyDown || (KeyCode == KeyTab && Shift == 0);
    if (selected == -1 && !startsSelection)
        return;
    if (KeyCode == KeyTab && Shift != 0 && Shift != 1)
        return;
    DoBeforeKeyDown();
    const int next = walkSelection(KeyCode, Shift, selected);
    if (next == -1)
        Beep();
    else
        selectButton(next);
}
