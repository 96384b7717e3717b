// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/ProgramFolder.h"

QString programFolder() { return qEnvironmentVariable("K98_BIN_DIR", QStringLiteral(K98_BUILT_BIN_DIR)); }
