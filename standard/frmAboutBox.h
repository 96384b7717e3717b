// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The plain About box: an icon, the program name, a copyright line, a
// comment and OK, which hides the box. An icon taken from a program is drawn
// on the form itself, where the icon image stands.

#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/forms/DialogForm.h"
#include "standard/MultiLineTextBox.h"

namespace plainbox {

class frmAboutBox : public rt::DialogForm {
    Q_OBJECT
public:
    frmAboutBox();

    rt::Image imgIcon;
    rt::Label labAbout;
    rt::Label labCopyright;
    MultiLineTextBox txtComment;
    rt::CommandButton cmdOK;

    // From an icon file, or from a program file when the name ends in
    // ".exe" (any case); "" shows no icon. A path that does not exist, or a
    // file that holds no picture, leaves the icon as it is.
    void setIcon(const QString& path);

protected:
    void Form_Load() override;

private:
    void createControls();
    void cmdOK_Click();
};

}  // namespace plainbox
