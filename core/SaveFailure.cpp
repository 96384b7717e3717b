// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SaveFailure.h"

#include "core/mMain.h"
#include "runtime/forms/Interaction.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace SaveFailure {

QString reasonFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("the disk is full");
    case EROFS: return QStringLiteral("the disk it is on is read-only");
    case EACCES:
    case EPERM: return QStringLiteral("the file or its folder is read-only");
    case ENOTDIR: return QStringLiteral("a file stands where its folder should be");
    case EINVAL: return QStringLiteral("it is no plain file the bar can read");
    default: return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

void tell(const QString& path, int error, bool ending)
{
    const QString reason = reasonFor(error);
    std::fprintf(stderr, "kestrel2: could not save the settings to %s: %s\n", qPrintable(path), qPrintable(reason));
    if (ending)
        return;
    rt::MsgBox(QStringLiteral("%1 could not save your change to \"%2\": %3.\n\nThe change is kept while the bar "
                              "runs, and saved as soon as the file can be written again.")
                   .arg(mMain::ProductName, path, reason),
               rt::vbOKOnly | rt::vbExclamation, mMain::ProductName);
}

}  // namespace SaveFailure
