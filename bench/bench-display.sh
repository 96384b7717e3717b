# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the benchmarks that drive the real bar: a scratch folder, a
# private 1280x800 Xvfb with openbox, and a private settings folder. Source
# it; it sets work, pids, DISPLAY, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and
# stops what was started in pids when the script ends.
work=$(mktemp -d /tmp/k98-bench.XXXXXX)
pids=()
trap '[ "$BASHPID" != "$$" ] || { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"; }' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../tools/private-display.sh"
start_private_display 1280x800
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Dash97" && chmod 700 "$XDG_RUNTIME_DIR"
