#!/usr/bin/python3
"""Writes tests/ephemeris/data/golden_positions.csv: independent apparent
geocentric places (GHA and declination) of the Sun, the Moon, twelve of the
navigational stars, the GHA of Aries and Venus, Mars, Jupiter and Saturn at
22 UT instants from 1900 to 2100, and the Moon from a full ephemeris at
those and 1001 more instants, for the ephemeris accuracy test.

Sources (Debian packages python3-erfa, python3-ephem, libswe2.0 and
swe-basic-data; only this script needs them, never the build or the tests):

- erfa (the IAU SOFA algorithms): Greenwich apparent sidereal time gst06a;
  the Sun from epv00 (the Earth's barycentric and heliocentric position),
  with light time, and aberration by the Earth's barycentric velocity (ab),
  rotated into the true equator of date (apci13's bias-precession-nutation
  matrix); the Moon from moon98 at the light-time-retarded instant, rotated
  the same way; the stars through atci13 (space motion, parallax, light
  deflection by the Sun, aberration, IAU 2006/2000A precession-nutation).
  Right ascensions of date are equinox based: CIRS RA minus the equation of
  the origins. GHA = GAST - RA.
- ephem (libastro): the planets' apparent geocentric RA and Dec of date
  (g_ra, g_dec), which include light time, aberration and nutation. libastro
  takes TT = UT + ephem.delta_t(date); that same Delta T is used for every
  body at the instant and written on every row, so the test feeds it to the
  program.
- Swiss Ephemeris (Debian libswe2.0 with swe-basic-data, read through ctypes):
  a second, independent Moon from the files semo_18.se1/sepl_18.se1,
  compressed from JPL DE431: swe_calc at the row's TT, flags SEFLG_SWIEPH |
  SEFLG_EQUATORIAL (the apparent geocentric RA and Dec of the true equator
  and equinox of date, with light time, aberration and nutation), and GHA
  from the same gst06a. moon98 is the truncated series the program uses, so
  its rows check the arithmetic; these rows check the Moon itself.

Before writing, the script checks its own routes against published worked
values (Meeus, Astronomical Algorithms, 2nd ed.) and against each other; a
miss stops it. Usage:

    /usr/bin/python3 scripts/make_golden_fixture.py          write the file
    /usr/bin/python3 scripts/make_golden_fixture.py --stdout print instead
"""

import argparse
import ctypes
import ctypes.util
import datetime
import math
import sys
import warnings
from pathlib import Path

import numpy as np

try:
    import erfa
    import ephem
except ImportError as error:  # pragma: no cover
    sys.exit(f"{error}: apt-get install -y python3-erfa python3-ephem")

SWE_EPHE_PATH = Path("/usr/share/libswe/ephe")  # Debian swe-basic-data
SWE_FILES = ("semo_18.se1", "sepl_18.se1")

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests/ephemeris/data/golden_positions.csv"

# 1900 January 1, 0h UT less Delta T and the Sun's light time lies a few
# minutes before the start of epv00's 1900-2100 range; its series are still
# good there.
warnings.filterwarnings("ignore", message=".*date outside.*range 1900-2100")

DEG = math.pi / 180
ARCSEC = DEG / 3600
DUBLIN_JD = 2415020.0  # ephem dates count days from JD 2415020.0

# UT instants: year, month, day, hour, minute, second.
INSTANTS = [
    (1900, 1, 1, 0, 0, 0),
    (1903, 7, 17, 19, 40, 0),
    (1918, 11, 11, 11, 0, 0),
    (1925, 3, 29, 6, 15, 30),
    (1937, 9, 4, 22, 5, 0),
    (1944, 6, 6, 6, 30, 0),
    (1950, 1, 1, 0, 0, 0),
    (1962, 2, 20, 14, 47, 0),
    (1969, 7, 20, 20, 17, 40),
    (1977, 12, 31, 23, 59, 59),
    (1987, 4, 10, 0, 0, 0),
    (1992, 10, 13, 0, 0, 0),
    (2000, 1, 1, 12, 0, 0),
    (2008, 2, 29, 17, 23, 11),
    (2014, 6, 15, 3, 0, 0),
    (2024, 1, 1, 0, 0, 0),
    (2035, 8, 13, 9, 41, 0),
    (2050, 5, 5, 5, 5, 5),
    (2066, 10, 27, 16, 20, 0),
    (2081, 2, 14, 2, 30, 0),
    (2099, 12, 31, 21, 45, 0),
    (2100, 6, 30, 12, 0, 0),
]

# The truncated lunar series misses by up to about 0.25' on the sky at
# instants a sparse set rarely meets: MOON_JPL alone is also given at the
# middles of 1001 equal steps from 1900 January 1 to 2100 January 1, 0h UT
# (73 days each, so the hour and the lunar phase vary), to the minute.
DENSE_MOON_START_JD = 2415020.5
DENSE_MOON_DAYS = 73049.0
DENSE_MOON_COUNT = 1001


def dense_moon_instants():
    """(year, month, day, hour, minute, 0) of the Moon-only instants."""
    step = DENSE_MOON_DAYS / DENSE_MOON_COUNT
    fields = []
    for i in range(DENSE_MOON_COUNT):
        minutes = round((i + 0.5) * step * 1440)
        year, month, day, _ = erfa.jd2cal(DENSE_MOON_START_JD + minutes // 1440, 0.0)
        fields.append((int(year), int(month), int(day), minutes % 1440 // 60, minutes % 60, 0))
    return fields


# The truncated series' largest misses against DE431, found by comparing
# moon98 with Swiss Ephemeris every 6 hours of UT from 1900 to 2100 and then
# every 10 minutes around the peaks: the four largest in GHA x cos Dec
# (0.282', 0.277', 0.270', 0.246') and the four largest in Dec (0.131',
# 0.124', 0.122', 0.122'). MOON_JPL is given there too, named apart so that
# the uniform instants keep their own rms.
MOON_PEAK_INSTANTS = [
    (1999, 11, 23, 21, 0, 0),
    (1963, 11, 1, 22, 20, 0),
    (1981, 11, 12, 10, 10, 0),
    (2035, 12, 15, 18, 10, 0),
    (1963, 11, 2, 7, 50, 0),
    (2025, 4, 24, 9, 40, 0),
    (2046, 3, 21, 16, 20, 0),
    (1928, 10, 29, 2, 30, 0),
]


# The program's own J2000.0 catalogue values: StarIndex, name, RA (h),
# Dec (deg), proper motion in RA (s of time per Julian century), in Dec
# (arcsec per Julian century), parallax (arcsec). No radial velocities.
STARS = [
    (43, "Polaris", 2.5301955560, 89.2640888890, 19.8770, -1.520, 0.0070),
    (49, "Rigil Kent", 14.6599680560, -60.8354000000, -49.8260, 69.9300, 0.7516),
    (53, "Sirius", 6.7524641670, -16.7161083330, -3.8470, -120.5300, 0.3751),
    (20, "Canopus", 6.3991997220, -52.6956944440, 0.2450, 2.0700, 0.0180),
    (15, "Arcturus", 14.2610213890, 19.1824194440, -7.7140, -199.8400, 0.0900),
    (56, "Vega", 18.6156477780, 38.7836583330, 1.7260, 28.6100, 0.1230),
    (21, "Capella", 5.2781536110, 45.9980277780, 0.7280, -42.4700, 0.0730),
    (1, "Achernar", 1.6285700000, -57.2367166670, 1.1730, -3.4700, 0.0230),
    (2, "Acrux", 12.4432975000, -63.0990500000, -0.5240, -1.2100, 0.0000),
    (11, "Alpheratz", 0.1397958330, 29.0904388890, 1.0390, -16.3300, 0.0240),
    (45, "Procyon", 7.6550313890, 5.2250166670, -4.7550, -102.2900, 0.2880),
    (35, "Kochab", 14.8450961110, 74.1554944440, -0.7630, 1.2200, 0.0310),
]

# Swiss Ephemeris (swephexp.h): bodies and flags. The flags ask for the
# apparent place (no SEFLG_TRUEPOS, SEFLG_NOABERR, SEFLG_NOGDEFL, SEFLG_NONUT,
# SEFLG_J2000 or SEFLG_TOPOCTR): geocentric, true equator and equinox of date.
SE_SUN, SE_MOON = 0, 1
SEFLG_SWIEPH, SEFLG_EPHMASK = 2, 7
SEFLG_EQUATORIAL = 2048
SWE_FLAGS = SEFLG_SWIEPH | SEFLG_EQUATORIAL
SWE_DE_NUMBER = 431

PLANETS = [(2, "Venus", ephem.Venus), (4, "Mars", ephem.Mars),
           (5, "Jupiter", ephem.Jupiter), (6, "Saturn", ephem.Saturn)]


class SwissEphemeris:
    """libswe through ctypes, reading its JPL DE431-based files."""

    def __init__(self):
        missing = [name for name in SWE_FILES if not (SWE_EPHE_PATH / name).is_file()]
        name = ctypes.util.find_library("swe")
        if name is None or missing:
            sys.exit("Swiss Ephemeris or its files missing: "
                     "apt-get install -y libswe2.0 swe-basic-data")
        self.lib = ctypes.CDLL(name)
        self.lib.swe_version.restype = ctypes.c_char_p
        self.lib.swe_version.argtypes = [ctypes.c_char_p]
        self.lib.swe_set_ephe_path.argtypes = [ctypes.c_char_p]
        self.lib.swe_calc.restype = ctypes.c_int32
        self.lib.swe_calc.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_int32,
                                      ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
        self.lib.swe_get_current_file_data.restype = ctypes.c_char_p
        self.lib.swe_get_current_file_data.argtypes = [
            ctypes.c_int, ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double),
            ctypes.POINTER(ctypes.c_int)]
        self.lib.swe_get_astro_models.argtypes = [ctypes.c_char_p, ctypes.c_char_p,
                                                  ctypes.c_int32]
        self.lib.swe_set_ephe_path(str(SWE_EPHE_PATH).encode())
        buffer = ctypes.create_string_buffer(256)
        self.version = self.lib.swe_version(buffer).decode()

    def place(self, t, body):
        """Apparent geocentric RA and Dec of date, radians, at the instant's TT."""
        xx = (ctypes.c_double * 6)()
        error = ctypes.create_string_buffer(256)
        flags = self.lib.swe_calc(t.tt[0] + t.tt[1], body, SWE_FLAGS, xx, error)
        # A missing file makes libswe fall back to its analytical theory.
        if flags < 0 or flags & SEFLG_EPHMASK != SEFLG_SWIEPH or error.value:
            sys.exit(f"swe_calc failed at JD(TT) {t.tt[0] + t.tt[1]}: flags {flags}, "
                     f"{error.value.decode()}")
        return xx[0] * DEG, xx[1] * DEG

    def moon_file(self):
        """The Moon file in use and its JPL DE number (after a Moon place)."""
        start, end, de_number = ctypes.c_double(), ctypes.c_double(), ctypes.c_int()
        path = self.lib.swe_get_current_file_data(1, ctypes.byref(start), ctypes.byref(end),
                                                  ctypes.byref(de_number))
        if path is None or Path(path.decode()).name != SWE_FILES[0] or \
                de_number.value != SWE_DE_NUMBER:
            sys.exit(f"Swiss Ephemeris Moon file {path}, DE {de_number.value}: "
                     f"expected {SWE_FILES[0]} from DE{SWE_DE_NUMBER}")
        return Path(path.decode()).name, de_number.value

    def models(self):
        """libswe's own account of its models, one line each."""
        summary = ctypes.create_string_buffer(1024)
        details = ctypes.create_string_buffer(4096)
        self.lib.swe_get_astro_models(summary, details, SWE_FLAGS)
        wanted = ("JPL eph.", "Precession:", "Nutation:", "Frame bias:")
        return [line.strip() for line in details.value.decode(errors="replace").splitlines()
                if line.strip().startswith(wanted)]


SWE = SwissEphemeris()


class Instant:
    """One UT instant with its Delta T; erfa dates are two-part JDs."""

    def __init__(self, year, month, day, hour, minute, second):
        self.year, self.month, self.day = year, month, day
        self.ut_hours = hour + minute / 60 + second / 3600
        jd0, mjd = erfa.cal2jd(year, month, day)
        self.ut = (float(jd0), float(mjd) + self.ut_hours / 24)
        self.ephem_date = ephem.Date(self.ut[0] - DUBLIN_JD + self.ut[1])
        # libastro's own Delta T, rounded; no body moves 1e-3 arcsec in the
        # rounding.
        self.delta_t = round(ephem.delta_t(self.ephem_date), 4)
        self.tt = (self.ut[0], self.ut[1] + self.delta_t / 86400)


def instant_at_tt(year, month, day, tt_hours):
    """An Instant whose TT is the given one, with libastro's Delta T."""
    t = Instant(year, month, day, tt_hours, 0, 0)
    jd_tt = t.ut[0] + t.ut[1]
    jd_ut = jd_tt
    for _ in range(4):
        delta_t = ephem.delta_t(ephem.Date(jd_ut - DUBLIN_JD))
        jd_ut = jd_tt - delta_t / 86400
    t.delta_t = delta_t
    t.tt = t.ut
    t.ut = (t.ut[0], t.ut[1] - delta_t / 86400)
    t.ephem_date = ephem.Date(jd_ut - DUBLIN_JD)
    return t


def apparent_sidereal_time(t):
    return erfa.gst06a(t.ut[0], t.ut[1], t.tt[0], t.tt[1])


def ra_of_date(cirs_ra, eo):
    """Equinox-based right ascension of date from the CIRS one."""
    return erfa.anp(cirs_ra - eo)


def sun_place(t):
    astrom, eo = erfa.apci13(t.tt[0], t.tt[1])
    _, earth_bary = erfa.epv00(t.tt[0], t.tt[1])
    light_time = 0.0
    for _ in range(3):
        helio, bary = erfa.epv00(t.tt[0], t.tt[1] - light_time)
        sun_bary = bary[0] - helio[0]
        vector = sun_bary - earth_bary[0]
        distance = np.linalg.norm(vector)
        light_time = distance * erfa.DAU / erfa.CMPS / 86400
    aberrated = erfa.ab(vector / distance, astrom["v"], astrom["em"], astrom["bm1"])
    ri, di = erfa.c2s(erfa.rxp(astrom["bpn"], aberrated))
    return ra_of_date(ri, eo), float(di)


def moon_place(t):
    """Geocentric apparent place: the GCRS direction at the retarded instant."""
    astrom, eo = erfa.apci13(t.tt[0], t.tt[1])
    light_time = 0.0
    for _ in range(3):
        pv = erfa.moon98(t.tt[0], t.tt[1] - light_time)
        distance = np.linalg.norm(pv[0])
        light_time = distance * erfa.DAU / erfa.CMPS / 86400
    ri, di = erfa.c2s(erfa.rxp(astrom["bpn"], pv[0] / distance))
    return ra_of_date(ri, eo), float(di)


def jpl_moon_place(t):
    """Swiss Ephemeris's apparent geocentric Moon of date at the instant's TT."""
    return SWE.place(t, SE_MOON)


def star_place(t, ra_hours, dec_deg, pm_ra_s_cy, pm_dec_as_cy, parallax, rv=0.0):
    ri, di, eo = erfa.atci13(ra_hours * 15 * DEG, dec_deg * DEG,
                             pm_ra_s_cy * 15 / 100 * ARCSEC,  # dRA/dt, rad/yr
                             pm_dec_as_cy / 100 * ARCSEC, parallax, rv,
                             t.tt[0], t.tt[1])
    return ra_of_date(ri, eo), float(di)


def planet_place(t, body_class):
    body = body_class(t.ephem_date)
    return float(body.g_ra), float(body.g_dec)


def gha(gast, ra):
    return float(erfa.anp(gast - ra)) / DEG


def sky_miss_arcsec(ra1, dec1, ra2, dec2):
    d_ra = (ra1 - ra2 + math.pi) % (2 * math.pi) - math.pi
    return math.hypot(d_ra * math.cos(dec2), dec1 - dec2) / ARCSEC


def hms(h, m, s):
    return (h + m / 60 + s / 3600) * 15 * DEG


def dms(sign, d, m, s):
    return sign * (d + m / 60 + s / 3600) * DEG


def published_checks():
    """Each route against a published worked example; returns report lines."""
    lines = []

    def check(label, got, want, tolerance_arcsec):
        miss = sky_miss_arcsec(got[0], got[1], want[0], want[1])
        lines.append(f"{label}: {miss:.3f} arcsec")
        if miss > tolerance_arcsec:
            sys.exit(f"published check failed: {label}: {miss:.3f} arcsec")

    # Sidereal time, Meeus example 12.a with the nutation of chapter 22:
    # 1987 April 10, 0h UT, apparent 13h10m46.1351s.
    gast = apparent_sidereal_time(Instant(1987, 4, 10, 0, 0, 0))
    miss = abs(erfa.anpm(gast - hms(13, 10, 46.1351))) / ARCSEC
    lines.append(f"GAST 1987-04-10 0h UT vs Meeus ex. 12.a: {miss:.3f} arcsec")
    if miss > 0.1:
        sys.exit(f"published check failed: GAST {miss:.3f} arcsec")
    # Sun, Meeus example 25.b (full VSOP87, FK5): 1992 October 13.0 TD,
    # RA 13h13m30.749s, Dec -7 47 01.74.
    check("Sun 1992-10-13 0h TT vs Meeus ex. 25.b", sun_place(instant_at_tt(1992, 10, 13, 0)),
          (hms(13, 13, 30.749), dms(-1, 7, 47, 1.74)), 0.5)
    # Moon, Meeus example 47.a: 1992 April 12, 0h TD, RA 134.688470,
    # Dec 13.768368 degrees.
    check("Moon 1992-04-12 0h TT vs Meeus ex. 47.a", moon_place(instant_at_tt(1992, 4, 12, 0)),
          (134.688470 * DEG, 13.768368 * DEG), 1.0)
    # Venus, Meeus example 33.a (full VSOP87): 1992 December 20, 0h TD,
    # RA 21h04m41.454s, Dec -18 53 16.84.
    check("Venus 1992-12-20 0h TT vs Meeus ex. 33.a",
          planet_place(instant_at_tt(1992, 12, 20, 0), ephem.Venus),
          (hms(21, 4, 41.454), dms(-1, 18, 53, 16.84)), 1.0)
    # A star, Meeus example 23.a: theta Persei at 2028 November 13.19 TD,
    # from 2h44m11.986s +49 13 42.48 (J2000.0) with +0.03425 s and -0.0895"
    # a year: apparent 2h46m14.390s +49 21 07.45.
    check("theta Persei 2028-11-13.19 TT vs Meeus ex. 23.a",
          star_place(instant_at_tt(2028, 11, 13, 0.19 * 24), 2 + 44 / 60 + 11.986 / 3600,
                     49 + 13 / 60 + 42.48 / 3600, 3.425, -8.95, 0.0),
          (hms(2, 46, 14.390), dms(1, 49, 21, 7.45)), 0.5)
    return lines


def cross_checks(instants, moon_instants):
    """libastro's Sun and Moon against the erfa routes; returns report lines."""
    sun = max(sky_miss_arcsec(*planet_place(t, ephem.Sun), *sun_place(t)) for t in instants)
    moon = max(sky_miss_arcsec(*planet_place(t, ephem.Moon), *moon_place(t)) for t in instants)
    if sun > 2.0:
        sys.exit(f"libastro's Sun differs from erfa's by {sun:.2f} arcsec")
    # The Sun with the flags of the Swiss Ephemeris Moon checks their frame
    # (equinox, nutation, aberration) against erfa's.
    swe_sun = max(sky_miss_arcsec(*SWE.place(t, SE_SUN), *sun_place(t)) for t in instants)
    if swe_sun > 0.2:
        sys.exit(f"Swiss Ephemeris's Sun differs from erfa's by {swe_sun:.2f} arcsec")
    swe_moon = max(sky_miss_arcsec(*jpl_moon_place(t), *moon_place(t))
                   for t in instants + moon_instants)
    if swe_moon > 30.0:
        sys.exit(f"Swiss Ephemeris's Moon differs from moon98 by {swe_moon:.2f} arcsec")
    return [f"largest difference, libastro Sun vs the erfa Sun: {sun:.2f} arcsec",
            f"largest difference, libastro Moon vs erfa moon98: {moon:.2f} arcsec",
            f"largest difference, Swiss Ephemeris Sun vs the erfa Sun: {swe_sun:.3f} arcsec",
            f"largest difference, Swiss Ephemeris Moon vs erfa moon98: {swe_moon:.2f} arcsec"]


def jpl_moon_row(t, gast, name="Moon DE431"):
    ra, dec = jpl_moon_place(t)
    return ("MOON_JPL", 0, name, gha(gast, ra), dec / DEG)


def rows_for(t):
    gast = apparent_sidereal_time(t)
    rows = [("ARIES", 0, "Aries", gast / DEG, 0.0)]
    ra, dec = sun_place(t)
    rows.append(("SUN", 0, "Sun", gha(gast, ra), dec / DEG))
    ra, dec = moon_place(t)
    rows.append(("MOON", 0, "Moon", gha(gast, ra), dec / DEG))
    rows.append(jpl_moon_row(t, gast))
    for index, name, *record in STARS:
        ra, dec = star_place(t, *record)
        rows.append(("STAR", index, name, gha(gast, ra), dec / DEG))
    for code, name, body_class in PLANETS:
        ra, dec = planet_place(t, body_class)
        rows.append(("PLANET", code, name, gha(gast, ra), dec / DEG))
    return rows


def header(checks, moon_file):
    today = datetime.date.today().isoformat()
    file_name, de_number = moon_file
    lines = [
        "Golden apparent geocentric places for the ephemeris accuracy test.",
        f"Made {today} by scripts/make_golden_fixture.py; do not edit by hand.",
        f"Libraries: pyerfa {erfa.__version__} (ERFA {erfa.version.erfa_version}, the IAU SOFA",
        f"  algorithms), PyEphem {ephem.__version__} (libastro); Debian python3-erfa and",
        "  python3-ephem.",
        f"  Swiss Ephemeris {SWE.version} (Debian libswe2.0, called through ctypes) with",
        f"  {file_name} and {SWE_FILES[1]} (JPL DE{de_number}; Debian swe-basic-data,",
        f"  {SWE_EPHE_PATH}).",
        "Time: UT taken as UT1; TT = UT + delta_t_s, where delta_t_s is libastro's own Delta T",
        "  (ephem.delta_t) at the instant, rounded to 0.0001 s; the same value serves every body",
        "  of the instant, and the test hands it to the program (T_TT = T + DeltaT/3155760000).",
        "GHA = GAST - apparent RA of date, degrees westward in [0, 360); dec north positive.",
        "  GAST: erfa.gst06a. RA of date: equinox based (CIRS RA minus the equation of the",
        "  origins, both from erfa), or libastro's RA of date.",
        "ARIES: GAST itself (dec column 0).",
        "SUN: erfa.epv00 Earth; light time from the Sun's barycentric position; aberration",
        "  erfa.ab with the Earth's barycentric velocity; into the true equator of date with",
        "  the IAU 2006/2000A matrix of erfa.apci13.",
        "MOON: erfa.moon98 (Meeus's truncated ELP 2000/82 without its light-time constant) at",
        "  the instant less the light time, rotated into the true equator of date.",
        "MOON_JPL: the Moon again, from Swiss Ephemeris: swe_calc(JD TT, SE_MOON, flags) at",
        "  the row's own TT (UT + delta_t_s, as for the row's other bodies), flags",
        f"  SEFLG_SWIEPH | SEFLG_EQUATORIAL = {SWE_FLAGS}: apparent geocentric RA and Dec of the",
        "  true equator and equinox of date, with light time, aberration and nutation (no",
        "  TRUEPOS, NOABERR, NOGDEFL, NONUT, J2000, ICRS or TOPOCTR flag). GHA with the same",
        "  erfa.gst06a. Given at every instant after its MOON row, and alone at the middles",
        f"  of {DENSE_MOON_COUNT} equal steps from 1900-01-01 to 2100-01-01 0h UT, to the minute",
        "  (the truncated series' largest misses need the denser sampling), and, named",
        f"  \"Moon DE431 peak\", at the {len(MOON_PEAK_INSTANTS)} instants where a 6-hourly scan of",
        "  moon98 against it found the largest misses (four in GHA x cos Dec, four in Dec).",
        "  libswe's models:",
    ] + ["    " + line for line in SWE.models()] + [
        "STAR: erfa.atci13 from the program's own J2000.0 catalogue values (RA, Dec, proper",
        "  motions converted from s of time and arcsec per century to radians per year,",
        "  dRA/dt not times cos Dec, parallax), radial velocity 0 (the catalogue has none);",
        "  includes light deflection by the Sun. index = StarIndex (StarNumber - 1).",
        "PLANET: PyEphem g_ra/g_dec (VSOP87, apparent geocentric of date); index = PlanetCode.",
        "  erfa.plan94 was not used: its documented errors reach 26, 78 and 87 arcsec in",
        "  heliocentric longitude for Mars, Jupiter and Saturn.",
        "Checks made before writing (a miss stops the script):",
    ] + ["  " + line for line in checks] + [
        "Columns: kind,index,name,year,month,day,ut_hours,delta_t_s,gha_deg,dec_deg",
    ]
    return "".join(f"# {line}\n" for line in lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true", help="print instead of writing")
    args = parser.parse_args()

    instants = [Instant(*fields) for fields in INSTANTS]
    moon_instants = [Instant(*fields) for fields in dense_moon_instants()]
    peak_instants = [Instant(*fields) for fields in MOON_PEAK_INSTANTS]
    checks = published_checks() + cross_checks(instants, moon_instants + peak_instants)
    jpl_moon_place(instants[0])
    text = header(checks, SWE.moon_file())
    rows = [(t, row) for t in instants for row in rows_for(t)]
    rows += [(t, jpl_moon_row(t, apparent_sidereal_time(t))) for t in moon_instants]
    rows += [(t, jpl_moon_row(t, apparent_sidereal_time(t), "Moon DE431 peak"))
             for t in peak_instants]
    for t, (kind, index, name, gha_deg, dec_deg) in rows:
        text += (f"{kind},{index},{name},{t.year},{t.month},{t.day},{t.ut_hours!r},"
                 f"{t.delta_t:.4f},{gha_deg:.9f},{dec_deg:.9f}\n")
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)
        print(f"wrote {OUTPUT.relative_to(ROOT)}")
        for line in checks:
            print(line)


if __name__ == "__main__":
    main()
