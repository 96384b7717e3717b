// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the tests of the standard dialogs share: files made for them and the
// box shown through the scripted platform.

#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WhileShown.h"
