# SPDX-License-Identifier: GPL-3.0-or-later
# The batch commands of the real binary with no display at all: no DISPLAY,
# no WAYLAND_DISPLAY and no QT_QPA_PLATFORM in the environment.
source "$(dirname "$0")/../support/script_lib.sh"
BINARY="$1"
SOURCE_DIR="$2"
portable_program "$BINARY" "$SOURCE_DIR"

# As from a scheduled job: not even XDG_RUNTIME_DIR, of which Qt would warn.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$WORK/zefirant" "$@" \
        >"$WORK/out" 2>"$WORK/err"
}

# A station data file of SP9XYZ: USA confirmed on 20 m, zone 5 on 80 m.
{
    station_header SP9XYZ
    printf '291| |K    |United States of America;;;;;;;;;W1AW;2024-05-01;QSL;;;;;;;;;\r\n'
    printf '===========================================\r\n'
    for zone in $(seq 40); do
        if [ "$zone" = 5 ]; then
            printf '     |5    |K;K5ZZ;2024-05-02;QSL;;;;;;;;;;;;;;;;;\r\n'
        else
            printf ';;;;;;;;;;;;;;;;;;;;\r\n'
        fi
    done
} >"$WORK/stacja.csv"

run --summary "$WORK/stacja.csv" || fail "--summary ended with $?"
grep -qx '       80m          1         15          0         15' "$WORK/out" || fail "80m row"
grep -qx '       20m          0          0          1          1' "$WORK/out" || fail "20m row"
grep -qx 'Suma punktów: 16' "$WORK/out" || fail "points"

[ ! -s "$WORK/err" ] || fail "--summary wrote to standard error"

# Painting the printout needs fonts, not a display, and Qt says nothing.
run --print-pdf "$WORK/zestawienie.pdf" "$WORK/stacja.csv" || fail "--print-pdf ended with $?"
head -c 5 "$WORK/zestawienie.pdf" | grep -q '%PDF-' || fail "no PDF"
[ ! -s "$WORK/err" ] || fail "--print-pdf wrote to standard error"

# So does the progress chart, at its full size.
run --chart "$WORK/wykres.png" "$WORK/stacja.csv" || fail "--chart ended with $?"
file "$WORK/wykres.png" | grep -q 'PNG image data, 1200 x 700,' || fail "chart picture size"

printf '<EOH>\r\n<CALL:5>SP1AA <QSO_DATE:8>20240101 <BAND:3>40M <DXCC:3>291 <CQZ:1>5 <QSL_RCVD:1>Y <EOR>\r\n' \
    >"$WORK/log.adi"
run --import "$WORK/log.adi" "$WORK/stacja.csv" || fail "--import ended with $?"
grep -q ';SP1AA;2024-01-01;QSL;' "$WORK/stacja.csv" || fail "import not saved"
[ -f "$WORK/bledy_dxcc.txt" ] || fail "no error list beside the executable"

run --summary || status=$?
[ "${status:-0}" = 2 ] || fail "wrong usage ended with ${status:-0}"
grep -q '^Użycie:' "$WORK/err" || fail "no usage text"
# The windows need a display: without one the program says so in Polish,
# names the batch commands, and ends with status 1 rather than Qt's abort.
status=0
run "$WORK/stacja.csv" || status=$?
[ "$status" = 1 ] || fail "the window program without a display ended with $status"
grep -q '^zefirant: brak ekranu' "$WORK/err" || fail "no Polish reason"
grep -q 'zefirant --help' "$WORK/err" || fail "the batch commands are not named"
! grep -qi 'qt\|plugin' "$WORK/err" || fail "Qt's own words"
echo "batch commands ran without a display"
