# Two batch imports into one station data file at once, again and again:
# the lock keeps their read–change–writes apart, so neither import is lost.
set -euo pipefail

BINARY="$1"
SOURCE_DIR="$2"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cp "$BINARY" "$WORK/zefirant"
cp "$SOURCE_DIR/data/dxcc_adif.mtb" "$SOURCE_DIR/data/zefirant_zones.mtb" "$WORK/"

fail() { echo "FAIL: $*" >&2; cat "$WORK"/err* >&2 2>/dev/null || true; exit 1; }

station() {
    printf 'SP9XYZ  01.01.2026'
    for band in 80 40 20 15 10; do printf ';Call-%sm;Date-%sm;QSL-%sm;Weryf-%sm' \
        $band $band $band $band; done
    printf '\r\n291| |K    |United States of America;;;;;;;;;;;;;;;;;;;;\r\n'
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
