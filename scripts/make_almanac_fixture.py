#!/usr/bin/python3
"""Writes tests/almanac/data/almanac_fixture.csv: independent values for the
almanac and rise/set window tests.

- PLACE rows: apparent geocentric GHA and declination of the Sun, the Moon,
  two planets and three stars at a few UT instants, from the same routes as
  scripts/make_golden_fixture.py (erfa for the Sun, the Moon, the stars and
  the sidereal time; PyEphem for the planets), which this script imports.
- ARIES rows: the GHA of Aries (erfa's apparent sidereal time) at each
  instant of the PLACE rows, from which a body's SHA follows.
- RISE and SET rows: the Sun's and the Moon's rise and set for a UT date at a
  few places, from PyEphem (libastro) with the program's own definitions:
  the upper limb at 30 arc minutes below the horizon (refraction 30', no
  pressure model), topocentric (the Moon's parallax included), the rise being
  the last one before the upper transit that follows 0 h UT of the date and
  the set the first one after it. Times are UT hours from 0 h of the date, so
  a rise of the UT day before is negative and a set of the next day above 24.

Sources: Debian packages python3-erfa and python3-ephem; only this script
needs them, never the build or the tests. UT is taken as UT1; Delta T is
libastro's own (ephem.delta_t) at the instant, written on every row, and the
tests hand it to the program. Usage:

    /usr/bin/python3 scripts/make_almanac_fixture.py          write the file
    /usr/bin/python3 scripts/make_almanac_fixture.py --stdout print instead
"""

import argparse
import datetime
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_golden_fixture as golden  # noqa: E402  (its routes and catalogue)
from make_golden_fixture import ephem, erfa  # noqa: E402

ROOT = golden.ROOT
OUTPUT = ROOT / "tests/almanac/data/almanac_fixture.csv"

# UT instants of the PLACE rows: year, month, day, hour, minute, second.
INSTANTS = [
    (1985, 3, 3, 3, 33, 0),
    (2024, 6, 15, 14, 23, 17),
    (2031, 11, 20, 22, 10, 45),
]

# Stars of the PLACE rows by StarIndex (the window's list entry is 6 more).
STAR_INDEXES = [53, 56, 1]  # Sirius, Vega, Achernar

# Planets of the PLACE rows: PlanetCode, list entry.
PLANETS = [(2, 2, ephem.Venus), (5, 4, ephem.Jupiter)]

# Places of the RISE and SET rows: name, latitude, longitude (east positive).
PLACES = [
    ("Greenwich", 51.4769, -0.0005),
    ("New York", 40.7128, -74.006),
    ("Sydney", -33.8688, 151.2093),
    ("Honolulu", 21.3069, -157.8583),
]

# UT dates of the RISE and SET rows.
DATES = [(1995, 12, 8), (2024, 6, 20), (2031, 3, 28)]


def place_rows():
    rows = []
    stars = {record[0]: record for record in golden.STARS}
    for fields in INSTANTS:
        t = golden.Instant(*fields)
        gast = golden.apparent_sidereal_time(t)
        bodies = [("SUN", 0, golden.sun_place(t)), ("MOON", 1, golden.moon_place(t))]
        for _code, entry, body_class in PLANETS:
            bodies.append(("PLANET", entry, golden.planet_place(t, body_class)))
        for index in STAR_INDEXES:
            _, _name, *record = stars[index]
            bodies.append(("STAR", index + 6, golden.star_place(t, *record)))
        for kind, entry, (ra, dec) in bodies:
            rows.append(f"PLACE,{kind},{entry},{t.year},{t.month},{t.day},{t.ut_hours!r},"
                        f"{t.delta_t:.4f},0,0,{golden.gha(gast, ra):.9f},{dec / golden.DEG:.9f}")
        rows.append(f"ARIES,ARIES,0,{t.year},{t.month},{t.day},{t.ut_hours!r},"
                    f"{t.delta_t:.4f},0,0,{golden.gha(gast, 0):.9f},0")
    return rows


def hours_from(date0, event):
    return (float(event) - float(date0)) * 24


def rise_set_rows():
    rows = []
    for year, month, day in DATES:
        date0 = ephem.Date((year, month, day, 0, 0, 0))
        delta_t = round(ephem.delta_t(date0), 4)
        for name, lat, lon in PLACES:
            observer = ephem.Observer()
            observer.lat = str(lat)
            observer.lon = str(lon)
            observer.elevation = 0
            observer.pressure = 0  # no refraction model: the horizon below holds it
            observer.horizon = "-0:30"
            for kind, body in (("SUN", ephem.Sun()), ("MOON", ephem.Moon())):
                observer.date = date0
                transit = observer.next_transit(body)
                observer.date = transit
                rise = observer.previous_rising(body)
                observer.date = transit
                setting = observer.next_setting(body)
                transit_h = hours_from(date0, transit)
                if not 0.5 < transit_h < 23.5:
                    sys.exit(f"{name} {year}-{month}-{day} {kind}: transit {transit_h:.2f} h "
                             "too near a day's end for an unambiguous row")
                for event, when in (("RISE", rise), ("SET", setting)):
                    rows.append(f"{event},{kind},{name},{year},{month},{day},0,{delta_t:.4f},"
                                f"{lat},{lon},{hours_from(date0, when):.6f},0")
    return rows


def header():
    today = datetime.date.today().isoformat()
    lines = [
        "Independent values for the almanac and rise/set window tests.",
        f"Made {today} by scripts/make_almanac_fixture.py; do not edit by hand.",
        f"Libraries: pyerfa {erfa.__version__} (ERFA {erfa.version.erfa_version}, the IAU SOFA",
        f"  algorithms), PyEphem {ephem.__version__} (libastro); Debian python3-erfa and",
        "  python3-ephem.",
        "Time: UT taken as UT1; delta_t_s is libastro's own Delta T (ephem.delta_t) at the",
        "  instant (at 0 h of the date for RISE and SET), rounded to 0.0001 s; the tests hand",
        "  it to the program.",
        "PLACE: apparent geocentric GHA = GAST - RA of date (degrees westward) and declination",
        "  (degrees north), by the routes of scripts/make_golden_fixture.py: erfa for GAST,",
        "  the Sun, the Moon and the stars (the program's J2000.0 catalogue values), PyEphem",
        "  g_ra/g_dec for the planets. entry = the almanac list's entry (ObjectIndex).",
        "ARIES: the GHA of Aries (GAST, degrees) at the PLACE rows' instant; a body's SHA is",
        "  its GHA less this, modulo 360.",
        "RISE, SET: PyEphem with pressure 0 and horizon -0:30 for the upper limb, topocentric;",
        "  the rise is the last before, the set the first after the upper transit that follows",
        "  0 h UT of the date. value = UT hours from 0 h of the date (below 0: the day before;",
        "  24 or more: the day after). entry = the place's name.",
        "Columns: row,kind,entry,year,month,day,ut_hours,delta_t_s,lat_deg,lon_deg,value1,value2",
        "  (PLACE: value1 GHA, value2 Dec; ARIES: value1 GHA of Aries, value2 0; RISE and SET:",
        "  value1 the time, value2 0).",
    ]
    return "".join(f"# {line}\n" for line in lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true", help="print instead of writing")
    args = parser.parse_args()
    text = header() + "".join(row + "\n" for row in place_rows() + rise_set_rows())
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)
        print(f"wrote {OUTPUT.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
