#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test command on a build with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-sanitize/, benchmarks left out). Every sanitizer report is written to
# a file in build-sanitize/sanitizer-reports/, and any such file fails the run:
# so also a report from a process whose exit status no test checks (the real
# program the end-to-end scenarios drive) is never lost.
#
# The build uses clang: with GCC, UBSan runs as a library of its own beside
# ASan and then writes its reports to stderr only, never to the report files.
# clang also builds this tree about twice as fast, and checks it with a second
# compiler's warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh clang libclang-rt-14-dev
build="${BUILD_DIR:-build-sanitize}"
reports="$PWD/$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"

# UBSan stops at its first report (the build also sets -fno-sanitize-recover),
# ASan always does; leaks are reported at exit, less the suppressed ones.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"

status=0
BUILD_DIR="$build" CMAKE_ARGS="-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZEFIRANT_SANITIZE=ON -DZEFIRANT_BENCH=OFF ${CMAKE_ARGS:-}" \
    bash scripts/test.sh || status=$?

if compgen -G "$reports/*" >/dev/null; then
    echo "sanitizer reports:" >&2
    for report in "$reports"/*; do
        echo "== $report" >&2
        cat "$report" >&2
    done
    status=1
fi
exit "$status"
