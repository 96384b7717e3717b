// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox/frmAbout.h"

#include "platform/Platform.h"
#include "runtime/OleColor.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace glintbox {

namespace {

constexpr int64_t LinkHoverColor = 0x008000;  // dark green
constexpr int32_t FrameInset = 15;  // the inner frame and the lines, one pixel in
constexpr int32_t VersionGap = 150;
constexpr int32_t ParkingGap = 300;  // parked controls wait this far right of the form
constexpr int StepsPerControl = 5;
constexpr auto StepPause = std::chrono::milliseconds(10);

QFont tahoma(double points, bool bold = false) { return rt::pointFont(QStringLiteral("Tahoma"), points, bold); }

// T - T / 5 x j: the control's Left with j steps still to go. The default
// floating-point rounding mode rounds halves to the even number.
int32_t leftWithStepsToGo(int32_t finalLeft, int stepsToGo)
{
    return static_cast<int32_t>(std::nearbyint(finalLeft - finalLeft / double(StepsPerControl) * stepsToGo));
}

bool isLine(const rt::Control* control) { return dynamic_cast<const rt::Line*>(control); }

bool isShape(const rt::Control* control) { return dynamic_cast<const rt::Shape*>(control); }

bool isImage(const rt::Control* control) { return dynamic_cast<const rt::Image*>(control); }

void setControlVisible(rt::Control& control, bool visible) { control.widget()->setVisible(visible); }

}  // namespace

frmAbout::frmAbout()
    : cmdOK(this), Line2(this), Line1(this), shpPict2(this), shpPict(this), lblComment(this), shpCover(this),
      imgCover(this), lblEmail2(this), lblEmail(this), lblWebsite2(this), lblWebsite(this), lblAuthor(this),
      lblVersion(this), lblProgramName(this),
      imgPict(this), mControls{&cmdOK,     &Line2,      &Line1,          &shpPict2, &shpPict,     &lblComment,
                               &shpCover,  &imgCover,   &lblEmail2,      &lblEmail, &lblWebsite2, &lblWebsite,
                               &lblAuthor, &lblVersion, &lblProgramName, &imgPict}
{
    setCaption(QStringLiteral("About..."));
    setClientSize(5910, 3300);
    createControls();
    // Later widgets paint over earlier ones; the collection's first is on top.
    for (auto control = mControls.rbegin(); control != mControls.rend(); ++control)
        (*control)->widget()->raise();
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);
    setTabOrder({&cmdOK});
    wireEvents();
}

void frmAbout::createControls()
{
    place(cmdOK, QStringLiteral("cmdOK"), 4560, 2790, 1215, 375);
    cmdOK.setCaption(QStringLiteral("&OK"));

    Line2.Name = QStringLiteral("Line2");
    Line2.setEnds(720, 1080, 1200, 1080);
    Line2.setBorderColor(rt::vb3DHighlight);
    Line2.hide();
    Line1.Name = QStringLiteral("Line1");
    Line1.setEnds(1200, 960, 720, 960);
    Line1.setBorderColor(rt::vb3DHighlight);
    Line1.hide();

    place(shpPict2, QStringLiteral("shpPict2"), 840, 1920, 375, 735);
    shpPict2.setBorderColor(rt::vbButtonShadow);
    place(shpPict, QStringLiteral("shpPict"), 120, 120, 615, 615);
    shpPict.setBorderColor(rt::vbButtonFace);

    place(lblComment, QStringLiteral("lblComment"), 1560, 1920, 4095, 615);
    lblComment.setLabelFont(tahoma(8.25));
    lblComment.setWordWrap(true);
    place(shpCover, QStringLiteral("shpCover"), 1455, 1815, 4305, 825);
    shpCover.setBorderColor(rt::vbButtonFace);
    place(imgCover, QStringLiteral("imgCover"), 1440, 1800, 4335, 855);

    const struct {
        rt::Label& label;
        const char* name;
        int32_t left, top, width, height;
        QFont font;
        const char* caption;
    } labels[] = {
        {lblEmail2, "lblEmail2", 2400, 1320, 600, 195, tahoma(8.25), ""},
        {lblEmail, "lblEmail", 1560, 1320, 465, 195, tahoma(8.25), "Email: "},
        {lblWebsite2, "lblWebsite2", 2400, 960, 825, 195, tahoma(8.25), ""},
        {lblWebsite, "lblWebsite", 1560, 960, 690, 195, tahoma(8.25), "Website: "},
        {lblAuthor, "lblAuthor", 1560, 600, 645, 195, tahoma(8.25), ""},
        {lblVersion, "lblVersion", 4440, 120, 795, 210, tahoma(9), ""},
        {lblProgramName, "lblProgramName", 1320, 120, 1485, 210, tahoma(9, true), ""},
    };
    for (const auto& entry : labels) {
        place(entry.label, QString::fromLatin1(entry.name), entry.left, entry.top, entry.width, entry.height);
        entry.label.setLabelFont(entry.font);
        entry.label.setCaption(QString::fromLatin1(entry.caption));
        entry.label.setAutoSize(true);
    }
    lblEmail2.setCursor(Qt::PointingHandCursor);
    lblWebsite2.setCursor(Qt::PointingHandCursor);
    lblEmail2.setAccessibleDescription(QStringLiteral("Writes an email"));
    lblWebsite2.setAccessibleDescription(QStringLiteral("Opens the website"));

    place(imgPict, QStringLiteral("imgPict"), 120, 120, 1095, 2535);
    imgPict.setAccessibleName(QStringLiteral("Picture"));
}

void frmAbout::wireEvents()
{
    cmdOK.Click = [this] { cmdOK_Click(); };
    lblWebsite2.Click = [this] { VisitWeb(lblWebsite2.Caption()); };
    lblEmail2.Click = [this] { WriteEmail(lblEmail2.Caption()); };
    lblWebsite2.MouseMove = [this](int, int, float, float) { highlightLink(lblWebsite2); };
    lblEmail2.MouseMove = [this](int, int, float, float) { highlightLink(lblEmail2); };
    imgPict.MouseMove = [this](int, int, float, float) { ClearLinks(); };
    lblComment.MouseMove = [this](int, int, float, float) { ClearLinks(); };
}

void frmAbout::setAllVisible(bool visible)
{
    for (rt::Control* control : mControls)
        setControlVisible(*control, visible);
}

void frmAbout::frameRectangles()
{
    shpPict.Move(imgPict.Left(), imgPict.Top(), imgPict.Width(), imgPict.Height());
    shpPict2.Move(imgPict.Left() + FrameInset, imgPict.Top() + FrameInset, imgPict.Width() - 2 * FrameInset,
                  imgPict.Height() - 2 * FrameInset);
}

void frmAbout::placeHighlightLines(const rt::Control& frame)
{
    const int32_t right = frame.Left() + frame.Width();
    const int32_t bottom = frame.Top() + frame.Height();
    Line1.setEnds(right - FrameInset, frame.Top(), right - FrameInset, bottom);
    Line1.show();
    Line2.setEnds(frame.Left(), bottom - FrameInset, right, bottom - FrameInset);
    Line2.show();
}

void frmAbout::framePicture()
{
    frameRectangles();
    placeHighlightLines(imgPict);
}

void frmAbout::placeVersion() { lblVersion.setLeft(lblProgramName.Left() + lblProgramName.Width() + VersionGap); }

void frmAbout::Form_Activate()
{
    // Only the first activation after Show animates.
    if (Tag != QLatin1String("animation"))
        return;
    Tag.clear();
    DoAnimation();
}

void frmAbout::DoAnimation()
{
    parkControls(Width() + ParkingGap);
    for (rt::Control* control : mControls) {
        if (control == &imgCover)
            flyInCover();
        else if (control == &imgPict)
            bringPictureIn();
        // Shapes come with their image, lines with the picture.
        else if (!isLine(control) && !isShape(control) && !isImage(control))
            flyIn(*control);
    }
}

void frmAbout::parkControls(int32_t parkedLeft)
{
    for (rt::Control* control : mControls) {
        if (isLine(control)) {
            setControlVisible(*control, false);
            continue;
        }
        control->Tag = QString::number(control->Left());
        control->setLeft(parkedLeft);
        setControlVisible(*control, true);
    }
}

void frmAbout::flyIn(rt::Control& control)
{
    const int32_t finalLeft = control.Tag.toInt();
    for (int stepsToGo = StepsPerControl - 1; stepsToGo >= 0; --stepsToGo) {
        control.setLeft(leftWithStepsToGo(finalLeft, stepsToGo));
        showStep();
    }
}

void frmAbout::flyInCover()
{
    const int32_t finalLeft = imgCover.Tag.toInt();
    for (int stepsToGo = StepsPerControl - 1; stepsToGo >= 0; --stepsToGo) {
        imgCover.hide();
        shpCover.hide();
        imgCover.setLeft(leftWithStepsToGo(finalLeft, stepsToGo));
        shpCover.Move(imgCover.Left() + FrameInset, imgCover.Top() + FrameInset, imgCover.Width() - 2 * FrameInset,
                      imgCover.Height() - 2 * FrameInset);
        imgCover.show();
        shpCover.show();
        showStep();
    }
}

void frmAbout::bringPictureIn()
{
    imgPict.hide();
    shpPict.hide();
    imgPict.setLeft(imgPict.Tag.toInt());
    frameRectangles();
    // Here the lines follow the inner frame, so they end up one pixel further
    // in than after a plain Show.
    placeHighlightLines(shpPict2);
    imgPict.show();
    shpPict.show();
    showStep();
}

void frmAbout::showStep()
{
    // The pause alone would let the user see nothing but the end.
    repaint();
    std::this_thread::sleep_for(StepPause);
}

void frmAbout::highlightLink(rt::Label& link)
{
    if (!link.font().underline()) {
        QFont underlined = link.font();
        underlined.setUnderline(true);
        link.setLabelFont(underlined);
    }
    if (link.ForeColor() != LinkHoverColor)
        link.setForeColor(LinkHoverColor);
}

void frmAbout::ClearLinks()
{
    for (rt::Label* link : {&lblWebsite2, &lblEmail2}) {
        QFont plain = link->font();
        plain.setUnderline(false);
        link->setLabelFont(plain);
        link->setForeColor(rt::vbButtonText);
    }
}

void frmAbout::Form_MouseMove(int, int, float, float) { ClearLinks(); }

void frmAbout::VisitWeb(const QString& address) { platform::services().shellOpen(address); }

void frmAbout::WriteEmail(const QString& address)
{
    platform::services().shellOpen(QStringLiteral("mailto:") + address);
}

void frmAbout::cmdOK_Click() { Unload(); }

}  // namespace glintbox
