// Running the bar's items: groups, the settings dialog, and the group window
// the bar opens and closes through its hidden buttons.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "dialogs/CSettingEx.h"
#include "menus/MenuForm.h"
#include "runtime/CommandButton.h"
#include "runtime/Interaction.h"

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
