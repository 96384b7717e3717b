// Working the shown bar from the keyboard.

#include "bar/frmMain.h"

#include "core/MTooltip.h"
#include "core/mMain.h"
#include "runtime/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

void frmMain::DoBeforeKeyDown()
{
    Label1.setBorderStyle(0);
    forgetHoverTarget();
}

void frmMain::ShowTipRoutine(int Index)
{
    if (!mMain::ShowTip || !ItemImg.exists(Index))
        return;
    Image& button = ItemImg[Index];
    MTooltip::TipOwnerIsBar = true;
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

void frmMain::selectButton(int index)
{
    if (mSelected != -1 && ItemImg.exists(mSelected))
        ItemImg[mSelected].setBorderStyle(0);
    ShowShape(ItemImg[index]);
    ItemImg[index].setBorderStyle(1);
    ShowTipRoutine(index);
    ShowGroupFromIndex(index);
    mSelected = index;
}

void frmMain::Form_KeyDown(int& KeyCode, int& Shift)
{
    if (mItemPressed || mMain::EditMode || !isShown())
        return;
    if (KeyCode == 27) {
        Label1.setBorderStyle(0);
        clearKeyboardSelection();
        MTooltip::CancelTip();
        HideDashkeep();
        return;
    }
    if (KeyCode == 13) {
        if (mSelected == -1)
            return;
        DoBeforeKeyDown();
        MTooltip::CancelTip();
        mDownShift = Shift;
        mDownButton = vbLeftButton;
        const int selected = mSelected;
        ItemImg_Click(selected);
        if (Shift != 0) {
            Show();
            activateWindow();
        } else {
            clearKeyboardSelection();
        }
        return;
    }
    const bool navigation = KeyCode == 9 || (KeyCode >= 37 && KeyCode <= 40);
    if (!navigation)
        return;
    if (mSelected == -1 && !(KeyCode == 39 || KeyCode == 40 || (KeyCode == 9 && Shift == 0)))
        return;
    if (KeyCode == 9 && Shift != 0 && Shift != 1)
        return;
    DoBeforeKeyDown();
    const int next = walkSelection(KeyCode, Shift, mSelected);
    if (next == -1)
        Beep();
    else
        selectButton(next);
}
