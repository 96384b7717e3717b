// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tutorial viewer: the outside component that shows "Tutorial.lib".
// A host creates it late bound, by class id or ProgID, and makes these calls
// in this order:
//
//   setProperty("Title", text)           the window's title
//   setProperty("Chapter", LastChapter)  the last page to show, counted from
//                                        1; 0 or less shows every page
//   setProperty("File", path)            full path of the tutorial file
//   setProperty("Code", FormatCode)      the format version the host's file
//                                        is written in
//   invoke("Show")                       shows the pages in a modal window and
//                                        returns when it is closed; answers
//                                        whether a window was shown
//
// Show shows nothing when the file is missing, malformed, or declares another
// format version than Code: an old viewer never misreads a newer file. The
// file format is described in TutorialFile.h. Property and method names are
// matched without regard to case.

#include <QUuid>

namespace tutorview {

inline constexpr QUuid ClassId{0x3022c653, 0x2030, 0x4375, 0x86, 0x3f, 0xda, 0x84, 0x17, 0x01, 0x54, 0x26};
inline constexpr QUuid InterfaceId{0xff6f1b6f, 0xeb6f, 0x4a87, 0x9e, 0xe8, 0xc5, 0x23, 0x5c, 0xde, 0x36, 0x18};
inline constexpr char ProgId[] = "tutorview.CTutorial";

inline constexpr char TitleProperty[] = "Title";
inline constexpr char ChapterProperty[] = "Chapter";
inline constexpr char FileProperty[] = "File";
inline constexpr char CodeProperty[] = "Code";
inline constexpr char ShowMethod[] = "Show";

// What the program passes: its tour is five pages long, written in the first
// version of the format.
inline constexpr int LastChapter = 5;
inline constexpr int FormatCode = 1;

}  // namespace tutorview
