#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distribution checks besides the package itself: the AppStream
# metainfo validates and names this version's release, both desktop entries
# validate, the manual page renders without a warning, and every file of the
# project carries its copyright and licence (REUSE).
set -uo pipefail
: "${K98_SOURCE_DIR:?K98_SOURCE_DIR must name the source folder}"
: "${K98_VERSION:?K98_VERSION must name the project version}"
packaging=$K98_SOURCE_DIR/packaging
id=example.kestrel98.Kestrel98
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

metainfo=$packaging/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "the metainfo does not validate"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's component id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$K98_VERSION\"" "$metainfo" || fail "the metainfo has no release $K98_VERSION"
for entry in "$packaging/$id.desktop" "$packaging/$id-autostart.desktop"; do
    desktop-file-validate "$entry" || fail "$(basename "$entry") does not validate"
done
echo "metainfo and desktop entries validate"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$packaging/kestrel2.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about kestrel2.1: $warnings"
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$packaging/kestrel2.1" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS" WAYLAND "SEE ALSO"; do
    grep -qx "$section" <<<"$page" || fail "the manual page has no $section section"
done
for option in --show --hide --toggle --help --version; do
    grep -q "^ *$option" <<<"$page" || fail "the manual page does not describe $option"
done
echo "the manual page renders without a warning"

if report=$(reuse --root "$K98_SOURCE_DIR" lint 2>&1); then
    echo "reuse lint: compliant"
else
    echo "$report"
    fail "reuse lint finds files without copyright or licence"
fi
exit "$failed"
