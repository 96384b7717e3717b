// Pressing and clicking the bar's buttons: running items, switching modes,
// the settings dialog, help, and opening groups.

#include "bar/frmMain.h"

#include "core/MTooltip.h"
#include "core/MWindow.h"
#include "core/ShellEx.h"
#include "core/Stringbas.h"
#include "core/mMain.h"
#include "dialogs/CSettingEx.h"
#include "menus/MenuForm.h"
#include "runtime/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

namespace {
bool isGroupTag(const QString& tag) { return tag.toLower().startsWith(QLatin1String("group|")); }
}  // namespace

void frmMain::ItemImg_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    MTooltip::HideTip();
    clearKeyboardSelection();
    mItemPressed = true;
    mDownShift = Shift;
    mDownButton = Button;
    mDownX = X;
    mDownY = Y;
    Image& button = ItemImg[Index];
    if (mMain::EditMode) {
        ClearItemBorders();
        ShowShape(button);
        button.setBorderStyle(1);
        if (isGroupTag(button.Tag) && Button == vbLeftButton)
            ShowGroup(button.Tag);
        else
            MWindow::ForceHideGroup();
        return;
    }
    if (Button == vbRightButton) {
        HideDashkeep();
    } else if (Button == vbLeftButton && button.Tag != QLatin1String("sep")) {
        ShowShape(button);
        button.setBorderStyle(1);
    }
}

void frmMain::ItemImg_MouseUp(int Index, int Button, int, float X, float Y)
{
    mItemPressed = false;
    Image& button = ItemImg[Index];
    if (!mMain::EditMode) {
        Shape1.setVisible(false);
        button.setBorderStyle(0);
        EraseRect();
        return;
    }
    if (Button != vbRightButton || !mMain::Menus)
        return;
    const bool separator = button.Tag == QLatin1String("sep");
    if (!separator && !button.Tag.contains(QLatin1Char('|')))
        return;
    mMain::InsertIndex = insertIndexOnButton(Index, alongOf(X, Y));
    mMain::SelectedIndex = Index;
    mMain::Menus->mnuProperty.Enabled = !separator;
    PopupMenu(mMain::Menus->mnuSelected);
}

void frmMain::ItemImg_Click(int Index)
{
    if (!ItemImg.exists(Index))
        return;
    const QString tag = ItemImg[Index].Tag;
    if (mMain::EditMode) {
        if (tag == QLatin1String("exec") && mDownButton == vbLeftButton)
            switchToExecMode(Index);
        return;
    }
    if (tag == QLatin1String("sep"))
        return;
    if (tag == QLatin1String("edit")) {
        switchToEditMode(Index);
        return;
    }
    if (isGroupTag(tag)) {
        if (mMain::GroupOnClick)
            ShowGroup(tag);
        return;
    }
    if (tag == QLatin1String("prop"))
        ShowPropertyBox();
    else if (tag == QLatin1String("help"))
        ShellEx::ShellOpen(this, mMain::ProgramFolder + QStringLiteral("contents.htm"));
    else
        runItem(tag);
    if (mDownShift == 0)
        HideDashkeep();
}

void frmMain::switchToEditMode(int index)
{
    HideGroup();
    setLibraryIcon(index, 3);
    ItemImg[index].Tag = QStringLiteral("exec");
    mMain::EditMode = true;
}

void frmMain::switchToExecMode(int index)
{
    EraseRect();
    setLibraryIcon(index, 0);
    ItemImg[index].Tag = QStringLiteral("edit");
    mMain::EditMode = false;
    HideGroup();
    Shape1.setVisible(false);
    ItemImg[index].setBorderStyle(0);
    if (mMain::SettingsPending) {
        mMain::SettingsPending = false;
        RefreshSettings(mMain::IsHorizontal());
    }
}

void frmMain::ShowPropertyBox()
{
    HideGroup();
    const bool wasHorizontal = mMain::IsHorizontal();
    {
        ComPtr<kestrel98::CSettingEx> dialog(new kestrel98::CSettingEx);
        dialog->Show();
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

void frmMain::ShowGroup(const QString& GroupTag)
{
    if (mMain::cmdShowGroup) {
        mMain::cmdShowGroup->Tag = GetBetween(GroupTag, QStringLiteral("|"), QStringLiteral("|:"));
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

QString frmMain::GetBetween(const QString& sTarget, const QString& sBefore, const QString& sAfter)
{
    return Stringbas::StrBetween(sTarget, sBefore, sAfter);
}
