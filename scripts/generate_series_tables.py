#!/usr/bin/env python3
"""Writes the compiled-in VSOP87D term tables of the Earth and the planets.

Reads the published VSOP87D files in data/vsop87d/, keeps and rounds the terms
as data/vsop87d/SELECTION.md states, checks the resulting term counts against
the counts table of SELECTION.md, and writes one C++ file per body:

    ephemeris/earth_series_terms.cpp    ephemeris::kEarthL, kEarthB, kEarthR
    series/venus_series_terms.cpp       series::kVenusL, kVenusB, kVenusR
    series/mars_series_terms.cpp        series::kMarsL, ...
    series/jupiter_series_terms.cpp     series::kJupiterL, ...
    series/saturn_series_terms.cpp      series::kSaturnL, ...

Usage, from anywhere (paths are taken relative to the repository root):

    python3 scripts/generate_series_tables.py           write the files
    python3 scripts/generate_series_tables.py --check   compare with the
        committed files byte for byte; exit 1 naming every file that differs

Python 3 standard library only.
"""

import argparse
import decimal
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA_DIR = "data/vsop87d"
SELECTION_FILE = DATA_DIR + "/SELECTION.md"
GENERATOR = "scripts/generate_series_tables.py"

COORDINATES = "LBR"  # the files' VARIABLE 1, 2, 3
POWERS = 6  # blocks tau^0 .. tau^5


class Body:
    def __init__(self, name, source, floor_base, namespace, output, include, last_kept):
        self.name = name  # as in the tables' names: kEarthL, kVenusB, ...
        self.source = source  # file name in data/vsop87d
        self.floor_base = floor_base  # amplitude floor of block k: floor_base / 4^k
        self.namespace = namespace
        self.output = output  # path of the generated file, from the repository root
        self.include = include
        # P: the last published position kept, per coordinate, per block.
        self.last_kept = last_kept


BODIES = [
    Body("Earth", "VSOP87D.ear", 6.25, "ephemeris", "ephemeris/earth_series_terms.cpp",
         "ephemeris/series_terms.h",
         {"L": [120, 71, 50, 8, 4, 3], "B": [20, 5, 2, 0, 0, 0], "R": [72, 38, 18, 4, 3, 1]}),
    Body("Venus", "VSOP87D.ven", 25.0, "series", "series/venus_series_terms.cpp",
         "series/series.h",
         {"L": [50, 23, 11, 4, 3, 3], "B": [18, 12, 4, 4, 4, 0], "R": [22, 7, 3, 0, 0, 0]}),
    Body("Mars", "VSOP87D.mar", 25.0, "series", "series/mars_series_terms.cpp",
         "series/series.h",
         {"L": [134, 106, 70, 32, 16, 7], "B": [41, 26, 11, 8, 5, 1],
          "R": [95, 89, 53, 15, 9, 3]}),
    Body("Jupiter", "VSOP87D.jup", 25.0, "series", "series/jupiter_series_terms.cpp",
         "series/series.h",
         {"L": [92, 71, 58, 59, 30, 9], "B": [36, 40, 37, 22, 12, 4],
          "R": [81, 59, 72, 64, 37, 9]}),
    Body("Saturn", "VSOP87D.sat", 25.0, "series", "series/saturn_series_terms.cpp",
         "series/series.h",
         {"L": [169, 116, 87, 63, 66, 27], "B": [53, 56, 48, 34, 26, 8],
          "R": [141, 101, 50, 72, 44, 10]}),
]

# Terms left out inside 1..P: (body, coordinate, block, published position) and
# the rounded (A, B, C) that the left-out term must have, so that a shifted
# position cannot go unnoticed. Only Saturn's L S5 term stands above its floor;
# the other three fall below it (0.086, 0.362 and 1.55 units) and would be
# dropped by the floor alone, but are listed all the same.
LEAVE_OUTS = {
    ("Mars", "L", 4, 15): (0.1, 0.79, 6684.75),
    ("Mars", "R", 3, 14): (0.4, 4.42, 2787.04),
    ("Saturn", "L", 5, 26): (0.1, 1.36, 412.37),
    ("Saturn", "B", 2, 46): (1.6, 5.6, 223.59),
}


class GeneratorError(Exception):
    pass


# --- Reading the published files --------------------------------------------

HEADER_RE = re.compile(r"VARIABLE\s+(\d)\s+\(LBR\)\s+\*T\*\*(\d)\s+(\d+)\s+TERMS")


def read_vsop_file(path):
    """Returns {(coordinate, power): [(A_text, B_text, C_text), ...]} in file order."""
    blocks = {}
    current = None
    expected = 0
    with open(path, "r", encoding="ascii", newline=None) as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, start=1):
        if not line.strip():
            continue
        if line.startswith(" VSOP87"):
            if current is not None and len(blocks[current]) != expected:
                raise GeneratorError("%s: block %s has %d terms, its header says %d"
                                     % (path.name, current, len(blocks[current]), expected))
            match = HEADER_RE.search(line)
            if not match:
                raise GeneratorError("%s:%d: unreadable header line" % (path.name, number))
            variable, power, expected = (int(g) for g in match.groups())
            current = (COORDINATES[variable - 1], power)
            if current in blocks:
                raise GeneratorError("%s:%d: block %s appears twice" % (path.name, number, current))
            blocks[current] = []
            continue
        if current is None:
            raise GeneratorError("%s:%d: term before the first header" % (path.name, number))
        # Fixed columns: 1x, 4i1, i5, 12i3, f15.11 (S), f18.11 (K), f18.11 (A),
        # f14.11 (B), f20.11 (C).
        ident = line[1:5]
        a_text = line[79:97].strip()
        b_text = line[97:111].strip()
        c_text = line[111:131].strip()
        if (int(ident[2]) != COORDINATES.index(current[0]) + 1 or int(ident[3]) != current[1]
                or line.split()[-3:] != [a_text, b_text, c_text]):
            raise GeneratorError("%s:%d: term line does not fit its block" % (path.name, number))
        blocks[current].append((a_text, b_text, c_text))
    if current is not None and len(blocks[current]) != expected:
        raise GeneratorError("%s: block %s has %d terms, its header says %d"
                             % (path.name, current, len(blocks[current]), expected))
    return blocks


# --- Selection and rounding -------------------------------------------------

def decimals_for(amplitude):
    """d = max(2, floor(log10 A) + 2) of the rounded amplitude A (units of 1e-8).

    floor(log10 A) is taken as the number of integer digits less one, which is
    exact at the powers of ten (9.969 rounds to 10.0 and gets d = 3)."""
    if amplitude < 1.0:
        return 2
    return max(2, len(str(int(amplitude))) + 1)


def select_block(body, coordinate, power, published):
    """The kept terms of one block as rounded (A, B, C) doubles, in published order."""
    last = body.last_kept[coordinate][power]
    if last > len(published):
        raise GeneratorError("%s %s S%d: P = %d but the file has %d terms"
                             % (body.name, coordinate, power, last, len(published)))
    floor = body.floor_base / 4 ** power
    kept = []
    for position in range(1, last + 1):
        a_text, b_text, c_text = published[position - 1]
        a8 = float(a_text) * 1e8
        a = round(a8, 1)  # correctly rounded from the double value
        taken = a8 >= floor and a != 0.0
        d = decimals_for(a)
        term = (a, round(float(b_text), d), round(float(c_text), d))
        leave_out = LEAVE_OUTS.get((body.name, coordinate, power, position))
        if leave_out is not None:
            if term != leave_out:
                raise GeneratorError("%s %s S%d: published position %d is %r, expected to "
                                     "leave out %r" % (body.name, coordinate, power, position,
                                                       term, leave_out))
            continue
        if position == last and not taken:
            raise GeneratorError("%s %s S%d: published position P = %d is not kept"
                                 % (body.name, coordinate, power, last))
        if taken:
            kept.append(term)
    return kept


def select_body(body):
    published = read_vsop_file(ROOT / DATA_DIR / body.source)
    tables = {}
    for coordinate in COORDINATES:
        tables[coordinate] = [select_block(body, coordinate, power,
                                           published.get((coordinate, power), []))
                              for power in range(POWERS)]
    return tables


def read_expected_counts():
    """The counts table ("Resulting term counts") of SELECTION.md."""
    text = (ROOT / SELECTION_FILE).read_text(encoding="utf-8")
    start = text.find("Resulting term counts")
    if start < 0:
        raise GeneratorError("%s: no table of resulting term counts" % SELECTION_FILE)
    counts = {}
    for line in text[start:].splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 4 or cells[0] not in [b.name for b in BODIES]:
            continue
        counts[cells[0]] = {coordinate: [int(n) for n in cell.split(",")]
                            for coordinate, cell in zip(COORDINATES, cells[1:])}
    missing = [b.name for b in BODIES if b.name not in counts]
    if missing:
        raise GeneratorError("%s: no counts for %s" % (SELECTION_FILE, ", ".join(missing)))
    return counts


def check_counts(body, tables, expected):
    for coordinate in COORDINATES:
        got = [len(block) for block in tables[coordinate]]
        want = expected[body.name][coordinate]
        if got != want:
            raise GeneratorError("%s %s: term counts %s differ from %s in %s"
                                 % (body.name, coordinate, got, want, SELECTION_FILE))


# --- Writing C++ --------------------------------------------------------------

def plain_number(x):
    """The shortest text that reads back as the double x, in plain decimal form
    with a decimal point (3341656.5, 4.6692568, 6283.07584999, 0.0)."""
    text = repr(x)
    if "e" in text or "E" in text:
        text = format(decimal.Decimal(text), "f")
    if "." not in text:
        text += ".0"
    if text.startswith("-"):
        raise GeneratorError("negative constant %s" % text)
    if float(text) != x:
        raise GeneratorError("%s does not read back as %r" % (text, x))
    return text


COORDINATE_WORDS = {"L": "longitude", "B": "latitude", "R": "radius vector"}


def render(body, tables):
    ns = body.namespace
    term_type = "SeriesTerm" if ns == "ephemeris" else "ephemeris::SeriesTerm"
    series_type = "CoordinateSeries" if ns == "ephemeris" else "ephemeris::CoordinateSeries"
    out = []
    out.append("// %s's heliocentric VSOP87D series, truncated: longitude L and latitude B in"
               % body.name)
    out.append("// 1e-8 rad, radius vector R in 1e-8 AU; each term is A cos(B + C tau), in "
               "published order.")
    out.append("//")
    out.append("// Generated by %s from %s/%s." % (GENERATOR, DATA_DIR, body.source))
    out.append("// Generated: do not edit.")
    out.append('#include "%s"' % body.include)
    out.append("")
    out.append("namespace %s {" % ns)
    out.append("")
    out.append("// clang-format off")
    out.append("namespace {")
    for coordinate in COORDINATES:
        for power, block in enumerate(tables[coordinate]):
            if not block:
                continue
            out.append("")
            out.append("// %s, tau^%d: %d term%s." % (COORDINATE_WORDS[coordinate], power,
                                                      len(block), "" if len(block) == 1 else "s"))
            out.append("constexpr %s k%s%d[] = {" % (term_type, coordinate, power))
            for a, b, c in block:
                out.append("    {%s, %s, %s}," % (plain_number(a), plain_number(b),
                                                  plain_number(c)))
            out.append("};")
    out.append("")
    out.append("}  // namespace")
    for coordinate in COORDINATES:
        out.append("")
        out.append("const %s k%s%s = {{" % (series_type, body.name, coordinate))
        for power, block in enumerate(tables[coordinate]):
            if block:
                out.append("    {k%s%d, %d}," % (coordinate, power, len(block)))
            else:
                out.append("    {nullptr, 0},")
        out.append("}};")
    out.append("// clang-format on")
    out.append("")
    out.append("}  // namespace %s" % ns)
    return ("\n".join(out) + "\n").encode("ascii")


def generate():
    """{output path: bytes} for every body."""
    expected = read_expected_counts()
    files = {}
    for body in BODIES:
        tables = select_body(body)
        check_counts(body, tables, expected)
        files[body.output] = render(body, tables)
    return files


def main():
    parser = argparse.ArgumentParser(description="Writes the VSOP87D term tables.")
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed files instead of writing them")
    args = parser.parse_args()
    name = Path(GENERATOR).name
    try:
        files = generate()
    except (GeneratorError, OSError, ValueError) as error:
        print("%s: error: %s" % (name, error), file=sys.stderr)
        return 1
    if args.check:
        stale = []
        for output, content in files.items():
            path = ROOT / output
            if not path.is_file():
                stale.append("%s is missing" % output)
            elif path.read_bytes() != content:
                stale.append("%s differs from the generated tables" % output)
        for line in stale:
            print("%s: %s" % (name, line), file=sys.stderr)
        if stale:
            print("%s: run python3 %s to regenerate" % (name, GENERATOR), file=sys.stderr)
            return 1
        print("%s: all %d generated files are up to date" % (name, len(files)))
        return 0
    for output, content in files.items():
        path = ROOT / output
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content)
        print("%s: wrote %s" % (name, output))
    return 0


if __name__ == "__main__":
    sys.exit(main())
