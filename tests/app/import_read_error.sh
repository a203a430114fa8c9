# SPDX-License-Identifier: GPL-3.0-or-later
# An ADIF file that fails to read part way (an input/output error injected
# by strace) ends --import, and every file stays as it was: the station data
# file, and the error list of the previous run, with nothing left beside it.
source "$(dirname "$0")/../support/script_lib.sh"
BINARY="$1"
SOURCE_DIR="$2"
command -v strace >/dev/null || exit 77
strace -qq -o /dev/null true 2>/dev/null || exit 77
portable_program "$BINARY" "$SOURCE_DIR"

{
    station_header SP9XYZ
    printf '291| |K    |United States of America;;;;;;;;;;;;;;;;;;;;\r\n'
    printf '===========================================\r\n'
    for zone in $(seq 40); do printf '     |%-5s|K;;;;;;;;;;;;;;;;;;;;\r\n' "$zone"; done
} >"$WORK/stacja.csv"
cp "$WORK/stacja.csv" "$WORK/before.csv"
printf 'the previous run\r\n' >"$WORK/bledy_dxcc.txt"

# A megabyte of records for an entity no station holds: each is listed.
record='<CALL:5>SP1AA<QSO_DATE:8>20240101<BAND:3>40M<DXCC:3>999<CQZ:1>5<QSL_RCVD:1>Y<EOR>'
{
    printf '<EOH>\r\n'
    for _ in $(seq 12000); do printf '%s\r\n' "$record"; done
} >"$WORK/log.adi"

status=0
# LeakSanitizer cannot work under ptrace and would report that as a failure
# of its own; leaks are checked in every other run of the program.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
strace -qq -o /dev/null -P "$WORK/log.adi" -e trace=read -e inject=read:error=EIO:when=3 \
    "$WORK/zefirant" --import "$WORK/log.adi" "$WORK/stacja.csv" >/dev/null 2>"$WORK/err" ||
    status=$?
[ "$status" = 1 ] || fail "--import ended with $status, expected 1"
grep -qF "$WORK/log.adi" "$WORK/err" || fail "the error does not name the log"
cmp -s "$WORK/stacja.csv" "$WORK/before.csv" || fail "the station data file changed"

[ "$(cat "$WORK/bledy_dxcc.txt")" = $'the previous run\r' ] || fail "the error list changed"
leftovers=$(find "$WORK" -name 'bledy_dxcc.txt?*' | wc -l)
[ "$leftovers" = 0 ] || fail "the run left its error list behind"
echo "the station data file and the error list are as they were"
