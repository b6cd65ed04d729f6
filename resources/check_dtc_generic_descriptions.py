#!/usr/bin/env python3
"""Consistency check for resources/dtc_generic_descriptions.txt and its English twin.

Usage: check_dtc_generic_descriptions.py [polish_path [english_path [first_table_path]]]

The generic table describes the codes of a real car that the first table
(dtc_descriptions.txt) lacks. Both files hold one CODE|TEXT| row per code: the
same codes in the same order, ascending in plain ASCII order (P0999 before
P0A00), each once, every code generic and none of them in the first table.
Prints "OK" and exits 0 when the tables are sound, otherwise prints one line
per problem and exits 1.
"""
import collections
import os
import re
import sys

import check_dtc_descriptions as first_table

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_POLISH = os.path.join(HERE, "dtc_generic_descriptions.txt")
DEFAULT_ENGLISH = os.path.join(HERE, "dtc_generic_descriptions_en.txt")

ROW_RE = re.compile(r"^(.*?)\|(.*)\|$")
CODE_RE = re.compile(r"^[PCBU][0-3][0-9A-F]{3}$")
# The generic ranges the table may draw on, by the first two or three characters of a code. The
# rest (P1, P30-P33, B1, B2, C1, C2, U1, U2) belongs to the manufacturers.
GENERIC_PREFIXES = ("P0", "P2", "P34", "P35", "P36", "P37", "P38", "P39", "B0", "B3", "C0", "C3", "U0", "U3")

# Rows by system and first digit (P3 is P34-P39): a row lost or doubled in an edit shows here.
EXPECTED_GROUPS = {"P0": 444, "P2": 821, "P3": 98, "B0": 12, "C0": 16, "U0": 292, "U3": 5}
EXPECTED_TOTAL = 1688

# What the report's font (Liberation Sans) prints and the Windows-1250 code page holds: printable
# ASCII, and in the Polish texts the Polish letters.
POLISH_LETTERS = set("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")


def read_rows(path, problems):
    """(line number, code, text) of every data row; the header's comment lines are skipped."""
    name = os.path.basename(path)
    with open(path, "rb") as handle:
        raw = handle.read()
    if b"\r" in raw:
        problems.append("%s: CR characters (LF line endings only)" % name)
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as exc:
        problems.append("%s: not valid UTF-8: %s" % (name, exc))
        return []
    if text and not text.endswith("\n"):
        problems.append("%s: last line is not terminated by LF" % name)
    rows = []
    in_header = True
    for lineno, line in enumerate(text.split("\n"), 1):
        if line == "":
            continue
        if line.startswith("#"):
            if not in_header:
                problems.append("%s line %d: comment after the first data row" % (name, lineno))
            continue
        in_header = False
        match = ROW_RE.match(line)
        if not match:
            problems.append("%s line %d: not in CODE|TEXT| form: %r" % (name, lineno, line))
            continue
        rows.append((lineno, match.group(1), match.group(2)))
    return rows


def group_of(code):
    return code[:2]


def check_codes(name, rows, first_codes, problems):
    """Form, range, order and uniqueness of the codes; none may be in the first table."""
    previous = None
    for lineno, code, _ in rows:
        where = "%s line %d (%s)" % (name, lineno, code)
        if not CODE_RE.match(code):
            problems.append("%s: not a five-character code (letter, digit 0-3, three upper-case hex digits)" % where)
        elif not code.startswith(GENERIC_PREFIXES):
            problems.append("%s: not in a generic range" % where)
        if code in first_codes:
            problems.append("%s: already in dtc_descriptions.txt" % where)
        if previous is not None and code <= previous:
            problems.append("%s: %s after %s" % (where, "duplicate" if code == previous else "out of order", previous))
        previous = code


def check_texts(name, rows, allowed_extra, problems):
    """No empty text, no blank at an end or two in a row, no '|', only what the font prints."""
    for lineno, code, text in rows:
        where = "%s line %d (%s)" % (name, lineno, code)
        if not text.strip():
            problems.append("%s: empty text" % where)
        if text != text.strip() or "  " in text:
            problems.append("%s: a blank at an end or two in a row" % where)
        if "|" in text:
            problems.append("%s: '|' inside the text" % where)
        if code in text:
            problems.append("%s: the text repeats the code" % where)
        odd = sorted({ch for ch in text if not (" " <= ch <= "~") and ch not in allowed_extra})
        if odd:
            problems.append("%s: characters the report cannot print: %r" % (where, "".join(odd)))


def check_counts(rows, problems):
    if len(rows) != EXPECTED_TOTAL:
        problems.append("expected %d rows, found %d" % (EXPECTED_TOTAL, len(rows)))
    groups = collections.Counter(group_of(code) for _, code, _ in rows)
    for group in sorted(set(groups) | set(EXPECTED_GROUPS)):
        if groups[group] != EXPECTED_GROUPS.get(group, 0):
            problems.append("range %s: expected %d rows, found %d" % (group, EXPECTED_GROUPS.get(group, 0), groups[group]))


def main(argv):
    polish_path = argv[1] if len(argv) > 1 else DEFAULT_POLISH
    english_path = argv[2] if len(argv) > 2 else DEFAULT_ENGLISH
    first_path = argv[3] if len(argv) > 3 else first_table.DEFAULT_PATH
    problems = []
    try:
        polish = read_rows(polish_path, problems)
        english = read_rows(english_path, problems)
        first_codes = {code for _, code, _ in first_table.read_rows(first_path, [])}
    except OSError as exc:
        print("cannot read: %s" % exc)
        return 1
    if not polish:
        problems.append("%s: no rows" % os.path.basename(polish_path))
    check_codes(os.path.basename(polish_path), polish, first_codes, problems)
    check_texts(os.path.basename(polish_path), polish, POLISH_LETTERS, problems)
    check_texts(os.path.basename(english_path), english, set(), problems)
    polish_codes = [code for _, code, _ in polish]
    english_codes = [code for _, code, _ in english]
    if english_codes != polish_codes:
        if len(english_codes) != len(polish_codes):
            problems.append("expected %d English rows as in the Polish table, found %d"
                            % (len(polish_codes), len(english_codes)))
        for (lineno, code, _), wanted in zip(english, polish_codes):
            if code != wanted:
                problems.append("%s line %d: %s where the Polish table has %s"
                                % (os.path.basename(english_path), lineno, code, wanted))
                break
    check_counts(polish, problems)
    return first_table.report(problems)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
