// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The input box: the prompt's re-layout, the text's selection and what OK,
// Cancel, Esc and the close box leave in Text. All objects share one form, so
// each test sets what it relies on.

#include "StandardTestSupport.h"

#include "standard/CInputBox.h"
#include "standard/frmInput.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

using plainbox::CInputBox;
using plainbox::frmInput;

class InputBox : public ::testing::Test {
protected:
    ~InputBox() override { form.Prompt.setAutoSize(true); }

    void show(const std::function<void(frmInput&)>& act)
    {
        whileShown<frmInput>(fake, act, [this] { input->Show(); });
    }

    // Sets a prompt whose label is exactly `width` twips wide.
    void promptOfWidth(int32_t width)
    {
        form.Prompt.setAutoSize(false);
        form.Prompt.setWidth(width);
        input->setPrompt(QStringLiteral("forced"));
    }

    struct Layout {
        int32_t form, text, ok, cancel;
        bool operator==(const Layout&) const = default;
    };
    Layout layout() const { return {form.Width(), form.Text.Width(), form.Command1.Left(), form.Command2.Left()}; }

    FakePlatform fake;
    rt::ComPtr<CInputBox> input{new CInputBox};
    frmInput& form = input->form();
};

TEST_F(InputBox, PromptsWiderThan2300TwipsWidenTheBox)
{
    const Layout before = layout();
    promptOfWidth(2300);
    EXPECT_EQ(layout(), before);

    promptOfWidth(2301);
    EXPECT_EQ(layout(), (Layout{3771, 2541, 1446, 2526}));
    EXPECT_EQ(form.width(), 3771 / 15) << "the window itself follows";
}

TEST_F(InputBox, ShortPromptAfterLongOneKeepsTheWidth)
{
    input->setPrompt(QStringLiteral("Please type the name under which the new group is stored:"));
    const int32_t promptWidth = form.Prompt.Width();
    ASSERT_GT(promptWidth, 2300);
    EXPECT_EQ(form.Width(), promptWidth + 1470);
    const Layout wide = layout();

    input->setPrompt(QStringLiteral("Name:"));
    EXPECT_EQ(input->Prompt(), "Name:");
    EXPECT_LT(form.Prompt.Width(), 2300);
    EXPECT_EQ(layout(), wide);
}

TEST_F(InputBox, WidthsBeyondSixteenBitsSkipOnlyTheirOwnStep)
{
    promptOfWidth(31297);
    EXPECT_EQ(layout(), (Layout{32767, 31537, 32767 - 2325, 32767 - 1245}));

    promptOfWidth(31298);
    EXPECT_EQ(layout(), (Layout{32767, 31538, 32767 - 2325, 32767 - 1245}))
        << "the box cannot grow, the text box still can";

    promptOfWidth(40000);
    EXPECT_EQ(layout(), (Layout{32767, 31538, 32767 - 2325, 32767 - 1245}))
        << "a prompt too wide to measure changes nothing";
}

TEST_F(InputBox, EveryLineOfAPromptIsShownAndTheBoxStaysOnTheScreen)
{
    input->setPrompt(QStringLiteral("Name:"));
    const int32_t oneLine = form.Prompt.Height();
    const int32_t textTop = form.Text.Top(), okTop = form.Command1.Top(), height = form.Height();

    input->setPrompt(QStringLiteral("Type a name for the new group.\nIt shows on the bar."));
    const int32_t grown = form.Prompt.Height() - oneLine;
    EXPECT_GE(grown, oneLine * 9 / 10) << "the second line has room";
    EXPECT_GE(form.Text.Top(), form.Prompt.Top() + form.Prompt.Height());
    EXPECT_EQ(form.Command1.Top() - okTop, form.Text.Top() - textTop);
    EXPECT_EQ(form.Height() - height, form.Text.Top() - textTop);

    // Far wider than the 1024-pixel screen on one line: it wraps instead.
    input->setPrompt(QStringLiteral("A very long prompt that goes on and on ").repeated(20));
    EXPECT_LE(form.Width(), 1024 * 15);
    EXPECT_LE(form.Command2.Left() + form.Command2.Width(), form.Width());
    EXPECT_GT(form.Prompt.Height(), 3 * oneLine);
    EXPECT_GE(form.Text.Top(), form.Prompt.Top() + form.Prompt.Height());

    input->setPrompt(QStringLiteral("Name:"));
    EXPECT_EQ(form.Prompt.Height(), oneLine);
    EXPECT_EQ(form.Text.Top(), textTop);
}

TEST_F(InputBox, ShowSelectsTheWholeTextSoTypingReplacesIt)
{
    for (const QString& initial : {QStringLiteral("abc"), QStringLiteral("old name")}) {
        input->setText(initial);
        show([&](frmInput& f) {
            EXPECT_EQ(f.Text.selectedText(), initial);
            EXPECT_EQ(f.Text.selectionStart(), 0);
            QTest::keyClicks(&f.Text, QStringLiteral("new"));
            f.Command1.click();
        });
        EXPECT_EQ(input->Text(), "new");
    }

    input->setText(QString());
    show([](frmInput& f) {
        EXPECT_FALSE(f.Text.hasSelectedText());
        f.Command1.click();
    });
    EXPECT_EQ(input->Text(), "");
}

TEST_F(InputBox, OkAndEnterKeepTheTextCancelEscAndCloseClearIt)
{
    const struct {
        const char* how;
        std::function<void(frmInput&)> close;
        QString text;
    } endings[] = {
        {"OK", [](frmInput& f) { f.Command1.click(); }, "typed"},
        {"Enter", [](frmInput& f) { QTest::keyClick(&f.Text, Qt::Key_Return); }, "typed"},
        {"Cancel", [](frmInput& f) { f.Command2.click(); }, ""},
        {"Esc", [](frmInput& f) { QTest::keyClick(&f.Text, Qt::Key_Escape); }, ""},
        {"close box", [](frmInput& f) { f.close(); }, ""},
    };
    for (const auto& ending : endings) {
        input->setText(QStringLiteral("typed"));
        show([&](frmInput& f) {
            ending.close(f);
            EXPECT_FALSE(f.isVisible()) << ending.how;
        });
        EXPECT_EQ(input->Text(), ending.text) << ending.how;
        EXPECT_TRUE(form.Loaded()) << ending.how;
    }
    EXPECT_EQ(fake.modalWindows.size(), 5);
}

TEST_F(InputBox, ObjectsShareTheOneFormAndItsTexts)
{
    input->SetInfo(QStringLiteral("Rename"), QString(), QStringLiteral("New name:"), QStringLiteral("Tools"));
    input.reset();
    rt::ComPtr<CInputBox> next(new CInputBox);
    EXPECT_EQ(&next->form(), &form);
    EXPECT_EQ(next->Caption(), "Rename");
    EXPECT_EQ(next->Prompt(), "New name:");
    EXPECT_EQ(next->Text(), "Tools");
    input = std::move(next);
}

TEST_F(InputBox, IconFromAFileNoneForEmptyAndKeptForAMissingFile)
{
    QTemporaryDir dir;
    const QString icon = dir.filePath(QStringLiteral("ask.ico"));
    ASSERT_TRUE(writeIcon(icon, Qt::green));

    input->SetInfo(QStringLiteral("Ask"), icon, QStringLiteral("Name:"), QString());
    EXPECT_EQ(form.imgIcon.Picture().toImage().pixelColor(16, 16), QColor(Qt::green));

    input->SetInfo(QStringLiteral("Again"), dir.filePath(QStringLiteral("gone.ico")), QStringLiteral("Other:"),
                   QStringLiteral("x"));
    EXPECT_EQ(form.imgIcon.Picture().toImage().pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(input->Caption(), "Again");
    EXPECT_EQ(input->Prompt(), "Other:");
    EXPECT_EQ(input->Text(), "x");

    input->setIcon(QString());
    EXPECT_TRUE(form.imgIcon.Picture().isNull());
}

TEST_F(InputBox, AnIconThatIsAPipeOrADeviceGivesNoPictureAtOnce)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.ico"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.ico"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& path : {pipe, zero}) {
        input->setIcon(QString());
        input->SetInfo(QStringLiteral("Ask"), path, QStringLiteral("Name:"), QString());
        EXPECT_TRUE(form.imgIcon.Picture().isNull()) << path.toStdString();
    }
}

}  // namespace
