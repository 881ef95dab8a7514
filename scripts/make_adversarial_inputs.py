#!/usr/bin/env python3
"""Writes one kind of hostile input corpus into FOLDER (the txt_in of a
run), for comparing two builds on inputs that break naive code. The kinds
follow the end-to-end hostile-input tests:

  names      names a shell would take apart (blanks, quotes, ; & | $(...),
             backquotes, a leading -), invalid UTF-8, 200-byte names, names
             holding CR or LF
  nul        NUL bytes in the text
  cr         lone CRs as line ends
  longlines  5 MB single lines with and without blanks, and a line longer
             than 1,000,000 bytes with words after column 1,000,000
  empty5000  5,000 empty files and one with words
  mixedcase  one word in several spellings on one line and across pages,
             &nbsp; inside a word, quotes inside words, lines of exactly 28,
             29 and 60 words, words of 28, 29 and 60 letters, and names
             that sanitise alike or look like the program's own pages
  pages1     a single input file
  forms      texts as Windows editors save them: UTF-8 with a byte-order
             mark, UTF-16 LE and BE with their marks, Windows-1252, and
             plain UTF-8
  forms_utf8 the same texts, all saved as plain UTF-8 (with --encoding
             windows-1252, forms gives the same pages)

Every file's content is fixed, so two runs see the same bytes.

usage: make_adversarial_inputs.py KIND FOLDER
"""
import os
import sys


def write(folder, name, data):
    """Writes bytes `data` to the file `name` (str or bytes) in `folder`."""
    if isinstance(name, str):
        name = name.encode("utf-8")
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(os.fsencode(folder), name), "wb") as out:
        out.write(data)


def names(folder):
    files = [
        ("with blanks in it.txt", b"plain words here\n"),
        ('quote"double.txt', b'a "quoted" word\n'),
        ("quote'single.txt", b"it's an apostrophe\n"),
        ("semi;colon.txt", b"one; two; three\n"),
        ("amp&ersand.txt", b"this & that &amp; more\n"),
        ("pipe|name.txt", b"left | right\n"),
        ("$(touch pwned_dollar).txt", b"$(touch pwned_inside) words\n"),
        ("`touch pwned_tick`.txt", b"`touch pwned_text` words\n"),
        ("-leading-dash.txt", b"-rf words\n"),
        ("--help.txt", b"--version words\n"),
        (b"bad\xff\xfe utf8.txt", b"bytes \xc3\x28 and \xff here\n"),
        ("n" * 196 + ".txt", b"a long name\n"),
        ("l" * 150 + " blanks " + "m" * 38 + ".txt", b"long name with blanks\n"),
        ("percent %s %n %d.txt", b"%s%n%x format words\n"),
        ("back\\slash.txt", b"c:\\path\\to words\n"),
        ("<tag>&lt;.txt", b"<script>alert(1)</script> words\n"),
        ("line\nbreak.txt", b"words lfname\n"),
        ("carriage\rreturn.txt", b"words crname\n"),
        ("ends in lf\n.txt", b"words lastlf\n"),
        (" leading blank.txt", b"words leadingblank\n"),
        ("trailing blank .txt", b"words trailingblank\n"),
        ("UPPER.TXT", b"words uppername\n"),
        ("plain.txt", b"words plainname\n"),
    ]
    for number, (name, data) in enumerate(files):
        write(folder, name, data + b" hostileword%c\n" % (ord("a") + number))


def nul(folder):
    write(folder, "nul bytes.txt", b"before\0after words\n\0\0\n nulword\n")
    write(folder, "nul start.txt", b"\0leading nul then words\nsecond line\n")
    write(folder, "nul end.txt", b"words then nul\0")
    write(folder, "nul only.txt", b"\0" * 4096)
    write(folder, "nul mixed.txt",
          b"".join(b"line %d with\0nul\0inside words\n" % i
                   for i in range(500)))
    write(folder, "plain.txt", b"an ordinary file with words\n")


def cr(folder):
    write(folder, "lone cr.txt", b"first line\rsecond line\rthird\r")
    write(folder, "mixed ends.txt",
          b"unix line\nwindows line\r\nold mac line\rno end")
    write(folder, "cr pairs.txt", b"double\r\rcarriage\r\r\nreturns\n\r")
    write(folder, "many cr.txt",
          b"".join(b"word%d alpha beta gamma\r" % i for i in range(3000)))
    write(folder, "no line end.txt", b"last words without end")
    write(folder, "only cr.txt", b"\r" * 1000)


def longlines(folder):
    unit = b"gamma delta epsilon "
    words = unit * (5_000_000 // len(unit) + 1)
    write(folder, "with blanks.txt", words)
    write(folder, "no blanks.txt", b"z" * 5_000_000 + b"\n")
    # Words before and after column 1,000,000 of one line of 1.2 MB.
    line = b"start words here " + b"x" * (1_000_000 - 17)
    line += b" afterthemillion zeta eta theta"
    line += b" pad" * 50_000
    write(folder, "past a million.txt", line + b"\nnext line words\n")


def empty5000(folder):
    for number in range(5000):
        write(folder, "empty_%d.txt" % number, b"")
    write(folder, "words.txt", b"some words at last\n")


def mixedcase(folder):
    write(folder, "cities.txt",
          "Paris PARIS paris pArIs\n"
          "Straße STRASSE strasse straße\n"
          "café CAFÉ Café cafÉ\n"
          "word&nbsp;joined&nbsp; &nbsp;lead and trail&nbsp;\n"
          "it's don't \"quoted\" 'single' o'clock rock'n'roll \"in\"side\n")
    write(folder, "more cities.txt",
          "paris again and PARIS again\nStraße in another page\ncafé CAFÉ\n")
    write(folder, "third.txt", "PARIS Paris paris\nSTRASSE café\n")
    vocabulary = ["alpha", "bravo", "charlie", "delta", "echo", "foxtrot",
                  "golf", "hotel", "india", "juliett", "kilo", "lima",
                  "mike", "november", "oscar", "papa", "quebec", "romeo",
                  "sierra", "tango", "uniform", "victor", "whiskey", "xray",
                  "yankee", "zulu", "river", "mountain", "harbour", "market"]

    def line_of(count, offset):
        return " ".join(vocabulary[(offset + i) % len(vocabulary)]
                        + str(i // len(vocabulary)) for i in range(count))

    lines = []
    for count in (27, 28, 29, 60):
        for offset in (0, 7):
            lines.append(line_of(count, offset))
    # Exactly 28 words, one repeated, and lines with double blanks.
    lines.append(" ".join(["Paris"] * 28))
    lines.append("  ".join(vocabulary[:29]))
    write(folder, "word counts.txt", "\n".join(lines) + "\n")
    write(folder, "word lengths.txt",
          "a" * 28 + " " + "b" * 29 + " " + "c" * 60 + "\n"
          + "D" * 28 + " " + "E" * 29 + " " + "F" * 60 + "\n")
    # Names that sanitise alike, or look like the program's own pages.
    for name in ("page.txt", "page_1.txt", "PAGE_02.txt", "f_promote.txt",
                 "a b.txt", "a_b.txt", "x.txt.txt", "Page_03.TXT",
                 "i_1.txt", "index.txt", "s_1.txt", "files_list.txt"):
        write(folder, name, "name words for %s Paris café\n" % name)


def pages1(folder):
    write(folder, "only.txt",
          "The only file of this run.\nIt has Paris and paris and PARIS.\n"
          + "\n".join(" ".join("w%d" % (i * 7 + j) for j in range(i % 40))
                      for i in range(300)) + "\n")


# The texts of forms: name, text, and the form it is saved in there.
FORM_TEXTS = [
    ("marked.txt", "Notepad saved this with a mark: naïve façade.\r\n",
     lambda text: b"\xef\xbb\xbf" + text.encode("utf-8")),
    ("little.txt", "Unicode text from Notepad: café crème 😀\r\n",
     lambda text: b"\xff\xfe" + text.encode("utf-16-le")),
    ("big.txt", "Big end first: über alles\n",
     lambda text: b"\xfe\xff" + text.encode("utf-16-be")),
    ("western.txt", "ANSI from Notepad: café résumé €5\r\n",
     lambda text: text.encode("cp1252")),
    ("plain.txt", "plain café words\n", lambda text: text.encode("utf-8")),
]


def forms(folder):
    for name, text, saved in FORM_TEXTS:
        write(folder, name, saved(text))


def forms_utf8(folder):
    for name, text, _ in FORM_TEXTS:
        write(folder, name, text)


KINDS = {"names": names, "nul": nul, "cr": cr, "longlines": longlines,
         "empty5000": empty5000, "mixedcase": mixedcase, "pages1": pages1,
         "forms": forms, "forms_utf8": forms_utf8}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in KINDS:
        sys.exit("usage: make_adversarial_inputs.py %s FOLDER"
                 % "|".join(KINDS))
    os.makedirs(sys.argv[2], exist_ok=True)
    KINDS[sys.argv[1]](sys.argv[2])


if __name__ == "__main__":
    main()
