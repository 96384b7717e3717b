// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's size, place, colours and position check.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/MWindow.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"

#include <limits>

using namespace rt;

namespace {

// A stored position: a whole number of twips; text that is not a number, or
// one beyond 32 bits, counts as 0.
int32_t storedWholeNumber(const QString& key)
{
    int64_t value = 0;
    if (!mMain::toWholeNumber(mMain::GetSetting(QStringLiteral("Setting"), key, QStringLiteral("0")), value))
        return 0;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(value);
}

const QString kTooFarAbove = QStringLiteral(" is shown too far above the screen. You will not be able to see ");
const QString kTooFarBelow = QStringLiteral(" is shown too far underneath the screen. You will not be able to see ");
const QString kNotWithin = QStringLiteral(" is not shown within the screen. You will not be able to see ");
const QString kCorrectIt =
    QStringLiteral(" if you don't correct this problem. Do you want to correct this problem now?");

// Asks whether to bring the bar back; true on Yes, after saying it was done.
bool offerCorrection(const QString& problem)
{
    Beep();
    const QString& name = mMain::ProductName;
    if (MsgBox(name + problem + name + kCorrectIt, vbYesNo | vbExclamation, name) != vbYes)
        return false;
    Beep();
    MsgBox(QStringLiteral("The problem was corrected."), vbInformation, name);
    return true;
}

// The bar's place along the axis it may leave the screen by, put back at the
// edge it went past when the user agrees.
int32_t correctedPosition(int32_t pos, int32_t size, int32_t screenSize, const QString& beforeStart,
                          const QString& pastEnd)
{
    if (pos <= -size) {
        if (offerCorrection(beforeStart))
            return 0;
    } else if (pos >= screenSize) {
        if (offerCorrection(pastEnd))
            return screenSize - size;
    }
    return pos;
}

}  // namespace

void frmMain::SetFormPosition()
{
    mPositionKnown = false;
    Move(Screen::Width() + 60, Screen::Height() + 60);
    fitToScreen();
    placeCaption();
    const int32_t position = storedPosition();
    RepositionItems();
    parkAt(position);
    WarnFormPosition();
}

void frmMain::fitToScreen()
{
    if (mMain::IsHorizontal())
        Move(Left(), Top(), Screen::Width(), 450);
    else
        Move(Left(), Top(), 450, Screen::Height());
}

void frmMain::placeCaption()
{
    if (mMain::IsHorizontal()) {
        Label1.setCaption(QStringLiteral(" Kestrel 98 "));
        Label1.Move(Width() - Label1.Width() - 150 + mMain::ItemOffset, Height() - 345);
    } else {
        Label1.setCaption(QStringLiteral("98"));
        Label1.Move(105, Height() - Label1.Height() - 180 + mMain::ItemOffset);
    }
}

int32_t frmMain::storedPosition() const
{
    return storedWholeNumber(mMain::IsHorizontal() ? QStringLiteral("Top") : QStringLiteral("Left"));
}

void frmMain::parkAt(int32_t position)
{
    mPosition = position;
    mPositionKnown = true;
    setBackground();
    if (mMain::IsHorizontal())
        setTop(position);
    else
        setLeft(position);
    HideDashkeep();
}

void frmMain::ScreenChanged()
{
    MWindow::ForceHideGroup();
    RefreshSettings(mMain::IsHorizontal());
    // In Edit Mode the bar does not park: it stays out on its new monitor.
    if (mMain::EditMode) {
        if (mMain::IsHorizontal())
            setLeft(0);
        else
            setTop(0);
    }
}

void frmMain::setMaskColor()
{
    auto color = double(qbColor(13));
    const QString stored = mMain::GetSetting(QStringLiteral("Setting"), QStringLiteral("MaskColor"));
    double parsed = 0;
    if (!stored.isEmpty() && mMain::toColorNumber(stored, parsed))
        color = parsed;
    mMain::MaskColor = color;
}

void frmMain::getLabelColor()
{
    mColorExit = -2147483627.0;
    mColorEnter = -2147483628.0;
    double parsed = 0;
    if (mMain::toColorNumber(mMain::GetSetting(QStringLiteral("Setting"), QStringLiteral("Color_mouseEnter"),
                                               QStringLiteral("-2147483628")),
                             parsed))
        mColorEnter = parsed;
    if (mMain::toColorNumber(mMain::GetSetting(QStringLiteral("Setting"), QStringLiteral("Color_mouseExit"),
                                               QString::number(int64_t(mColorExit))),
                             parsed))
        mColorExit = parsed;
}

void frmMain::SetLabels() { Label1.setForeColor(static_cast<int64_t>(mColorExit)); }

int32_t frmMain::capacity() const
{
    if (mMain::IsHorizontal())
        return (Screen::Width() - Label1.Width() - 660) / 330;
    return (Screen::Height() - Label1.Height() - 660) / 330;
}

void frmMain::RepositionItems()
{
    storeItems();
    // Until the stored list is read back whole (a capacity message may come
    // first), the buttons hold only part of it.
    mRowShown = false;
    for (int i = 0; i <= mMain::ItemCount; ++i) {
        if (!ItemImg.exists(i))
            continue;
        ItemImg[i].setVisible(false);
        ItemImg[i].Tag.clear();
    }
    getAllItems();
    mRowShown = true;
}

// Asked whenever no part of the bar would be on its monitor: a bar a few
// pixels beyond an edge is lost as surely as one far away.
void frmMain::WarnFormPosition()
{
    const bool horizontal = mMain::IsHorizontal();
    if (!horizontal && mMain::Direction != QLatin1String("top") && mMain::Direction != QLatin1String("bottom"))
        return;
    const int32_t pos = horizontal ? correctedPosition(Top(), Height(), Screen::Height(), kTooFarAbove, kTooFarBelow)
                                   : correctedPosition(Left(), Width(), Screen::Width(), kNotWithin, kNotWithin);
    const bool moved = pos != (horizontal ? Top() : Left());
    if (horizontal)
        setTop(pos);
    else
        setLeft(pos);
    mPosition = pos;
    mPositionPx = pos / 15;
    // Brought back, the bar keeps its new place; a start alone writes nothing.
    if (moved)
        storePosition();
}
