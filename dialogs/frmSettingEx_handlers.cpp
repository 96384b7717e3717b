// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings form's behaviour: the stored values in and out, the pages,
// the check boxes, file and colour choice and the colour preview.

#include "dialogs/frmSettingEx.h"

#include "runtime/settings/SettingsStore.h"
#include "shared/ShellEx.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <QWidget>

namespace kestrel98 {

namespace {

const QString App = QStringLiteral("Dash97");
const QString Section = QStringLiteral("Setting");
// "Direction" for each of optSlideDirection(0) to (3).
const QString SlideDirections[] = {QStringLiteral("right"), QStringLiteral("left"), QStringLiteral("top"),
                                   QStringLiteral("bottom")};

QString stored(const QString& key, const QString& defaultValue)
{
    return rt::GetSetting(App, Section, key, defaultValue);
}

void store(const QString& key, const QString& value) { rt::SaveSetting(App, Section, key, value); }

// A stored colour: a number, rounded to the nearest whole one (halves to
// even), that fits 32 bits; nothing for any other text.
std::optional<int32_t> colorNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(whole);
}

// Colours are stored as signed 32-bit numbers, system colours negative.
QString colorText(int64_t color) { return QString::number(int32_t(uint32_t(color))); }

}  // namespace

void frmSettingEx::connectHandlers()
{
    SSTab1.Click = [this] { SSTab1_Click(); };
    chkUseBg.Click = [this] { chkUseBg_Click(); };
    chkSoundFile.Click = [this] { chkSoundFile_Click(); };
    cmdBrowsePict.Click = [this] { cmdBrowsePict_Click(); };
    cmdSoundBrowse.Click = [this] { cmdSoundBrowse_Click(); };
    cmdNormalState.Click = [this] { cmdNormalState_Click(); };
    cmdMouseOver.Click = [this] { cmdMouseOver_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };

    lblSample.MouseMove = [this](int, int, float, float) { lblSample_MouseMove(); };
    const auto restore = [this](int, int, float, float) { restorePreview(); };
    Picture1.forEach([&](int, rt::PictureBox& page) { page.MouseMove = restore; });
    Label1.forEach([&](int, rt::Label& label) { label.MouseMove = restore; });
    // Buttons tell the form nothing of the pointer by themselves.
    cmdNormalState.installEventFilter(this);
    cmdMouseOver.installEventFilter(this);
}

void frmSettingEx::applyStoredValues()
{
    applyStoredBehavior();
    applyStoredColors();
    applyStoredLook();
}

void frmSettingEx::applyStoredBehavior()
{
    if (stored(QStringLiteral("Behavior"), QStringLiteral("click")) != QLatin1String("click"))
        OptMove.setValue(true);

    const QString speed = stored(QStringLiteral("Speed"), QStringLiteral("100"));
    if (speed == QLatin1String("300"))
        OptFast.setValue(true);
    else if (speed == QLatin1String("1000"))
        OptVeryFast.setValue(true);
    else if (speed == QLatin1String("30000"))
        optNoMove.setValue(true);

    if (stored(QStringLiteral("ShowTip"), QStringLiteral("yes")) != QLatin1String("yes"))
        OptNoToolTip.setValue(true);

    if (stored(QStringLiteral("SmartSlide"), QStringLiteral("no")) == QLatin1String("no"))
        optSmartSlide[1].setValue(true);

    const QString direction = stored(QStringLiteral("Direction"), QStringLiteral("right"));
    for (int i = 0; i < 4; ++i) {
        if (direction == SlideDirections[i])
            optSlideDirection[i].setValue(true);
    }
}

void frmSettingEx::applyStoredColors()
{
    const QString enter = stored(QStringLiteral("Color_mouseEnter"), QStringLiteral("-2147483628"));
    if (const auto color = colorNumber(enter); !enter.isEmpty() && color)
        lblSample2.setBackColor(*color);
    const QString exit = stored(QStringLiteral("Color_mouseExit"), QStringLiteral("-2147483627"));
    if (const auto color = colorNumber(exit); !exit.isEmpty() && color) {
        lblSample2.setForeColor(*color);
        lblSample.setForeColor(*color);
    }
}

void frmSettingEx::applyStoredLook()
{
    const QString picture = stored(QStringLiteral("BackgroundPicture"), QString());
    if (!picture.isEmpty()) {
        txtBgPict.setText(picture);
        chkUseBg.setValue(rt::vbChecked);
    }

    if (stored(QStringLiteral("Appearance"), QStringLiteral("0")) != QLatin1String("0"))
        OptAppearence[1].setValue(true);

    const QString sound = stored(QStringLiteral("Sound"), QString());
    txtSoundFile.setText(sound);
    chkSoundFile.setValue(sound.isEmpty() ? rt::vbUnchecked : rt::vbChecked);

    if (stored(QStringLiteral("GroupSetting"), QStringLiteral("0")) != QLatin1String("0"))
        OptGroup[1].setValue(true);
}

void frmSettingEx::SSTab1_Click() { showCurrentPage(); }

void frmSettingEx::chkUseBg_Click()
{
    const bool use = chkUseBg.Value() != rt::vbUnchecked;
    txtBgPict.setEnabled(use);
    cmdBrowsePict.setEnabled(use);
}

void frmSettingEx::chkSoundFile_Click() { EnableSoundControls(chkSoundFile.Value() != rt::vbUnchecked); }

void frmSettingEx::EnableSoundControls(bool enabled)
{
    txtSoundFile.setEnabled(enabled);
    cmdSoundBrowse.setEnabled(enabled);
}

void frmSettingEx::browseFile(rt::TextBox& box, const QString& filter)
{
    // Start where the current file is; otherwise where the last browse was.
    if (shared::FileExists(box.Text()))
        CmDialog.InitDir = shared::GetParentFolder(box.Text());
    CmDialog.Filter = filter;
    if (CmDialog.ShowOpen(this))
        box.setText(CmDialog.FileName);
}

void frmSettingEx::cmdBrowsePict_Click()
{
    browseFile(txtBgPict, QStringLiteral("Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*|"));
}

void frmSettingEx::cmdSoundBrowse_Click()
{
    browseFile(txtSoundFile, QStringLiteral("Sound Files (*.wav)|*.wav|All Files (*.*)|*.*|"));
}

void frmSettingEx::cmdNormalState_Click()
{
    CmDialog.Color = lblSample2.ForeColor();
    if (!CmDialog.ShowColor(this))
        return;
    lblSample2.setForeColor(CmDialog.Color);
    lblSample.setForeColor(CmDialog.Color);
}

void frmSettingEx::cmdMouseOver_Click()
{
    CmDialog.Color = lblSample2.BackColor();
    if (CmDialog.ShowColor(this))
        lblSample2.setBackColor(CmDialog.Color);
}

void frmSettingEx::lblSample_MouseMove() { lblSample.setForeColor(lblSample2.BackColor()); }

void frmSettingEx::restorePreview()
{
    if (lblSample.ForeColor() != lblSample2.ForeColor())
        lblSample.setForeColor(lblSample2.ForeColor());
}

QString frmSettingEx::chosenSpeed() const
{
    if (OptVeryFast.Value())
        return QStringLiteral("1000");
    if (OptFast.Value())
        return QStringLiteral("300");
    if (optNoMove.Value())
        return QStringLiteral("30000");
    return QStringLiteral("100");
}

void frmSettingEx::cmdOK_Click()
{
    store(QStringLiteral("Behavior"), OptClick.Value() ? QStringLiteral("click") : QStringLiteral("move"));

    store(QStringLiteral("Speed"), chosenSpeed());

    store(QStringLiteral("ShowTip"), OptToolTip.Value() ? QStringLiteral("yes") : QStringLiteral("no"));
    store(QStringLiteral("SmartSlide"), optSmartSlide[0].Value() ? QStringLiteral("yes") : QStringLiteral("no"));

    // With no direction selected the stored one stays.
    for (int i = 0; i < 4; ++i) {
        if (optSlideDirection[i].Value()) {
            store(QStringLiteral("Direction"), SlideDirections[i]);
            break;
        }
    }

    store(QStringLiteral("Color_mouseEnter"), colorText(lblSample2.BackColor()));
    store(QStringLiteral("Color_mouseExit"), colorText(lblSample2.ForeColor()));
    store(QStringLiteral("BackgroundPicture"), chkUseBg.Value() != rt::vbUnchecked ? txtBgPict.Text() : QString());
    store(QStringLiteral("Appearance"), OptAppearence[0].Value() ? QStringLiteral("0") : QStringLiteral("1"));
    store(QStringLiteral("Sound"), chkSoundFile.Value() != rt::vbUnchecked ? txtSoundFile.Text() : QString());
    store(QStringLiteral("GroupSetting"), OptGroup[0].Value() ? QStringLiteral("0") : QStringLiteral("1"));
    Hide();
}

void frmSettingEx::cmdCancel_Click() { Hide(); }

}  // namespace kestrel98
