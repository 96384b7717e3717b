// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Item tips: a delayed tip that comes up at the pointer once it has rested
// on an item, and an immediate tip placed at a point the caller chooses (the
// keyboard selection). The tip window's timer drives both through TimerTick.

#include <cstdint>
#include <QString>

namespace rt {
class Control;
class Form;
}  // namespace rt

namespace MTooltip {

inline int16_t TipIndex = -1;  // item whose tip is pending or shown; -1 for none
inline rt::Control* TipControl = nullptr;  // the item button the tip belongs to
inline bool TipVisible = false;
inline bool TipQuick = false;  // a tip was visible when the pointer changed items
inline bool TipImmediate = false;  // the current tip was asked for by ShowTipNow
inline int32_t TipTicks = 0;  // ticks waited for a delayed tip
inline int32_t TipShownTicks = 0;  // ticks the tip has been shown
inline int32_t TipAnchorX = 0;  // twips, screen: where ShowTipNow places its tip
inline int32_t TipAnchorY = 0;
inline bool TipOwnerIsBar = true;  // ShowTipNow's tip belongs to the bar, else to the group window
inline bool TipShowing = false;  // ShowTipNow is letting window events run

// The windows shown again after a tip comes up, so that they stay above the
// tip's desktop neighbours; the bar hands them over at start-up.
void setOwnerWindows(rt::Form* bar, rt::Form* group);

// A delayed tip for the item under the pointer; call on every mouse move
// over the item. index identifies the item across calls.
void RequestTip(rt::Control* button, const QString& text, int16_t index);
// A tip shown at once at TipAnchorX, TipAnchorY; set those and TipOwnerIsBar
// first.
void ShowTipNow(rt::Control* button, const QString& text, int16_t index);
// Forgets the item and hides the tip.
void CancelTip();
// Hides the tip but remembers the item, so it shows no tip again until the
// pointer has been on another item.
void HideTip();

// One tick of the tip window's 10 ms timer.
void TimerTick();

// Move the tip window next to the pointer, or next to the anchor.
void PlaceAtPointer();
void PlaceAtAnchor();

// The tip's button, or nullptr once it has been unloaded.
rt::Control* liveTipControl();

}  // namespace MTooltip
