// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The input box: an icon, a prompt that widens the box when it is long, a
// one-line text box, OK and Cancel. OK hides the box with the text as typed;
// Cancel, Esc and the close box hide it with the text cleared.

#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/TextBox.h"
#include "runtime/forms/DialogForm.h"

namespace plainbox {

class frmInput : public rt::DialogForm {
    Q_OBJECT
public:
    frmInput();

    rt::Image imgIcon;
    rt::Label Prompt;
    rt::TextBox Text;
    rt::CommandButton Command1;
    rt::CommandButton Command2;

    // "" empties the icon; a file that holds no picture leaves it as it is.
    void setIcon(const QString& file);
    // Sets the prompt; one too wide for the box widens it, up to the
    // screen's width, and every line of it is shown.
    void setPrompt(const QString& prompt);
    // Selects the whole text, if there is any, so that typing replaces it.
    void selectText();

private:
    void createControls();
    void fitToPrompt();
    void wrapPromptToScreen();
    void makeRoomForPromptLines();

    void Command1_Click();
    void Command2_Click();
};

}  // namespace plainbox
