// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which of a localized key's variants (Name[de_AT], Name[de], Name) is the
// user's, as desktop entries match them against the locale.

#include <QStringList>

namespace platform {

// The variants of one locale name, best first, its encoding dropped:
// "sr_RS.UTF-8@latin" gives sr_RS@latin, sr_RS, sr@latin, sr. Empty for the
// C and POSIX locales, which take the key without a locale.
QStringList localeVariants(const QString& locale);

// The locale suffixes to try, best first: each language of $LANGUAGE in its
// order when it is set, else the messages locale (LC_ALL, LC_MESSAGES, LANG,
// the first one set), each with its variants.
QStringList localeSuffixesToTry();

}  // namespace platform
