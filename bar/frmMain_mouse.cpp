// The pointer over the bar: the hover frame and tips, the title label, and
// the background's grip, drag and park gestures.

#include "bar/frmMain.h"

#include "core/MTooltip.h"
#include "core/MWindow.h"
#include "core/mMain.h"
#include "menus/MenuForm.h"
#include "runtime/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

void frmMain::clearKeyboardSelection()
{
    if (mSelected == -1)
        return;
    Shape1.setVisible(false);
    if (ItemImg.exists(mSelected))
        ItemImg[mSelected].setBorderStyle(0);
    mSelected = -1;
}

void frmMain::ItemImg_MouseMove(int Index, int Button, int, float X, float Y)
{
    Label1.setForeColor(static_cast<int64_t>(mColorExit));
    Image& button = ItemImg[Index];
    const QString tag = button.Tag;
    if (!MTooltip::TipShowing) {
        if (Button == 0) {
            if (tag == QLatin1String("sep")) {
                EraseRect();
            } else {
                DrawRect(button);
                if (mMain::ShowTip) {
                    const QString text = tipTextOf(tag);
                    if (text.isEmpty())
                        MTooltip::CancelTip();
                    else
                        MTooltip::RequestTip(&button, text, int16_t(Index + 1));
                }
                if (!mMain::EditMode && tag.toLower().startsWith(QLatin1String("group|")) && !mMain::GroupOnClick &&
                    mMain::cmdShowGroup &&
                    GetBetween(tag, QStringLiteral("|"), QStringLiteral("|:")) != mMain::cmdShowGroup->Tag)
                    ShowGroup(tag);
            }
        } else if (Button == vbLeftButton && mMain::EditMode) {
            const bool beyondThreshold = std::abs(X - mDownX) > 60 || std::abs(Y - mDownY) > 60;
            const bool builtIn = tag == QLatin1String("exec") || tag == QLatin1String("prop") ||
                                 tag == QLatin1String("help");
            if (beyondThreshold && !builtIn) {
                mMain::InsertIndex = Index;
                mMain::SelectedIndex = Index;
                button.Drag();
            }
        }
    }
    clearKeyboardSelection();
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
    }
    Label1.setForeColor(static_cast<int64_t>(mColorExit));
    if (!MTooltip::TipShowing)
        clearKeyboardSelection();
}

void frmMain::Form_MouseUp(int Button, int, float X, float Y)
{
    mSliding = false;
    if (!mMain::EditMode)
        return;
    mMain::InsertIndex = CalcIndex(int32_t(alongOf(X, Y)));
    if (Button == vbRightButton && mMain::Menus)
        PopupMenu(mMain::Menus->mnuOnForm);
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
