// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Splitting item strings. None of these fails; a missing separator gives "".

#include "shared/Stringbas.h"

#include <QString>

namespace Stringbas {

// The splitters the dialog libraries carry too.
using shared::StrAfter;
using shared::StrBefore;
using shared::StrBetween;
// The part after the last "/"; the whole path when it holds none.
QString GetFileName(const QString& path);
// A group's name and icon ("Tools|:/icons/t.ico") without the icon part.
QString StripIconPart(const QString& text);

}  // namespace Stringbas
