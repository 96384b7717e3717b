#pragma once
// The bar: a strip along a screen edge holding the row of items, the title
// label and the three built-in buttons. Its load handler is the program's
// start-up; its unload handler writes the position and the item list back.

#include "core/ItemRowForm.h"
#include "platform/Antenna.h"
#include "platform/DropFiles.h"
#include "runtime/CommandButton.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

#include <QStringList>
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

    int& rowCount() override { return mMain_ItemCount(); }

    // True once start-up decided the process must end (another instance, no
    // icon library); the caller then returns without an event loop.
    bool Ended() const { return mEnded; }

    // Start-up and settings.
    void CheckInstance();
    void getPath();
    void ShowTutorial();
    void RefreshSettings(bool wasHorizontal);

    // Layout.
    void SetFormPosition();
    void setMaskColor();
    void getLabelColor();
    void SetLabels();
    void RepositionItems();
    void WarnFormPosition();
    int32_t capacity() const;

    // Items.
    void getAllItems();
    void getSysItems();
    bool AddNewItem(const QString& itemText, const QString& secondText);
    void storeItems();

    // Parking and sliding.
    void HideDashkeep();
    void ShowDashkeep();
    void timer1_Timer();

    // Messages the antenna traps: the hotkey and dropped files.
    void Antenna1_OnTrap(qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam);

    // Running items and the group window.
    void ShowGroup(const QString& GroupTag);
    void HideGroup();
    void ShowGroupFromIndex(int Index);
    void ShowPropertyBox();
    static QString GetBetween(const QString& sTarget, const QString& sBefore, const QString& sAfter);

    // Keyboard.
    void ShowTipRoutine(int Index);
    void DoBeforeKeyDown();
    int Selected() const { return mSelected; }

    int lastInsertIndex() const override { return mMain_ItemCount() - 2; }
    bool addRowItem(const QString& itemText, const QString& secondText) override;
    bool isShown() const;

    int32_t Position() const { return mPosition; }
    double ColorEnter() const { return mColorEnter; }
    double ColorExit() const { return mColorExit; }
    // Stored items that did not fit the row; kept in the store after the shown ones.
    const QStringList& itemsBeyondCapacity() const { return mItemsBeyondCapacity; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;
    int outsideCloseMode() const override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_DragDrop(rt::Control* Source, float X, float Y) override;

    void ItemImg_MouseDown(int Index, int Button, int Shift, float X, float Y) override;
    void ItemImg_MouseMove(int Index, int Button, int Shift, float X, float Y) override;
    void ItemImg_MouseUp(int Index, int Button, int Shift, float X, float Y) override;
    void ItemImg_Click(int Index) override;
    void itemimg_DragDrop(int Index, rt::Control* Source, float X, float Y) override;

    void Label1_MouseDown(int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Button, int Shift, float X, float Y);
    void Label1_MouseUp(int Button, int Shift, float X, float Y);
    void Label1_Click();

private:
    static int& mMain_ItemCount();
    void clearKeyboardSelection();
    void selectButton(int index);
    bool inGripZone(float X, float Y) const;
    void switchToEditMode(int index);
    void switchToExecMode(int index);
    void dropFiles(platform::HDROP drop);
    bool askToDereference(const QString& path, QString& target);
    void finishDrop(int source, int target);
    void EndProgram();
    void showHideFlicker(int times);
    void storePosition();
    // The icon of one record of the icon library, through a ".qrk" file.
    bool setLibraryIcon(int index, int16_t record);

    bool mEnded = false;
    int32_t mPosition = 0;
    int32_t mPositionPx = 0;
    double mColorExit = -2147483627.0;
    double mColorEnter = -2147483628.0;
    int mSelected = -1;
    bool mItemPressed = false;
    int mIdleTicks = 0;
    int mDownShift = 0;
    int mDownButton = 0;
    float mDownX = 0, mDownY = 0;
    int32_t mDragAnchor = 0;
    bool mSliding = false;
    QStringList mItemsBeyondCapacity;
};
