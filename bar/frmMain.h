#pragma once
// The bar: a strip along a screen edge holding the row of items, the title
// label and the three built-in buttons. Its load handler is the program's
// start-up; its unload handler writes the position and the item list back.

#include "core/ItemRowForm.h"
#include "platform/Antenna.h"
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

private:
    static int& mMain_ItemCount();
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
    QStringList mItemsBeyondCapacity;
};
