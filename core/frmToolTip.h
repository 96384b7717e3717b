// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tip window: one label on the system's tooltip colours, loaded once and
// shown by the tooltip module.

#include "runtime/controls/Label.h"
#include "runtime/controls/Timer.h"
#include "runtime/forms/Form.h"

class frmToolTip : public rt::Form {
    Q_OBJECT
public:
    explicit frmToolTip(QWidget* parent = nullptr);
    ~frmToolTip() override;

    rt::Label lblToolTip{this};
    rt::Timer Timer1{this};

    // Shows text in the label and fits the window around it.
    void setTipText(const QString& text);
    // The desktop's tooltip colours, read afresh for every tip.
    void setTipColors();

    // The pointer lies inside the tip's item button.
    bool MouseOnControl() const;
    // Tips come up whichever window is active.
    bool WindowIsActive() const { return true; }

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void chooseFont();
    void lblToolTip_MouseMove(int Button, int Shift, float X, float Y);
    void Timer1_Timer();

    bool mFontChosen = false;
};
