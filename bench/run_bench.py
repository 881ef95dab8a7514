#!/usr/bin/env python3
"""Runs docbase once on a corpus in a fresh folder and prints, for each
phase between two progress lines, the wall time and the peak resident
memory, then the totals.

The peak of each phase is read from /proc/PID/status (VmHWM) when its
progress line arrives and then reset through /proc/PID/clear_refs, so it
covers that phase alone (needs Linux and write access to clear_refs).

usage: run_bench.py DOCBASE CORPUS_FOLDER WORK_FOLDER
"""
import os
import shutil
import subprocess
import sys
import time

ANSWERS = b"1\n1\n1\n1\nwww.example.org\n"


def peak_kib(pid):
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def reset_peak(pid):
    try:
        with open("/proc/%d/clear_refs" % pid, "w") as refs:
            refs.write("5")
    except OSError:
        pass


def main():
    program, corpus, work = sys.argv[1], sys.argv[2], sys.argv[3]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    shutil.copytree(corpus, os.path.join(work, "txt_in"))
    size = sum(os.path.getsize(os.path.join(corpus, name))
               for name in os.listdir(corpus))
    env = dict(os.environ, SOURCE_DATE_EPOCH="1700000000")
    start = time.monotonic()
    process = subprocess.Popen([os.path.abspath(program)], cwd=work,
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               env=env)
    process.stdin.write(ANSWERS)
    process.stdin.close()
    rows = []
    phase, phase_start, overall_peak = "start-up and preparation", start, 0
    for raw in process.stdout:
        line = raw.decode("utf-8", "replace").strip()
        if line.startswith("processed ") or line == "Indexing is done.":
            now = time.monotonic()
            peak = peak_kib(process.pid)
            reset_peak(process.pid)
            overall_peak = max(overall_peak, peak)
            rows.append((phase, now - phase_start, peak))
            phase, phase_start = "after " + line, now
    status = process.wait()
    total = time.monotonic() - start
    print("corpus: %.1f MB in %d files" % (size / 1e6, len(os.listdir(corpus))))
    print("%-32s %9s %11s" % ("phase (until the next line)", "seconds", "peak MiB"))
    for name, seconds, peak in rows:
        print("%-32s %9.3f %11.1f" % (name, seconds, peak / 1024))
    print("%-32s %9.3f %11.1f" % ("total", total, overall_peak / 1024))
    out = os.path.join(work, "htm_out")
    if os.path.isdir(out):
        out_size = sum(os.path.getsize(os.path.join(out, n)) for n in os.listdir(out))
        print("htm_out: %.1f MB in %d files" % (out_size / 1e6, len(os.listdir(out))))
    print("exit status:", status)
    return status


if __name__ == "__main__":
    sys.exit(main())
