// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's shared state: the globals the forms share, the settings
// readers that fill them, and the one orientation test every window uses.

#include <cstdint>
#include <QString>

class frmMain;
class frmGroup;
class frmToolTip;
class MenuForm;
namespace rt {
class CommandButton;
}

namespace mMain {

// The application name under which every setting and list is stored.
inline const QString AppName = QStringLiteral("Dash97");
// The product's name as the user sees it.
inline const QString ProductName = QStringLiteral("Kestrel 98");

// Mode and row state.
inline bool EditMode = false;
inline int ItemCount = 0;  // highest index of the bar's buttons
inline int GroupItemCount = 0;  // highest index of the group window's buttons; -1 when empty
inline int InsertIndex = 0;
inline int SelectedIndex = 0;
inline int GroupInsertIndex = 0;
inline int GroupSelectedIndex = 0;
inline bool GroupVisible = false;
inline int GroupSelected = -1;
inline bool SettingsPending = false;
// Another program's window that had the keyboard before the bar took it; it
// gets the keyboard back when the bar parks. 0 for none.
inline quint64 KeyboardOwnerBefore = 0;

// The program folder, always ending with "/".
inline QString ProgramFolder;

// Filled by the settings readers.
inline int16_t Speed = 100;
inline bool ShowOnMove = false;
inline bool ShowTip = true;
inline bool SmartSlide = false;
inline QString Direction = QStringLiteral("right");
inline bool DirectionForward = true;
inline int ItemOffset = 0;
inline bool ButtonLook = false;
inline QString SoundFile;
inline bool GroupOnClick = true;
inline double MaskColor = 0xFF00FF;

// The forms, loaded once at start-up.
inline frmMain* MainForm = nullptr;
inline frmGroup* GroupForm = nullptr;
inline frmToolTip* ToolTipForm = nullptr;
inline MenuForm* Menus = nullptr;

// The hidden buttons the windows press on each other.
inline rt::CommandButton* cmdShowGroup = nullptr;
inline rt::CommandButton* cmdHideGroup = nullptr;
inline rt::CommandButton* cmdForceHide = nullptr;
inline rt::CommandButton* cmdHideBar = nullptr;
inline rt::CommandButton* cmdShowProp = nullptr;

// Readers of section "Setting": each sets its variables from the store.
void getSpeed();
void getBehavior();
void getShowTip();
void getSmartSlide();
void getDirection();
void getAppearance();
void getSound();
void getGroupSetting();
// All of the readers above, in their order.
void readBarSettings();

// True for a bar that runs left to right ("right" or "left").
bool IsHorizontal();

// Settings of this application.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue = QString());
void SaveSetting(const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& section, const QString& key);

// Conversions as the readers apply them: a whole number (fractions rounded
// half to even, like the stored single-precision positions) or nothing when
// the text is not a number.
bool toWholeNumber(const QString& text, int64_t& value);
bool toDouble(const QString& text, double& value);
// A colour number: a number within the signed 32-bit range colours are
// stored in; larger ones are no colour.
bool toColorNumber(const QString& text, double& value);

}  // namespace mMain
