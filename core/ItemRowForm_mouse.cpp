// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer on the row: pressing, hovering, releasing and clicking item
// buttons, dragging them to new places in Edit Mode, and the release on the
// background that opens its menu.

#include "core/ItemRowForm.h"

#include "core/mMain.h"
#include "core/MTooltip.h"
#include "core/ShellEx.h"
#include "core/Stringbas.h"
#include "runtime/forms/Interaction.h"
#include "runtime/forms/Menu.h"
#include "runtime/Twips.h"

using namespace rt;

namespace {

bool isBuiltInButton(const QString& tag)
{
    return tag == QLatin1String("exec") || tag == QLatin1String("prop") || tag == QLatin1String("help");
}

// Buttons move only inside their own window: a drag from the other window
// only beeps.
bool fromThisWindow(Control* source, const Form* form) { return source && source->parentForm() == form; }

}  // namespace

QString ItemRowForm::tipTextOf(const QString& tag)
{
    if (tag == QLatin1String("edit"))
        return QStringLiteral("Toggle Edit Mode");
    if (tag == QLatin1String("exec"))
        return QStringLiteral("Toggle Exec Mode");
    if (tag == QLatin1String("prop"))
        return QStringLiteral("Property");
    if (tag == QLatin1String("help"))
        return QStringLiteral("Help");
    if (tag == QLatin1String("sep"))
        return QString();
    return Stringbas::StrAfter(tag, QStringLiteral("|"));
}

void ItemRowForm::runItem(const QString& tag)
{
    QString target = Stringbas::StrBefore(tag, QStringLiteral("|"));
    if (target.isEmpty())
        target = tag;
    if (const int code = ShellEx::SpecialCodeOf(target))
        ShellEx::ShowSpecialFolder(code);
    else
        ShellEx::ShellOpenEx(target);
}

void ItemRowForm::clearKeyboardSelection()
{
    int& selected = keyboardSelection();
    if (selected == -1)
        return;
    Shape1.setVisible(false);
    if (ItemImg.exists(selected))
        ItemImg[selected].setBorderStyle(0);
    selected = -1;
}

void ItemRowForm::ItemImg_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    takeKeyboard();
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
        pressedInEditMode(Index, Button);
        return;
    }
    if (Button == vbRightButton) {
        HideDashkeep();
    } else if (Button == vbLeftButton && button.Tag != QLatin1String("sep")) {
        ShowShape(button);
        button.setBorderStyle(1);
    }
}

void ItemRowForm::ItemImg_MouseMove(int Index, int Button, int, float X, float Y)
{
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
                itemHovered(Index);
            }
        } else if (Button == vbLeftButton && mMain::EditMode) {
            const bool beyondThreshold = std::abs(X - mDownX) > 60 || std::abs(Y - mDownY) > 60;
            if (beyondThreshold && !isBuiltInButton(tag)) {
                insertIndex() = Index;
                selectedIndex() = Index;
                button.Drag();
            }
        }
    }
    clearKeyboardSelection();
}

void ItemRowForm::ItemImg_MouseUp(int Index, int Button, int, float X, float Y)
{
    mItemPressed = false;
    Image& button = ItemImg[Index];
    if (!mMain::EditMode) {
        Shape1.setVisible(false);
        button.setBorderStyle(0);
        EraseRect();
        return;
    }
    Menu* menu = itemMenu();
    if (Button != vbRightButton || !menu)
        return;
    const bool separator = button.Tag == QLatin1String("sep");
    if (!separator && !button.Tag.contains(QLatin1Char('|')))
        return;
    insertIndex() = insertIndexOnButton(Index, alongOf(X, Y));
    selectedIndex() = Index;
    if (Menu* property = itemPropertyEntry())
        property->Enabled = !separator;
    PopupMenu(*menu);
}

void ItemRowForm::ItemImg_Click(int Index)
{
    if (!ItemImg.exists(Index))
        return;
    const QString tag = ItemImg[Index].Tag;
    if (mMain::EditMode) {
        if (tag == QLatin1String("exec") && mDownButton == vbLeftButton)
            leaveEditMode(Index);
        return;
    }
    if (tag == QLatin1String("sep"))
        return;
    if (tag == QLatin1String("edit")) {
        enterEditMode(Index);
        return;
    }
    if (openedGroup(tag))
        return;
    runClickedItem(tag);
    if (mDownShift == 0)
        leaveAfterRun();
}

void ItemRowForm::runClickedItem(const QString& tag)
{
    if (tag == QLatin1String("prop"))
        showSettings();
    else if (tag == QLatin1String("help"))
        ShellEx::ShellOpen(this, mMain::ProgramFolder + QStringLiteral("contents.htm"));
    else
        runItem(tag);
}

void ItemRowForm::enterEditMode(int index)
{
    setLibraryIcon(index, 3);
    ItemImg[index].Tag = QStringLiteral("exec");
    mMain::EditMode = true;
}

void ItemRowForm::leaveEditMode(int index)
{
    EraseRect();
    setLibraryIcon(index, 0);
    ItemImg[index].Tag = QStringLiteral("edit");
    mMain::EditMode = false;
    Shape1.setVisible(false);
    ItemImg[index].setBorderStyle(0);
}

void ItemRowForm::finishDrop(int source, int target)
{
    if (ItemImg.exists(source))
        ItemImg[source].setBorderStyle(0);
    Shape1.setVisible(false);
    Reorder(source, target);
    rowChanged();
}

void ItemRowForm::itemimg_DragDrop(int Index, Control* Source, float X, float Y)
{
    if (!fromThisWindow(Source, this)) {
        Beep();
        return;
    }
    const int target = std::min(insertIndexOnButton(Index, alongOf(X, Y)), lastInsertIndex());
    finishDrop(insertIndex(), target);
}

void ItemRowForm::Form_DragDrop(Control* Source, float X, float Y)
{
    if (!fromThisWindow(Source, this)) {
        Beep();
        return;
    }
    finishDrop(insertIndex(), CalcIndex(int32_t(alongOf(X, Y))));
}

void ItemRowForm::Form_MouseUp(int Button, int, float X, float Y)
{
    if (!mMain::EditMode)
        return;
    insertIndex() = CalcIndex(int32_t(alongOf(X, Y)));
    if (Button != vbRightButton)
        return;
    if (Menu* menu = backgroundMenu())
        PopupMenu(*menu);
}
