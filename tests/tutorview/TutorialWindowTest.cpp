// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tutorial window: paging through the pages with "< Back" and "Next >",
// and "Close".

#include "tutorview/TutorialWindow.h"
#include "tests/support/AccessibleFaults.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using tutorview::TutorialFile;
using tutorview::TutorialWindow;

namespace {

QList<TutorialFile::Page> threePages()
{
    return {
        {QStringLiteral("One"), {QStringLiteral("First."), QStringLiteral("Second.")}},
        {QStringLiteral("Two"), {QStringLiteral("Middle.")}},
        {QStringLiteral("Three"), {QStringLiteral("<i>Last</i>.")}},
    };
}

class TutorialWindowPaging : public ::testing::Test {
protected:
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
    QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    TutorialWindow window{QStringLiteral("Kestrel 98"), threePages()};
};

}  // namespace

TEST_F(TutorialWindowPaging, OpensOnTheFirstPage)
{
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrel 98"));
    EXPECT_EQ(button("backButton")->text(), QStringLiteral("< Back"));
    EXPECT_EQ(button("nextButton")->text(), QStringLiteral("Next >"));
    EXPECT_EQ(button("closeButton")->text(), QStringLiteral("Close"));
    EXPECT_EQ(label("pageTitle"), QStringLiteral("One"));
    EXPECT_EQ(label("pageText"), QStringLiteral("First.\n\nSecond."));
    EXPECT_EQ(label("pageNumber"), QStringLiteral("Page 1 of 3"));
    EXPECT_FALSE(button("backButton")->isEnabled());
    EXPECT_TRUE(button("nextButton")->isEnabled());
}

TEST_F(TutorialWindowPaging, IsADialogAScreenReaderCanRead)
{
    window.show();
    EXPECT_EQ(accessibleFaultsOf(window), QStringList());
}

TEST_F(TutorialWindowPaging, NextAndBackTurnThePagesWithinTheirEnds)
{
    window.show();
    click("nextButton");
    EXPECT_EQ(label("pageTitle"), QStringLiteral("Two"));
    EXPECT_TRUE(button("backButton")->isEnabled());
    EXPECT_TRUE(button("nextButton")->isEnabled());

    click("nextButton");
    EXPECT_EQ(label("pageTitle"), QStringLiteral("Three"));
    EXPECT_EQ(label("pageText"), QStringLiteral("<i>Last</i>."));
    EXPECT_EQ(label("pageNumber"), QStringLiteral("Page 3 of 3"));
    EXPECT_FALSE(button("nextButton")->isEnabled());
    click("nextButton");
    EXPECT_EQ(window.currentPage(), 2);

    click("backButton");
    click("backButton");
    EXPECT_EQ(label("pageTitle"), QStringLiteral("One"));
    EXPECT_FALSE(button("backButton")->isEnabled());
}
