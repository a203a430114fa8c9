#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What only a real X server and a window manager show: a click that
# activates the main window acts on the row under the pointer (without a
# window manager the press arrives before the activation, with one just
# after it); the summary window keeps its place from run to run and comes
# back when it is iconified.
source "$(dirname "$0")/lib.sh"

with_reference_files
STATION="$WORK/SP5ABC.csv"
# Every entity of the delivered list, nothing worked yet.
{
    printf 'SP5ABC  01.01.2026'
    for band in 80 40 20 15 10; do printf ';Call-%sm;Date-%sm;QSL-%sm;Weryf-%sm' \
        $band $band $band $band; done
    printf '\r\n'
    tr -d '\r' <"$PROGRAM_DIR/dxcc_adif.mtb" |
        awk 'NF { line = substr($0, 1, 36); sub(/ +$/, "", line); printf "%s;;;;;;;;;;;;;;;;;;;;\r\n", line }'
    printf '===========================================\r\n'
    tr -d '\r' <"$PROGRAM_DIR/zefirant_zones.mtb" | awk 'NF { printf "%s;;;;;;;;;;;;;;;;;;;;\r\n", $0 }'
} >"$STATION"
# The summary window below the main window, clear of it.
printf '[Konfiguracja]\r\nZnak=SP5ABC\r\nPlik=%s\r\n[Zestawienie]\r\nX=40\r\nY=560\r\n' "$STATION" \
    >"$PROGRAM_DIR/zefirant.ini"

# A click held as a person holds it: a window manager knows of the press
# while it activates the window.
click() {
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
}

# Scrolls the grid far down, makes the summary window the active one, then
# double-clicks a row of the main window and enters a call there. The call
# must land on the row that was under the pointer, not on one of the first
# rows that moving to row 1 would have put there. `quick`: pressed and
# released at once, both before the activation arrives.
enter_call_by_double_click() {
    local call="$1" style="$2" main summary
    main=$(wait_window '^Zestawienie podmiotów - pasmo 80M') || fail "main window"
    summary=$(wait_window '^Zefirant - wszystkie potwierdzone') || fail "summary window"
    client_origin "$main"
    xdotool mousemove $((X + 250)) $((Y + 90))
    click
    xdotool key --delay 20 $(printf 'Down %.0s' $(seq 40))
    client_origin "$summary"
    xdotool mousemove $((X + 200)) $((Y + 100))
    click
    wait_focus "$summary" || fail "the summary window did not become active"
    client_origin "$main"
    xdotool mousemove $((X + 250)) $((Y + 120))
    if [ "$style" = quick ]; then
        xdotool click --repeat 2 --delay 80 1
    else
        click
        sleep 0.1
        click
    fi
    wait_window '^Wprowadzanie danych$' >/dev/null || fail "no data entry dialog"
    screenshot "double-click-$call"
    xdotool type --delay 30 "$call"
    xdotool key Return
    xdotool type --delay 30 20240501
    xdotool key Return Return
    wait_gone '^Wprowadzanie danych$' || fail "the data entry dialog stayed"
    # A window manager gives the keys back to the main window; without one
    # they go to the window under the pointer.
    if [ -n "${WM_PID:-}" ]; then
        wait_focus "$main" || fail "the main window did not become active again"
    fi
    xdotool key ctrl+s
    poll grep -q ";$call;" "$STATION" || true
    local row
    row=$(grep -n ";$call;" "$STATION" | cut -d: -f1) || fail "$call was not saved"
    # Line 1 is the header; the first screenful of rows ends far before 20.
    [ "$row" -gt 21 ] || fail "$call went to entity row $((row - 1)), not to the clicked one"
    close_through_menu "$main"
}

start_program
enter_call_by_double_click SP9BARE quick

# The states xprop saw show the window normal again after it was iconified.
normal_after_iconic() {
    sed -n '/Iconic/,$p' "$1" | grep -q 'window state: Normal'
}

start_window_manager
for run in 1 2 3; do
    start_program
    [ "$run" = 1 ] && enter_call_by_double_click SP9FRAME held && continue
    summary=$(wait_window '^Zefirant - wszystkie potwierdzone') || fail "summary window"
    if [ "$run" = 2 ]; then
        # Iconified anyway, the summary window comes back.
        # Every state the window passes through, from its present one on.
        xprop -spy -id "$summary" WM_STATE >"$WORK/states" 2>&1 &
        spy=$!
        poll grep -q 'window state' "$WORK/states" || true
        xdotool windowminimize "$summary"
        poll normal_after_iconic "$WORK/states" || true
        kill "$spy"
        normal_after_iconic "$WORK/states" ||
            fail "the summary window stayed iconified: $(tr -d '\t' <"$WORK/states")"
        # Asked for a frame without buttons: functions and decorations given.
        xprop -id "$summary" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x6, 0xe,' ||
            fail "frame hints: $(xprop -id "$summary" _MOTIF_WM_HINTS)"
    fi
    screenshot "openbox-run-$run"
    close_through_menu "$(wait_window '^Zestawienie podmiotów - pasmo 80M')"
done
# What was restored is what is stored: three runs leave the same place.
tr -d '\r' <"$PROGRAM_DIR/zefirant.ini" | grep -A2 '^\[Zestawienie\]' | grep -qx 'X=40' ||
    fail "the summary window moved across: $(grep -A2 Zestawienie "$PROGRAM_DIR/zefirant.ini")"
tr -d '\r' <"$PROGRAM_DIR/zefirant.ini" | grep -A2 '^\[Zestawienie\]' | grep -qx 'Y=560' ||
    fail "the summary window moved up: $(grep -A2 Zestawienie "$PROGRAM_DIR/zefirant.ini")"
echo "ok"
