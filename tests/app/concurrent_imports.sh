# SPDX-License-Identifier: GPL-3.0-or-later
# Two batch imports into one station data file at once, again and again:
# the lock keeps their read–change–writes apart, so neither import is lost.
source "$(dirname "$0")/../support/script_lib.sh"
BINARY="$1"
SOURCE_DIR="$2"
portable_program "$BINARY" "$SOURCE_DIR"

station() {
    station_header SP9XYZ
    printf '291| |K    |United States of America;;;;;;;;;;;;;;;;;;;;\r\n'
    printf '===========================================\r\n'
    for zone in $(seq 40); do printf ';;;;;;;;;;;;;;;;;;;;\r\n'; done
}

log() { # call, band
    printf '<EOH>\r\n<CALL:5>%s <QSO_DATE:8>20240101 <BAND:3>%s <DXCC:3>291 <QSL_RCVD:1>Y <EOR>\r\n' \
        "$1" "$2"
}
log SP1AA 40M >"$WORK/a.adi"
log SP2BB 15M >"$WORK/b.adi"

for round in $(seq 10); do
    station >"$WORK/stacja.csv"
    QT_QPA_PLATFORM=offscreen "$WORK/zefirant" --import "$WORK/a.adi" "$WORK/stacja.csv" \
        >/dev/null 2>"$WORK/err-a" &
    a=$!
    QT_QPA_PLATFORM=offscreen "$WORK/zefirant" --import "$WORK/b.adi" "$WORK/stacja.csv" \
        >/dev/null 2>"$WORK/err-b" &
    b=$!
    wait $a || fail "round $round: first import ended with $?"
    wait $b || fail "round $round: second import ended with $?"
    grep -q ';SP1AA;2024-01-01;QSL;' "$WORK/stacja.csv" || fail "round $round: first import lost"
    grep -q ';SP2BB;2024-01-01;QSL;' "$WORK/stacja.csv" || fail "round $round: second import lost"
done
echo "10 rounds of two imports at once, none lost"
