// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bar: a strip along a screen edge holding the row of items, the title
// label and the three built-in buttons. Its load handler is the program's
// start-up; its unload handler writes the position and the item list back.

#include "core/ItemRowForm.h"
#include "platform/session/CommandServer.h"
#include "platform/session/PortalShortcut.h"
#include "platform/window/Antenna.h"
#include "platform/window/DropFiles.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Timer.h"

#include <cstdint>

class frmMain : public ItemRowForm {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    rt::Label Label1{this};
    rt::Timer Timer1{this};
    rt::CommandButton cmdHideBar{this};
    rt::CommandButton cmdShowProp{this};
    platform::Antenna Antenna1{this};

    int& rowCount() override;
    int& insertIndex() override;
    int& selectedIndex() override;
    int& keyboardSelection() override { return mSelected; }

    // True once start-up decided the process must end (another instance, no
    // icon library); the caller then returns without an event loop.
    bool Ended() const { return mEnded; }

    // Ends the program on a request from outside (a signal, the session's
    // end), whatever window is open: writes what is known to be true, closes
    // every window and leaves every event loop.
    void EndOnRequest();

    // Start-up and settings.
    void CheckInstance();
    void getPath();
    void ShowTutorial();
    void RefreshSettings(bool wasHorizontal);
    // The bar's monitor was resized or another one became primary: lay out
    // and park again on it, the group window closed.
    void ScreenChanged();

    // Layout.
    void SetFormPosition();
    // The strip along the whole screen edge, the caption at its far end.
    void fitToScreen();
    void placeCaption();
    // The stored place across the screen edge, and parking there.
    int32_t storedPosition() const;
    void parkAt(int32_t position);
    void setMaskColor();
    void getLabelColor();
    void SetLabels();
    void RepositionItems();
    void WarnFormPosition();
    int32_t capacity() const override;

    // Items.
    void getAllItems();
    void getSysItems();
    bool AddNewItem(const QString& itemText, const QString& secondText);
    void storeItems();
    void rowChanged() override { storeItems(); }

    // Parking and sliding.
    void HideDashkeep() override;
    void ShowDashkeep();
    void timer1_Timer();

    // Messages the antenna traps: the hotkey and dropped files.
    void Antenna1_OnTrap(qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam);

    // Slides in and takes the keyboard: the hotkey, kestrel2 --show, the
    // portal's shortcut.
    void ShowFromKey();

    // Running items and the group window.
    void ShowGroup(const QString& GroupTag);
    void HideGroup();
    void ShowGroupFromIndex(int Index);
    void ShowPropertyBox();

    // Keyboard.
    void DoBeforeKeyDown() override;
    int Selected() const { return mSelected; }

    int lastInsertIndex() const override;
    bool isShown() const;

    int32_t Position() const { return mPosition; }
    double ColorEnter() const { return mColorEnter; }
    double ColorExit() const { return mColorExit; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;
    int outsideCloseMode() const override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void ItemImg_MouseMove(int Index, int Button, int Shift, float X, float Y) override;

    rt::Menu* itemMenu() override;
    rt::Menu* itemPropertyEntry() override;
    rt::Menu* backgroundMenu() override;
    bool holdsGroups() const override { return true; }
    QString rowFullMessage() const override;
    QString storedIconSource(const QString& item) const override;
    void drawStoredPicture(int index) override;
    bool takesKeys() const override { return isShown(); }
    bool tipsBelongToBar() const override { return true; }
    QWidget* titleControl() override { return &Label1; }
    void pressedInEditMode(int Index, int Button) override;
    void itemHovered(int Index) override;
    void selectedByKeyboard(int Index) override { ShowGroupFromIndex(Index); }
    bool openedGroup(const QString& tag) override;
    void showSettings() override { ShowPropertyBox(); }
    void leaveAfterRun() override { HideDashkeep(); }
    void enterEditMode(int index) override;
    void leaveEditMode(int index) override;

    void Label1_MouseDown(int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Button, int Shift, float X, float Y);
    void Label1_MouseUp(int Button, int Shift, float X, float Y);
    void Label1_Click();

private:
    bool inGripZone(float X, float Y) const;
    void EndProgram();
    void showHideFlicker(int times);
    // Loading, in the order the parked bar needs it.
    void readSettings();
    void showParkedGrip();
    void drawOnceExposed();
    void buildRow();
    void storePosition();
    void listenForCommands();
    void obeyCommand(const QByteArray& word);
    void bindPortalShortcut();

    bool mEnded = false;
    // What the unload may write: the position once the layout has computed
    // it, the items while the buttons hold the whole list.
    bool mPositionKnown = false;
    bool mRowShown = false;
    int32_t mPosition = 0;
    int32_t mPositionPx = 0;
    double mColorExit = -2147483627.0;
    double mColorEnter = -2147483628.0;
    int mSelected = -1;
    int mIdleTicks = 0;
    int32_t mDragAnchor = 0;
    bool mSliding = false;
    bool mMovedByDrag = false;  // the background was dragged since the press
    platform::CommandServer mCommands{this};
    platform::PortalShortcut mPortalShortcut{this};
};
