# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced first by the tests that mount file systems: runs the test again in
# a private mount namespace (as root, or through an unprivileged user
# namespace), so that its mounts are its own and end with it. Skips the test
# (status 77) where neither is possible.
if [ -z "${K98_PRIVATE_MOUNTS:-}" ]; then
    export K98_PRIVATE_MOUNTS=1
    if unshare -m true 2>/dev/null; then
        exec unshare -m --propagation private bash "$0" "$@"
    elif unshare -rm true 2>/dev/null; then
        exec unshare -rm bash "$0" "$@"
    fi
    echo "SKIP: no private mount namespace here"
    exit 77
fi
