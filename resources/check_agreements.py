#!/usr/bin/env python3
"""Checks the two user-agreement data files byte for byte.

Usage: python3 check_agreements.py [DIR]

DIR holds agreement-zh.txt and agreement-en.txt (default: the folder of this
script). Exits 0 when both files have the exact form the setup windows load,
1 with one line per fault otherwise.
"""
import os
import re
import sys

ZH_LENGTH = 11583
EN_LENGTH = 20505
IDEOGRAPHIC_COMMA = b"\xa1\xa2"

CHINESE_DIGITS = "一二三四五六七八九"


def chinese_number(n):
    """1..99 written as in Chinese section headings (十一, 二十, ...)."""
    tens, ones = divmod(n, 10)
    text = ""
    if tens:
        text = ("" if tens == 1 else CHINESE_DIGITS[tens - 1]) + "十"
    if ones:
        text += CHINESE_DIGITS[ones - 1]
    return text


def common_faults(data, length):
    faults = []
    if len(data) != length:
        faults.append(f"length is {len(data)} bytes, expected {length}")
    if b"\x00" in data:
        faults.append(f"holds a zero byte at offset {data.index(0)}")
    try:
        data.decode("gbk")
    except UnicodeDecodeError as e:
        faults.append(f"is not valid GBK: {e}")
    return faults


def check_zh(data):
    """Returns the faults of the Chinese agreement (empty list when right)."""
    faults = common_faults(data, ZH_LENGTH)
    bare_cr = [m.start() for m in re.finditer(rb"\r(?!\n)", data)]
    bare_lf = [m.start() for m in re.finditer(rb"(?<!\r)\n", data)]
    if bare_cr:
        faults.append(f"CR without LF at offset {bare_cr[0]} ({len(bare_cr)} in all)")
    if bare_lf:
        faults.append(f"LF without CR at offset {bare_lf[0]} ({len(bare_lf)} in all)")
    if not data.endswith(b"\r\n   ") or data.endswith(b"\r\n    "):
        faults.append(f"must end with CR LF and a last line of exactly three spaces; "
                      f"ends with {data[-8:]!r}")
    try:
        text = data.decode("gbk")
    except UnicodeDecodeError:
        return faults
    lines = text.split("\r\n")
    blank = sum(1 for line in lines if line.strip(" ") == "")
    share = blank / len(lines)
    if not 0.4 <= share <= 0.6:
        faults.append(f"{blank} of {len(lines)} lines are empty or spaces only "
                      f"({share:.0%}); about half are expected")
    double = sum(1 for ch in text if ord(ch) >= 0x80)
    single = len(text) - double
    if double <= single:
        faults.append(f"not mostly two-byte characters: {double} two-byte, "
                      f"{single} single-byte")
    headings = [m.group(1) for m in re.finditer(r"^([一二三四五六七八九十]+)、", text, re.M)]
    expected = [chinese_number(n) for n in range(1, len(headings) + 1)]
    if not headings:
        faults.append("has no numbered sections (一、...)")
    elif headings != expected:
        faults.append(f"sections are not numbered 一、二、... in order: {headings}")
    return faults


def check_en(data):
    """Returns the faults of the English agreement (empty list when right)."""
    faults = common_faults(data, EN_LENGTH)
    # The only bytes above 0x7F are ideographic commas right after a section
    # number at the start of a line.
    high = [i for i, b in enumerate(data) if b >= 0x80]
    commas = [m.start() for m in re.finditer(re.escape(IDEOGRAPHIC_COMMA), data)]
    comma_bytes = {i for c in commas for i in (c, c + 1)}
    stray = [i for i in high if i not in comma_bytes]
    if stray:
        faults.append(f"non-ASCII byte 0x{data[stray[0]]:02X} at offset {stray[0]} "
                      f"is not part of an ideographic comma ({len(stray)} in all)")
    numbers = []
    for c in commas:
        m = re.search(rb"(?:^|\n)(\d+)$", data[max(0, c - 8):c])
        if m is None:
            faults.append(f"ideographic comma at offset {c} does not follow a "
                          f"section number at the start of a line")
        else:
            numbers.append(int(m.group(1)))
    if not commas:
        faults.append("has no numbered sections (1、...)")
    elif numbers != list(range(1, len(numbers) + 1)):
        faults.append(f"sections are not numbered 1、2、... in order: {numbers}")

    # Line breaks: CR LF pairs, then from roughly four fifths on single LFs,
    # and a CR LF as the last two bytes.
    bare_cr = [m.start() for m in re.finditer(rb"\r(?!\n)", data)]
    if bare_cr:
        faults.append(f"CR without LF at offset {bare_cr[0]}")
    breaks = [(m.start(), m.group()) for m in re.finditer(rb"\r\n|\n", data)]
    if not data.endswith(b"\r\n"):
        faults.append(f"last two bytes must be CR LF; ends with {data[-4:]!r}")
    body = breaks[:-1]
    first_lf = next((i for i, (_, kind) in enumerate(body) if kind == b"\n"), None)
    if first_lf is None:
        faults.append("has no single-LF line breaks in its last part")
    else:
        late_crlf = [pos for pos, kind in body[first_lf:] if kind == b"\r\n"]
        if late_crlf:
            faults.append(f"CR LF at offset {late_crlf[0]} after the single-LF part "
                          f"began at offset {body[first_lf][0]}")
        share = body[first_lf][0] / len(data)
        if not 0.7 <= share <= 0.9:
            faults.append(f"single-LF part begins at {share:.1%} of the text; "
                          f"roughly four fifths expected")
    return faults


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    failed = False
    for name, check in (("agreement-zh.txt", check_zh), ("agreement-en.txt", check_en)):
        path = os.path.join(folder, name)
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as e:
            print(f"{name}: cannot read: {e}", file=sys.stderr)
            failed = True
            continue
        faults = check(data)
        for fault in faults:
            print(f"{name}: {fault}", file=sys.stderr)
        if faults:
            failed = True
        else:
            print(f"{name}: ok ({len(data)} bytes)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
