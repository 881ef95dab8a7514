#!/usr/bin/env python3
"""Writes COUNT small texts of about BYTES bytes each (default 700) into
FOLDER, cut at line boundaries from the texts of SOURCE (a real-text corpus
made by make_real_corpus.py), taken in name order and reused from the start
when they run out. Named small_00001.txt and on; the same SOURCE always
gives the same files.

usage: make_small_corpus.py SOURCE FOLDER COUNT [BYTES]
"""
import os
import sys


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    source, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    size = int(sys.argv[4]) if len(sys.argv) == 5 else 700
    lines = []
    for name in sorted(os.listdir(source)):
        with open(os.path.join(source, name), "rb") as text:
            lines.extend(line for line in text.read().split(b"\n") if line)
    if not lines:
        sys.exit("no text in " + source)
    os.makedirs(folder, exist_ok=True)
    at = 0
    for number in range(1, count + 1):
        body = bytearray()
        while len(body) < size:
            body += lines[at % len(lines)][:size] + b"\n"
            at += 1
        with open(os.path.join(folder, "small_%05d.txt" % number), "wb") as out:
            out.write(body)


if __name__ == "__main__":
    main()
