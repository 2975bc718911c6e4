#!/usr/bin/python3
"""Writes tests/ephemeris/data/rise_set_fixture.csv: independent rise and set
times of the Sun and the Moon at latitudes up to 89 degrees, on the program's
own definitions, for the rise/set tests.

PyEphem (libastro) gives the apparent geocentric place of date (ra, dec),
the geocentric semi-diameter and distance, and the apparent sidereal time at
Greenwich; from them this script forms, on a spherical Earth, the altitude
of the centre h and the threshold h0 = -(30' + SD) for the Sun and
HP - SD - 30' for the Moon (HP = asin(6378.14 km / distance); no air model,
30' of horizontal refraction). The span runs from the lower culmination
(local hour angle 180 degrees) before the upper meridian passage that
follows 0 h UT of the date (for the Moon: the first at or after 0 h) to the
one after it; h - h0 is stepped every 2 minutes over it and bisected to
0.1 s where it changes sign. The rise is the upward crossing nearest the
meridian passage, the set the downward one; "nan" where the span has none.
Each time carries the rate of h - h0 there, arc minutes per minute of time,
from which the tests take their tolerance.

Source: Debian package python3-ephem; only this script needs it, never the
build or the tests. UT is taken as UT1; Delta T is libastro's own
(ephem.delta_t) at 0 h of the date, written on every row, and the tests hand
it to the program. Usage:

    /usr/bin/python3 scripts/make_rise_set_fixture.py          write the file
    /usr/bin/python3 scripts/make_rise_set_fixture.py --stdout print instead
"""

import argparse
import datetime
import math
import sys
from pathlib import Path

import ephem

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests/ephemeris/data/rise_set_fixture.csv"

EARTH_RADIUS_KM = 6378.14
AU_KM = 149597870.7
STEP = 2 / 1440  # days
BISECT = 0.1 / 86400  # days

# Every 30 days of 2019 from 5 January, at the latitudes of the scan test.
FIRST = datetime.date(2019, 1, 5)
DATES = [FIRST + datetime.timedelta(days=30 * k) for k in range(12)]
LATITUDES = [0, 45, -45, 60, -60, 66.5, -66.5, 70, -70, 78, -78, 85, -85, 89, -89]
LONGITUDES = [0, 130]

GREENWICH = ephem.Observer()
GREENWICH.lon = "0"
GREENWICH.lat = "0"
GREENWICH.pressure = 0


def place(body, when):
    """GHA and Dec (degrees) and SD, HP (arc minutes) at the ephem date when."""
    body.compute(when)
    GREENWICH.date = when
    gast = float(GREENWICH.sidereal_time())
    gha = math.degrees(gast - float(body.g_ra)) % 360
    sd = math.degrees(float(body.radius)) * 60
    hp = 0.0
    if isinstance(body, ephem.Moon):
        hp = math.degrees(math.asin(EARTH_RADIUS_KM / (body.earth_distance * AU_KM))) * 60
    return gha, math.degrees(float(body.g_dec)), sd, hp


def above_threshold(body, when, lat, lon):
    gha, dec, sd, hp = place(body, when)
    r = math.radians
    h = math.degrees(math.asin(math.sin(r(dec)) * math.sin(r(lat)) +
                               math.cos(r(lat)) * math.cos(r(dec)) * math.cos(r(gha + lon))))
    return h + (sd + 30 - hp) / 60


def hour_angle_from(body, when, lon, target):
    """Local hour angle less target, degrees in [-180, 180)."""
    gha = place(body, when)[0]
    return (gha + lon - target + 180) % 360 - 180


def culmination(body, lon, target, a, b):
    """The instant in (a, b) where the local hour angle rises through target."""
    while b - a > BISECT / 10:
        m = 0.5 * (a + b)
        if hour_angle_from(body, m, lon, target) < 0:
            a = m
        else:
            b = m
    return 0.5 * (a + b)


def upper_transit(body, date0, lon):
    """The first upper meridian passage at or after date0."""
    a = date0
    fa = hour_angle_from(body, a, lon, 0)
    while True:
        b = a + 10 / 1440
        fb = hour_angle_from(body, b, lon, 0)
        if fa < 0 <= fb:
            return culmination(body, lon, 0, a, b)
        a, fa = b, fb


def crossings(body, lat, lon, start, end):
    found = []
    t0 = start
    f0 = above_threshold(body, t0, lat, lon)
    while t0 < end:
        t1 = min(t0 + STEP, end)
        f1 = above_threshold(body, t1, lat, lon)
        if (f0 > 0) != (f1 > 0):
            a, b = t0, t1
            while b - a > BISECT:
                m = 0.5 * (a + b)
                if (above_threshold(body, m, lat, lon) > 0) == (f0 > 0):
                    a = m
                else:
                    b = m
            t = 0.5 * (a + b)
            d = 30 / 86400
            rate = (above_threshold(body, t + d, lat, lon) -
                    above_threshold(body, t - d, lat, lon)) * 60 / 1  # arc min per minute
            found.append((t, f1 > 0, abs(rate)))
        t0, f0 = t1, f1
    return found


def rows():
    out = []
    for date in DATES:
        date0 = ephem.Date((date.year, date.month, date.day, 0, 0, 0))
        delta_t = round(ephem.delta_t(date0), 4)
        for lat in LATITUDES:
            for lon in LONGITUDES:
                for name, body in (("SUN", ephem.Sun()), ("MOON", ephem.Moon())):
                    transit = upper_transit(body, date0, lon)
                    half = 0.5 if name == "SUN" else 12.42 / 24
                    start = culmination(body, lon, 180, transit - half - 1 / 24,
                                        transit - half + 1 / 24)
                    end = culmination(body, lon, 180, transit + half - 1 / 24,
                                      transit + half + 1 / 24)
                    best = {True: None, False: None}
                    for t, rising, rate in crossings(body, lat, lon, start, end):
                        kept = best[rising]
                        if kept is None or abs(t - transit) < abs(kept[0] - transit):
                            best[rising] = (t, rate)
                    fields = [name, str(date.year), str(date.month), str(date.day), f"{lat:g}",
                              f"{lon:g}", f"{delta_t:.4f}"]
                    for rising in (True, False):
                        if best[rising] is None:
                            fields += ["nan", "0"]
                        else:
                            t, rate = best[rising]
                            fields += [f"{(t - float(date0)) * 24:.6f}", f"{rate:.5f}"]
                    out.append(",".join(fields))
    return out


def header():
    today = datetime.date.today().isoformat()
    return [
        "# Independent rise and set times of the Sun and the Moon for the rise/set tests.",
        f"# Made {today} by scripts/make_rise_set_fixture.py; do not edit by hand.",
        f"# Library: PyEphem {ephem.__version__} (libastro), Debian python3-ephem.",
        "# Apparent geocentric place of date, GHA = GAST - RA, spherical Earth; threshold",
        "#   h0 = -(30' + SD) for the Sun, HP - SD - 30' for the Moon (HP = asin(6378.14 km /",
        "#   distance)), SD and HP of each instant; no air model. Span: lower culmination",
        "#   to lower culmination around the first upper meridian passage after 0 h UT.",
        "#   Rise and set: the upward and downward crossing nearest that passage, by a",
        "#   2-minute scan bisected to 0.1 s; nan where the span has none.",
        "# UT as UT1; delta_t_s is libastro's Delta T at 0 h of the date, handed to the program.",
        "# Times: UT hours from 0 h of the date (below 0: the day before; above 24: the day",
        "#   after). Rates: |d(h - h0)/dt| at the crossing, arc minutes per minute of time.",
        "# Columns: body,year,month,day,lat_deg,lon_deg,delta_t_s,rise,rise_rate,set,set_rate",
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true", help="print instead of writing")
    args = parser.parse_args()
    text = "\n".join(header() + rows()) + "\n"
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)


if __name__ == "__main__":
    main()
