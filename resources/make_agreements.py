#!/usr/bin/env python3
"""Writes the two user-agreement data files from their UTF-8 sources.

Usage: python3 make_agreements.py [--verify] [OUT_DIR]

Reads agreement-zh.source.txt and agreement-en.source.txt (next to this
script: one paragraph or heading per line, empty lines between them) and
writes agreement-zh.txt and agreement-en.txt (GBK bytes) into OUT_DIR
(default: the folder of this script). With --verify nothing is written: the
files in OUT_DIR are compared with what would be written, and the exit code
is 1 when they differ.

The setup windows load these files byte for byte, so their form is fixed:

- agreement-zh.txt: exactly 11,583 bytes, CR LF line breaks only, and a last
  line of three spaces with no line break after it.
- agreement-en.txt: exactly 20,505 bytes, CR LF line breaks in roughly the
  first four fifths, single LF breaks after that, and a CR LF as the last two
  bytes.

Both reach their exact length by filling the empty separator lines with
spaces: the same number on each, the first ones taking one more when the
spaces do not divide evenly. The output is the same on every run.
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
from check_agreements import EN_LENGTH, ZH_LENGTH, check_en, check_zh

HERE = os.path.dirname(os.path.abspath(__file__))

# Filling more than this many spaces per empty line means the source text has
# become too short for its length and needs more wording.
MAX_SPACES_PER_LINE = 8

# The English text switches to single LF breaks after this share of its bytes.
EN_CRLF_SHARE = 0.8


def read_source(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        lines = [line.rstrip() for line in f.read().strip("\n").split("\n")]
    return [line.encode("gbk") for line in lines]


def fill_blank_lines(lines, spaces, name):
    """Spreads `spaces` space bytes over the empty lines of `lines`."""
    blank = [i for i, line in enumerate(lines) if line == b""]
    if spaces < 0:
        sys.exit(f"{name}: the source text is {-spaces} bytes too long; shorten it")
    if spaces > MAX_SPACES_PER_LINE * len(blank):
        sys.exit(f"{name}: the source text is too short ({spaces} bytes of filling "
                 f"for {len(blank)} empty lines); add wording")
    each, extra = divmod(spaces, len(blank))
    filled = list(lines)
    for n, i in enumerate(blank):
        filled[i] = b" " * (each + (1 if n < extra else 0))
    return filled


def make_zh():
    lines = read_source("agreement-zh.source.txt") + [b"   "]
    natural = len(b"\r\n".join(lines))
    lines = fill_blank_lines(lines, ZH_LENGTH - natural, "agreement-zh")
    return b"\r\n".join(lines)


def en_breaks(lines):
    """Line breaks after each line: CR LF up to EN_CRLF_SHARE, then LF, and
    CR LF after the last line."""
    total = sum(len(line) + 2 for line in lines)
    breaks, offset = [], 0
    for line in lines:
        offset += len(line) + 2
        breaks.append(b"\r\n" if offset <= EN_CRLF_SHARE * total else b"\n")
    breaks[-1] = b"\r\n"
    return breaks


def make_en():
    lines = read_source("agreement-en.source.txt")
    breaks = en_breaks(lines)
    natural = sum(len(line) + len(br) for line, br in zip(lines, breaks))
    lines = fill_blank_lines(lines, EN_LENGTH - natural, "agreement-en")
    return b"".join(line + br for line, br in zip(lines, breaks))


def main(argv):
    args = argv[1:]
    verify = "--verify" in args
    args = [a for a in args if a != "--verify"]
    out_dir = args[0] if args else HERE

    failed = False
    for name, make, check in (("agreement-zh.txt", make_zh, check_zh),
                              ("agreement-en.txt", make_en, check_en)):
        data = make()
        faults = check(data)
        if faults:
            for fault in faults:
                print(f"{name}: {fault}", file=sys.stderr)
            sys.exit(f"{name}: not written")
        path = os.path.join(out_dir, name)
        if verify:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                print(f"{path}: differs from its source; run make_agreements.py",
                      file=sys.stderr)
                failed = True
            continue
        with open(path, "wb") as f:
            f.write(data)
        print(f"wrote {path} ({len(data)} bytes)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
