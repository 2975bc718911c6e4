#!/usr/bin/python3
"""Writes tests/lunar/data/lunar_fixture.csv: lunar distances as a navigator
measures them with the sextant, for the clearing test
(tests/lunar/lunar_clearing_test.cpp).

Each case is a designed instant (UT1), a body, the limbs brought into
contact and a chronometer error. The observer stands on the great circle
through the two bodies' geographic positions, a third of the way from the
point midway between them toward the Moon's (so both stand well above 15
degrees and the Moon the higher). The script gives what the navigator types:
the date, the chronometer's reading (the true UT plus the error, to the
second), the latitude (true, to 0.1'), the longitude that the chronometer's
error puts him at (the true longitude less 15 degrees an hour of the error,
west of the truth for a fast chronometer, to 0.1'), the air temperature and
pressure, and the measured distance to 0.1'; and for the test the true UT and
longitude that the clearing has to find.

The sky is independent of the program: the bodies' places and their
topocentric directions come from erfa (the IAU SOFA algorithms) and libastro
(PyEphem) through scripts/make_reduction_fixture.py (Instant, observe: GAST,
apparent places of date, WGS84 geodetic observer at the eye height). The
measured distance is the angle between the two limbs as they appear:

- Limbs: the point of each disc on the great circle joining the two
  topocentric centres, at the topocentric semi-diameter (asin(radius /
  topocentric distance), radii 1737.4 km and 696000 km), toward the other
  body for the inner limb and away from it for the outer; the centre for a
  planet, a star and the Moon's "centre".
- Refraction: each limb point is raised along its vertical by the SOFA
  model, erfa.refco for the typed pressure and temperature, relative
  humidity 0.5 and wavelength 0.55 micrometres (dZ = A tan Z + B tan^3 Z at
  the apparent zenith distance Z); so the refraction's flattening of the
  discs is in the measurement.
- Parallax: the topocentric directions themselves, from the WGS84 geodetic
  position (the Earth's flattening included); the planets' parallax too,
  which the clearing leaves out.

Sources (Debian packages python3-erfa and python3-ephem; only this script
needs them, never the build or the tests). Usage:

    /usr/bin/python3 scripts/make_lunar_fixture.py          write the file
    /usr/bin/python3 scripts/make_lunar_fixture.py --stdout print instead
"""

import argparse
import datetime
import math
import sys
from pathlib import Path

import numpy as np

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_reduction_fixture as sky  # noqa: E402  (Instant, observe, DELTA_T)

erfa = sky.erfa
ephem = sky.ephem

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests/lunar/data/lunar_fixture.csv"
DEG = math.pi / 180
EYE_HEIGHT_M = 3.0
HUMIDITY = 0.5
WAVELENGTH_UM = 0.55

# name, body, Moon limb, Sun limb, UT (year, month, day, hour, minute,
# second), chronometer error (s, fast positive), temperature C, pressure mb.
CASES = [
    ("sun_inner", "Sun", "inner", "inner", (2025, 6, 3, 20, 0, 0), 552, 18, 1016),
    ("sun_outer_moon", "Sun", "outer", "inner", (2025, 9, 29, 21, 0, 0), -400, 22, 1009),
    ("sun_outer_limbs", "Sun", "outer", "outer", (2025, 8, 16, 5, 0, 0), 240, 12, 1022),
    ("venus_centre", "Venus", "center", "inner", (2025, 3, 6, 18, 0, 0), -690, 9, 1003),
    ("jupiter_inner", "Jupiter", "inner", "inner", (2025, 4, 4, 18, 0, 0), 780, 5, 1030),
    ("saturn_outer", "Saturn", "outer", "inner", (2025, 10, 29, 21, 0, 0), -130, 25, 1012),
    ("antares_inner", "Antares", "inner", "inner", (2025, 7, 3, 20, 0, 0), 470, 27, 1011),
    ("spica_centre", "Spica", "center", "inner", (2025, 11, 13, 6, 0, 0), -845, 15, 1018),
]

LIMB_SIGN = {"inner": 1, "outer": -1, "center": 0}


def gp(seen):
    """The geographic position (lat, lon, deg) of a body: Dec and -GHA."""
    return seen["dec"], -seen["gha"]


def unit(lat, lon):
    return np.array([math.cos(lat * DEG) * math.cos(lon * DEG),
                     math.cos(lat * DEG) * math.sin(lon * DEG), math.sin(lat * DEG)])


def latlon(v):
    v = v / np.linalg.norm(v)
    return math.asin(v[2]) / DEG, math.atan2(v[1], v[0]) / DEG


def observer_for(t, body):
    """A third of the way from the midpoint of the two geographic positions
    toward the Moon's."""
    m = unit(*gp(sky.observe(t, "Moon", 0.0, 0.0, 0.0)))
    b = unit(*gp(sky.observe(t, body, 0.0, 0.0, 0.0)))
    mid = (m + b) / np.linalg.norm(m + b)
    return latlon(2 * mid + m)


def horizon_vector(alt, az):
    """East, north, up components of a direction."""
    return np.array([math.cos(alt * DEG) * math.sin(az * DEG),
                     math.cos(alt * DEG) * math.cos(az * DEG), math.sin(alt * DEG)])


def alt_az(v):
    v = v / np.linalg.norm(v)
    return math.asin(v[2]) / DEG, math.atan2(v[0], v[1]) / DEG % 360


def toward(a, b, angle_deg):
    """The point at angle_deg from a on the great circle toward b."""
    u = b - (a @ b) * a
    u /= np.linalg.norm(u)
    return a * math.cos(angle_deg * DEG) + u * math.sin(angle_deg * DEG)


def refracted(v, pressure, temperature):
    """The direction raised by the SOFA refraction (apparent from true)."""
    refa, refb = erfa.refco(pressure, temperature, HUMIDITY, WAVELENGTH_UM)
    alt, az = alt_az(v)
    apparent = alt
    for _ in range(50):
        z = (90 - apparent) * DEG
        apparent = alt + (refa * math.tan(z) + refb * math.tan(z) ** 3) / DEG
    return horizon_vector(apparent, az), apparent - alt


def angle(a, b):
    return math.atan2(np.linalg.norm(np.cross(a, b)), a @ b) / DEG


def round_to(value, step):
    return math.floor(value / step + 0.5) * step


def deg_min_fields(value, letters):
    """Whole degrees, minutes to 0.1' and the side letter, as typed."""
    letter = letters[0] if value >= 0 else letters[1]
    minutes = round_to(abs(value) * 60, 0.1)
    whole = math.floor(minutes / 60 + 1e-9)
    return str(whole), f"{minutes - whole * 60:.1f}", letter


def solve(case):
    name, body, moon_limb, sun_limb, when, error_s, temperature, pressure = case
    year, month, day, hour, minute, second = when
    ut_hours = hour + minute / 60 + second / 3600
    t = sky.Instant(year, month, day, ut_hours)
    lat, lon = observer_for(t, body)
    lat = round_to(lat * 60, 0.1) / 60
    lon = round_to(lon * 60, 0.1) / 60

    moon = sky.observe(t, "Moon", lat, lon, EYE_HEIGHT_M)
    other = sky.observe(t, body, lat, lon, EYE_HEIGHT_M)
    assert moon["alt"] > 15 and other["alt"] > 15, (name, moon["alt"], other["alt"])

    m = horizon_vector(moon["alt"], moon["az"])
    b = horizon_vector(other["alt"], other["az"])
    moon_point = toward(m, b, LIMB_SIGN[moon_limb] * moon["topo_sd"] / 60)
    sun_sd = other["topo_sd"] / 60 if body == "Sun" else 0.0
    body_point = toward(b, m, LIMB_SIGN[sun_limb] * sun_sd)
    moon_seen, moon_refraction = refracted(moon_point, pressure, temperature)
    body_seen, body_refraction = refracted(body_point, pressure, temperature)
    measured = angle(moon_seen, body_seen)
    typed = round_to(measured * 60, 0.1)
    distance_deg = math.floor(typed / 60 + 1e-9)

    # The chronometer's reading, to the second, and where its error puts the
    # navigator.
    reading = ut_hours * 3600 + error_s
    chron = (int(reading // 3600), int(reading % 3600 // 60), int(reading % 60))
    est_lon = lon - 15 * error_s / 3600
    return {
        "fields": [name, body, moon_limb, sun_limb, str(year), str(month), str(day),
                   *(str(x) for x in chron), *deg_min_fields(lat, "NS"),
                   *deg_min_fields(est_lon, "EW"), str(distance_deg),
                   f"{typed - distance_deg * 60:.1f}", str(temperature), str(pressure),
                   str(sky.DELTA_T), f"{ut_hours:.9f}", f"{lon:.7f}"],
        "note": (f"{name}: {body} at {year}-{month:02d}-{day:02d} {hour:02d}:{minute:02d}:"
                 f"{second:02d} UT1 from {lat:.4f}, {lon:.4f}; Moon alt {moon['alt']:.2f} "
                 f"(refraction {moon_refraction * 60:.2f}'), {body} alt {other['alt']:.2f} "
                 f"(refraction {body_refraction * 60:.2f}'); distance measured "
                 f"{measured:.5f} deg; chronometer {error_s:+d} s"),
    }


def header(notes):
    today = datetime.date.today().isoformat()
    lines = [
        "Lunar distances as a navigator measures them, for the clearing test.",
        f"Made {today} by scripts/make_lunar_fixture.py; do not edit by hand.",
        f"Libraries: pyerfa {erfa.__version__} (ERFA {erfa.version.erfa_version}, the IAU SOFA",
        f"  algorithms), PyEphem {ephem.__version__} (libastro); Debian python3-erfa and",
        "  python3-ephem. Places and topocentric directions: scripts/make_reduction_fixture.py",
        "  (erfa apparent places of date, GAST, WGS84 observer at 3 m).",
        f"Time: UT is UT1; TT = UT + {sky.DELTA_T} s (Delta T for 2025, typed into the window).",
        "Limbs: the point of each disc on the great circle through the two topocentric",
        "  centres at the topocentric semi-diameter (Moon 1737.4 km, Sun 696000 km).",
        "Refraction: SOFA A tan Z + B tan^3 Z (erfa.refco, the typed pressure and",
        f"  temperature, humidity {HUMIDITY}, {WAVELENGTH_UM} micrometres) on each limb point.",
        "Parallax: topocentric from the WGS84 geodetic position, planets included.",
        "Estimated position: the true latitude; the true longitude less 15 degrees an hour",
        "  of the chronometer's error. All typed values to 0.1' and to the second.",
        "Rows: case,body,moon_limb,sun_limb,year,month,day,chron_hour,chron_minute,",
        "  chron_second,lat_deg,lat_min,N|S,lon_deg,lon_min,E|W,dist_deg,dist_min,",
        "  temperature,pressure,delta_t,true_ut_hours,true_lon_deg (east positive)",
    ]
    lines += notes
    return "".join(f"# {line}\n" for line in lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true", help="print instead of writing")
    args = parser.parse_args()
    results = [solve(case) for case in CASES]
    text = header([r["note"] for r in results])
    text += "".join(",".join(r["fields"]) + "\n" for r in results)
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)
        print(f"wrote {OUTPUT.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
