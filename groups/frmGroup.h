// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The group window: one small strip, reused for every group, showing the
// open group's own row of items. The bar talks to it only through its hidden
// buttons: cmdShowGroup (whose Tag names the group), cmdHideGroup and
// cmdForceHide.

#include "core/ItemRowForm.h"
#include "platform/window/Antenna.h"
#include "runtime/controls/CommandButton.h"

#include <limits>

class frmGroup : public ItemRowForm {
    Q_OBJECT
public:
    explicit frmGroup(QWidget* parent = nullptr);
    ~frmGroup() override;

    rt::CommandButton cmdShowGroup{this};
    rt::CommandButton cmdHideGroup{this};
    rt::CommandButton cmdForceHide{this};
    platform::Antenna Antenna1{this};

    int& rowCount() override;
    int& insertIndex() override;
    int& selectedIndex() override;
    int& keyboardSelection() override;
    // The group window's insertions may go past its last button: they stay
    // at the end of the row.
    int lastInsertIndex() const override { return std::numeric_limits<int>::max(); }
    int32_t capacity() const override;

    // Appends an item to the open group's row; false (with the message when
    // the row is full) when it could not.
    bool AddNewGroupItem(const QString& itemText, const QString& secondText);

    // The open group's settings section ("group" and its name), "" when
    // none is open.
    const QString& Section() const { return mSection; }
    // Reads the open group's row and shows the window.
    void getAllItems();
    // Writes the open group's row and the window's place to its section.
    void SaveAllItems();
    void rowChanged() override { SaveAllItems(); }
    // Sizes, places, paints and shows the window for the loaded row.
    void ShowGroupWindow();
    // Gives the window its length for the row: 330 twips a button and 330
    // more, 900 when empty, in the bar's orientation.
    void fitToRow();

    void HideDashkeep() override;

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_Resize() override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    // The place the window was dragged to is stored once it is let go.
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;

    rt::Menu* itemMenu() override;
    rt::Menu* itemPropertyEntry() override;
    rt::Menu* backgroundMenu() override;
    bool holdsGroups() const override { return false; }
    QString rowFullMessage() const override;
    void rowLengthChanged() override { fitToRow(); }
    bool tipsBelongToBar() const override { return false; }
    void showSettings() override;
    void leaveAfterRun() override;

private:
    void cmdShowGroup_Click();
    void cmdHideGroup_Click();
    void cmdForceHide_Click();
    // Saves and empties the window and hides it (the common part of every
    // close).
    void closeGroup();
    void Antenna1_OnTrap(qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam);
    void storePosition();

    QString mSection;
    int32_t mAnchorX = 0, mAnchorY = 0;
};
