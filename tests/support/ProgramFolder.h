// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the tests find the built program folder: its data files and its
// component libraries.

#include <QString>

// The folder ctest names; a test run by hand gets the one it was built with.
QString programFolder();
