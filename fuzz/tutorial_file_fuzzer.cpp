// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tutorial.lib sits in the program folder, where anyone who installs may edit it.
#include "tutorview/TutorialFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tutorview::TutorialFile::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), 1);
    return 0;
}
