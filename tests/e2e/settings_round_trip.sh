#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A settings file naming a station data file: the file is loaded at start,
# and closing writes the settings back with the same file and callsign.
source "$(dirname "$0")/lib.sh"

with_reference_files
semicolons=';;;;;;;;;;;;;;;;;;;;'
station="$WORK/stacja.csv"
{
    printf 'SP9XYZ  01.01.2026;Call-80m\r\n'
    sed 's/\r$//; s/|$//; s/ *$//' "$PROGRAM_DIR/dxcc_adif.mtb" | sed "s/\$/$semicolons\r/"
    printf '===========================================\r\n'
    sed 's/\r$//' "$PROGRAM_DIR/zefirant_zones.mtb" | sed "s/\$/$semicolons\r/"
} >"$station"
printf '[Konfiguracja]\r\nZnak=SP9XYZ\r\nPlik=%s\r\n' "$station" >"$PROGRAM_DIR/zefirant.ini"

start_program
main=$(wait_window '^Zestawienie podmiotów - pasmo 80M') || fail "station not loaded"
screenshot loaded_station
close_through_menu "$main"
grep -q "^Plik=$station" "$PROGRAM_DIR/zefirant.ini" || fail "Plik"
grep -q '^Znak=SP9XYZ' "$PROGRAM_DIR/zefirant.ini" || fail "Znak"
grep -q '^Wszystkie=1' "$PROGRAM_DIR/zefirant.ini" || fail "views"
echo "ok"
