#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The batch import measured as a whole process, beside the engine's figures.

Writes a LoTW-style log (100,000 records by default, about a tenth of them
unplaceable) and a full station file, then in one run:
  - `zefirant --import` 5 times on a fresh copy of the station file (median),
  - `zefirant --summary` alone 5 times (start-up, reference files, station file),
  - the import benchmarks (engine against reading the file twice line by line,
    the window's run against the batch engine),
  - the peak memory of the import of this log and of one ten times as long.

Usage: bench/whole_process.py [BUILD_DIR] [--compare OTHER_ZEFIRANT] [--records N]
(--compare times another build's program on the same files, e.g. the one
before a change.)
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 5


def timed(command):
    """Seconds the command took and its peak resident memory in MB."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    error = process.stderr.read().decode(errors="replace")
    if process.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({process.returncode}): {error}")
    return elapsed, usage.ru_maxrss / 1024


def import_runs(program, log, station, folder):
    times, peaks = [], []
    for run in range(RUNS):
        target = os.path.join(folder, f"run{run}.csv")
        shutil.copyfile(station, target)
        seconds, peak = timed([program, "--import", log, target])
        times.append(seconds)
        peaks.append(peak)
    return times, max(peaks)


def milliseconds(values):
    return " ".join(f"{1000 * v:.1f}" for v in values)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--compare", help="another zefirant to time on the same files")
    parser.add_argument("--records", type=int, default=100_000)
    args = parser.parse_args()
    bench = os.path.join(args.build, "bin", "zefirant_bench")
    window_bench = os.path.join(args.build, "bin", "zefirant_window_bench")
    program = os.path.join(args.build, "bin", "zefirant")
    programs = [program] + ([args.compare] if args.compare else [])

    with tempfile.TemporaryDirectory() as folder:
        log = os.path.join(folder, "lotw.adi")
        station = os.path.join(folder, "station.csv")
        subprocess.run([bench, "--write-import-files", folder, str(args.records)], check=True)
        size_mb = os.path.getsize(log) / 1e6

        print(f"log: {args.records} records, {size_mb:.1f} MB", flush=True)
        for timed_program in programs:
            times, peak = import_runs(timed_program, log, station, folder)
            summary = [timed([timed_program, "--summary", station])[0] for _ in range(RUNS)]
            print(timed_program)
            print(f"  --import  median {1000 * statistics.median(times):.1f} ms"
                  f"  (runs: {milliseconds(times)}), peak {peak:.1f} MB")
            print(f"  --summary median {1000 * statistics.median(summary):.1f} ms"
                  f"  (runs: {milliseconds(summary)})", flush=True)

        subprocess.run([bench, "--benchmark_filter=AdifImport"], check=True)
        if os.path.exists(window_bench):
            subprocess.run([window_bench], check=True)

        subprocess.run([bench, "--write-import-files", folder, str(10 * args.records)],
                       check=True)
        shutil.copyfile(station, os.path.join(folder, "big.csv"))
        seconds, big_peak = timed([program, "--import", log,
                                   os.path.join(folder, "big.csv")])
        print(f"--import of {10 * args.records} records ({os.path.getsize(log) / 1e6:.0f} MB):"
              f" {1000 * seconds:.0f} ms, peak {big_peak:.1f} MB")


if __name__ == "__main__":
    main()
