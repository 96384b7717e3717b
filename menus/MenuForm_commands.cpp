// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of the item and background menus: new items, separators and
// groups, deleting, and the item and group property dialogs.

#include "menus/MenuForm.h"

#include "bar/frmMain.h"
#include "core/DialogObject.h"
#include "core/mMain.h"
#include "core/MWindow.h"
#include "core/Stringbas.h"
#include "groups/frmGroup.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/forms/Interaction.h"

#include <algorithm>

using namespace rt;

namespace {

const QString kBlankGroup = QStringLiteral("group||:");

const QString kItemDialog = QStringLiteral("kestrel98.CProperty");
const QString kGroupDialog = QStringLiteral("kestrel98.CGroup");

// Shows one of the property dialogs, filled with info unless that is empty,
// and answers its result: "" after Cancel, or when the dialog could not be
// made. The object lives only this long.
QString askDialog(const QString& progId, const QString& info)
{
    const ComPtr<Component> dialog = createDialogObject(progId);
    if (!dialog)
        return QString();
    if (!info.isEmpty())
        dialog->setProperty(QStringLiteral("ItemInfo"), info);
    dialog->invoke(QStringLiteral("Show"));
    return dialog->property(QStringLiteral("ItemInfo")).toString();
}

bool confirmDelete()
{
    Beep();
    return MsgBox(QStringLiteral("Are you sure you want to delete this item?"), vbYesNo | vbQuestion,
                  mMain::ProductName) == vbYes;
}

QString sectionOf(const QString& groupName) { return QStringLiteral("group") + groupName; }

QString groupNameOf(const QString& tag)
{
    if (!tag.toLower().startsWith(QLatin1String("group|")))
        return QString();
    return MenuForm::GetBetween(tag, QStringLiteral("|"), QStringLiteral("|:"));
}

// Whether another group on the bar, shown or kept beyond its capacity, has
// the name.
bool groupOnBar(const frmMain& bar, const QString& groupName, int except)
{
    for (int i = 0; i <= mMain::ItemCount; ++i) {
        if (i != except && bar.ItemImg.exists(i) && groupNameOf(bar.ItemImg[i].Tag) == groupName)
            return true;
    }
    const QStringList& beyond = bar.itemsBeyondCapacity();
    return std::any_of(beyond.begin(), beyond.end(),
                       [&](const QString& item) { return groupNameOf(item) == groupName; });
}

void refuseTakenGroupName(const QString& groupName)
{
    Beep();
    MsgBox(QStringLiteral("A group named \"%1\" already exists. Please choose another name for this group. ")
               .arg(groupName),
           vbInformation, mMain::ProductName);
}

}  // namespace

void MenuForm::NewItem()
{
    const QString result = askDialog(kItemDialog, QString());
    frmMain* bar = mMain::MainForm;
    if (result.isEmpty() || !bar)
        return;
    MWindow::ForceHideGroup();
    bar->insertRowItem(mMain::InsertIndex, Stringbas::StrBefore(result, QStringLiteral("|")),
                       Stringbas::StrAfter(result, QStringLiteral("|")));
    bar->ClearItemBorders();
}

void MenuForm::NewGroup()
{
    const QString result = askDialog(kGroupDialog, kBlankGroup);
    frmMain* bar = mMain::MainForm;
    if (result.isEmpty() || result == kBlankGroup || !bar)
        return;
    MWindow::ForceHideGroup();
    bar->insertRowItem(mMain::InsertIndex, Stringbas::StrBefore(result, QStringLiteral("|:")),
                       Stringbas::StrAfter(result, QStringLiteral("|:")));
    bar->ClearItemBorders();
}

void MenuForm::NewSeparator()
{
    frmMain* bar = mMain::MainForm;
    if (!bar)
        return;
    if (bar->insertRowItem(mMain::InsertIndex, QStringLiteral("sep"), QString()))
        MWindow::ForceHideGroup();
    bar->ClearItemBorders();
}

void MenuForm::NewItemGrp()
{
    const QString result = askDialog(kItemDialog, QString());
    frmGroup* group = mMain::GroupForm;
    if (result.isEmpty() || !group)
        return;
    group->insertRowItem(mMain::GroupInsertIndex, Stringbas::StrBefore(result, QStringLiteral("|")),
                         Stringbas::StrAfter(result, QStringLiteral("|")));
    group->ClearItemBorders();
}

void MenuForm::NewSeparatorGrp()
{
    frmGroup* group = mMain::GroupForm;
    if (!group)
        return;
    group->insertRowItem(mMain::GroupInsertIndex, QStringLiteral("sep"), QString());
    group->ClearItemBorders();
}

void MenuForm::mnuDelete_Click()
{
    frmMain* bar = mMain::MainForm;
    if (!bar || !confirmDelete())
        return;
    // A group's section stays in the store; only its button goes.
    MWindow::ForceHideGroup();
    bar->removeItem(mMain::SelectedIndex);
    bar->ClearItemBorders();
}

void MenuForm::mnuGrpDelete_Click()
{
    frmGroup* group = mMain::GroupForm;
    if (!group || !confirmDelete())
        return;
    group->removeItem(mMain::GroupSelectedIndex);
    group->ClearItemBorders();
}

void MenuForm::mnuProperty_Click()
{
    frmMain* bar = mMain::MainForm;
    const int index = mMain::SelectedIndex;
    if (!bar || !bar->ItemImg.exists(index))
        return;
    if (bar->ItemImg[index].Tag.toLower().startsWith(QLatin1String("group|")))
        editGroupProperties(index);
    else
        editItemProperties(index);
}

void MenuForm::editGroupProperties(int index)
{
    frmMain* bar = mMain::MainForm;
    const QString tag = bar->ItemImg[index].Tag;
    const QString result = askDialog(kGroupDialog, tag);
    if (result.isEmpty() || result == tag)
        return;
    const QString newName = GetBetween(result, QStringLiteral("|"), QStringLiteral("|:"));
    const QString oldName = GetBetween(tag, QStringLiteral("|"), QStringLiteral("|:"));
    if (newName == oldName) {
        applyGroupTag(index, result);
        return;
    }
    // The copy would overwrite the other group's items and position.
    if (groupOnBar(*bar, newName, index)) {
        refuseTakenGroupName(newName);
        return;
    }
    // What a renamed or deleted group left under the name is no group's any
    // more; none of it may mix into this one.
    mMain::DeleteSetting(sectionOf(newName), QString());
    CopyRegistry(newName, oldName);
    applyGroupTag(index, result);
}

void MenuForm::applyGroupTag(int index, const QString& result)
{
    frmMain* bar = mMain::MainForm;
    bar->ItemImg[index].Tag = result;
    const QString icon = Stringbas::StrAfter(result, QStringLiteral("|:"));
    bar->SetItemIcon(index, icon.isEmpty() ? QStringLiteral("group") : icon);
    bar->rowChanged();
    bar->ClearItemBorders();
}

void MenuForm::editItemProperties(int index)
{
    frmMain* bar = mMain::MainForm;
    const QString tag = bar->ItemImg[index].Tag;
    const QString result = askDialog(kItemDialog, tag);
    if (result.isEmpty() || result == tag)
        return;
    bar->ItemImg[index].Tag = result;
    bar->SetItemIcon(index, Stringbas::StrBefore(result, QStringLiteral("|")));
    bar->rowChanged();
    bar->ClearItemBorders();
}

void MenuForm::mnuGrpProperty_Click()
{
    frmGroup* group = mMain::GroupForm;
    const int index = mMain::GroupSelectedIndex;
    if (!group || !group->ItemImg.exists(index))
        return;
    const QString tag = group->ItemImg[index].Tag;
    const QString result = askDialog(kItemDialog, tag);
    if (result.isEmpty() || result == tag)
        return;
    group->ItemImg[index].Tag = result;
    group->SetItemIcon(index, Stringbas::StrBefore(result, QStringLiteral("|")));
    group->rowChanged();
    group->ClearItemBorders();
}

void MenuForm::mnuFormProperty_Click()
{
    mMain::SettingsPending = true;
    if (mMain::cmdShowProp)
        mMain::cmdShowProp->setValue(true);
}

void MenuForm::CopyRegistry(const QString& NewName, const QString& OldName)
{
    const QString newSection = sectionOf(NewName);
    const QString oldSection = sectionOf(OldName);
    for (const QString& key : {QStringLiteral("Left"), QStringLiteral("Top")})
        mMain::SaveSetting(newSection, key, mMain::GetSetting(oldSection, key));
    int i = 0;
    for (;; ++i) {
        const QString value = mMain::GetSetting(oldSection, QString::number(i));
        if (value.isEmpty())
            break;
        mMain::SaveSetting(newSection, QString::number(i), value);
    }
    // A longer list that stood under the new name ends at the copied length.
    mMain::SaveSetting(newSection, QString::number(i), QString());
}
