#!/usr/bin/env python3
"""Consistency check for resources/dtc_descriptions_en.txt, the English titles of the codes.

Usage: check_dtc_descriptions_en.py [english_path [polish_path]]

The English table must hold the same codes in the same order as the Polish
dtc_descriptions.txt (P1680 twice included), one CODE|TITLE| row each.
Prints "OK" and exits 0 when the table is sound, otherwise prints one line per
problem and exits 1.
"""
import os
import sys

import check_dtc_descriptions as polish

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_PATH = os.path.join(HERE, "dtc_descriptions_en.txt")
# Rows whose titles the workshop's printed material quotes, compared as they stand.
FIXED_ROWS = {
    "B0100": "Driver Airbag Malfunction",
    "C0732": "Left Rear Accelerometer Low Input",
    "P0103": "Mass or Volume Air Flow Circuit High Input",
    "P0301": "Cylinder 1 Misfire Detected",
}


def check_texts(rows, problems):
    for lineno, code, text in rows:
        where = "line %d (%s)" % (lineno, code)
        if not text.strip():
            problems.append("%s: empty title" % where)
        if text != text.strip() or "  " in text:
            problems.append("%s: blanks at an end or two in a row" % where)
        if "|" in text:
            problems.append("%s: '|' inside the title" % where)
        if any(ord(ch) > 126 or ord(ch) < 32 for ch in text):
            problems.append("%s: a character outside printable ASCII" % where)
        if code in text:
            problems.append("%s: title repeats the code" % where)
    by_code = {code: text for _, code, text in rows}
    for code, expected in sorted(FIXED_ROWS.items()):
        if by_code.get(code) != expected:
            problems.append("%s: expected %r, found %r" % (code, expected, by_code.get(code)))


def main(argv):
    path = argv[1] if len(argv) > 1 else DEFAULT_PATH
    polish_path = argv[2] if len(argv) > 2 else polish.DEFAULT_PATH
    problems = []
    try:
        rows = polish.read_rows(path, problems)
        polish_rows = polish.read_rows(polish_path, [])
    except OSError as exc:
        print("cannot read: %s" % exc)
        return 1
    codes = [code for _, code, _ in rows]
    polish_codes = [code for _, code, _ in polish_rows]
    if codes != polish_codes:
        if len(codes) != len(polish_codes):
            problems.append("expected %d rows as in the Polish table, found %d" % (len(polish_codes), len(codes)))
        for (lineno, code, _), wanted in zip(rows, polish_codes):
            if code != wanted:
                problems.append("line %d: %s where the Polish table has %s" % (lineno, code, wanted))
                break
    check_texts(rows, problems)
    return polish.report(problems)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
