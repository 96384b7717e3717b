// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Telling the user that what they changed could not be written to the
// settings file: a message box while the bar runs, one line on stderr always.

#include <QString>

namespace SaveFailure {

// The reason for an errno, in plain words.
QString reasonFor(int error);

// Tells of a failed write of the settings file at path; when the program is
// ending there is no one left to read a box, so only the line is written.
void tell(const QString& path, int error, bool ending);

}  // namespace SaveFailure
