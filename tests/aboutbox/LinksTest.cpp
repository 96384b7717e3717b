// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page and e-mail links: their hover look, back to plain text when
// the pointer leaves them, and what a click hands to the desktop.

#include "AboutTestSupport.h"

#include "runtime/OleColor.h"

namespace {

using glintbox::frmAbout;

bool looksLikeALink(const rt::Label& label) { return label.font().underline() && label.ForeColor() == 0x008000; }

bool looksPlain(const rt::Label& label) { return !label.font().underline() && label.ForeColor() == rt::vbButtonText; }

using AboutLinks = AboutBoxTest;

TEST_F(AboutLinks, HoverUnderlinesInGreenAndLeavingClearsBothLinks)
{
    show([](frmAbout& form) {
        EXPECT_TRUE(looksPlain(form.lblWebsite2));
        EXPECT_EQ(form.lblWebsite2.cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(form.lblEmail2.cursor().shape(), Qt::PointingHandCursor);

        // Each place the pointer can go on leaving a link.
        QWidget* const elsewhere[] = {&form, &form.imgPict, &form.lblComment};
        for (QWidget* away : elsewhere) {
            hover(form.lblWebsite2);
            hover(form.lblEmail2);
            EXPECT_TRUE(looksLikeALink(form.lblWebsite2));
            EXPECT_TRUE(looksLikeALink(form.lblEmail2));
            hover(*away);
            EXPECT_TRUE(looksPlain(form.lblWebsite2)) << away->objectName().toStdString();
            EXPECT_TRUE(looksPlain(form.lblEmail2)) << away->objectName().toStdString();
        }

        hover(form.lblEmail2);
        form.ClearLinks();
        EXPECT_TRUE(looksPlain(form.lblEmail2));
        form.cmdOK.click();
    });
}

TEST_F(AboutLinks, ClicksOpenTheWebPageAndAMailToTheAddress)
{
    show([](frmAbout& form) {
        click(form.lblWebsite2);
        click(form.lblEmail2);
        click(form.lblWebsite);
        EXPECT_TRUE(form.isVisible());
        form.cmdOK.click();
    });
    EXPECT_EQ(fake.opened, QStringList({"https://kestrel98.example/", "mailto:help@kestrel98.example"}));
}

}  // namespace
