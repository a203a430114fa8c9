#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without the entity reference file the program says where it looked and ends.
source "$(dirname "$0")/lib.sh"

start_program
box=$(wait_window '^Błąd') || fail "no message box"
screenshot missing_reference_file
point_at "$box"
xdotool key Return
wait_exit "$GUARD_TENTHS" 1 || fail "program still running"
echo "ok"
