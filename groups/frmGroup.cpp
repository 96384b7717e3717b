// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "groups/frmGroup.h"

#include "bar/frmMain.h"
#include "core/frmToolTip.h"
#include "core/mMain.h"
#include "core/MTooltip.h"
#include "core/MWindow.h"
#include "menus/MenuForm.h"
#include "platform/window/DropFiles.h"
#include "platform/window/WindowMessage.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"
#include "runtime/Twips.h"

#include <limits>

using namespace rt;

namespace {

// A stored coordinate of the window: a whole number of twips. An absent,
// empty or unreadable value, or one beyond 32 bits, gives the default.
int32_t storedCoordinate(const QString& section, const QString& key, int32_t defaultValue)
{
    int64_t value = 0;
    if (!mMain::toWholeNumber(mMain::GetSetting(section, key), value))
        return defaultValue;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return defaultValue;
    return static_cast<int32_t>(value);
}

// Positions are stored as the text of single-precision numbers.
QString singleText(int32_t value) { return QString::number(double(float(value)), 'g', 7); }

}  // namespace

frmGroup::frmGroup(QWidget* parent) : ItemRowForm(parent)
{
    setObjectName(QStringLiteral("frmGroup"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
    setWindowTitle(QStringLiteral("Group"));
    for (CommandButton* hidden : {&cmdShowGroup, &cmdHideGroup, &cmdForceHide})
        hidden->setVisible(false);
    cmdShowGroup.Click = [this] { cmdShowGroup_Click(); };
    cmdHideGroup.Click = [this] { cmdHideGroup_Click(); };
    cmdForceHide.Click = [this] { cmdForceHide_Click(); };
    Antenna1.OnTrap = [this](qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam) {
        Antenna1_OnTrap(hWnd, nMsg, wParam, lParam);
    };
    mMain::GroupForm = this;
    mMain::cmdShowGroup = &cmdShowGroup;
    mMain::cmdHideGroup = &cmdHideGroup;
    mMain::cmdForceHide = &cmdForceHide;
}

frmGroup::~frmGroup()
{
    if (mMain::GroupForm == this) {
        mMain::GroupForm = nullptr;
        mMain::cmdShowGroup = nullptr;
        mMain::cmdHideGroup = nullptr;
        mMain::cmdForceHide = nullptr;
    }
}

int& frmGroup::rowCount() { return mMain::GroupItemCount; }
int& frmGroup::insertIndex() { return mMain::GroupInsertIndex; }
int& frmGroup::selectedIndex() { return mMain::GroupSelectedIndex; }
int& frmGroup::keyboardSelection() { return mMain::GroupSelected; }

Menu* frmGroup::itemMenu() { return mMain::Menus ? &mMain::Menus->mnuGrpSelected : nullptr; }
Menu* frmGroup::itemPropertyEntry() { return mMain::Menus ? &mMain::Menus->mnuGrpProperty : nullptr; }
Menu* frmGroup::backgroundMenu() { return mMain::Menus ? &mMain::Menus->mnuGrpOnForm : nullptr; }

void frmGroup::Form_Load()
{
    myLine1.setBorderColor(vb3DHighlight);
    myLine2.setBorderColor(vb3DHighlight);
    myShape1.setBorderColor(vbButtonShadow);
    mMain::EditMode = false;
    mMain::GroupItemCount = 0;
    mMain::GroupSelected = -1;
    mItemPressed = false;
    Shape1.setBorderColor(BackColor());
    platform::DragAcceptFiles(this, true);
    Antenna1.dispatch(2, platform::Antenna::handleOf(this));
    Antenna1.dispatch(1, platform::WM_DROPFILES);
    Hide();
}

void frmGroup::Form_Unload(int&)
{
    // A group still open when the program ends keeps what was done in it.
    if (mMain::GroupVisible)
        cmdForceHide_Click();
    MWindow::SetOwnerWindow(nullptr, mMain::ToolTipForm, false);
    MWindow::SetOwnerWindow(nullptr, this, false);
    platform::DragAcceptFiles(this, false);
}

void frmGroup::Form_Resize()
{
    setBackground();
    SetBorders();
}

int32_t frmGroup::capacity() const
{
    if (mMain::IsHorizontal())
        return (Screen::Width() - 900) / 330;
    return (Screen::Height() - 600) / 330;
}

QString frmGroup::rowFullMessage() const
{
    return mMain::ProductName + QStringLiteral(" cannot create a new item because it already has too many items. ");
}

bool frmGroup::AddNewGroupItem(const QString& itemText, const QString& secondText)
{
    return appendItem(itemText, secondText);
}

void frmGroup::closeGroup()
{
    SaveAllItems();
    ClearItemBorders();
    for (int i = 0; i <= mMain::GroupItemCount; ++i) {
        if (!ItemImg.exists(i))
            continue;
        Image& button = ItemImg[i];
        button.setVisible(false);
        button.setPicture(QPixmap());
        button.Tag = QStringLiteral("False");
    }
    EraseRect();
    mMain::GroupSelected = -1;
    // The keyboard moves to the bar before the window goes: a window manager
    // gives the keyboard of a vanished window to one of its own choosing.
    if (isActiveWindow() && mMain::MainForm)
        mMain::MainForm->takeKeyboard();
    Hide();
}

void frmGroup::cmdShowGroup_Click()
{
    if (mMain::GroupVisible)
        closeGroup();
    mMain::GroupVisible = true;
    mSection = QStringLiteral("group") + cmdShowGroup.Tag;
    // The window's title stays "Group"; assistive technologies hear which.
    setAccessibleName(cmdShowGroup.Tag);
    getAllItems();
}

void frmGroup::cmdHideGroup_Click()
{
    if (!mMain::GroupVisible || mMain::EditMode)
        return;
    mMain::GroupVisible = false;
    closeGroup();
    cmdShowGroup.Tag.clear();
    mSection.clear();
    if (mMain::MainForm)
        mMain::MainForm->Show();
}

void frmGroup::cmdForceHide_Click()
{
    mMain::GroupVisible = false;
    closeGroup();
    cmdShowGroup.Tag.clear();
    mSection.clear();
}

void frmGroup::HideDashkeep() { cmdHideGroup.setValue(true); }

void frmGroup::getAllItems()
{
    const int shown = loadStoredRow(mSection, capacity());
    if (ItemImg.exists(shown)) {
        ItemImg[shown].setVisible(false);
        ItemImg[shown].Tag.clear();
    }
    mMain::GroupItemCount = shown - 1;
    ShowGroupWindow();
}

void frmGroup::SaveAllItems()
{
    // No group is open: there is no section to write to.
    if (mSection.isEmpty())
        return;
    const int next = storeRow(mSection, mMain::GroupItemCount);
    mMain::SaveSetting(mSection, QString::number(next), QString());
    storePosition();
}

void frmGroup::storePosition()
{
    if (mSection.isEmpty())
        return;
    mMain::SaveSetting(mSection, QStringLiteral("Left"), singleText(Left()));
    mMain::SaveSetting(mSection, QStringLiteral("Top"), singleText(Top()));
}

void frmGroup::fitToRow()
{
    const int32_t length = mMain::GroupItemCount == -1 ? 900 : (mMain::GroupItemCount + 1) * 330 + 330;
    if (mMain::IsHorizontal())
        Move(Left(), Top(), length, 450);
    else
        Move(Left(), Top(), 450, length);
}

void frmGroup::ShowGroupWindow()
{
    // A new, empty group opens with its corner just up and left of the
    // pointer; one with items where it was last, else at the screen's corner.
    const bool empty = mMain::GroupItemCount == -1;
    const int32_t defaultLeft = empty ? toTwips(CursorX()) - 210 : 0;
    const int32_t defaultTop = empty ? toTwips(CursorY()) - 210 : 0;
    fitToRow();
    Move(storedCoordinate(mSection, QStringLiteral("Left"), defaultLeft),
         storedCoordinate(mSection, QStringLiteral("Top"), defaultTop));
    setBackground();
    SetBorders();
    Show();
}

void frmGroup::Form_MouseDown(int Button, int, float X, float Y)
{
    mAnchorX = int32_t(X);
    mAnchorY = int32_t(Y);
    if (Button == vbRightButton)
        HideDashkeep();
    if (mMain::EditMode)
        ClearItemBorders();
}

void frmGroup::Form_MouseMove(int Button, int, float X, float Y)
{
    EraseRect();
    if (!MTooltip::TipShowing)
        MTooltip::CancelTip();
    // Dragging the background moves the window anywhere.
    if (Button == vbLeftButton)
        Move(Left() + int32_t(X) - mAnchorX, Top() + int32_t(Y) - mAnchorY);
    if (!MTooltip::TipShowing)
        clearKeyboardSelection();
}

void frmGroup::Form_MouseUp(int Button, int Shift, float X, float Y)
{
    ItemRowForm::Form_MouseUp(Button, Shift, X, Y);
    if (Button == vbLeftButton)
        storePosition();
}

void frmGroup::showSettings()
{
    if (mMain::cmdShowProp)
        mMain::cmdShowProp->setValue(true);
}

void frmGroup::leaveAfterRun()
{
    HideDashkeep();
    if (mMain::cmdHideBar)
        mMain::cmdHideBar->setValue(true);
}

void frmGroup::Antenna1_OnTrap(qintptr, int nMsg, qintptr wParam, qintptr)
{
    if (nMsg == platform::WM_DROPFILES)
        dropFiles(wParam);
}
