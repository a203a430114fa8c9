#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts from its folder, shows its main window, and closing it
# through the "Plik" menu writes the settings file beside the executable.
source "$(dirname "$0")/lib.sh"

with_reference_files
start_program
main=$(wait_window '^Aktualizacja podmiotów dla pasma 80M') || fail "main window"
wait_window '^Zefirant - wszystkie potwierdzone' >/dev/null || fail "summary window"
screenshot start

close_through_menu "$main"
grep -q '^Szerokosc nazwy=167' "$PROGRAM_DIR/zefirant.ini" || fail "settings file"
grep -q '^Y=226' "$PROGRAM_DIR/zefirant.ini" || fail "window position"
echo "ok"
