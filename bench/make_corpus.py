#!/usr/bin/env python3
"""Writes a deterministic text corpus for benchmarks: FILES text files of
about SIZE bytes in all, words drawn from a Zipf-like vocabulary, lines of
varying length (some longer than 28 words), some upper-case spellings and a
few accented and Cyrillic words.

usage: make_corpus.py FOLDER [SIZE_MB=10] [FILES=1000]
"""
import os
import random
import sys


def vocabulary(rng, count):
    letters = "abcdefghijklmnopqrstuvwxyz"
    extra = ["café", "élève", "straße", "гавань", "ринок", "λιμάνι"]
    words = set()
    while len(words) < count:
        length = rng.choice([1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 7, 8, 9, 11])
        words.add("".join(rng.choice(letters) for _ in range(length)))
    ordered = sorted(words) + extra
    rng.shuffle(ordered)
    return ordered


def main():
    folder = sys.argv[1]
    size = int(float(sys.argv[2] if len(sys.argv) > 2 else 10) * 1_000_000)
    files = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    rng = random.Random(20261208)
    words = vocabulary(rng, 20000)
    weights = [1.0 / (rank + 1) for rank in range(len(words))]
    os.makedirs(folder, exist_ok=True)
    per_file = size // files
    for number in range(files):
        lines = []
        written = 0
        while written < per_file:
            count = rng.choice([0, 4, 8, 10, 12, 14, 16, 20, 35])
            picked = rng.choices(words, weights, k=count)
            if picked and rng.random() < 0.1:
                picked[0] = picked[0].capitalize()
            if picked and rng.random() < 0.02:
                picked[-1] = picked[-1].upper()
            indent = "    " if rng.random() < 0.05 else ""
            line = indent + " ".join(picked) + ("." if picked else "")
            lines.append(line)
            written += len(line.encode()) + 1
        name = os.path.join(folder, "text_%05d.txt" % number)
        with open(name, "w", encoding="utf-8", newline="\n") as out:
            out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
