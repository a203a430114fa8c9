# SPDX-License-Identifier: GPL-3.0-or-later
# The start the test scripts share, sourced first: strict mode, a fresh work
# folder that goes at the end, fail() showing what the program wrote there
# (out, err, err-*), and the builders the batch scripts use.
set -euo pipefail

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    cat "$WORK"/out "$WORK"/err* >&2 2>/dev/null || true
    exit 1
}

# The program as installed in portable mode: the executable BINARY with the
# delivered reference files of SOURCE_DIR beside it, in WORK.
portable_program() {
    cp "$1" "$WORK/zefirant"
    cp "$2/data/dxcc_adif.mtb" "$2/data/zefirant_zones.mtb" "$WORK/"
}

# The header line of a station data file of the callsign given.
station_header() {
    printf '%s  01.01.2026' "$1"
    for band in 80 40 20 15 10; do
        printf ';Call-%sm;Date-%sm;QSL-%sm;Weryf-%sm' $band $band $band $band
    done
    printf '\r\n'
}
