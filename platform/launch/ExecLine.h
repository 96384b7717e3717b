// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Exec= value of a desktop entry turned into a command line, by its
// quoting rules and field codes. No files or URLs are handed over, so %f %F
// %u %U expand to nothing.

#include <optional>
#include <QStringList>

namespace platform {

// What the field codes %i, %c and %k stand for.
struct ExecContext {
    QString icon;  // %i: "--icon" and this, when not empty
    QString name;  // %c: the entry's name in the user's language
    QString entryFile;  // %k: the entry's own location
};

// Program and arguments of an unescaped Exec value; nothing when the value
// is invalid: empty, a quote left open, an unknown field code or a lone "%".
std::optional<QStringList> expandExec(const QString& exec, const ExecContext& context = {});

}  // namespace platform
