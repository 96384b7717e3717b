// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings form's controls and their places.

#include "dialogs/frmSettingEx.h"

#include "runtime/accessibility/Accessibility.h"
#include "runtime/OleColor.h"

#include <QEvent>

namespace kestrel98 {

namespace {

constexpr int PageCount = 10;
constexpr int32_t PageWidth = 4215;
constexpr int32_t ExplanationLeft = 120, ExplanationTop = 120, ExplanationWidth = 3975;
constexpr int32_t OptionLeft = 240, OptionWidth = 3735, OptionHeight = 255;
constexpr int32_t OneLine = 255, TwoLines = 420, FourLines = 810;

// Moves a control onto a page; it shows whenever the page does.
void putOnPage(rt::Control& control, rt::PictureBox& page)
{
    control.widget()->setParent(&page);
    control.widget()->show();
}

}  // namespace

frmSettingEx::frmSettingEx() : SSTab1(this), cmdOK(this), cmdCancel(this)
{
    setCaption(QStringLiteral("Kestrel 98 Property"));
    setClientSize(4815, 3120);
    createControls();
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    setTabOrderOfPages();
    connectHandlers();
}

void frmSettingEx::createControls()
{
    place(SSTab1, QStringLiteral("SSTab1"), 120, 120, 4575, 2415);
    SSTab1.setTabs(PageCount);
    SSTab1.setTabsPerRow(5);
    SSTab1.setFont(rt::pointFont(QStringLiteral("Tahoma"), 8.25));

    Picture1.setFactory([this](int) { return std::make_unique<rt::PictureBox>(this); });
    Label1.setFactory([](int) { return std::make_unique<rt::Label>(); });
    createBehaviorPages();
    createColorPage();
    createFilePages();
    createLookPages();

    place(cmdOK, QStringLiteral("cmdOK"), 2400, 2640, 1095, 375);
    cmdOK.setCaption(QStringLiteral("&OK"));
    place(cmdCancel, QStringLiteral("cmdCancel"), 3600, 2640, 1095, 375);
    cmdCancel.setCaption(QStringLiteral("&Cancel"));
}

void frmSettingEx::createPage(int index, const QString& caption, const QString& explanation, int32_t explanationHeight)
{
    SSTab1.setTabCaption(index, caption);
    rt::PictureBox& page = Picture1.Load(index);
    page.widget()->setObjectName(QStringLiteral("Picture1(%1)").arg(index));
    page.Name = QStringLiteral("Picture1");
    page.setAccessibleName(rt::spokenCaption(caption));
    rt::Label& label = Label1.Load(index);
    putOnPage(label, page);
    place(label, QStringLiteral("Label1(%1)").arg(index), ExplanationLeft, ExplanationTop, ExplanationWidth,
          explanationHeight);
    label.setCaption(explanation);
    label.setWordWrap(true);
}

rt::OptionButton& frmSettingEx::placeOption(rt::OptionButton& option, int page, const QString& name, int32_t top,
                                            const QString& caption)
{
    putOnPage(option, Picture1[page]);
    place(option, name, OptionLeft, top, OptionWidth, OptionHeight);
    option.setCaption(caption);
    return option;
}

rt::Label& frmSettingEx::createFieldLabel(int index, int page, int32_t left, int32_t top, const QString& caption)
{
    rt::Label& label = Label1.Load(index);
    putOnPage(label, Picture1[page]);
    place(label, QStringLiteral("Label1(%1)").arg(index), left, top, 1215, 195);
    label.setCaption(caption);
    return label;
}

void frmSettingEx::createBehaviorPages()
{
    createPage(0, QStringLiteral("Behavior"), QStringLiteral("Choose when Kestrel 98 will be shown."), OneLine);
    placeOption(OptClick, 0, QStringLiteral("OptClick"), 480, QStringLiteral("Show when clicking on it"))
        .setValue(true);
    placeOption(OptMove, 0, QStringLiteral("OptMove"), 780, QStringLiteral("Show when cursor is on top of it"));

    createPage(1, QStringLiteral("Speed "), QStringLiteral("Choose how fast Kestrel 98 will be shown."), OneLine);
    placeOption(optNoMove, 1, QStringLiteral("optNoMove"), 450, QStringLiteral("No animation"));
    placeOption(OptVeryFast, 1, QStringLiteral("OptVeryFast"), 720, QStringLiteral("Very fast"));
    placeOption(OptFast, 1, QStringLiteral("OptFast"), 990, QStringLiteral("Fairly fast"));
    placeOption(OptSlow, 1, QStringLiteral("OptSlow"), 1260, QStringLiteral("Slow")).setValue(true);

    createPage(2, QStringLiteral("Tooltip "),
               QStringLiteral("Choose whether Kestrel 98 should display \"tooltips\" when the cursor "
                              "is on an item."),
               TwoLines);
    placeOption(OptToolTip, 2, QStringLiteral("OptToolTip"), 660, QStringLiteral("Display tooltips")).setValue(true);
    placeOption(OptNoToolTip, 2, QStringLiteral("OptNoToolTip"), 960, QStringLiteral("Do not display tooltips"));

    createPage(3, QStringLiteral("Direction "), QStringLiteral("Choose the direction from which Kestrel 98 slides. "),
               OneLine);
    optSlideDirection.setFactory([](int) { return std::make_unique<rt::OptionButton>(); });
    const QString directions[] = {QStringLiteral("From right to left"), QStringLiteral("From left to right"),
                                  QStringLiteral("From top to bottom"), QStringLiteral("From bottom to top")};
    for (int i = 0; i < 4; ++i)
        placeOption(optSlideDirection.Load(i), 3, QStringLiteral("optSlideDirection(%1)").arg(i), 450 + 270 * i,
                    directions[i]);
    optSlideDirection[1].setValue(true);

    createPage(4, QStringLiteral("Smart Slide "),
               QStringLiteral("Choose the Smart Slide option. If Smart Slide is on, Kestrel 98 adjusts "
                              "its position when sliding so that you can see the entire bar (if it is "
                              "partially hidden).  "),
               FourLines);
    optSmartSlide.setFactory([](int) { return std::make_unique<rt::OptionButton>(); });
    placeOption(optSmartSlide.Load(0), 4, QStringLiteral("optSmartSlide(0)"), 990, QStringLiteral("Use Smart Slide"))
        .setValue(true);
    placeOption(optSmartSlide.Load(1), 4, QStringLiteral("optSmartSlide(1)"), 1260,
                QStringLiteral("Do not use Smart Slide"));
}

void frmSettingEx::createColorPage()
{
    createPage(5, QStringLiteral("Colors "), QStringLiteral("Choose the color of the label \"Kestrel 98\". "), OneLine);
    rt::PictureBox& page = Picture1[5];
    createFieldLabel(10, 5, 240, 510, QStringLiteral("Normal state:"));
    putOnPage(cmdNormalState, page);
    place(cmdNormalState, QStringLiteral("cmdNormalState"), 1440, 480, 375, 255);
    cmdNormalState.setCaption(QStringLiteral("..."));
    nameByLabel(Label1[10], cmdNormalState);

    createFieldLabel(11, 5, 240, 870, QStringLiteral("Mouse Over:"));
    putOnPage(cmdMouseOver, page);
    place(cmdMouseOver, QStringLiteral("cmdMouseOver"), 1440, 840, 375, 255);
    cmdMouseOver.setCaption(QStringLiteral("..."));
    nameByLabel(Label1[11], cmdMouseOver);

    createFieldLabel(12, 5, 240, 1215, QStringLiteral("Preview:"));
    putOnPage(lblSample, page);
    place(lblSample, QStringLiteral("lblSample"), 1440, 1200, 1095, 225);
    lblSample.setLabelFont(rt::pointFont(QStringLiteral("Arial"), 9, true));
    lblSample.setCaption(QStringLiteral("Kestrel 98"));
    lblSample.setForeColor(rt::vb3DDKShadow);

    // Holds the two colours: BackColor the mouse-over one, ForeColor the normal one.
    putOnPage(lblSample2, page);
    place(lblSample2, QStringLiteral("lblSample2"), 3240, 1200, 615, 255);
    lblSample2.setBackColor(rt::vb3DHighlight);
    lblSample2.setForeColor(rt::vb3DDKShadow);
    lblSample2.setVisible(false);
}

void frmSettingEx::createFilePages()
{
    createPage(6, QStringLiteral("Picture "), QStringLiteral("Choose the background picture. "), OneLine);
    rt::PictureBox& picturePage = Picture1[6];
    putOnPage(chkUseBg, picturePage);
    place(chkUseBg, QStringLiteral("chkUseBg"), OptionLeft, 450, OptionWidth, OptionHeight);
    chkUseBg.setCaption(QStringLiteral("Use background picture."));
    createFieldLabel(13, 6, OptionLeft, 840, QStringLiteral("Picture File: "));
    putOnPage(txtBgPict, picturePage);
    place(txtBgPict, QStringLiteral("txtBgPict"), OptionLeft, 1080, 2775, 285);
    txtBgPict.setEnabled(false);
    nameByLabel(Label1[13], txtBgPict);
    putOnPage(cmdBrowsePict, picturePage);
    place(cmdBrowsePict, QStringLiteral("cmdBrowsePict"), 3120, 1065, 975, 315);
    cmdBrowsePict.setCaption(QStringLiteral("Browse..."));
    cmdBrowsePict.setEnabled(false);

    createPage(8, QStringLiteral("Sound "), QStringLiteral("Choose a sound file."), OneLine);
    rt::PictureBox& soundPage = Picture1[8];
    putOnPage(chkSoundFile, soundPage);
    place(chkSoundFile, QStringLiteral("chkSoundFile"), OptionLeft, 450, OptionWidth, OptionHeight);
    chkSoundFile.setCaption(QStringLiteral("Play a sound file when Kestrel 98 is shown."));
    chkSoundFile.setValue(rt::vbChecked);
    createFieldLabel(14, 8, OptionLeft, 840, QStringLiteral("Sound File: "));
    putOnPage(txtSoundFile, soundPage);
    place(txtSoundFile, QStringLiteral("txtSoundFile"), OptionLeft, 1080, 2775, 285);
    nameByLabel(Label1[14], txtSoundFile);
    putOnPage(cmdSoundBrowse, soundPage);
    place(cmdSoundBrowse, QStringLiteral("cmdSoundBrowse"), 3120, 1065, 975, 315);
    cmdSoundBrowse.setCaption(QStringLiteral("Browse..."));
}

void frmSettingEx::createLookPages()
{
    createPage(7, QStringLiteral("Appearence "),
               QStringLiteral("Choose the appearence of an item in Kestrel 98 when the mouse moves "
                              "over it. "),
               TwoLines);
    OptAppearence.setFactory([](int) { return std::make_unique<rt::OptionButton>(); });
    placeOption(OptAppearence.Load(0), 7, QStringLiteral("OptAppearence(0)"), 660, QStringLiteral("No effect"))
        .setValue(true);
    placeOption(OptAppearence.Load(1), 7, QStringLiteral("OptAppearence(1)"), 960,
                QStringLiteral("Make it look like a button"));

    createPage(9, QStringLiteral("Group "), QStringLiteral("Choose how Kestrel 98 handles Group."), OneLine);
    OptGroup.setFactory([](int) { return std::make_unique<rt::OptionButton>(); });
    placeOption(OptGroup.Load(0), 9, QStringLiteral("OptGroup(0)"), 480,
                QStringLiteral("Open group when clicking on it"))
        .setValue(true);
    placeOption(OptGroup.Load(1), 9, QStringLiteral("OptGroup(1)"), 780,
                QStringLiteral("Open group when the mouse moves over it"));
}

void frmSettingEx::setTabOrderOfPages()
{
    setTabOrder({&cmdOK,
                 &cmdCancel,
                 &SSTab1,
                 &OptClick,
                 &OptMove,
                 &optNoMove,
                 &OptVeryFast,
                 &OptFast,
                 &OptSlow,
                 &OptToolTip,
                 &OptNoToolTip,
                 &optSlideDirection[0],
                 &optSlideDirection[1],
                 &optSlideDirection[2],
                 &optSlideDirection[3],
                 &optSmartSlide[0],
                 &optSmartSlide[1],
                 &cmdNormalState,
                 &cmdMouseOver,
                 &chkUseBg,
                 &txtBgPict,
                 &cmdBrowsePict,
                 &OptAppearence[0],
                 &OptAppearence[1],
                 &chkSoundFile,
                 &txtSoundFile,
                 &cmdSoundBrowse,
                 &OptGroup[0],
                 &OptGroup[1]});
}

void frmSettingEx::Form_Load()
{
    for (int i = PageCount - 1; i >= 0; --i) {
        rt::PictureBox& page = Picture1[i];
        page.setBorderStyle(0);
        page.ZOrder(0);
        page.Move(240, 840, PageWidth, 1575);
    }
    showCurrentPage();
    // Everything but the buttons speaks Tahoma, at its own size.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!dynamic_cast<rt::Control*>(child) || dynamic_cast<rt::CommandButton*>(child))
            continue;
        QFont font = child->font();
        font.setFamily(QStringLiteral("Tahoma"));
        child->setFont(font);
    }
}

void frmSettingEx::showCurrentPage()
{
    // The pages lie on top of each other. The covered ones are hidden, not
    // only covered, so that Tab and assistive technologies pass them over.
    for (int i = 0; i < PageCount; ++i)
        Picture1[i].setVisible(i == SSTab1.Tab());
    Picture1[SSTab1.Tab()].ZOrder(0);
}

bool frmSettingEx::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == &cmdNormalState || watched == &cmdMouseOver))
        restorePreview();
    return DialogForm::eventFilter(watched, event);
}

}  // namespace kestrel98
