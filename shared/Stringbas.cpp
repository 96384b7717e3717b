// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared/Stringbas.h"

namespace shared {

QString StrBefore(const QString& text, const QString& separator)
{
    const qsizetype at = text.indexOf(separator, 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : text.left(at);
}

QString StrAfter(const QString& text, const QString& separator)
{
    const qsizetype at = text.indexOf(separator, 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : text.mid(at + separator.size());
}

QString StrBetween(const QString& text, const QString& first, const QString& second)
{
    const qsizetype start = text.indexOf(first, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype end = text.indexOf(second, start + 1, Qt::CaseInsensitive);
    const qsizetype from = start + first.size();
    // A second separator that overlaps the first leaves nothing between them.
    if (end < from)
        return {};
    return text.mid(from, end - from);
}

}  // namespace shared
