// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Parking the bar at its screen edge, sliding it in, and the idle timer that
// parks it again.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/ShellEx.h"
#include "groups/frmGroup.h"
#include "platform/Platform.h"
#include "platform/window/DisplaySync.h"
#include "runtime/forms/Interaction.h"
#include "runtime/forms/StepPacer.h"

#include <QPixmapCache>

using namespace rt;

namespace {

// How long each step of the slide stays on the screen: the speeds differ only
// in step length, so without a fixed step time every speed would look alike
// on a fast machine (Slow crosses a 1280-pixel screen in about 0.4 s).
constexpr std::chrono::microseconds SlideStepTime{2000};

}  // namespace

void frmMain::HideDashkeep()
{
    if (mMain::EditMode)
        return;
    if (mMain::cmdHideGroup)
        mMain::cmdHideGroup->setValue(true);
    returnKeyboard();
    mIdleTicks = 0;
    if (mMain::IsHorizontal()) {
        setLeft(mMain::DirectionForward ? Screen::Width() - 135 : 165 - Width());
        EraseRect();
        setTop(mPosition);
    } else {
        setTop(mMain::DirectionForward ? Screen::Height() - 135 : 165 - Height());
        EraseRect();
        setLeft(mPosition);
    }
    Timer1.setEnabled(false);
    mIdleTicks = 0;
    forgetHoverTarget();
    // Parked, the bar keeps nothing armed: Qt's pixmap cache, filled by the
    // icon look-ups, would otherwise wake the program every 30 seconds.
    QPixmapCache::clear();
}

void frmMain::ShowDashkeep()
{
    drawStoredPictures();
    const bool horizontal = mMain::IsHorizontal();
    const int32_t along = horizontal ? Left() : Top();
    if (along == 0)
        return;
    if (ShellEx::FileExists(mMain::SoundFile))
        platform::services().playSound(mMain::SoundFile);
    const int32_t across = horizontal ? Top() : Left();
    mPosition = across;
    if (mMain::SmartSlide) {
        const int32_t screenAcross = horizontal ? Screen::Height() : Screen::Width();
        const int32_t thickness = horizontal ? Height() : Width();
        int32_t adjusted = across;
        if (across < -60)
            adjusted = 0;
        else if (across > screenAcross - thickness + 60)
            adjusted = screenAcross - thickness;
        if (horizontal)
            setTop(adjusted);
        else
            setLeft(adjusted);
    }
    Show();
    // Positions are 32-bit: a screen wider than 2184 pixels still slides.
    const int32_t start = along;
    const int32_t speed = mMain::Speed;
    const int32_t sign = mMain::DirectionForward ? -1 : 1;
    StepPacer pacer(SlideStepTime);
    for (int32_t i = 1;; ++i) {
        const int32_t position = start + sign * speed * i;
        if (horizontal)
            setLeft(position);
        else
            setTop(position);
        Refresh();
        platform::syncDisplay();
        const int32_t next = start + sign * speed * (i + 1);
        if (mMain::DirectionForward ? next < 0 : next > 0)
            break;
        pacer.endStep();
    }
    if (horizontal)
        setLeft(0);
    else
        setTop(0);
    mPositionPx = (horizontal ? Top() : Left()) / 15;
    Timer1.setEnabled(true);
    mIdleTicks = 0;
}

void frmMain::timer1_Timer()
{
    const QPoint cursor = platform::services().cursorPos();
    // Under Xwayland the polled position stays where the pointer left the X
    // windows for a native Wayland one; the server then reports it over none.
    const auto stillThere = [] { return platform::services().pointerOverAnyWindow(); };
    if (mMain::GroupVisible && mMain::GroupForm) {
        const frmGroup* group = mMain::GroupForm;
        const bool inside = stillThere() && group->Left() / 15 <= cursor.x() &&
            cursor.x() <= group->Left() / 15 + group->Width() / 15 && group->Top() / 15 <= cursor.y() &&
            cursor.y() <= group->Top() / 15 + group->Height() / 15;
        if (inside) {
            mIdleTicks = 0;
        } else if (mMain::GroupSelected == -1 && ++mIdleTicks >= 3) {
            if (mMain::cmdHideGroup)
                mMain::cmdHideGroup->setValue(true);
            mIdleTicks = 0;
        }
        return;
    }
    const int coordinate = mMain::IsHorizontal() ? cursor.y() : cursor.x();
    if (mPositionPx <= coordinate && coordinate <= mPositionPx + 30 && stillThere()) {
        mIdleTicks = 0;
    } else if (mSelected == -1 && ++mIdleTicks >= 3) {
        HideDashkeep();
    }
}
