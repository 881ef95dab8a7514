#!/usr/bin/env python3
"""Compares what two docbase runs on the same inputs left behind, byte for
byte, and prints "same" or "DIFFERENT: <what>" on one line, followed by
indented detail lines (first differing files, first differing line).

Each run is described by its program folder, the files holding its
standard output (the console transcript) and its standard error, and the
file holding its exit status. TEMPLATE is the folder both program folders were copied from: its
txt_in is what every run's txt_in must still hold.

Compared: the exit status; htm_out (every file and folder, bytes and
permission bits); everything else left in the program folder besides
txt_in and htm_out (files with their contents, folders, links); txt_in
against the template; standard output and standard error, each apart, so
a line that goes to one stream cannot pass for a line of the other.
Absolute paths of the program folder (dir_01.txt holds some, an error line
may show one) are replaced by <PROGRAM_DIR> in the leftovers and both
streams before comparing.

usage: compare_program_dirs.py TEMPLATE DIR_A STDOUT_A STDERR_A STATUS_A
                               DIR_B STDOUT_B STDERR_B STATUS_B
exit status: 0 same, 1 different, 2 bad use
"""
import hashlib
import os
import stat
import sys

PLACEHOLDER = b"<PROGRAM_DIR>"
SHOWN_FILES = 5
SHOWN_BYTES = 160
# Leftover files larger than this are compared as they are: only small
# listings hold the folder's path, and a large file is not read whole.
LARGEST_NORMALISED = 64 << 20


def read(path):
    with open(path, "rb") as source:
        return source.read()


def snapshot(root, skip=(), normalise=None):
    """{relative path (bytes): description} for every entry below root.

    A file is described by its permission bits, size and digest; with
    `normalise` (a path as bytes), that path is replaced by PLACEHOLDER in
    the content first. Top-level names in `skip` are left out."""
    entries = {}
    root = os.fsencode(root)
    if not os.path.lexists(root):
        return None
    for folder, dirs, files in os.walk(root):
        relative_folder = os.path.relpath(folder, root)
        if relative_folder == b".":
            dirs[:] = [d for d in dirs if d not in skip]
            files = [f for f in files if f not in skip]
        for name in sorted(dirs) + sorted(files):
            path = os.path.join(folder, name)
            key = os.path.normpath(os.path.join(relative_folder, name))
            info = os.lstat(path)
            mode = stat.S_IMODE(info.st_mode)
            if stat.S_ISLNK(info.st_mode):
                entries[key] = ("link", os.readlink(path))
            elif stat.S_ISDIR(info.st_mode):
                entries[key] = ("folder", mode)
            elif stat.S_ISREG(info.st_mode):
                if normalise is None or info.st_size > LARGEST_NORMALISED:
                    digest = hashlib.sha256()
                    with open(path, "rb") as source:
                        for block in iter(lambda: source.read(1 << 20), b""):
                            digest.update(block)
                    entries[key] = ("file", mode, info.st_size,
                                    digest.hexdigest())
                else:
                    data = read(path).replace(normalise, PLACEHOLDER)
                    entries[key] = ("file", mode, len(data),
                                    hashlib.sha256(data).hexdigest())
            else:
                entries[key] = ("other", stat.S_IFMT(info.st_mode))
    return entries


def shown(name):
    return repr(bytes(name))[2:-1]


def differing(a, b):
    """(how, relative path) of the entries that differ between two
    snapshots; how is only-first, only-second, differs or missing."""
    if a is None or b is None:
        if a is None and b is None:
            return []
        return [("missing", b"first" if a is None else b"second")]
    names = []
    for key in sorted(set(a) | set(b)):
        if key not in b:
            names.append(("only-first", key))
        elif key not in a:
            names.append(("only-second", key))
        elif a[key] != b[key]:
            names.append(("differs", key))
    return names


def listed(names):
    more = len(names) - SHOWN_FILES
    text = " ".join("%s:%s" % (how, shown(key))
                    for how, key in names[:SHOWN_FILES])
    return text + (" (and %d more)" % more if more > 0 else "")


def first_line_difference(lines_a, lines_b, label):
    """Where two sequences of lines first part, or None when they do not."""
    lines_a, lines_b = iter(lines_a), iter(lines_b)
    number = 0
    while True:
        number += 1
        line_a, line_b = next(lines_a, None), next(lines_b, None)
        if line_a is None and line_b is None:
            return None
        if line_a != line_b:
            break
    return "%s line %d:\n      first:  %s\n      second: %s" % (
        label, number,
        "<end>" if line_a is None else shown(line_a[:SHOWN_BYTES]),
        "<end>" if line_b is None else shown(line_b[:SHOWN_BYTES]))


def file_lines(path, normalise):
    """The lines of a file, read as they are needed, with the program
    folder's path replaced when `normalise` is given."""
    with open(path, "rb") as source:
        for line in source:
            yield line if normalise is None else line.replace(normalise,
                                                               PLACEHOLDER)


def file_detail(dir_a, dir_b, names, normalise_a=None, normalise_b=None):
    """The first differing line of the first file that differs."""
    keys = [key for how, key in names if how == "differs"]
    if not keys:
        return None
    key = keys[0]
    path_a = os.path.join(os.fsencode(dir_a), key)
    path_b = os.path.join(os.fsencode(dir_b), key)
    if not (os.path.isfile(path_a) and os.path.isfile(path_b)):
        return None
    detail = first_line_difference(file_lines(path_a, normalise_a),
                                   file_lines(path_b, normalise_b), shown(key))
    return detail or "%s: same bytes, other permission bits" % shown(key)


def main():
    if len(sys.argv) != 10:
        print(__doc__, file=sys.stderr)
        return 2
    (template, dir_a, stdout_a, stderr_a, status_a,
     dir_b, stdout_b, stderr_b, status_b) = sys.argv[1:]
    path_a = os.fsencode(os.path.realpath(dir_a))
    path_b = os.fsencode(os.path.realpath(dir_b))
    problems, details = [], []

    status = (read(status_a).strip(), read(status_b).strip())
    if status[0] != status[1]:
        problems.append("exit status %s vs %s" % (status[0].decode(),
                                                  status[1].decode()))

    names = differing(snapshot(os.path.join(dir_a, "htm_out")),
                      snapshot(os.path.join(dir_b, "htm_out")))
    if names:
        problems.append("htm_out (%d entries)" % len(names))
        details.append("htm_out: " + listed(names))
        detail = file_detail(os.path.join(dir_a, "htm_out"),
                             os.path.join(dir_b, "htm_out"), names)
        if detail:
            details.append("htm_out/" + detail)

    skip = (b"txt_in", b"htm_out")
    names = differing(snapshot(dir_a, skip, path_a),
                      snapshot(dir_b, skip, path_b))
    if names:
        problems.append("leftovers (%d entries)" % len(names))
        details.append("leftovers: " + listed(names))
        detail = file_detail(dir_a, dir_b, names, path_a, path_b)
        if detail:
            details.append(detail)

    original = snapshot(os.path.join(template, "txt_in"))
    for label, folder in (("first", dir_a), ("second", dir_b)):
        names = differing(original, snapshot(os.path.join(folder, "txt_in")))
        if names:
            problems.append("txt_in changed by the %s run" % label)
            details.append("txt_in (%s): %s" % (label, listed(names)))

    for label, file_a, file_b in (("standard output", stdout_a, stdout_b),
                                  ("standard error", stderr_a, stderr_b)):
        text_a = read(file_a).replace(path_a, PLACEHOLDER)
        text_b = read(file_b).replace(path_b, PLACEHOLDER)
        if text_a != text_b:
            problems.append(label)
            details.append(first_line_difference(
                text_a.split(b"\n"), text_b.split(b"\n"), label))

    if not problems:
        print("same")
        return 0
    print("DIFFERENT: " + "; ".join(problems))
    for detail in details:
        print("    " + detail.replace("\n", "\n    "))
    return 1


if __name__ == "__main__":
    sys.exit(main())
