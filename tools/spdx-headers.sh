#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every source file git knows (C++, shell, Python, CMake) the project's SPDX
# copyright and licence lines at its top, after any #! line; a file that has
# them keeps them once, so the command can run again after new files came in.
# Everything else is covered by .reuse/dep5.
# The whole script is read before it runs: it annotates itself too.
{
    set -euo pipefail
    cd "$(dirname "$0")/.."
    git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' |
        xargs -0 reuse annotate --copyright "Kestrel 98 developers" --license GPL-3.0-or-later --year 2026 \
            >/dev/null
    exit
}
