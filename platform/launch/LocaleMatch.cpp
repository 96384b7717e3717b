// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/LocaleMatch.h"

#include <QtGlobal>

namespace platform {

QStringList localeVariants(const QString& locale)
{
    QString name = locale;
    QString modifier;
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        modifier = name.mid(at);
        name.truncate(at);
    }
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    const QString lang = underscore >= 0 ? name.left(underscore) : name;
    QStringList variants;
    if (underscore >= 0 && !modifier.isEmpty())
        variants << name + modifier;
    if (underscore >= 0)
        variants << name;
    if (!modifier.isEmpty())
        variants << lang + modifier;
    variants << lang;
    return variants;
}

QStringList localeSuffixesToTry()
{
    // gettext's order: LANGUAGE is a list of preferences that overrides the
    // locale categories; of those, LC_ALL overrides LC_MESSAGES, which
    // overrides LANG.
    QString chosen;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        chosen = qEnvironmentVariable(variable);
        if (!chosen.isEmpty())
            break;
    }
    QStringList suffixes;
    for (const QString& locale : chosen.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        suffixes << localeVariants(locale);
    suffixes.removeDuplicates();
    return suffixes;
}

}  // namespace platform
