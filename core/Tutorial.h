// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Offers the tutorial in the tutorial viewer; a missing viewer or file is
// ignored.

namespace Tutorial {

void Show();

}  // namespace Tutorial
