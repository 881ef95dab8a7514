#!/usr/bin/env python3
"""Runs docbase once on a corpus in a fresh program folder and measures
what the run costs the machine:

- wall time, the processor time the program used (user and system), and
  the time of each phase: from one console line
  "processed N%" to the next, taken as the lines arrive on stdout;
- peak memory: VmHWM of /proc/PID/status, polled;
- the most files at any moment in the program folder and its work folders
  (txt_in and htm_out left out), sampled about every 20 ms (less often
  while a count takes long, see BACKOFF);
- bytes written outside htm_out: wchar of /proc/PID/io (every byte the
  program wrote, console included) read when the program shows its final
  "<...> any key to continue and end" line, less the size of htm_out.

Standard input gets the usual answers and stays open until that final
line, so the run cannot end before it is measured; then it is closed and
the program ends. The program is started with argv[0] "docbase" and
SOURCE_DATE_EPOCH set, as the comparison runs are.

The program folder is emptied first and txt_in copied into it from the
corpus; it is left in place afterwards (htm_out is useful to look at).
With --json FILE one line of JSON with the figures is appended to FILE.

usage: measure_run.py PROGRAM CORPUS PROGRAM_FOLDER [--label TEXT]
                      [--json FILE] [--timeout SECONDS] [--args 'ARG ...']
"""
import argparse
import json
import os
import resource
import shutil
import subprocess
import sys
import threading
import time

ANSWERS = b"1\n1\n1\n1\nwww.example.org\n"
FINAL_LINE = "<...> any key to continue and end"
SAMPLE_SECONDS = 0.02
# Listing a folder of a hundred thousand files takes a while and holds the
# folder's lock against the program's own creates and deletes; after a
# slow count the sampler waits this many times as long, so it never takes
# more than a fifth of the run.
BACKOFF = 4
LARGEST_FILE = 4 << 30  # a run that writes a bigger file is stopped


def folder_bytes(folder):
    total = 0
    for root, dirs, files in os.walk(folder):
        for name in files:
            try:
                total += os.lstat(os.path.join(root, name)).st_size
            except OSError:
                pass
    return total


def count_files(folder, skip=("txt_in", "htm_out")):
    """Entries that are not folders below `folder`, leaving out the
    top-level folders in `skip`. Files that vanish while counted are
    not counted."""
    count = 0
    pending = [(folder, True)]
    while pending:
        path, top = pending.pop()
        try:
            with os.scandir(path) as entries:
                for entry in entries:
                    try:
                        if entry.is_dir(follow_symlinks=False):
                            if not (top and entry.name in skip):
                                pending.append((entry.path, False))
                        else:
                            count += 1
                    except OSError:
                        pass
        except OSError:
            pass
    return count


def proc_value(pid, name, key):
    """The number after `key` in /proc/PID/NAME, or None once it is gone."""
    try:
        with open("/proc/%d/%s" % (pid, name)) as source:
            for line in source:
                if line.startswith(key):
                    return int(line.split()[1])
    except (OSError, ValueError, IndexError):
        pass
    return None


class Run:
    """The program as it runs, with what the stdout reader has seen."""

    def __init__(self, process, start):
        self.process = process
        self.start = start
        self.marks = []  # (console line, seconds since start)
        self.final_wchar = None
        self.final_peak_kib = None
        self.final_seconds = None
        self.console = bytearray()

    def read_console(self):
        """Reads stdout line by line; at the final line takes the last
        figures and closes stdin so the program can end."""
        for raw in self.process.stdout:
            now = time.monotonic() - self.start
            self.console += raw
            line = raw.decode("utf-8", "replace").strip()
            if line.startswith("processed ") or line == "Indexing is done.":
                self.marks.append((line, now))
            if line == FINAL_LINE and self.final_seconds is None:
                pid = self.process.pid
                self.final_wchar = proc_value(pid, "io", "wchar:")
                self.final_peak_kib = proc_value(pid, "status", "VmHWM:")
                self.final_seconds = now
                self.marks.append(("final line", now))
                self.process.stdin.close()


def limit_file_size():
    resource.setrlimit(resource.RLIMIT_FSIZE, (LARGEST_FILE, LARGEST_FILE))


def measure(program, corpus, folder, timeout, program_args=()):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copytree(corpus, os.path.join(folder, "txt_in"))
    input_bytes = folder_bytes(corpus)
    input_files = len(os.listdir(corpus))
    env = dict(os.environ, SOURCE_DATE_EPOCH="1700000000")
    children_before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    process = subprocess.Popen(["docbase", *program_args],
                               executable=os.path.abspath(program),
                               cwd=folder, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, env=env,
                               preexec_fn=limit_file_size)
    process.stdin.write(ANSWERS)
    process.stdin.flush()
    run = Run(process, start)
    reader = threading.Thread(target=run.read_console, daemon=True)
    reader.start()
    peak_kib, most_files, samples, wchar = 0, 0, 0, 0
    counting_seconds = 0.0
    timed_out = False
    while process.poll() is None:
        peak_kib = max(peak_kib, proc_value(process.pid, "status", "VmHWM:") or 0)
        wchar = proc_value(process.pid, "io", "wchar:") or wchar
        counted = time.monotonic()
        most_files = max(most_files, count_files(folder))
        counting = time.monotonic() - counted
        counting_seconds += counting
        samples += 1
        if time.monotonic() - start > timeout:
            process.kill()
            timed_out = True
            break
        time.sleep(max(SAMPLE_SECONDS, BACKOFF * counting))
    status = process.wait()
    wall = time.monotonic() - start
    children_after = resource.getrusage(resource.RUSAGE_CHILDREN)
    user_seconds = children_after.ru_utime - children_before.ru_utime
    system_seconds = children_after.ru_stime - children_before.ru_stime
    reader.join(timeout=10)
    if run.final_peak_kib:
        peak_kib = max(peak_kib, run.final_peak_kib)
    if run.final_wchar is not None:
        wchar = run.final_wchar
    out_bytes = folder_bytes(os.path.join(folder, "htm_out"))
    out_dir = os.path.join(folder, "htm_out")
    pages = len([n for n in os.listdir(out_dir) if n.startswith("page_")]) \
        if os.path.isdir(out_dir) else 0
    phases, previous = [], ("start", 0.0)
    for line, seconds in run.marks:
        phases.append(("%s -> %s" % (previous[0], line), seconds - previous[1]))
        previous = (line, seconds)
    phases.append(("%s -> exit" % previous[0], wall - previous[1]))
    return {
        "status": status, "timed_out": timed_out,
        "saw_final_line": run.final_seconds is not None,
        "wall_seconds": wall, "phases": phases,
        "user_seconds": user_seconds, "system_seconds": system_seconds,
        "peak_bytes": peak_kib * 1024, "most_files": most_files,
        "samples": samples, "counting_seconds": counting_seconds,
        "input_bytes": input_bytes,
        "input_files": input_files, "pages": pages,
        "htm_out_bytes": out_bytes, "wchar": wchar,
        "written_outside_htm_out": max(wchar - out_bytes, 0),
        "console_tail": bytes(run.console[-400:]).decode("utf-8", "replace"),
    }


def human(count):
    """A byte count in MB, or in KB below 1 MB."""
    if count >= 1e6:
        return "%.1f MB" % (count / 1e6)
    return "%.1f KB" % (count / 1e3)


def report(label, result, folder):
    print("== %s ==" % label)
    print("  program folder: %s" % folder)
    print("  input: %s in %d files; htm_out: %s, %d pages"
          % (human(result["input_bytes"]), result["input_files"],
             human(result["htm_out_bytes"]), result["pages"]))
    print("  exit status %d%s; wall time %.2f s (CPU: user %.2f s, "
          "system %.2f s)"
          % (result["status"], ", KILLED after the timeout"
             if result["timed_out"] else "", result["wall_seconds"],
             result["user_seconds"], result["system_seconds"]))
    if not result["saw_final_line"]:
        print("  the final line never came; console ends with:")
        print("    " + result["console_tail"].replace("\n", "\n    "))
    for name, seconds in result["phases"]:
        print("    %-40s %8.2f s" % (name, seconds))
    print("  peak memory (VmHWM): %s" % human(result["peak_bytes"]))
    limit = 10 * result["pages"] + 100
    print("  most files at once (txt_in, htm_out left out): %d "
          "(limit 10 x %d pages + 100 = %d; %d samples, %.1f s counting)"
          % (result["most_files"], result["pages"], limit, result["samples"],
             result["counting_seconds"]))
    print("  bytes written outside htm_out: %s (wchar %s - htm_out %s;"
          " limit 10 x input = %s)"
          % (human(result["written_outside_htm_out"]), human(result["wchar"]),
             human(result["htm_out_bytes"]), human(10 * result["input_bytes"])))
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("corpus")
    parser.add_argument("folder")
    parser.add_argument("--label", default=None)
    parser.add_argument("--json", default=None)
    parser.add_argument("--timeout", type=float, default=1800)
    parser.add_argument("--args", default="",
                        help="arguments for the program, e.g. '-j 1'")
    args = parser.parse_args()
    folder = os.path.abspath(args.folder)
    result = measure(args.program, args.corpus, folder, args.timeout,
                     args.args.split())
    result["label"] = args.label or args.corpus
    report(result["label"], result, folder)
    if args.json:
        with open(args.json, "a") as out:
            out.write(json.dumps(result) + "\n")
    return 0 if result["status"] == 0 and result["saw_final_line"] else 1


if __name__ == "__main__":
    sys.exit(main())
