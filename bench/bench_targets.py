#!/usr/bin/env python3
"""Prints the table of performance targets with PASS or FAIL (and "-" for
the figures shown beside them without a target), from the
JSON lines that measure_run.py (labels "disk 10 MB", "tmpfs 100 MB", ...)
and disk_bench.sh (label "pagefind 10 MB") appended to RESULTS. A target
whose runs were not made is shown as "not run". Exits 1 when any target
fails. A label measured several times (disk_bench.sh --repeat N) counts
with its fastest run for the times, as timing tools do against a noisy
machine, and with its worst run for memory, files and bytes written.

usage: bench_targets.py RESULTS
"""
import json
import sys


def main():
    runs = {}
    with open(sys.argv[1]) as source:
        for line in source:
            if line.strip():
                result = json.loads(line)
                runs.setdefault(result["label"], []).append(result)
    results = {}
    for label, measured in runs.items():
        good = [r for r in measured if r["status"] == 0] or measured
        best = dict(min(good, key=lambda r: r["wall_seconds"]))
        for key in ("peak_bytes", "most_files", "written_outside_htm_out"):
            values = [r[key] for r in good if key in r]
            if values:
                best[key] = max(values)
        best["runs"] = len(measured)
        results[label] = best

    def ok(result):
        return result["status"] == 0 and result.get("saw_final_line", True)

    # (target, measured, verdict: True, False, "info" for a figure without
    # a target, or None when not run)
    rows = []

    def add(target, needed, check, describe):
        found = [results.get(label) for label in needed]
        if any(result is None for result in found):
            rows.append((target, "", None))
        elif not all(ok(result) for result in found):
            rows.append((target, "a run failed", False))
        else:
            rows.append((target, describe(*found),
                         "info" if check is None else check(*found)))

    for label in sorted(results):
        if results[label]["runs"] > 1:
            print("%s: %d runs, fastest %.2f s" % (
                label, results[label]["runs"], results[label]["wall_seconds"]))
    add("10 MB disk run <= 2.5 x copy of its htm_out",
        ["disk 10 MB", "floor 10 MB"],
        lambda r, f: r["wall_seconds"] <= 2.5 * f["wall_seconds"],
        lambda r, f: "%.2f s / %.2f s = %.1f" % (
            r["wall_seconds"], f["wall_seconds"],
            r["wall_seconds"] / max(f["wall_seconds"], 1e-9)))
    add("10 MB disk run, -j 1 (no target)", ["disk 10 MB -j 1"],
        None, lambda r: "%.2f s" % r["wall_seconds"])
    add("10 MB disk run faster than Pagefind",
        ["disk 10 MB", "pagefind 10 MB"],
        lambda r, p: r["wall_seconds"] < p["wall_seconds"],
        lambda r, p: "%.2f s vs %.2f s" % (r["wall_seconds"],
                                           p["wall_seconds"]))
    add("small texts on the disk <= 5 s", ["disk small texts"],
        lambda r: r["wall_seconds"] <= 5,
        lambda r: "%.2f s (%d texts)" % (r["wall_seconds"], r["pages"] - 1))
    add("small texts, -j 1 (no target)", ["disk small texts -j 1"],
        None, lambda r: "%.2f s" % r["wall_seconds"])
    add("100 MB disk run <= 15 s", ["disk 100 MB"],
        lambda r: r["wall_seconds"] <= 15,
        lambda r: "%.2f s" % r["wall_seconds"])
    add("100 MB time / 10 MB time <= 11 (disk)",
        ["disk 10 MB", "disk 100 MB"],
        lambda small, big: big["wall_seconds"] <= 11 * small["wall_seconds"],
        lambda small, big: "%.1f" % (big["wall_seconds"]
                                     / max(small["wall_seconds"], 1e-9)))
    # The floors grow with the bytes written, but not always in proportion:
    # where the page cache makes a large copy cost more per byte, the run
    # pays the same, and its time over its floor shows what is its own.
    add("100 MB floor / 10 MB floor (no target)",
        ["floor 10 MB", "floor 100 MB"], None,
        lambda small, big: "%.2f s / %.2f s = %.1f" % (
            big["wall_seconds"], small["wall_seconds"],
            big["wall_seconds"] / max(small["wall_seconds"], 1e-9)))
    add("100 MB run over its floor (no target)",
        ["disk 100 MB", "floor 100 MB"], None,
        lambda r, f: "%.1f" % (r["wall_seconds"]
                               / max(f["wall_seconds"], 1e-9)))
    add("peak memory at 100 MB <= 100 MB (disk)", ["disk 100 MB"],
        lambda r: r["peak_bytes"] <= 100e6,
        lambda r: "%.1f MB" % (r["peak_bytes"] / 1e6))
    add("files created per text <= 1.5", ["files per text"],
        lambda r: r["per_text"] <= 1.5, lambda r: "%.2f" % r["per_text"])
    for label in sorted(label for label in results
                        if label.startswith(("disk", "tmpfs"))
                        and " MB" in label):
        add("%s: files at once <= 10 x pages + 100" % label, [label],
            lambda r: r["most_files"] <= 10 * r["pages"] + 100,
            lambda r: "%d (limit %d)" % (r["most_files"],
                                         10 * r["pages"] + 100))
        add("%s: written outside htm_out <= 10 x input" % label, [label],
            lambda r: r["written_outside_htm_out"] <= 10 * r["input_bytes"],
            lambda r: "%.1f MB (limit %.1f MB)"
            % (r["written_outside_htm_out"] / 1e6,
               10 * r["input_bytes"] / 1e6))

    width = max(len(target) for target, _, _ in rows)
    print("%-*s  %-28s  %s" % (width, "target", "measured", "verdict"))
    for target, measured, verdict in rows:
        shown = {None: "not run", "info": "-", True: "PASS",
                 False: "FAIL"}[verdict]
        print("%-*s  %-28s  %s" % (width, target, measured, shown))
    return 1 if any(verdict is False for _, _, verdict in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
