#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page documents every option and environment variable that
# --help names, so that a new option cannot ship without its page.
set -euo pipefail
BINARY="$1"
PAGE="$2/dist/zefirant.1"

help=$("$BINARY" --help)
page=$(sed 's/\\-/-/g' "$PAGE")
names=$(grep -oE -- '--[a-z][a-z-]*[a-z]|ZEFIRANT_[A-Z_]*[A-Z]' <<<"$help" | sort -u)
[ -n "$names" ] || { echo "FAIL: no option found in --help" >&2; exit 1; }
missing=()
for name in $names; do
    grep -qE -- "(^|[^A-Za-z_-])$name([^A-Za-z_-]|\$)" <<<"$page" || missing+=("$name")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: zefirant(1) lacks ${missing[*]}" >&2
    exit 1
fi
echo "ok: $(wc -w <<<"$names") names"
