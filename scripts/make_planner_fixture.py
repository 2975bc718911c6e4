#!/usr/bin/python3
"""Writes tests/planner/data/planner_sky.csv: independent geocentric azimuths
and elevations (no refraction, no parallax) of the Sun, the Moon, Venus,
Mars, Jupiter, Saturn and twelve navigational stars for two instants and
places, for the sight planner's accuracy test.

The apparent geocentric places of date (right ascension and declination)
and the Greenwich apparent sidereal time come from the routes of
scripts/make_golden_fixture.py (Debian python3-erfa and python3-ephem; see
its docstring). The local hour angle is GAST + longitude - RA; elevation and
azimuth (from north through east) follow from the astronomical triangle:

    sin h = sin phi sin dec + cos phi cos dec cos H
    A = atan2(-cos dec sin H, sin dec cos phi - cos dec sin phi cos H)

Usage:

    /usr/bin/python3 scripts/make_planner_fixture.py          write the file
    /usr/bin/python3 scripts/make_planner_fixture.py --stdout print instead
"""

import argparse
import datetime
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_golden_fixture as golden  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests/planner/data/planner_sky.csv"
DEG = math.pi / 180

# UT instant (year, month, day, hour, minute, second) and the observer
# (latitude, longitude in degrees, north and east positive).
CASES = [
    ((2024, 1, 15, 2, 0, 0), 40.0, -70.0),       # a January night off New England
    ((2025, 6, 21, 14, 30, 0), -33.85, 151.2),  # a June night off Sydney
]


def alt_az(gast, ra, dec, lat, lon):
    hour_angle = gast + lon * DEG - ra
    phi = lat * DEG
    sin_h = math.sin(phi) * math.sin(dec) + math.cos(phi) * math.cos(dec) * math.cos(hour_angle)
    h = math.asin(sin_h)
    a = math.atan2(-math.cos(dec) * math.sin(hour_angle),
                   math.sin(dec) * math.cos(phi) - math.cos(dec) * math.sin(phi) * math.cos(hour_angle))
    return (a / DEG) % 360.0, h / DEG


def rows_for(number, case):
    (year, month, day, hour, minute, second), lat, lon = case
    t = golden.Instant(year, month, day, hour, minute, second)
    gast = golden.apparent_sidereal_time(t)
    places = [("SUN", 0, "Sun", golden.sun_place(t)), ("MOON", 0, "Moon", golden.moon_place(t))]
    for code, name, body_class in golden.PLANETS:
        places.append(("PLANET", code, name, golden.planet_place(t, body_class)))
    for index, name, *record in golden.STARS:
        places.append(("STAR", index, name, golden.star_place(t, *record)))
    rows = []
    for kind, index, name, (ra, dec) in places:
        azimuth, elevation = alt_az(gast, float(ra), float(dec), lat, lon)
        rows.append(f"{number},{year},{month},{day},{t.ut_hours:.9f},{t.delta_t:.4f},"
                    f"{lat},{lon},{kind},{index},{name},{azimuth:.9f},{elevation:.9f}")
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true")
    args = parser.parse_args()
    lines = [
        "# Independent geocentric azimuth and elevation for the sight planner's accuracy test.",
        f"# Made {datetime.date.today().isoformat()} by scripts/make_planner_fixture.py;"
        " do not edit by hand.",
        f"# Libraries: pyerfa {golden.erfa.__version__}, PyEphem {golden.ephem.__version__};"
        " Debian python3-erfa and python3-ephem.",
        "# Places: the routes of scripts/make_golden_fixture.py (erfa Sun, Moon and stars,",
        "#   PyEphem planets, erfa.gst06a); UT taken as UT1, TT = UT + delta_t_s (libastro's).",
        "# Azimuth from north through east, elevation of the centre: geocentric, no refraction,",
        "#   no parallax. index: StarIndex for stars, PlanetCode for planets.",
        "# Columns: case,year,month,day,ut_hours,delta_t_s,lat_deg,lon_deg,kind,index,name,"
        "azimuth_deg,elevation_deg",
    ]
    for number, case in enumerate(CASES, start=1):
        lines.extend(rows_for(number, case))
    text = "\n".join(lines) + "\n"
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.write_text(text)


if __name__ == "__main__":
    main()
