#!/usr/bin/env python3
"""The modern layout's targets, from the runs bench/modern_bench.sh made:
for each corpus size, the modern htm_out by kind of page (MB, files,
largest file), then each target with PASS or FAIL; the same table and the
size targets for the run on a long text ("modern long text"), whose pages
go on in parts. The time ratio is
judged on each layout's median run of the size, and shown for the fastest
runs too: a classic run writes gigabytes, and whether the kernel makes it
wait for the disk depends on what the page cache holds, so its fastest
run is the exception, not the noise. "run + sync" adds the sync after the
run, the time until the document base is on the disk. Exits 1 when a
target fails.

usage: modern_targets.py RESULTS RUNS
  RESULTS  the JSON lines of measure_run.py (labels "classic N MB",
           "modern N MB", "modern long text"), with "sync_seconds" added
  RUNS     the folder holding modern_NMB/htm_out of each size and
           modern_long/htm_out
"""
import json
import os
import re
import sys

MB = 1e6
# The kinds of page of a modern document base, by file name.
KINDS = [
    # A long page's parts ("s_G_2.htm", "page_N_2.htm") count with it.
    ("search pages s_", re.compile(r"^s_\d+(_\d+)?\.htm$")),
    ("word-index pages i_", re.compile(r"^i_\d+(_\d+)?\.htm$")),
    ("annotated pages", re.compile(r"^page_.*\.htm$")),
    ("main-index pages index", re.compile(r"^index(_\d+)?\.htm$")),
]


def kind_of(name):
    for kind, pattern in KINDS:
        if pattern.match(name):
            return kind
    return "other files"


def by_kind(folder):
    table = {}
    for root, _, files in os.walk(folder):
        for name in files:
            size = os.path.getsize(os.path.join(root, name))
            row = table.setdefault(kind_of(name), [0, 0, 0, ""])
            row[0] += size
            row[1] += 1
            if size > row[2]:
                row[2], row[3] = size, name
    return table


def main():
    results, runs = sys.argv[1], sys.argv[2]
    measured = {}
    with open(results) as source:
        for line in source:
            if line.strip():
                run = json.loads(line)
                measured.setdefault(run["label"], []).append(run)
    sizes = sorted({int(found.group(1)) for found in
                    (re.match(r"^(?:classic|modern) (\d+) MB$", label)
                     for label in measured) if found})
    failed = False

    def verdict(ok):
        nonlocal failed
        failed = failed or not ok
        return "PASS" if ok else "FAIL"

    def size_table(folder):
        """Prints the table by kind; gives (bytes, files, largest)."""
        table = by_kind(folder)
        print("  %-24s %9s %7s %10s" % ("kind", "MB", "files", "largest"))
        for kind in [k for k, _ in KINDS] + ["other files"]:
            if kind in table:
                total, files, largest, name = table[kind]
                print("  %-24s %9.1f %7d %7.2f MB  %s" % (
                    kind, total / MB, files, largest / MB, name))
        return (sum(row[0] for row in table.values()),
                sum(row[1] for row in table.values()),
                max(row[2] for row in table.values()))

    def size_targets(input_bytes, out_bytes, largest):
        ratio = out_bytes / max(input_bytes, 1)
        print("  %-62s %s  %.1f MB / %.1f MB = %.2fx" % (
            "htm_out at most 10x the texts", verdict(ratio <= 10),
            out_bytes / MB, input_bytes / MB, ratio))
        print("  %-62s %s  %.2f MB" % ("no file over 2 MB",
                                       verdict(largest <= 2 * 1024 * 1024),
                                       largest / MB))

    for size in sizes:
        print("\n== %d MB ==" % size)
        classic = [r for r in measured.get("classic %d MB" % size, [])
                   if r["status"] == 0]
        modern = [r for r in measured.get("modern %d MB" % size, [])
                  if r["status"] == 0]
        if not classic or not modern:
            print("  a run failed or was not made: no figures")
            failed = True
            continue
        out_bytes, files, largest = size_table(
            os.path.join(runs, "modern_%dmb" % size, "htm_out"))
        size_targets(modern[0]["input_bytes"], out_bytes, largest)
        if size >= 100:
            print("  %-62s %s  %d" % ("at most 20,000 files",
                                       verdict(files <= 20000), files))
        def median(values):
            values = sorted(values)
            middle = len(values) // 2
            if len(values) % 2:
                return values[middle]
            return (values[middle - 1] + values[middle]) / 2

        def compare(label, key, target):
            slow = median([key(r) for r in classic])
            fast = median([key(r) for r in modern])
            ratio = fast / max(slow, 1e-9)
            if target is None:
                shown = "-"
            else:
                shown = verdict(ratio <= target)
            print("  %-62s %s  %.2f s / %.2f s = %.2fx" % (
                label, shown, fast, slow, ratio))

        wall = lambda r: r["wall_seconds"]
        synced = lambda r: r["wall_seconds"] + r.get("sync_seconds", 0)
        runs_made = "(medians of %d and %d runs)" % (len(modern), len(classic))
        if size >= 100:
            compare("modern run at most 0.4x the classic " + runs_made, wall,
                    0.4)
        else:
            compare("modern run against the classic " + runs_made, wall, None)
        fastest_modern = min(wall(r) for r in modern)
        fastest_classic = min(wall(r) for r in classic)
        print("  %-62s %s  %.2f s / %.2f s = %.2fx" % (
            "the fastest runs (no target)", "-", fastest_modern,
            fastest_classic, fastest_modern / max(fastest_classic, 1e-9)))
        compare("run + sync, medians (no target)", synced, None)
        if all("system_seconds" in r for r in classic + modern):
            compare("processor time in the kernel, medians (no target)",
                    lambda r: r["system_seconds"], None)
        print("  every run: classic %s s; modern %s s" % (
            " ".join("%.2f" % r["wall_seconds"] for r in classic),
            " ".join("%.2f" % r["wall_seconds"] for r in modern)))
    long_runs = [r for r in measured.get("modern long text", [])
                 if r["status"] == 0]
    if "modern long text" in measured:
        print("\n== a long text (its pages go on in parts) ==")
        if not long_runs:
            print("  the run failed: no figures")
            failed = True
        else:
            out_bytes, _, largest = size_table(
                os.path.join(runs, "modern_long", "htm_out"))
            size_targets(long_runs[0]["input_bytes"], out_bytes, largest)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
