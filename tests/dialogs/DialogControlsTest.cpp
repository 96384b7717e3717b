// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The runtime controls the dialogs are made of.

#include "DialogTestSupport.h"

#include "runtime/controls/CheckBox.h"
#include "runtime/controls/ComboBox.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/OptionButton.h"
#include "runtime/controls/TabControl.h"
#include "runtime/controls/TextBox.h"
#include "runtime/forms/DialogForm.h"

#include <gtest/gtest.h>
#include <QTest>

namespace {

TEST(CheckBox, ClickFollowsEveryChangeOfValueAndNoOther)
{
    rt::CheckBox box;
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.setValue(rt::vbChecked);
    box.setValue(rt::vbChecked);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.Value(), rt::vbChecked);
    box.click();  // the user
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(box.Value(), rt::vbUnchecked);
}

TEST(OptionButton, OneSelectedPerContainerAndFalseClearsIt)
{
    QWidget page, otherPage;
    rt::OptionButton a(&page), b(&page), c(&otherPage);
    int clicksOfB = 0;
    b.Click = [&] { ++clicksOfB; };
    a.setValue(true);
    c.setValue(true);
    b.setValue(true);
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(c.Value());  // another container, another group
    EXPECT_EQ(clicksOfB, 1);

    b.setValue(false);
    EXPECT_FALSE(a.Value());
    EXPECT_FALSE(b.Value());
    a.setValue(true);
    EXPECT_TRUE(a.Value());
    EXPECT_FALSE(b.Value());
}

TEST(ComboBox, TypedTextNeverJoinsTheListAndPickingRaisesClick)
{
    rt::ComboBox combo;
    combo.AddItem("one");
    combo.AddItem("two");
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    combo.setText("typed");
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.Text(), "typed");
    EXPECT_EQ(clicks, 0);

    combo.setCurrentIndex(1);
    emit combo.activated(1);
    EXPECT_EQ(combo.Text(), "two");
    EXPECT_EQ(clicks, 1);
}

TEST(TabControl, ClicksAndArrowKeysChooseTheTab)
{
    rt::TabControl tabs;
    tabs.Move(0, 0, 4575, 2415);
    tabs.setTabs(10);
    tabs.setTabsPerRow(5);
    QList<int> chosen;
    tabs.Click = [&] { chosen << tabs.Tab(); };

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(6).center());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(6).center());  // no change
    QTest::keyClick(&tabs, Qt::Key_Right);
    tabs.setTab(0);
    QTest::keyClick(&tabs, Qt::Key_Left);  // wraps round
    EXPECT_EQ(chosen, QList<int>({6, 7, 0, 9}));
}

class DialogKeys : public ::testing::Test {
protected:
    DialogKeys() : ok(&form), cancel(&form), other(&form), text(&form)
    {
        form.setClientSize(3000, 2000);
        form.setDefaultButton(ok);
        form.setCancelButton(cancel);
        form.setTabOrder({&text, &other, &ok, &cancel});
        ok.Click = [this] { pressed << "ok"; };
        cancel.Click = [this] { pressed << "cancel"; };
        other.Click = [this] { pressed << "other"; };
        form.Show();
        activate(&form);
    }

    rt::DialogForm form;
    rt::CommandButton ok, cancel, other;
    rt::TextBox text;
    QStringList pressed;
};

TEST_F(DialogKeys, EnterPressesTheDefaultButtonAndEscTheCancelButton)
{
    EXPECT_TRUE(ok.isDefault());
    EXPECT_TRUE(cancel.Cancel);
    EXPECT_EQ(form.focusWidget(), &text);  // first in the tab order
    QTest::keyClick(&text, Qt::Key_Return);
    QTest::keyClick(&text, Qt::Key_Escape);
    EXPECT_EQ(pressed, QStringList({"ok", "cancel"}));
}

TEST_F(DialogKeys, EnterOnAFocusedButtonPressesThatButton)
{
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_Return);
    EXPECT_EQ(pressed, QStringList({"other"}));
}

TEST_F(DialogKeys, DisabledDefaultButtonIsNotPressed)
{
    ok.setEnabled(false);
    QTest::keyClick(&text, Qt::Key_Return);
    EXPECT_TRUE(pressed.isEmpty());
}

TEST_F(DialogKeys, CloseBoxPressesCancelAndKeepsTheFormLoaded)
{
    form.Load();
    cancel.Click = [this] {
        pressed << "cancel";
        form.Hide();
    };
    form.close();
    EXPECT_EQ(pressed, QStringList({"cancel"}));
    EXPECT_TRUE(form.Loaded());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(DialogKeys, LabelAccessKeyMovesTheFocusToItsControl)
{
    rt::Label label(&form);
    label.setCaption("&Name");
    form.setAccessKey(label, text);
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), &text);
}

TEST_F(DialogKeys, TabFollowsTheGivenOrder)
{
    const auto chain = focusChain(&text, 4);
    EXPECT_EQ(chain, (std::vector<QWidget*>{&text, &other, &ok, &cancel}));
}

}  // namespace
