// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings dialog: ten tabbed pages over the keys of section "Setting".
// It reads the store when it is about to show and writes every key on OK;
// Cancel writes nothing.

#include "runtime/controls/CheckBox.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/ControlArray.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/OptionButton.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/controls/TabControl.h"
#include "runtime/controls/TextBox.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/DialogForm.h"

namespace kestrel98 {

class frmSettingEx : public rt::DialogForm {
    Q_OBJECT
public:
    frmSettingEx();

    rt::TabControl SSTab1;
    rt::ControlArray<rt::PictureBox> Picture1;  // one page per tab
    rt::CommandButton cmdOK;
    rt::CommandButton cmdCancel;
    rt::CommonDialog CmDialog;

    // Explanations 0 to 9 (one per page) and the captions of the fields.
    rt::ControlArray<rt::Label> Label1;

    rt::OptionButton OptClick, OptMove;  // Behavior
    rt::OptionButton optNoMove, OptVeryFast, OptFast, OptSlow;  // Speed
    rt::OptionButton OptToolTip, OptNoToolTip;  // Tooltip
    rt::ControlArray<rt::OptionButton> optSlideDirection;  // Direction
    rt::ControlArray<rt::OptionButton> optSmartSlide;  // Smart Slide
    rt::CommandButton cmdNormalState, cmdMouseOver;  // Colors
    rt::Label lblSample, lblSample2;
    rt::CheckBox chkUseBg;  // Picture
    rt::TextBox txtBgPict;
    rt::CommandButton cmdBrowsePict;
    rt::ControlArray<rt::OptionButton> OptAppearence;  // Appearence
    rt::CheckBox chkSoundFile;  // Sound
    rt::TextBox txtSoundFile;
    rt::CommandButton cmdSoundBrowse;
    rt::ControlArray<rt::OptionButton> OptGroup;  // Group

    // Sets the controls from the stored values; options the stored value does
    // not name keep their selection.
    void applyStoredValues();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPage(int index, const QString& caption, const QString& explanation, int32_t explanationHeight);
    void createBehaviorPages();
    void createColorPage();
    void createFilePages();
    void createLookPages();
    rt::OptionButton& placeOption(rt::OptionButton& option, int page, const QString& name, int32_t top,
                                  const QString& caption);
    rt::Label& createFieldLabel(int index, int page, int32_t left, int32_t top, const QString& caption);
    void connectHandlers();
    void applyStoredBehavior();
    void applyStoredColors();
    void applyStoredLook();
    QString chosenSpeed() const;
    void setTabOrderOfPages();
    void showCurrentPage();

    void SSTab1_Click();
    void chkUseBg_Click();
    void chkSoundFile_Click();
    void EnableSoundControls(bool enabled);
    void browseFile(rt::TextBox& box, const QString& filter);
    void cmdBrowsePict_Click();
    void cmdSoundBrowse_Click();
    void cmdNormalState_Click();
    void cmdMouseOver_Click();
    void lblSample_MouseMove();
    void restorePreview();
    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace kestrel98
