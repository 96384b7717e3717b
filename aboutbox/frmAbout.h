// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The animated About box: a program's picture, name, version, credit line,
// comment, web page and e-mail address; the web page and the address are
// links. When the form's Tag says "animation", its first activation flies the
// contents in from the right, one control after the other.

#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/Shape.h"
#include "runtime/forms/DialogForm.h"

#include <vector>

namespace glintbox {

class frmAbout : public rt::DialogForm {
    Q_OBJECT
public:
    frmAbout();

    // Declared in the order of the form's control collection.
    rt::CommandButton cmdOK;
    rt::Line Line2;
    rt::Line Line1;
    rt::Shape shpPict2;
    rt::Shape shpPict;
    rt::Label lblComment;
    rt::Shape shpCover;
    rt::Image imgCover;
    rt::Label lblEmail2;
    rt::Label lblEmail;
    rt::Label lblWebsite2;
    rt::Label lblWebsite;
    rt::Label lblAuthor;
    rt::Label lblVersion;
    rt::Label lblProgramName;
    rt::Image imgPict;

    // The control collection: its order is the order of the fly-in, and the
    // first control lies on top of the others.
    const std::vector<rt::Control*>& Controls() const { return mControls; }

    // Shows or hides every control of the collection.
    void setAllVisible(bool visible);
    // Frames the picture with the two rectangles and the two highlight lines
    // just inside its right and bottom edges.
    void framePicture();
    // The version follows the program name on the same line.
    void placeVersion();

    void DoAnimation();
    // Both links back to plain text.
    void ClearLinks();

protected:
    void Form_Activate() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void createControls();
    void wireEvents();
    void frameRectangles();
    void placeHighlightLines(const rt::Control& frame);
    void parkControls(int32_t parkedLeft);
    void flyIn(rt::Control& control);
    void flyInCover();
    void bringPictureIn();
    void showStep();

    static void highlightLink(rt::Label& link);
    static void VisitWeb(const QString& address);
    static void WriteEmail(const QString& address);

    void cmdOK_Click();

    std::vector<rt::Control*> mControls;
};

}  // namespace glintbox
