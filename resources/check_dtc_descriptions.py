#!/usr/bin/env python3
"""Consistency check for resources/dtc_descriptions.txt.

Usage: check_dtc_descriptions.py [path]

Prints "OK" and exits 0 when the table is sound, otherwise prints one line
per problem and exits 1.
"""
import collections
import os
import re
import sys

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                            "dtc_descriptions.txt")

# Codes present in the table, as inclusive ranges of consecutive numbers.
# P1680 is listed once here; the table carries it twice.
RANGES = """
B0100-B0103 B0105-B0108 B0110-B0113 B0115-B0118 B0120-B0123 B0125-B0128
B0130-B0133 B0135-B0138 B0300-B0303 B0305-B0308 B0310-B0313 B0315-B0318
B0320-B0323 B0325-B0328 B0330-B0333 B0335-B0338 B0340-B0343 B0345-B0348
B0350-B0353 B0355-B0358 B0360-B0363 B0365-B0368 B0370-B0373 B0375-B0378
B0380-B0381 B0400-B0403 B0405-B0408 B0410-B0413 B0415-B0418 B0420-B0423
B0425-B0428 B0430-B0433 B0435-B0438 B0440-B0443 B0445-B0448 B0500-B0503
B0505-B0508 B0510-B0513 B0515-B0518 B0520-B0523 B0525-B0528 B0530-B0533
B0535-B0538 B0540-B0543 B0545-B0548 B0550-B0553 B0555-B0558 B0560-B0563
B0565-B0568 B0600-B0608 B0800-B0803 B0805-B0808 B0810-B0813 B0815-B0818
B0820-B0823 B0825-B0828 B0830-B0833 B0835-B0838 B0840-B0843 B0845-B0848
B0850-B0853 B0855-B0860
C0200-C0203 C0205-C0208 C0210-C0213 C0215-C0218 C0220-C0223 C0225-C0229
C0231-C0234 C0236-C0239 C0241-C0244 C0246-C0249 C0251-C0254 C0256-C0259
C0261-C0264 C0266-C0269 C0271-C0274 C0276-C0279 C0300-C0303 C0305-C0308
C0310-C0313 C0315-C0318 C0320-C0323 C0325-C0328 C0330-C0333 C0335-C0338
C0340-C0343 C0345-C0348 C0350-C0353 C0355-C0358 C0360-C0363 C0365-C0368
C0370-C0373 C0500-C0503 C0505-C0508 C0510-C0513 C0700-C0703 C0705-C0708
C0710-C0713 C0715-C0718 C0720-C0723 C0725-C0728 C0730-C0733 C0735-C0738
C0740-C0743 C0745-C0748 C0750-C0753 C0755-C0758
P0008-P0015 P0017-P0025 P0030-P0039 P0042-P0044 P0050-P0052 P0056-P0058
P0062-P0296 P0298-P0362 P0365-P0382 P0385-P0394 P0400-P0495 P0497-P0503
P0505-P0512 P0514-P0524 P0526-P0534 P0540-P0584 P0586-P0588 P0594
P0600-P0648 P0650-P0678 P0683-P0696 P0700-P0801 P0803-P0866 P0870-P0892
P0900-P0986
P1101-P1102 P1111-P1113 P1132-P1134 P1139-P1140 P1152-P1154 P1159-P1160
P1171-P1172 P1174-P1175 P1177-P1179 P1181-P1182 P1184-P1185 P1187-P1189
P1237-P1238 P1307-P1308 P1310 P1325-P1330 P1332 P1350-P1361 P1403-P1405
P1416-P1418 P1440 P1480-P1482 P1486-P1487 P1505-P1508 P1513 P1602-P1605
P1619-P1621 P1623 P1625-P1633 P1635-P1638 P1640-P1642 P1646-P1647
P1649-P1652 P1655-P1656 P1660-P1663 P1672-P1673 P1680
"""

EXPECTED_TOTAL = 1460
EXPECTED_GROUPS = {"B": 253, "C": 185, "P0": 912, "P1": 110}
# Number of trailing blanks -> number of P rows ending that way.
EXPECTED_P_TRAILING = {0: 29, 1: 835, 2: 145, 3: 13}

# Rows whose text is fixed by the UI team, compared character for character.
FIXED_ROWS = {
    "B0100": "Poduszka powietrzna kierowcy - usterka",
    "B0101": "Poduszka powietrzna kierowcy - sygnał poza zakresem/wydajność",
    "B0102": "Poduszka powietrzna kierowcy - niski sygnał wejściowy",
    "B0103": "Poduszka powietrzna kierowcy - wysoki sygnał wejściowy",
    "B0848": "Obwód napięcia odniesienia 5V - wysoki sygnał wejściowy",
    "C0200": "Czujnik prędkości koła prawy przedni - usterka",
    "C0732": "Przyspieszeniomierz lewy tylny - niski sygnał wejściowy",
    "P0100": "Czujnik masowego lub objętościowego przepływu powietrza - usterka ",
    "P0103": "Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy ",
    "P0133": "Czujnik tlenu (sonda lambda) (Bank 1 czujnik 1) - powolna reakcja / odpowiedź ",
    "P0252": "Wirnik / krzywka pompy wtryskowej A - sygnał poza zakresem / działanie ",
    "P0268": "Wtryskiwacz cylindra 3 - wysoki sygnał ",
    "P0300": "Wykryte przypadkowe / wielokrotne wypadanie zapłonów w cylindrach ",
    "P0301": "Cylinder 1 - wykryte wypadanie zapłonów ",
    "P0322": "Obwód wejścia prędkości silnika dla rozdzielacza / zapłonu - brak sygnału ",
    "P0326": "Czujnik spalania stukowego 1 (Bank 1) - sygnał poza zakresem / działanie ",
    "P0420": "System katalizatora (Bank 1) - wydajność poniżej progu ",
    "P0445": "Układ odprowadzania par paliwa, obwód sterujący zaworu oczyszczania - zwarcie ",
    "P0507": "Układ regulacji biegu jałowego - obroty wyższe niż oczekiwane ",
    "P0553": "Czujnik ciśnienia układu wspomagania kierownicy - wysoki sygnał wejściowy ",
    "P1101": "Stopień mocy grupa A ",
}
P1680_ROWS = ["Żądania Immobilizera ", "Żądania immobilizera "]

ROW_RE = re.compile(r"^([BCPU]\d{4})\|(.*)\|$")
# Outside ASCII only Polish letters are allowed; this keeps typographic
# quotes and dashes out even though Windows-1250 could encode them.
ALLOWED_NON_ASCII = set("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")


def expected_codes():
    """All codes in table order, P1680 included twice."""
    codes = []
    for item in RANGES.split():
        first, _, last = item.partition("-")
        last = last or first
        for number in range(int(first[1:]), int(last[1:]) + 1):
            codes.append("%s%04d" % (first[0], number))
    codes.append("P1680")
    return codes


def group_of(code):
    return code[:2] if code[0] == "P" else code[0]


def read_rows(path, problems):
    rows = []
    with open(path, "rb") as handle:
        raw = handle.read()
    if b"\r" in raw:
        problems.append("file contains CR characters (LF line endings only)")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as exc:
        problems.append("file is not valid UTF-8: %s" % exc)
        return rows
    in_header = True
    for lineno, line in enumerate(text.split("\n"), 1):
        line = line.rstrip("\r")
        if line == "":
            continue
        if line.startswith("#"):
            if not in_header:
                problems.append("line %d: comment after the first data row" % lineno)
            continue
        in_header = False
        match = ROW_RE.match(line)
        if not match:
            problems.append("line %d: not in CODE|DESCRIPTION| form: %r" % (lineno, line))
            continue
        rows.append((lineno, match.group(1), match.group(2)))
    if text and not text.endswith("\n"):
        problems.append("last line is not terminated by LF")
    return rows


def check_layout(rows, problems):
    """Row count, per-system counts, coverage and order."""
    codes = [code for _, code, _ in rows]
    if len(codes) != EXPECTED_TOTAL:
        problems.append("expected %d rows, found %d" % (EXPECTED_TOTAL, len(codes)))
    groups = collections.Counter(group_of(code) for code in codes)
    for group, count in sorted(EXPECTED_GROUPS.items()):
        if groups[group] != count:
            problems.append("system %s: expected %d rows, found %d" % (group, count, groups[group]))
    for group in sorted(set(groups) - set(EXPECTED_GROUPS)):
        problems.append("unexpected system %s (%d rows)" % (group, groups[group]))

    wanted = collections.Counter(expected_codes())
    found = collections.Counter(codes)
    missing = sorted((wanted - found).elements())
    extra = sorted((found - wanted).elements())
    if missing:
        problems.append("missing codes: %s" % " ".join(missing))
    if extra:
        problems.append("unexpected or duplicated codes: %s" % " ".join(extra))

    for (_, prev, _), (lineno, code, _) in zip(rows, rows[1:]):
        if code < prev or (code == prev and code != "P1680"):
            problems.append("line %d: %s is out of order after %s" % (lineno, code, prev))


def check_texts(rows, problems):
    """Fixed rows, trailing blanks and the character set of every description."""
    by_code = collections.defaultdict(list)
    p_trailing = collections.Counter()
    for lineno, code, text in rows:
        by_code[code].append(text)
        where = "line %d (%s)" % (lineno, code)
        body = text.rstrip(" ")
        trailing = len(text) - len(body)
        if not body:
            problems.append("%s: empty description" % where)
        if "|" in text:
            problems.append("%s: '|' inside the description" % where)
        if text.startswith(" "):
            problems.append("%s: leading blank" % where)
        if "  " in body:
            problems.append("%s: two blanks in a row inside the text" % where)
        if code in body:
            problems.append("%s: description repeats the code" % where)
        if code[0] == "P":
            p_trailing[trailing] += 1
        elif trailing:
            problems.append("%s: B/C description must not end with a blank" % where)
        try:
            text.encode("cp1250")
        except UnicodeEncodeError as exc:
            problems.append("%s: not representable in Windows-1250: %r" % (where, text[exc.start:exc.end]))
        odd = sorted({ch for ch in text if ord(ch) > 127 and ch not in ALLOWED_NON_ASCII})
        if odd:
            problems.append("%s: unexpected non-ASCII characters %r" % (where, "".join(odd)))
        if any(ord(ch) < 32 for ch in text):
            problems.append("%s: control character inside the description" % where)

    for code, expected in sorted(FIXED_ROWS.items()):
        if by_code.get(code) != [expected]:
            problems.append("%s: expected %r, found %r" % (code, expected, by_code.get(code)))
    if by_code.get("P1680") != P1680_ROWS:
        problems.append("P1680: expected rows %r, found %r" % (P1680_ROWS, by_code.get("P1680")))

    if dict(p_trailing) != EXPECTED_P_TRAILING:
        problems.append("P trailing blanks: expected %s, found %s"
                        % (EXPECTED_P_TRAILING, dict(sorted(p_trailing.items()))))


def report(problems):
    """Prints the problems, or "OK" when there are none; returns the exit status."""
    if problems:
        for problem in problems:
            print(problem)
        print("%d problem(s) found" % len(problems))
        return 1
    print("OK")
    return 0


def main(argv):
    path = argv[1] if len(argv) > 1 else DEFAULT_PATH
    problems = []
    try:
        rows = read_rows(path, problems)
    except OSError as exc:
        print("cannot read %s: %s" % (path, exc))
        return 1
    check_layout(rows, problems)
    check_texts(rows, problems)
    return report(problems)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
