// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmToolTip.h"

#include "core/mMain.h"
#include "core/MTooltip.h"
#include "runtime/controls/Control.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"
#include "runtime/SystemLook.h"
#include "runtime/Twips.h"

#include <QFontDatabase>

using namespace rt;

frmToolTip::frmToolTip(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("frmToolTip"));
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
    setClippedToScreen(true);
    lblToolTip.Move(30, 15, 0, 0);
    lblToolTip.setAutoSize(true);
    Timer1.setInterval(10);
    Timer1.setEnabled(false);
    Timer1.Tick = [this] { Timer1_Timer(); };
    lblToolTip.MouseMove = [this](int Button, int Shift, float X, float Y) {
        lblToolTip_MouseMove(Button, Shift, X, Y);
    };
    mMain::ToolTipForm = this;
}

frmToolTip::~frmToolTip()
{
    if (mMain::ToolTipForm == this)
        mMain::ToolTipForm = nullptr;
}

void frmToolTip::Form_Load() { Hide(); }

// Chosen for the first tip rather than at loading: listing the installed
// families reads every font the system has.
void frmToolTip::chooseFont()
{
    if (mFontChosen)
        return;
    mFontChosen = true;
    // The first of these families the system has, the program's own dialog
    // faces included; fontconfig substitutes a look-alike for each when none
    // is installed by that name.
    rt::ensureDialogFonts();
    const QStringList installed = QFontDatabase::families();
    QString family = QStringLiteral("MS Sans Serif");
    for (const char* candidate : {"Tahoma", "Arial"}) {
        if (installed.contains(QLatin1String(candidate))) {
            family = QLatin1String(candidate);
            break;
        }
    }
    lblToolTip.setLabelFont(pointFont(family, 8.25));
}

namespace {
// Room around the label: its offset from the window's corner and as much
// again past its far sides.
constexpr int32_t LabelMarginWidth = 90;
constexpr int32_t LabelMarginHeight = 60;

// No screen shows more of a one-line tip; measuring megabytes of text would
// hold the bar up for seconds.
constexpr qsizetype LongestTipShown = 2000;
}  // namespace

void frmToolTip::setTipText(const QString& text)
{
    chooseFont();
    lblToolTip.setAutoSize(true);
    lblToolTip.setCaption(text.size() > LongestTipShown ? text.left(LongestTipShown) + QChar(0x2026) : text);
    Move(Left(), Top(), lblToolTip.Width() + LabelMarginWidth, lblToolTip.Height() + LabelMarginHeight);
}

void frmToolTip::setTipColors()
{
    setBackColor(vbInfoBackground);
    lblToolTip.setForeColor(vbInfoText);
}

bool frmToolTip::MouseOnControl() const
{
    const Control* control = MTooltip::liveTipControl();
    const Form* form = control ? control->parentForm() : nullptr;
    if (!form)
        return false;
    const int32_t x = toTwips(CursorX());
    const int32_t y = toTwips(CursorY());
    const int32_t left = control->Left() + form->Left();
    const int32_t top = control->Top() + form->Top();
    return left < x && x < left + control->Width() && top < y && y < top + control->Height();
}

void frmToolTip::Form_MouseMove(int, int, float, float) { MTooltip::CancelTip(); }

void frmToolTip::lblToolTip_MouseMove(int, int, float, float) { MTooltip::CancelTip(); }

void frmToolTip::Timer1_Timer() { MTooltip::TimerTick(); }
