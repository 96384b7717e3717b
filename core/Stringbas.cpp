// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Stringbas.h"

namespace Stringbas {

QString GetFileName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString StripIconPart(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1String("|:"));
    return at < 0 ? text : text.left(at);
}

}  // namespace Stringbas
