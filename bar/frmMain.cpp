// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's start-up and shutdown.

#include "bar/frmMain.h"

#include "core/frmToolTip.h"
#include "core/mMain.h"
#include "core/MTooltip.h"
#include "core/MWindow.h"
#include "core/ShellEx.h"
#include "core/Tutorial.h"
#include "groups/frmGroup.h"
#include "menus/MenuForm.h"
#include "platform/session/CommandSocket.h"
#include "platform/session/SingleInstance.h"
#include "platform/window/DisplaySync.h"
#include "platform/window/DropFiles.h"
#include "platform/window/Hotkey.h"
#include "platform/window/ScreenChanges.h"
#include "platform/window/WindowMessage.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"
#include "runtime/settings/SettingsStore.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QWindow>

#include <cstdio>

using namespace rt;

namespace {
constexpr int HotkeyId = 123;
}

frmMain::frmMain(QWidget* parent) : ItemRowForm(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    // An override-redirect strip: window managers would keep a tenth of a
    // managed window on the screen, and the bar parks with only its grip out.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
    setWindowTitle(mMain::ProductName);
    Label1.setAccessibleDescription(QStringLiteral("Opens the main menu"));
    Timer1.setEnabled(false);
    Timer1.setInterval(1000);
    Timer1.Tick = [this] { timer1_Timer(); };
    cmdHideBar.setVisible(false);
    cmdShowProp.setVisible(false);
    cmdHideBar.Click = [this] { HideDashkeep(); };
    Label1.MouseDown = [this](int b, int s, float x, float y) { Label1_MouseDown(b, s, x, y); };
    Label1.MouseMove = [this](int b, int s, float x, float y) { Label1_MouseMove(b, s, x, y); };
    Label1.MouseUp = [this](int b, int s, float x, float y) { Label1_MouseUp(b, s, x, y); };
    Label1.Click = [this] { Label1_Click(); };
    cmdShowProp.Click = [this] { ShowPropertyBox(); };
    Antenna1.OnTrap = [this](qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam) {
        Antenna1_OnTrap(hWnd, nMsg, wParam, lParam);
    };
    mMain::cmdHideBar = &cmdHideBar;
    mMain::cmdShowProp = &cmdShowProp;
    mMain::MainForm = this;
}

frmMain::~frmMain()
{
    if (mMain::MainForm == this)
        mMain::MainForm = nullptr;
    mMain::cmdHideBar = nullptr;
    mMain::cmdShowProp = nullptr;
}

void frmMain::EndProgram()
{
    mEnded = true;
    QCoreApplication::exit(0);
}

void frmMain::EndOnRequest()
{
    if (mEnded)
        return;
    mEnded = true;
    if (Loaded())
        Unload(vbAppWindows);
    // Code that was waiting on a modal window carries on once the window is
    // gone; nothing it saves from here on can be trusted to be whole.
    EndSettings();
    platform::ReleaseInstance();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void frmMain::showHideFlicker(int times)
{
    for (int i = 0; i < times; ++i) {
        Show();
        Hide();
    }
}

void frmMain::Form_Load()
{
    mMain::SettingsPending = false;
    CheckInstance();
    if (mEnded)
        return;
    readSettings();
    if (mEnded)
        return;
    showParkedGrip();
    buildRow();
    if (mEnded)
        return;

    MWindow::SetTopMost(mMain::GroupForm);
    MWindow::SetOwnerWindow(this, mMain::GroupForm, true);
    MWindow::SetTopMost(mMain::ToolTipForm);
    MWindow::SetOwnerWindow(mMain::GroupForm, mMain::ToolTipForm, true);

    platform::DragAcceptFiles(this, true);
    platform::RegisterHotKey(this, HotkeyId, platform::MOD_CONTROL | platform::MOD_ALT, 'A');
    listenForCommands();
    bindPortalShortcut();

    Antenna1.dispatch(2, platform::Antenna::handleOf(this));
    Antenna1.dispatch(1, platform::WM_DROPFILES);
    Antenna1.dispatch(1, platform::WM_HOTKEY);

    MTooltip::setOwnerWindows(this, mMain::GroupForm);
    platform::watchScreenChanges(this, [this] { ScreenChanged(); });
    ShowTutorial();
}

void frmMain::readSettings()
{
    myLine1.setBorderColor(vb3DHighlight);
    myLine2.setBorderColor(vb3DHighlight);
    myShape1.setBorderColor(vbButtonShadow);

    setMaskColor();
    getLabelColor();

    mMain::EditMode = false;
    mMain::ItemCount = 0;
    mSelected = -1;
    mItemPressed = false;

    mMain::getSpeed();
    mMain::getBehavior();
    getPath();
    if (mEnded)
        return;
    mMain::getShowTip();
    mMain::getSmartSlide();
    mMain::getDirection();
    mMain::getAppearance();
    mMain::getSound();
    mMain::getGroupSetting();
}

// Parked, the bar shows its grip alone, which needs neither text nor items:
// it goes on the screen, drawn, before the rest is built. The user's input
// waits meanwhile, as it would for a bar not yet shown.
void frmMain::showParkedGrip()
{
    fitToScreen();
    parkAt(storedPosition());
    SetBorders();
    Shape1.setBorderColor(BackColor());

    // Mapping the window once off-screen creates it before it is placed.
    const int32_t top = Top(), left = Left();
    Move(Screen::Width() + 60, Screen::Height() + 60);
    showHideFlicker(2);
    Show();
    Move(left, top);
    MWindow::SetTopMost(this);
    MWindow::SetOwnerWindow(MWindow::GetTrayWindow(), this, true);
    platform::syncDisplay();
    drawOnceExposed();
}

// Qt draws a window when the display server reports it shown, which the
// event loop would handle only after the rest of loading. The report is
// awaited here with the user's input held back; a bar parked wholly off the
// screen gets none, hence the limit.
void frmMain::drawOnceExposed()
{
    const QWindow* window = windowHandle();
    const QDeadlineTimer limit(100);
    while (window && !window->isExposed() && !limit.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!window->isExposed())
            QThread::usleep(200);
    }
    platform::syncDisplay();
}

// What the slid-in bar shows, and the windows it opens.
void frmMain::buildRow()
{
    if (!mMain::GroupForm)
        new frmGroup;
    mMain::GroupForm->Load();
    mMain::GroupForm->Move(Screen::Width() + 900, Screen::Height() + 900);
    if (!mMain::ToolTipForm)
        new frmToolTip;
    mMain::ToolTipForm->Load();
    if (!mMain::Menus)
        new MenuForm;
    mMain::Menus->Load();

    Label1.setLabelFont(pointFont(QStringLiteral("Arial"), 9, true));
    Label1.setAutoSize(true);
    placeCaption();
    holdStoredPictures();
    RepositionItems();
    // Checked as the bar is laid out and again once it is shown, as every
    // start always did: a bar left off the screen is offered back twice.
    WarnFormPosition();
    if (mEnded)
        return;
    SetLabels();
    WarnFormPosition();
    if (mEnded)
        return;
    HideDashkeep();
}

void frmMain::CheckInstance()
{
    if (!platform::PrevInstance())
        return;
    Beep();
    setTop(-5000);
    showHideFlicker(3);
    // Started again from the application menu, the user wants to see the
    // bar that runs.
    std::fputs("kestrel2: Kestrel 98 is already running on this display; showing it\n", stderr);
    platform::commandBar(platform::commandSocketPath(), "show");
    EndProgram();
}

void frmMain::getPath()
{
    const QString stored = mMain::GetSetting(QStringLiteral("App"), QStringLiteral("Path"));
    QString folder = stored;
    const bool replace = folder.isEmpty() || !ShellEx::DirExists(folder);
    if (replace)
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (!ShellEx::FileExists(folder + QStringLiteral("kestrel98.lib"))) {
        MsgBox(QStringLiteral("kestrel98.lib not found. This program will terminate."), vbCritical | vbOKOnly,
               mMain::ProductName);
        EndProgram();
        return;
    }
    // Stored only once the folder is known to be usable: a start that ends
    // here leaves the store as it was.
    if (replace)
        mMain::SaveSetting(QStringLiteral("App"), QStringLiteral("Path"), QCoreApplication::applicationDirPath());
    mMain::ProgramFolder = folder;
}

void frmMain::ShowTutorial()
{
    if (mMain::GetSetting(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("yes")) !=
        QLatin1String("yes"))
        return;
    mMain::SaveSetting(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("no"));
    FlushSettings();
    Tutorial::Show();
}

void frmMain::RefreshSettings(bool wasHorizontal)
{
    HideDashkeep();
    mMain::readBarSettings();
    const bool horizontal = mMain::IsHorizontal();
    // The bar keeps its place across the long axis; after a turn the old
    // along-position becomes the new across-position.
    if (horizontal == wasHorizontal) {
        if (horizontal)
            mMain::SaveSetting(QStringLiteral("Setting"), QStringLiteral("Top"), QString::number(Top()));
        else
            mMain::SaveSetting(QStringLiteral("Setting"), QStringLiteral("Left"), QString::number(Left()));
    } else {
        if (horizontal)
            mMain::SaveSetting(QStringLiteral("Setting"), QStringLiteral("Left"), QString::number(Left()));
        else
            mMain::SaveSetting(QStringLiteral("Setting"), QStringLiteral("Top"), QString::number(Top()));
    }
    SetFormPosition();
    getLabelColor();
    setBackground();
    SetBorders();
    SetLabels();
    HideDashkeep();
    setEnabled(true);
}

int frmMain::outsideCloseMode() const
{
    // The strip has no close box of its own: a close request from outside
    // comes from a task list or a window list.
    return vbAppTaskManager;
}

void frmMain::Form_QueryUnload(int& Cancel, int UnloadMode)
{
    if (UnloadMode != vbAppTaskManager)
        return;
    WarnFormPosition();
    Beep();
    const MsgBoxResult answer =
        MsgBox(QStringLiteral("Are you sure you want to quit ") + mMain::ProductName + QStringLiteral("?"),
               vbYesNo | vbExclamation, mMain::ProductName);
    if (answer == vbNo)
        Cancel = 1;
}

void frmMain::Form_Unload(int&)
{
    if (mMain::GroupForm)
        mMain::GroupForm->Unload();
    if (mMain::ToolTipForm)
        mMain::ToolTipForm->Unload();
    MWindow::SetOwnerWindow(nullptr, this, false);
    platform::DragAcceptFiles(this, false);
    platform::UnregisterHotKey(this, HotkeyId);
    mCommands.close();
    storePosition();
    storeItems();
    FlushSettings();
    QCoreApplication::quit();
}

void frmMain::storePosition()
{
    if (!mPositionKnown)
        return;
    mMain::SaveSetting(QStringLiteral("Setting"),
                       mMain::IsHorizontal() ? QStringLiteral("Top") : QStringLiteral("Left"),
                       QString::number(mPosition));
}

void frmMain::Antenna1_OnTrap(qintptr, int nMsg, qintptr wParam, qintptr)
{
    if (nMsg == platform::WM_DROPFILES) {
        dropFiles(wParam);
        return;
    }
    if (nMsg == platform::WM_HOTKEY && wParam == HotkeyId)
        ShowFromKey();
}
