#!/usr/bin/env python3
"""Writes a corpus of real English text of about SIZE_MB megabytes into
FOLDER, re-cut from the documentation and licence texts installed on this
system: /usr/share/doc (copyright, changelog, README, NEWS, AUTHORS and the
like, gzip-compressed or not) and /usr/share/common-licenses.

Only documents that are valid UTF-8 without NUL bytes are used, each once
(identical texts are taken once). Their lines are cut, at line boundaries,
into files of 10 to 200 KB (about 100 files per 10 MB) named doc_0001.txt
and on. The result depends only on the installed texts: the documents are
read in a fixed shuffled order and the file sizes are drawn from a seeded
generator, so the same machine gives the same corpus every time.

usage: make_real_corpus.py FOLDER SIZE_MB
"""
import gzip
import hashlib
import os
import random
import re
import sys

SOURCES = ["/usr/share/doc", "/usr/share/common-licenses"]
TEXT_NAMES = re.compile(
    r"^(copyright|changelog.*|readme.*|news.*|authors.*|thanks.*|todo.*"
    r"|faq.*|bugs.*|history.*|credits.*|changes.*|.*\.txt|.*\.md|.*\.rst)$",
    re.IGNORECASE)
SMALLEST, LARGEST = 10_000, 200_000


def document_paths():
    paths = []
    for source in SOURCES:
        for root, dirs, files in os.walk(source):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(root, name)
                if os.path.islink(path) or not os.path.isfile(path):
                    continue
                base = name[:-3] if name.endswith(".gz") else name
                if source.endswith("common-licenses") or TEXT_NAMES.match(base):
                    paths.append(path)
    return paths


def read_text(path):
    """The document's bytes, or None when it is not usable text."""
    try:
        with open(path, "rb") as source:
            data = source.read()
        if path.endswith(".gz"):
            data = gzip.decompress(data)
        data.decode("utf-8")
    except (OSError, EOFError, gzip.BadGzipFile, UnicodeDecodeError,
            ValueError):
        return None
    if b"\0" in data or not data.strip():
        return None
    return data if data.endswith(b"\n") else data + b"\n"


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_real_corpus.py FOLDER SIZE_MB")
    folder, total = sys.argv[1], int(float(sys.argv[2]) * 1_000_000)
    rng = random.Random(20261209)
    paths = document_paths()
    rng.shuffle(paths)
    os.makedirs(folder, exist_ok=True)
    seen = set()
    written, number = 0, 0
    current, current_size = [], 0
    target = rng.randint(SMALLEST, LARGEST)

    def flush():
        nonlocal number, written, current, current_size, target
        number += 1
        with open(os.path.join(folder, "doc_%04d.txt" % number), "wb") as out:
            out.writelines(current)
        written += current_size
        current, current_size = [], 0
        target = min(rng.randint(SMALLEST, LARGEST), max(total - written, 1))

    for path in paths:
        data = read_text(path)
        if data is None:
            continue
        digest = hashlib.sha256(data).digest()
        if digest in seen:
            continue
        seen.add(digest)
        for line in data.splitlines(keepends=True):
            current.append(line)
            current_size += len(line)
            if current_size >= target:
                flush()
                if written >= total:
                    return
    if current:
        flush()
    if written < total:
        sys.exit("make_real_corpus.py: only %.1f MB of text found"
                 % (written / 1e6))


if __name__ == "__main__":
    main()
