// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Splitters for the fields of an item string ("target|tip",
// "group|name|:icon"). The separators are found without regard to case.

#include <QString>

namespace shared {

// The text before the first separator; "" when there is none.
QString StrBefore(const QString& text, const QString& separator);
// Everything after the first separator; "" when there is none.
QString StrAfter(const QString& text, const QString& separator);
// The text between the first `first` and the first `second` found from the
// character after the start of `first`; "" when either is missing.
QString StrBetween(const QString& text, const QString& first, const QString& second);

}  // namespace shared
