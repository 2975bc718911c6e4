#!/usr/bin/env python3
"""Writes the six coastline outlines of the globe as C++ tables.

Reads the Natural Earth 1:110m land rings, the Great Lakes and the island
chains in data/coastlines/ and builds six closed outlines, each one polyline:

    Antarctica, North America, South America, Australia, Africa, Eurasia

1. The Americas ring is cut at the Gulf of Uraba and on the Pacific side of
   the isthmus, the Afro-Eurasian ring at the head of the Gulf of Suez and at
   Port Said; each part is closed with its straight cut.
2. Each part is turned to run in its outline's direction and to start at its
   outline's first point.
3. Islands and lakes are attached as out-and-back loops: the path leaves at
   its vertex nearest the island, goes once round the island from the
   island's nearest vertex back to it and returns to the vertex it left
   (Madagascar's loop returns to the next coast point instead, so that no
   position of Africa but the first repeats). The Great Lakes hang on the
   St. Lawrence waypoints; the Aleutian and Kuril chains are out-and-back
   spurs; the Antilles loop runs along the Lesser Antilles, westward along the
   south sides of Puerto Rico, Hispaniola and Cuba and eastward along their
   north sides.
4. Douglas-Peucker on the sphere (great-circle distance to the segment),
   never dropping a loop junction, with the tolerance chosen so that each
   outline's count comes close to its target; steps over 6.5 degrees are
   split along the great circle.
5. Points snap to the grid: latitude 90 - k * 180/513 cut to three decimals
   toward minus infinity, longitude a multiple of 0.45 within -180 to 180;
   zero steps are dropped. Equal inputs snap equally, so loops stay closed.

Usage, from anywhere (paths are relative to the repository root):

    python3 scripts/generate_coastline_tables.py           write the file
    python3 scripts/generate_coastline_tables.py --check   compare with the
        committed file byte for byte; exit 1 when it differs

Python 3 standard library only.
"""

import argparse
import math
import sys
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
GENERATOR = "scripts/generate_coastline_tables.py"
LAND = "data/coastlines/land-110m-rings.txt"
LAKES = "data/coastlines/great-lakes-110m-rings.txt"
CHAINS = "data/coastlines/island-chains.txt"
OUTPUT = "globe/coastline_tables.cpp"

MAX_STEP = 6.5  # degrees of arc; longer steps are split
LAT_STEPS = 513  # grid steps from pole to pole
LON_HUNDREDTHS = 45  # grid step in longitude, hundredths of a degree


class GeneratorError(Exception):
    pass


# ------------------------------------------------------------------ reading

def read_rings(path):
    rings = []
    names = []
    for number, line in enumerate((ROOT / path).read_text().splitlines(), 1):
        parts = line.split()
        if not parts:
            continue
        if parts[0] == "ring":
            rings.append([])
            names.append(" ".join(parts[3:]))
        elif rings:
            rings[-1].append((float(parts[0]), float(parts[1])))
        else:
            raise GeneratorError("%s:%d: point before the first ring" % (path, number))
    for ring in rings:
        if len(ring) < 4 or ring[0] != ring[-1]:
            raise GeneratorError("%s: a ring is not closed" % path)
    return rings, names


def read_chains(path):
    chains = {}
    name = None
    for line in (ROOT / path).read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("chain "):
            name = line[len("chain "):].split(" (")[0]
            chains[name] = []
        else:
            lat, lon = line.split()
            chains[name].append((float(lat), float(lon)))
    return chains


def find_ring(rings, lat_range, lon_range):
    """The largest ring whose bounding box lies within the two ranges."""
    found = [r for r in rings
             if lat_range[0] <= min(p[0] for p in r) and max(p[0] for p in r) <= lat_range[1]
             and lon_range[0] <= min(p[1] for p in r) and max(p[1] for p in r) <= lon_range[1]]
    if not found:
        raise GeneratorError("no ring within %s %s" % (lat_range, lon_range))
    return max(found, key=len)


# ----------------------------------------------------------------- geometry

def vec(p):
    lat, lon = math.radians(p[0]), math.radians(p[1])
    return (math.cos(lat) * math.cos(lon), math.cos(lat) * math.sin(lon), math.sin(lat))


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def arc(p, q):
    """Great-circle distance in degrees."""
    a, b = vec(p), vec(q)
    c = cross(a, b)
    return math.degrees(math.atan2(math.sqrt(dot(c, c)), dot(a, b)))


def segment_distance(p, a, b):
    """Distance in degrees from p to the shorter great-circle arc a-b."""
    va, vb, vp = vec(a), vec(b), vec(p)
    n = cross(va, vb)
    length = math.sqrt(dot(n, n))
    if length < 1e-12:
        return arc(p, a)
    n = (n[0] / length, n[1] / length, n[2] / length)
    if dot(cross(va, vp), n) >= 0 and dot(cross(vp, vb), n) >= 0:
        return math.degrees(math.asin(min(1.0, abs(dot(vp, n)))))
    return min(arc(p, a), arc(p, b))


def interpolate(p, q, t):
    a, b = vec(p), vec(q)
    omega = math.acos(max(-1.0, min(1.0, dot(a, b))))
    s = math.sin(omega)
    fa, fb = math.sin((1 - t) * omega) / s, math.sin(t * omega) / s
    v = tuple(fa * a[i] + fb * b[i] for i in range(3))
    return (math.degrees(math.asin(max(-1.0, min(1.0, v[2])))),
            math.degrees(math.atan2(v[1], v[0])))


def nearest_index(points, target):
    return min(range(len(points)), key=lambda i: arc(points[i], target))


def signed_area(ring):
    """Shoelace area in degrees, longitudes unwrapped: positive anticlockwise."""
    area = 0.0
    x0 = ring[0][1]
    prev = (x0, ring[0][0])
    for lat, lon in ring[1:]:
        d = lon - prev[0]
        while d > 180:
            d -= 360
        while d < -180:
            d += 360
        cur = (prev[0] + d, lat)
        area += prev[0] * cur[1] - cur[0] * prev[1]
        prev = cur
    return area / 2


def winding(ring):
    total = 0.0
    for p, q in zip(ring, ring[1:]):
        d = q[1] - p[1]
        while d > 180:
            d -= 360
        while d < -180:
            d += 360
        total += d
    return total


# ------------------------------------------------------------------ a path

class Path_:
    """A polyline whose points may be marked as junctions (never dropped)."""

    def __init__(self, points, keep=None):
        self.points = list(points)
        self.keep = list(keep) if keep else [False] * len(self.points)

    def insert_after(self, i, points, keep):
        self.points[i + 1:i + 1] = points
        self.keep[i + 1:i + 1] = keep
        self.keep[i] = True


def walk(points, i, j, step):
    """The vertices of a closed ring's open form from i to j, stepping by
    step (1 or -1)."""
    out = [points[i]]
    while i != j:
        i = (i + step) % len(points)
        out.append(points[i])
    return out


def closed_open(ring):
    """A closed ring without its repeated last point."""
    return ring[:-1]


def rotated_loop(ring, start):
    """The closed ring starting (and ending) at vertex start of its open form."""
    pts = closed_open(ring)
    return pts[start:] + pts[:start] + [pts[start]]


def cut_ring(ring, a, b, inside):
    """Cuts a closed ring at its vertices nearest a and b; returns the part
    that holds the point inside, running from the cut at a to the cut at b,
    closed with the straight cut back to a."""
    pts = closed_open(ring)
    ia, ib = nearest_index(pts, a), nearest_index(pts, b)
    forward, backward = walk(pts, ia, ib, 1), walk(pts, ia, ib, -1)
    k_in = nearest_index(pts, inside)
    part = forward if pts[k_in] in forward else backward
    return part + [part[0]]


def oriented(ring, anticlockwise):
    if (signed_area(ring) > 0) != anticlockwise:
        return list(reversed(ring))
    return ring


def start_at(ring, first):
    return rotated_loop(ring, nearest_index(closed_open(ring), first))


def attach_loop(path, island, back_to_next=False):
    """Leaves the path at its vertex nearest the island, goes once round the
    island from its nearest vertex and returns to the vertex left (or, with
    back_to_next, to the next vertex of the path, leaving out the island's
    repeated first point)."""
    pts = closed_open(island)
    best = None
    for i, p in enumerate(path.points[:-1]):
        for j, q in enumerate(pts):
            d = arc(p, q)
            if best is None or d < best[0]:
                best = (d, i, j)
    _, i, j = best
    loop = pts[j:] + pts[:j]
    keep = [True] + [False] * (len(loop) - 1)
    if back_to_next:
        keep[-1] = True
        path.insert_after(i, loop, keep)
        path.keep[i + 1 + len(loop)] = True
    else:
        loop = loop + [pts[j], path.points[i]]
        keep = keep + [True, True]
        path.insert_after(i, loop, keep)


def attach_spur(path, chain):
    """An out-and-back spur along a chain of points from the path vertex
    nearest the chain's first point."""
    i = nearest_index(path.points[:-1], chain[0])
    out = list(chain) + list(reversed(chain)) + [path.points[i]]
    path.insert_after(i, out, [True] * len(out))


def sides(island):
    """South side (east to west) and north side (west to east) of a ring."""
    pts = closed_open(island)
    n = len(pts)
    w = min(range(n), key=lambda k: pts[k][1])
    e = max(range(n), key=lambda k: pts[k][1])
    one, other = walk(pts, e, w, 1), walk(pts, e, w, -1)
    mean = lambda side: sum(p[0] for p in side) / len(side)
    south = one if mean(one) < mean(other) else other
    north = other if south is one else one
    return south, list(reversed(north))


# ------------------------------------------------------------ simplifying

def simplify(path, tolerance):
    pts, keep = path.points, path.keep
    n = len(pts)
    kept = [False] * n
    kept[0] = kept[-1] = True
    for k in range(n):
        if keep[k]:
            kept[k] = True
    anchors = [k for k in range(n) if kept[k]]
    for a, b in zip(anchors, anchors[1:]):
        stack = [(a, b)]
        while stack:
            lo, hi = stack.pop()
            if hi - lo < 2:
                continue
            far, far_d = -1, -1.0
            for k in range(lo + 1, hi):
                d = segment_distance(pts[k], pts[lo], pts[hi])
                if d > far_d:
                    far, far_d = k, d
            if far_d > tolerance:
                kept[far] = True
                stack.append((lo, far))
                stack.append((far, hi))
    return [pts[k] for k in range(n) if kept[k]]


def split_long_steps(points):
    out = [points[0]]
    for p, q in zip(points, points[1:]):
        d = arc(p, q)
        if d > MAX_STEP:
            pieces = math.ceil(d / MAX_STEP)
            for k in range(1, pieces):
                out.append(interpolate(p, q, k / pieces))
        out.append(q)
    return out


def snap(p):
    """The grid point of p: (k, m) with latitude 90 - k * 180/513 and
    longitude m * 0.45."""
    k = round((90 - p[0]) * LAT_STEPS / 180)
    m = round(p[1] * 100 / LON_HUNDREDTHS)
    m = max(-400, min(400, m))
    return (k, m)


def grid_latitude(k):
    """Thousandths of a degree, cut toward minus infinity."""
    return math.floor((90 - Fraction(180 * k, LAT_STEPS)) * 1000)


def grid_value(p):
    k, m = p
    return (grid_latitude(k) / 1000, m * LON_HUNDREDTHS / 100)


def finished(path, tolerance):
    points = split_long_steps(simplify(path, tolerance))
    out = []
    for p in points:
        g = snap(p)
        if not out or out[-1] != g:
            out.append(g)
    return out


def fit(path, target):
    """The outline whose count comes closest to the target."""
    lo, hi = 0.001, 10.0
    best = None
    for _ in range(40):
        mid = math.sqrt(lo * hi)
        out = finished(path, mid)
        if best is None or abs(len(out) - target) < abs(len(best) - target):
            best = out
        if len(out) > target:
            lo = mid
        else:
            hi = mid
    return best


# --------------------------------------------------------------- outlines

def build():
    land, _ = read_rings(LAND)
    lakes, lake_names = read_rings(LAKES)
    chains = read_chains(CHAINS)
    lake = {name: ring for name, ring in zip(lake_names, lakes)}

    def ring(lat_range, lon_range):
        return find_ring(land, lat_range, lon_range)

    outlines = []

    # Antarctica: westward round the pole, from the Ross Sea side of 180.
    antarctica = ring((-90, -60), (-180, 180))
    if winding(antarctica) > 0:
        antarctica = list(reversed(antarctica))
    antarctica = Path_(start_at(antarctica, (-84.036, 178.65)))
    outlines.append(("Antarctica", "kAntarctica", antarctica, 154))

    # The Americas.
    americas = ring((-60, 75), (-170, -30))
    uraba, pacific = (8.64, -76.84), (7.22, -77.88)
    north = Path_(cut_ring(americas, uraba, pacific, (40, -100)))
    waypoints = chains["St. Lawrence River"]
    attach_spur(north, waypoints)
    last_waypoint = north.points.index(waypoints[-1])
    ontario = closed_open(lake["Lake Ontario"])
    j = nearest_index(ontario, waypoints[-1])
    loop = ontario[j:] + ontario[:j] + [ontario[j], waypoints[-1]]
    north.insert_after(last_waypoint, loop, [True] + [False] * (len(loop) - 3) + [True, True])
    for name in ("Lake Erie", "Lake Huron", "Lake Michigan", "Lake Superior"):
        attach_loop(north, lake[name])
    newfoundland = ring((46, 52), (-60, -52))
    baffin = ring((61, 74), (-91, -61))
    greenland = ring((59, 84), (-74, -12))
    iceland = ring((63, 67), (-25, -13))
    ellesmere = ring((76, 84), (-92, -61))
    for island in (newfoundland, baffin, ellesmere, greenland, iceland):
        attach_loop(north, island)
    arctic = [((74.5, 81.5), (-97, -85)),  # Axel Heiberg
              ((74, 77.5), (-98, -79)),  # Devon
              ((72.5, 74), (-81, -76)),  # Bylot
              ((74, 77), (-118, -105)),  # Melville
              ((70.5, 74.5), (-126, -115)),  # Banks
              ((68, 73.5), (-120, -100)),  # Victoria
              ((71, 74), (-103, -96)),  # Prince of Wales
              ((71.5, 74.5), (-97, -90)),  # Somerset
              ((63, 66), (-88, -80))]  # Southampton
    for lat_range, lon_range in arctic:
        attach_loop(north, ring(lat_range, lon_range))
    attach_spur(north, chains["Aleutian Islands"])
    outlines.append(("North America", "kNorthAmerica", north, 509))

    south = cut_ring(americas, uraba, pacific, (-20, -60))
    south = Path_(south)
    # The Antilles: out along the Lesser Antilles, westward along the south
    # sides of Puerto Rico, Hispaniola and Cuba, back along their north sides.
    greater = [ring((17.5, 19), (-68, -65)), ring((17.5, 20.5), (-75, -68)),
               ring((19.5, 23.5), (-85.5, -74))]
    south_sides, north_sides = zip(*(sides(island) for island in greater))
    lesser = chains["Lesser Antilles"]
    out = list(lesser)
    for side in south_sides:
        out += side
    for side in reversed(north_sides):
        out += side
    out += list(reversed(lesser))
    i = nearest_index(south.points[:-1], lesser[0])
    out.append(south.points[i])
    keep = [False] * len(out)
    for pos in (0, len(lesser) - 1, len(out) - len(lesser), len(out) - 1):
        keep[pos] = True
    turn = len(lesser) + sum(len(s) for s in south_sides) - 1
    keep[turn] = keep[turn + 1] = True
    south.insert_after(i, out, keep)
    attach_loop(south, ring((17.5, 18.6), (-78.5, -76)))  # Jamaica
    attach_loop(south, ring((-56, -52), (-75, -65)))  # Tierra del Fuego
    outlines.append(("South America", "kSouthAmerica", south, 141))

    # Australia: Tasmania and New Guinea.
    australia = oriented(ring((-40, -10), (113, 154)), anticlockwise=True)
    australia = Path_(start_at(australia, (-17.72, 141.75)))
    attach_loop(australia, ring((-44, -40), (144, 149)))  # Tasmania
    attach_loop(australia, ring((-11, 0), (130, 151)))  # New Guinea
    outlines.append(("Australia", "kAustralia", australia, 102))

    # Africa and Eurasia, cut at Suez.
    afro_eurasia = ring((-35, 78), (-180, 180))
    suez, port_said = (29.85, 32.42), (31.26, 32.19)
    africa = oriented(cut_ring(afro_eurasia, suez, port_said, (-30, 20)), anticlockwise=False)
    africa = Path_(start_at(africa, (15.263, -14.85)))
    attach_loop(africa, ring((-26, -11), (43, 51)), back_to_next=True)  # Madagascar
    outlines.append(("Africa", "kAfrica", africa, 128))

    eurasia = oriented(cut_ring(afro_eurasia, suez, port_said, (50, 90)), anticlockwise=True)
    eurasia = Path_(start_at(eurasia, (12.456, 45.45)))
    islands = [((5.5, 10), (79, 82)),  # Sri Lanka
               ((-6, 6), (95, 107)),  # Sumatra
               ((-9, -5.5), (105, 116)),  # Java
               ((-9.5, -8), (116, 119.5)),  # Lombok and Sumbawa
               ((-9, -8), (119.5, 123)),  # Flores
               ((-10.5, -8), (123, 128)),  # Timor
               ((45.5, 55), (141, 145)),  # Sakhalin
               ((41, 46), (139, 146)),  # Hokkaido
               ((30.5, 42), (129, 142)),  # Honshu and Kyushu
               ((32.5, 34.5), (132, 135)),  # Shikoku
               ((73, 74.5), (139, 144)),  # New Siberian Islands
               ((74.5, 76.5), (136, 146)),
               ((74.5, 76), (146, 151)),
               ((78.5, 81.5), (91, 101)),  # Severnaya Zemlya
               ((77.5, 79.5), (99, 106)),
               ((70, 77.5), (51, 69.5)),  # Novaya Zemlya
               ((54.5, 56.5), (10.5, 13)),  # Zealand
               ((49.5, 59), (-6.5, 2)),  # Great Britain
               ((51.5, 55.5), (-10.5, -5.5)),  # Ireland
               ((36.5, 38.5), (12, 16))]  # Sicily
    for lat_range, lon_range in islands:
        attach_loop(eurasia, ring(lat_range, lon_range))
    attach_spur(eurasia, chains["Kuril Islands"])
    outlines.append(("Eurasia", "kEurasia", eurasia, 453))

    return [(name, symbol, fit(path, target)) for name, symbol, path, target in outlines]


# ------------------------------------------------------------------ output

def decimal_text(units, places):
    """A whole number of 10**-places as the shortest decimal text."""
    sign = "-" if units < 0 else ""
    whole, frac = divmod(abs(units), 10 ** places)
    text = ("%s%d.%0*d" % (sign, whole, places, frac)).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def render(outlines):
    lines = [
        "// The six coastline outlines of the globe: latitude and longitude in degrees,",
        "// north and east positive, on the grid of 180/513 degree in latitude (cut to",
        "// three decimals) and 0.45 degree in longitude; each outline is closed.",
        "//",
        "// Generated by %s from %s," % (GENERATOR, LAND),
        "// %s and %s" % (LAKES, CHAINS),
        "// (Natural Earth 1:110m, public domain). Generated: do not edit.",
        '#include "globe/globe.h"',
        "",
        "namespace globe {",
        "",
        "// clang-format off",
        "namespace {",
        "",
    ]
    for name, symbol, points in outlines:
        lines.append("// %s: %d points." % (name, len(points)))
        lines.append("constexpr CoastPoint %s[] = {" % symbol)
        row = []
        for k, m in points:
            row.append("{%s, %s}," % (decimal_text(grid_latitude(k), 3),
                                      decimal_text(m * LON_HUNDREDTHS, 2)))
            if len(row) == 5:
                lines.append("    " + " ".join(row))
                row = []
        if row:
            lines.append("    " + " ".join(row))
        lines.append("};")
        lines.append("")
    lines.append("}  // namespace")
    lines.append("// clang-format on")
    lines.append("")
    lines.append("const std::array<CoastOutline, kOutlineCount>& coastlineOutlines() {")
    lines.append("    static const std::array<CoastOutline, kOutlineCount> outlines{{")
    for name, symbol, points in outlines:
        lines.append('        {"%s", %s, %d},' % (name, symbol, len(points)))
    lines.append("    }};")
    lines.append("    return outlines;")
    lines.append("}")
    lines.append("")
    lines.append("}  // namespace globe")
    return ("\n".join(lines) + "\n").encode()


def main():
    parser = argparse.ArgumentParser(description="Writes the globe's coastline tables.")
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    parser.add_argument("--summary", action="store_true",
                        help="print each outline's count, extent and steps")
    args = parser.parse_args()
    name = Path(GENERATOR).name
    try:
        outlines = build()
    except (GeneratorError, OSError, ValueError) as error:
        print("%s: error: %s" % (name, error), file=sys.stderr)
        return 1
    content = render(outlines)
    if args.summary:
        for title, _, points in outlines:
            values = [grid_value(p) for p in points]
            steps = sorted(arc(p, q) for p, q in zip(values, values[1:]))
            print("%-14s %4d  lat %8.3f..%7.3f  lon %8.2f..%7.2f  median %.2f  longest %.2f" % (
                title, len(values), min(v[0] for v in values), max(v[0] for v in values),
                min(v[1] for v in values), max(v[1] for v in values),
                steps[len(steps) // 2], steps[-1]))
    path = ROOT / OUTPUT
    if args.check:
        if not path.is_file() or path.read_bytes() != content:
            print("%s: %s differs from the generated tables; run python3 %s" %
                  (name, OUTPUT, GENERATOR), file=sys.stderr)
            return 1
        print("%s: %s is up to date" % (name, OUTPUT))
        return 0
    path.write_bytes(content)
    print("%s: wrote %s" % (name, OUTPUT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
