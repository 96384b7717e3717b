// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/frmInput.h"

#include "platform/files/GuardedFile.h"
#include "runtime/forms/Interaction.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace plainbox {

namespace {

constexpr int32_t WidestPromptThatFits = 2300;
constexpr int32_t FormBeyondPrompt = 1470;
constexpr int32_t TextBeyondPrompt = 240;
constexpr int32_t CancelFromRight = 1245;
constexpr int32_t OKFromRight = 2325;
// Where the controls under the prompt stand when it has one line.
constexpr int32_t PromptBottom = 450;
constexpr int32_t TextTop = 630;
constexpr int32_t ButtonsTop = 1130;
constexpr int32_t FormHeight = 1650;
// Room for the window's frame beside a box as wide as the screen.
constexpr int32_t FrameAllowance = 240;

// The layout arithmetic is 16-bit: a value out of that range is no value.
std::optional<int16_t> as16Bit(int32_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

}  // namespace

frmInput::frmInput() : imgIcon(this), Prompt(this), Text(this), Command1(this), Command2(this)
{
    setCaption(QStringLiteral("InputBox"));
    setClientSize(3270, 1650);
    createControls();
    setDefaultButton(Command1);
    setCancelButton(Command2);
    setTabOrder({&Text, &Command1, &Command2});

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void frmInput::createControls()
{
    const QFont arial = rt::pointFont(QStringLiteral("Arial"), 8.25);
    place(imgIcon, QStringLiteral("imgIcon"), 200, 200, 480, 480);
    imgIcon.setAccessibleName(QStringLiteral("Icon"));
    place(Prompt, QStringLiteral("Prompt"), 840, 240, 495, 210);
    Prompt.setLabelFont(arial);
    Prompt.setCaption(QStringLiteral("Prompt"));
    Prompt.setAutoSize(true);
    place(Text, QStringLiteral("Text"), 960, 630, 2175, 315);
    Text.setFont(arial);
    place(Command1, QStringLiteral("Command1"), 1080, 1130, 975, 375);
    Command1.setCaption(QStringLiteral("&OK"));
    place(Command2, QStringLiteral("Command2"), 2160, 1130, 975, 375);
    Command2.setCaption(QStringLiteral("&Cancel"));
}

void frmInput::setIcon(const QString& file)
{
    if (file.isEmpty()) {
        imgIcon.setPicture(QPixmap());
        return;
    }
    const QPixmap picture = QPixmap::fromImage(platform::loadGuardedImage(file));
    if (!picture.isNull())
        imgIcon.setPicture(picture);
}

void frmInput::setPrompt(const QString& prompt)
{
    Prompt.setWordWrap(false);
    Prompt.setCaption(prompt);
    nameByLabel(Prompt, Text);
    wrapPromptToScreen();
    fitToPrompt();
    makeRoomForPromptLines();
}

void frmInput::wrapPromptToScreen()
{
    // The box may grow only as wide as the screen, so that OK and Cancel stay
    // on it: a prompt wider than that wraps onto more lines instead.
    const int32_t widest = rt::Screen::Width() - FormBeyondPrompt - FrameAllowance;
    if (!Prompt.AutoSize() || Prompt.Width() <= widest)
        return;
    Prompt.setWidth(std::max(widest, WidestPromptThatFits));
    Prompt.setWordWrap(true);
}

void frmInput::makeRoomForPromptLines()
{
    const int32_t extra = std::max(0, Prompt.Top() + Prompt.Height() - PromptBottom);
    Text.setTop(TextTop + extra);
    Command1.setTop(ButtonsTop + extra);
    Command2.setTop(ButtonsTop + extra);
    setClientSize(Width(), FormHeight + extra);
}

void frmInput::fitToPrompt()
{
    // A shorter prompt leaves the box as wide as its last use made it.
    const std::optional<int16_t> promptWidth = as16Bit(Prompt.Width());
    if (!promptWidth || *promptWidth <= WidestPromptThatFits)
        return;
    if (const auto formWidth = as16Bit(*promptWidth + FormBeyondPrompt))
        setClientSize(*formWidth, Height());
    if (const auto textWidth = as16Bit(*promptWidth + TextBeyondPrompt))
        Text.setWidth(*textWidth);
    const int32_t formWidth = Width();
    Command2.setLeft(formWidth - CancelFromRight);
    Command1.setLeft(formWidth - OKFromRight);
}

void frmInput::selectText()
{
    const QString text = Text.Text();
    if (!text.isEmpty())
        Text.setSelection(0, int(text.size()));
}

void frmInput::Command1_Click() { Hide(); }

void frmInput::Command2_Click()
{
    Hide();
    Text.setText(QString());
}

}  // namespace plainbox
