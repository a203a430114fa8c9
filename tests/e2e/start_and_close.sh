#!/usr/bin/env bash
# The program starts from its folder, shows its main window, and closing it
# through the "Plik" menu writes the settings file beside the executable.
source "$(dirname "$0")/lib.sh"

with_reference_files
start_program
main=$(wait_window '^Aktualizacja podmiotów dla pasma 80M') || fail "main window"
wait_window '^Zefirant - wszystkie potwierdzone' >/dev/null || fail "summary window"
screenshot start

# "Plik", then the last item "&Koniec".
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 20)) $((Y + 10)) click 1
sleep 0.5
xdotool key Up Return
wait_exit || fail "close"
grep -q '^Szerokosc nazwy=167' "$PROGRAM_DIR/zefirant.ini" || fail "settings file"
grep -q '^Y=226' "$PROGRAM_DIR/zefirant.ini" || fail "window position"
echo "ok"
