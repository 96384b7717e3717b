// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer over the bar: the hover frame and tips, the title label, the
// background's grip, drag and park gestures; the globals and menus its row uses.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/MTooltip.h"
#include "core/MWindow.h"
#include "menus/MenuForm.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/forms/Interaction.h"
#include "runtime/forms/Menu.h"
#include "runtime/Twips.h"

using namespace rt;

int& frmMain::rowCount() { return mMain::ItemCount; }
int& frmMain::insertIndex() { return mMain::InsertIndex; }
int& frmMain::selectedIndex() { return mMain::SelectedIndex; }

// The built-in buttons stay last: an insertion goes before the mode button
// at the latest.
int frmMain::lastInsertIndex() const { return mMain::ItemCount - 2; }

Menu* frmMain::itemMenu() { return mMain::Menus ? &mMain::Menus->mnuSelected : nullptr; }
Menu* frmMain::itemPropertyEntry() { return mMain::Menus ? &mMain::Menus->mnuProperty : nullptr; }
Menu* frmMain::backgroundMenu() { return mMain::Menus ? &mMain::Menus->mnuOnForm : nullptr; }

void frmMain::ItemImg_MouseMove(int Index, int Button, int Shift, float X, float Y)
{
    Label1.setForeColor(static_cast<int64_t>(mColorExit));
    ItemRowForm::ItemImg_MouseMove(Index, Button, Shift, X, Y);
}

void frmMain::itemHovered(int Index)
{
    const QString& tag = ItemImg[Index].Tag;
    if (mMain::EditMode || mMain::GroupOnClick || !tag.toLower().startsWith(QLatin1String("group|")) ||
        !mMain::cmdShowGroup)
        return;
    // Resting on the group already open does not open it again.
    if (MenuForm::GetBetween(tag, QStringLiteral("|"), QStringLiteral("|:")) != mMain::cmdShowGroup->Tag)
        ShowGroup(tag);
}

bool frmMain::inGripZone(float X, float Y) const
{
    const bool horizontal = mMain::IsHorizontal();
    const float along = horizontal ? X : Y;
    const int32_t length = horizontal ? Width() : Height();
    return mMain::DirectionForward ? (along > 0 && along < 200) : along > length - 200;
}

bool frmMain::isShown() const { return (mMain::IsHorizontal() ? Left() : Top()) == 0; }

void frmMain::Form_MouseDown(int Button, int, float X, float Y)
{
    mDragAnchor = int32_t(mMain::IsHorizontal() ? Y : X);
    mSliding = false;
    if (Button == vbRightButton) {
        HideDashkeep();
    } else if (Button == vbLeftButton && !mMain::ShowOnMove && inGripZone(X, Y)) {
        if (!isShown())
            mSliding = true;
        ShowDashkeep();
    }
    if (mMain::EditMode) {
        MWindow::ForceHideGroup();
        ClearItemBorders();
    }
}

void frmMain::Form_MouseMove(int Button, int, float X, float Y)
{
    EraseRect();
    if (!MTooltip::TipShowing)
        MTooltip::CancelTip();
    if (Button == 0 && mMain::ShowOnMove && inGripZone(X, Y)) {
        ShowDashkeep();
    } else if (Button == vbLeftButton && !mSliding) {
        // Dragging the background moves the bar across its long axis.
        if (mMain::IsHorizontal()) {
            setTop(Top() + int32_t(Y) - mDragAnchor);
            mPosition = Top();
        } else {
            setLeft(Left() + int32_t(X) - mDragAnchor);
            mPosition = Left();
        }
        mPositionPx = mPosition / 15;
        mMovedByDrag = true;
    }
    Label1.setForeColor(static_cast<int64_t>(mColorExit));
    if (!MTooltip::TipShowing)
        clearKeyboardSelection();
}

void frmMain::Form_MouseUp(int Button, int Shift, float X, float Y)
{
    // A drag of the background moved the bar across: the place is kept now.
    if (mMovedByDrag)
        storePosition();
    mMovedByDrag = false;
    mSliding = false;
    ItemRowForm::Form_MouseUp(Button, Shift, X, Y);
}

void frmMain::DoBeforeKeyDown()
{
    Label1.setBorderStyle(0);
    ItemRowForm::DoBeforeKeyDown();
}

void frmMain::Label1_MouseMove(int Button, int, float, float)
{
    if (Button != 0)
        return;
    EraseRect();
    Label1.setForeColor(static_cast<int64_t>(mColorEnter));
}

void frmMain::Label1_MouseDown(int Button, int, float, float)
{
    takeKeyboard();
    mSelected = -1;
    MTooltip::CancelTip();
    ClearItemBorders();
    if (Button == vbLeftButton) {
        ShowShape(Label1);
        Label1.setBorderStyle(1);
        Label1.Tag = QStringLiteral("go");
    } else {
        Label1.Tag.clear();
        HideDashkeep();
    }
}

void frmMain::Label1_MouseUp(int, int, float, float)
{
    mSelected = -1;
    MTooltip::CancelTip();
    ClearItemBorders();
    Label1.setBorderStyle(0);
    Shape1.setVisible(false);
    Label1.setForeColor(static_cast<int64_t>(mColorExit));
}

void frmMain::Label1_Click()
{
    if (Label1.Tag != QLatin1String("go") || !mMain::Menus)
        return;
    mMain::Menus->mnuExit.Enabled = !mMain::EditMode;
    MWindow::ForceHideGroup();
    PopupMenu(mMain::Menus->mnuDash97);
}
