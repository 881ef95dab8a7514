#!/usr/bin/env python3
"""Times Pagefind indexing the same texts docbase indexes: each text file
of CORPUS is wrapped as WORK/site/NAME.html in
<html><body><pre>...</pre></body></html> (with &, < and > escaped), then
`pagefind --site WORK/site --output-path WORK/out` runs and its wall time
and peak memory (largest resident set of the child) are printed. Wrapping
is not timed. With --json FILE one JSON line is appended to FILE.

usage: time_pagefind.py PAGEFIND CORPUS WORK [--label TEXT] [--json FILE]
"""
import argparse
import json
import os
import resource
import shutil
import subprocess
import sys
import time


def wrap(corpus, site):
    os.makedirs(site)
    for name in sorted(os.listdir(corpus)):
        with open(os.path.join(corpus, name), "rb") as source:
            text = source.read()
        text = (text.replace(b"&", b"&amp;").replace(b"<", b"&lt;")
                .replace(b">", b"&gt;"))
        base = os.path.splitext(name)[0]
        with open(os.path.join(site, base + ".html"), "wb") as out:
            out.write(b"<html><body><pre>" + text + b"</pre></body></html>\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("pagefind")
    parser.add_argument("corpus")
    parser.add_argument("work")
    parser.add_argument("--label", default="pagefind")
    parser.add_argument("--json", default=None)
    args = parser.parse_args()
    site = os.path.join(args.work, "site")
    out = os.path.join(args.work, "out")
    shutil.rmtree(args.work, ignore_errors=True)
    wrap(args.corpus, site)
    start = time.monotonic()
    done = subprocess.run([args.pagefind, "--site", site, "--output-path", out],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    wall = time.monotonic() - start
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss * 1024
    log = done.stdout.decode("utf-8", "replace")
    print("== %s ==" % args.label)
    print("  exit status %d; wall time %.2f s; peak memory %.1f MB"
          % (done.returncode, wall, peak / 1e6))
    for line in log.splitlines():
        if "Indexed" in line or "Total" in line or "error" in line.lower():
            print("    pagefind: " + line.strip())
    if args.json:
        with open(args.json, "a") as results:
            results.write(json.dumps({"label": args.label,
                                      "status": done.returncode,
                                      "wall_seconds": wall,
                                      "peak_bytes": peak}) + "\n")
    return done.returncode


if __name__ == "__main__":
    sys.exit(main())
