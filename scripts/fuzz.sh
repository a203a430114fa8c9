#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds one libFuzzer target with clang, ASan and UBSan in its own build
# folder and fuzzes it for SECONDS, starting from its seed corpus in
# tests/fuzz/corpus/TARGET. What it finds on the way is kept in
# build-fuzz/corpus/TARGET (not in the repository); a crashing input is
# written to build-fuzz/artifacts/, shown in hex, and the script fails.
#
#   scripts/fuzz.sh TARGET SECONDS [more libFuzzer flags]
#
# Targets: adif_import station_file entity_reference zone_reference settings
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
    sed -n '2,10s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
build="${FUZZ_BUILD_DIR:-build-fuzz}"

bash scripts/setup.sh clang libclang-rt-14-dev

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZEFIRANT_FUZZ=ON -DZEFIRANT_BENCH=OFF -DZEFIRANT_WERROR=ON >/dev/null
cmake --build "$build" --target "fuzz_$target"

# The targets write their scratch files through a synced save; a memory
# file system makes the sync cheap.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
found="$build/corpus/$target"
mkdir -p "$found" "$build/artifacts"
# A leak found after a run counts as a crash, as does any UBSan report.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:strict_init_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Only this run's findings are shown below.
rm -f "$build/artifacts/$target-"*
status=0
"$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$@" "$found" "tests/fuzz/corpus/$target" ||
    status=$?
# A CI log is often all there is of a failed run: the input goes into it whole.
if [ "$status" -ne 0 ]; then
    for input in "$build/artifacts/$target-"*; do
        [ -f "$input" ] || continue
        echo "== $input ($(stat -c %s "$input") bytes)" >&2
        od -A x -t x1z -v "$input" >&2
    done
fi
exit "$status"
