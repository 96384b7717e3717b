// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MTooltip.h"

#include "core/frmToolTip.h"
#include "core/mMain.h"
#include "core/MWindow.h"
#include "core/Stringbas.h"
#include "runtime/controls/Control.h"
#include "runtime/forms/Form.h"
#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace MTooltip {

namespace {

// A delayed tip comes up once the wait count exceeds this; a shortened wait
// starts near it. Any tip goes away once its shown count exceeds the limit.
constexpr int32_t DelayTicks = 7;
constexpr int32_t QuickStartTicks = 6;
constexpr int32_t ShownTicksLimit = 90;

// Offsets of the tip from the point it is placed at, twips.
constexpr int32_t GapBelow = 300;
constexpr int32_t GapAbove = 105;
constexpr int32_t GapRight = 60;
constexpr int32_t ScreenEdgeMargin = 90;

QPointer<rt::Form> gBarWindow;
QPointer<rt::Form> gGroupWindow;
// Item buttons can be unloaded while their tip is pending; this notices.
QPointer<QWidget> gTipWidget;

frmToolTip* tipWindow() { return mMain::ToolTipForm; }

void rememberItem(rt::Control* button, int16_t index)
{
    TipIndex = index;
    TipControl = button;
    gTipWidget = button ? button->widget() : nullptr;
}

void switchTimerOn(frmToolTip& tip)
{
    if (!tip.Timer1.Enabled())
        tip.Timer1.setEnabled(true);
}

void placeFrom(int32_t x, int32_t y)
{
    frmToolTip* tip = tipWindow();
    if (!tip)
        return;
    const int32_t w = tip->Width(), h = tip->Height();
    int32_t top = y + GapBelow;
    if (top + h > rt::Screen::Height())
        top = y - h - GapAbove;
    int32_t left = x + GapRight;
    if (left + w > rt::Screen::Width())
        left = rt::Screen::Width() - w - ScreenEdgeMargin;
    tip->Move(left, top);
}

// The owner windows are raised when shown again; on X11 nothing keeps an
// owned window above its owner, so put the group window and the tip back on
// top of the window that was raised.
void keepAboveOwner(frmToolTip& tip, rt::Form* owner)
{
    if (owner == gBarWindow && gGroupWindow && gGroupWindow->Visible())
        gGroupWindow->raise();
    tip.raise();
}

void showOwnerAgain(frmToolTip& tip, rt::Form* owner)
{
    if (!owner)
        return;
    owner->Show();
    keepAboveOwner(tip, owner);
}

void bringUp(frmToolTip& tip, void (*place)())
{
    tip.Hide();
    TipVisible = true;
    place();
    MWindow::SetTopMost(&tip);
}

void showAndRepaint(frmToolTip& tip)
{
    tip.Show();
    tip.Refresh();
}

void showAtPointer(frmToolTip& tip)
{
    bringUp(tip, PlaceAtPointer);
    showAndRepaint(tip);
    showOwnerAgain(tip, gBarWindow);
}

void showAtAnchor(frmToolTip& tip)
{
    bringUp(tip, PlaceAtAnchor);
    TipShowing = true;
    showAndRepaint(tip);
    showOwnerAgain(tip, TipOwnerIsBar ? gBarWindow.data() : gGroupWindow.data());
    QCoreApplication::processEvents();
    TipShowing = false;
}

void waitingTick(frmToolTip& tip)
{
    ++TipTicks;
    if (TipTicks <= DelayTicks)
        return;
    if (!tip.MouseOnControl())
        CancelTip();
    else
        showAtPointer(tip);
}

void shownTick(frmToolTip& tip)
{
    ++TipShownTicks;
    if (!tip.MouseOnControl())
        CancelTip();
    else if (TipShownTicks > ShownTicksLimit)
        HideTip();
}

void immediateTick()
{
    ++TipShownTicks;
    if (TipShownTicks > ShownTicksLimit)
        CancelTip();
}

// The bar and the group window number their buttons alike: an index names
// an item only together with its button.
bool isCurrentItem(const rt::Control* button, int16_t index) { return index == TipIndex && button == TipControl; }

}  // namespace

void setOwnerWindows(rt::Form* bar, rt::Form* group)
{
    gBarWindow = bar;
    gGroupWindow = group;
}

rt::Control* liveTipControl() { return gTipWidget ? TipControl : nullptr; }

void RequestTip(rt::Control* button, const QString& text, int16_t index)
{
    TipImmediate = false;
    if (isCurrentItem(button, index)) {
        // Only a pointer at rest brings the tip up.
        if (!TipVisible && !TipQuick) {
            TipTicks = 0;
            TipShownTicks = 0;
        }
        return;
    }
    const QString tipText = Stringbas::StripIconPart(text);
    frmToolTip* tip = tipWindow();
    if (tipText.isEmpty() || !tip)
        return;
    rememberItem(button, index);
    if (!TipVisible) {
        TipTicks = 0;
        TipShownTicks = 0;
        tip->setTipText(tipText);
        TipQuick = false;
        tip->setTipColors();
        switchTimerOn(*tip);
        return;
    }
    tip->Hide();
    tip->setTipText(tipText);
    tip->setTipColors();
    TipVisible = false;
    TipQuick = true;
    TipTicks = QuickStartTicks;
    TipShownTicks = 0;
}

void ShowTipNow(rt::Control* button, const QString& text, int16_t index)
{
    TipImmediate = true;
    if (isCurrentItem(button, index))
        return;
    const QString tipText = Stringbas::StripIconPart(text);
    frmToolTip* tip = tipWindow();
    if (tipText.isEmpty() || !tip)
        return;
    rememberItem(button, index);
    tip->Hide();
    tip->setTipText(tipText);
    TipShownTicks = 0;
    TipVisible = true;
    TipQuick = false;
    tip->setTipColors();
    showAtAnchor(*tip);
    switchTimerOn(*tip);
}

void CancelTip()
{
    TipIndex = -1;
    HideTip();
}

void HideTip()
{
    if (frmToolTip* tip = tipWindow()) {
        tip->Timer1.setEnabled(false);
        tip->Hide();
    }
    TipVisible = false;
    TipQuick = false;
}

void TimerTick()
{
    frmToolTip* tip = tipWindow();
    if (!tip)
        return;
    if (TipImmediate)
        immediateTick();
    else if (TipVisible)
        shownTick(*tip);
    else
        waitingTick(*tip);
}

void PlaceAtPointer() { placeFrom(rt::toTwips(rt::CursorX()), rt::toTwips(rt::CursorY())); }

void PlaceAtAnchor() { placeFrom(TipAnchorX, TipAnchorY); }

}  // namespace MTooltip
