#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the software centres' metadata pass their validators
# with nothing to say: no override, no warning, not even an info.
set -euo pipefail
DIST="$1/dist"
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || exit 77

report=$(desktop-file-validate "$DIST/pl.zefirant.Zefirant.desktop" 2>&1) || true
[ -z "$report" ] || { echo "$report" >&2; exit 1; }
appstreamcli validate --pedantic --strict --no-net "$DIST/pl.zefirant.Zefirant.metainfo.xml"
