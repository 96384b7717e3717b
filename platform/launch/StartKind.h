// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whether a file runs as a program or opens as a document. The mode bit alone
// does not say: every file on FAT or NTFS media carries it.

#include <QString>

namespace platform {

enum class StartKind {
    Nothing,  // no such file
    Run,  // a native program, or a script that names its interpreter
    RunWithShell,  // an executable shell script without "#!"
    Open,  // everything else: the desktop's default application
};

StartKind startKindFor(const QString& path);

}  // namespace platform
