#!/usr/bin/python3
"""Writes tests/reduction/data/reduction_fixture.csv: two sessions of sextant
sights taken from a designed true position, for the end-to-end reduction test
(tests/reduction/reduction_end_to_end_window_test.cpp).

- "stationary": a ship hove-to south-west of the Cape of Good Hope takes three
  stars in the evening twilight of 2025 August 6.
- "running": a ship on a steady course at 6 knots in the North Atlantic takes
  Jupiter in the morning twilight of 2025 December 11, the Moon soon after
  and the Sun three hours later; the running fix is wanted at 12:00 UT, in
  between, so the Sun's line is retired and the others are advanced.
- "weak": a ship hove-to in the trade-wind belt of the North Atlantic takes
  the Moon in the morning of 2025 December 14 and the Sun in the afternoon,
  both near azimuth 221, so the two lines cross at about half a degree: a fix
  that no reading can make trustworthy (each 0.1' of reading error moves it
  some 10 miles along the lines).

The sky is independent of the program: the bodies' places, their distances
and the altitudes come from erfa (the IAU SOFA algorithms) and libastro
(PyEphem); nothing is taken from the program's code or catalogue. The true
observed altitude Ho of each sight is the geocentric altitude of the body's
centre above the geodetic horizon of the ship's position at the instant (the
altitude that the intercept method compares with Hc). The script then finds
the sextant altitude from which the program's own corrections (index
correction, dip for the eye height, refraction with the temperature and
pressure, parallax with the HP, semi-diameter for the limb) give back that
Ho, using erfa's HP and SD where the program computes its own and the
program's rule 0.1466' / R for the Sun's HP (R erfa's distance in au), and
rounds it to 0.1' as a navigator reads it. It also reports what a real
sextant would read (the topocentric limb with the program's atmosphere) and
solves the fix from the rounded sights the way the program does, so that the
fixture's own share of the error is known.

Sources (Debian packages python3-erfa and python3-ephem; only this script
needs them, never the build or the tests). Usage:

    /usr/bin/python3 scripts/make_reduction_fixture.py          write the file
    /usr/bin/python3 scripts/make_reduction_fixture.py --stdout print instead
"""

import argparse
import datetime
import math
import sys
from pathlib import Path

import numpy as np

try:
    import erfa
    import ephem
    import ephem.stars
except ImportError as error:  # pragma: no cover
    sys.exit(f"{error}: apt-get install -y python3-erfa python3-ephem")

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests/reduction/data/reduction_fixture.csv"

DEG = math.pi / 180
ARCSEC = DEG / 3600
DUBLIN_JD = 2415020.0  # PyEphem dates count days from JD 2415020.0
AU_KM = erfa.DAU / 1000
EARTH_RADIUS_KM = 6378.137  # WGS84 equatorial radius, for HP
SUN_RADIUS_KM = 696000.0  # the almanacs' solar radius (959.63" at 1 au)
MOON_RADIUS_KM = 1737.4  # IAU mean radius (k = 0.27241)
FEET_PER_METRE = 3.2808

# The program's correction model, as it applies it to a stored sight.
DIP_FACTOR = 0.0293
REFRACTION = (0.0167, 7.31, 4.4)
FLATTENING_TERM = 298.257
MOON_SD_RATIO = 0.2724
SUN_HP_PROGRAM = 0.1466  # the Sun's HP at 1 au, arc minutes; the program divides by R in au

# The largest reading error of a session's sights, arc minutes (see
# reading_errors): real sights never meet in a point, and the plot's error
# ellipse needs a residual.
SCATTER = 0.3

# Delta T = TT - UT1 for 2025, seconds. UT throughout is UT1; the sights'
# times are stated in it.
DELTA_T = 69.1

# ---------------------------------------------------------------- designs
# Each case: the true position at the new fix time, the ship's course and
# speed over ground (the ship moves on that rhumb line), the leg fields as
# the navigator types them (the last fix carries the error of the day's
# navigation, which puts the DR a few miles off), the settings, the assumed
# position (typed, or the dialog's pre-filled DR accepted) and the sights:
# body, limb, watch reading (the chronometer correction is added to it).
CASES = [
    {
        "name": "stationary",
        "true_lat": -(35 + 4.8 / 60),
        "true_lon": 17 + 31.2 / 60,
        "course": "0",
        "speed": "0",
        "eye_height": "3.5",
        "eye_unit": "m",
        "plot_scale": "15",
        # Hove-to since the noon fix, which was some 7 miles out.
        "last_fix": ("35", "9.4", "S", "17", "25.3", "E"),
        "last_fix_time": ("12", "0", "6", "8", "2025"),
        "new_fix_time": ("16", "52", "6", "8", "2025"),
        "settings": {"delta_t": str(DELTA_T), "chronometer": "7.0", "temperature": "12",
                     "pressure": "1018"},
        "assumed": ("type", "35", "0", "S", "17", "30", "E"),
        "index_error": ("1.4", "off"),
        "sights": [
            # body, limb, watch year, month, day, hour, minute, second
            ("Atria", "center", (2025, 8, 6, 16, 47, 48)),
            ("Gienah", "center", (2025, 8, 6, 16, 50, 13)),
            ("Rasalhague", "center", (2025, 8, 6, 16, 53, 31)),
        ],
    },
    {
        "name": "running",
        "true_lat": 41 + 20.5 / 60,
        "true_lon": -(48 + 37.9 / 60),
        "course": "245",
        "speed": "6",
        "eye_height": "15",
        "eye_unit": "ft",
        "plot_scale": "25",
        # Last evening's star fix, as plotted.
        "last_fix": ("41", "59.6", "N", "46", "57.4", "W"),
        "last_fix_time": ("22", "30", "10", "12", "2025"),
        "new_fix_time": ("12", "0", "11", "12", "2025"),
        "settings": {"delta_t": str(DELTA_T), "chronometer": "-4.0", "temperature": "8",
                     "pressure": "1003"},
        "assumed": ("accept",),
        "index_error": ("2.2", "on"),
        "sights": [
            ("Jupiter", "center", (2025, 12, 11, 10, 2, 17)),
            ("Moon", "lower", (2025, 12, 11, 10, 41, 52)),
            ("Sun", "upper", (2025, 12, 11, 13, 4, 36)),
        ],
    },
    {
        "name": "weak",
        "true_lat": 20 + 3.7 / 60,
        "true_lon": -(39 + 52.6 / 60),
        "course": "0",
        "speed": "0",
        "eye_height": "3",
        "eye_unit": "m",
        "plot_scale": "50",
        "last_fix": ("20", "7.3", "N", "39", "47.2", "W"),
        "last_fix_time": ("8", "0", "14", "12", "2025"),
        "new_fix_time": ("17", "0", "14", "12", "2025"),
        "settings": {"delta_t": str(DELTA_T), "chronometer": "3.0", "temperature": "25",
                     "pressure": "1015"},
        "assumed": ("accept",),
        "index_error": ("0.8", "off"),
        "sights": [
            ("Moon", "lower", (2025, 12, 14, 12, 8, 27)),
            ("Sun", "lower", (2025, 12, 14, 16, 59, 38)),
        ],
        # Two sights leave no residual to shape: the reading errors as read.
        "reading_errors": [0.2, -0.2],
        "weak": True,
    },
]

PLANETS = {"Venus": ephem.Venus, "Mars": ephem.Mars, "Jupiter": ephem.Jupiter,
           "Saturn": ephem.Saturn}


# ------------------------------------------------------------------ time
class Instant:
    """A UT1 instant with TT = UT1 + DELTA_T; erfa dates are two-part JDs."""

    def __init__(self, year, month, day, ut_hours):
        self.ut_hours = ut_hours
        jd0, mjd = erfa.cal2jd(year, month, day)
        self.ut = (float(jd0), float(mjd) + ut_hours / 24)
        self.tt = (self.ut[0], self.ut[1] + DELTA_T / 86400)
        self.ephem_date = ephem.Date(self.ut[0] - DUBLIN_JD + self.ut[1])
        self.gast = float(erfa.gst06a(self.ut[0], self.ut[1], self.tt[0], self.tt[1]))
        self.npb = erfa.pnm06a(self.tt[0], self.tt[1])  # GCRS -> true equator of date

    def jd(self):
        return self.ut[0] + self.ut[1]


# ------------------------------------------------------------------- sky
# Each place: a unit vector in the true equator and equinox of date, the
# apparent geocentric direction, and the distance in km (inf for a star).
def sun_place(t):
    astrom, _ = erfa.apci13(t.tt[0], t.tt[1])
    _, earth_bary = erfa.epv00(t.tt[0], t.tt[1])
    light_time = 0.0
    for _ in range(3):
        helio, bary = erfa.epv00(t.tt[0], t.tt[1] - light_time)
        vector = (bary[0] - helio[0]) - earth_bary[0]
        distance = float(np.linalg.norm(vector))
        light_time = distance * erfa.DAU / erfa.CMPS / 86400
    aberrated = erfa.ab(vector / distance, astrom["v"], astrom["em"], astrom["bm1"])
    return t.npb @ aberrated, distance * AU_KM


def moon_place(t):
    light_time = 0.0
    for _ in range(3):
        pv = erfa.moon98(t.tt[0], t.tt[1] - light_time)
        distance = float(np.linalg.norm(pv[0]))
        light_time = distance * erfa.DAU / erfa.CMPS / 86400
    return t.npb @ (pv[0] / distance), distance * AU_KM


def planet_place(t, name):
    """libastro's apparent geocentric place of date. It takes TT from its own
    Delta T (73 s in 2025); the planets move far less than 0.01" in the 4 s
    of difference."""
    body = PLANETS[name](t.ephem_date)
    return erfa.s2c(float(body.g_ra), float(body.g_dec)), float(body.earth_distance) * AU_KM


def hipparcos(name):
    """J2000.0 RA, Dec (rad) and proper motions (mas/yr, RA on the sky) of a
    star from libastro's catalogue (Hipparcos, IAU names)."""
    line = next(l for l in ephem.stars.db.splitlines() if l.startswith(name + ","))
    fields = line.split(",")
    ra_h, pm_ra = (float(x) for x in fields[2].split("|"))
    dec_d, pm_dec = (float(x) for x in fields[3].split("|"))
    return ra_h * 15 * DEG, dec_d * DEG, pm_ra, pm_dec


def star_place(t, name):
    """erfa.atci13 (space motion, light deflection, aberration, IAU 2006/2000A
    precession-nutation) from the Hipparcos values; no parallax in the
    catalogue, and none needed at these stars' distances."""
    ra, dec, pm_ra, pm_dec = hipparcos(name)
    ri, di, eo = erfa.atci13(ra, dec, pm_ra / 1000 * ARCSEC / math.cos(dec),
                             pm_dec / 1000 * ARCSEC, 0.0, 0.0, t.tt[0], t.tt[1])
    return erfa.s2c(float(erfa.anp(ri - eo)), float(di)), math.inf


def place(t, body):
    if body == "Sun":
        return sun_place(t)
    if body == "Moon":
        return moon_place(t)
    if body in PLANETS:
        return planet_place(t, body)
    return star_place(t, body)


def gha_dec(t, vector):
    ra, dec = erfa.c2s(vector)
    return float(erfa.anp(t.gast - ra)) / DEG, float(dec) / DEG


def horizon_frame(lat, lon):
    phi, lam = lat * DEG, lon * DEG
    zenith = np.array([math.cos(phi) * math.cos(lam), math.cos(phi) * math.sin(lam),
                       math.sin(phi)])
    north = np.array([-math.sin(phi) * math.cos(lam), -math.sin(phi) * math.sin(lam),
                      math.cos(phi)])
    east = np.array([-math.sin(lam), math.cos(lam), 0.0])
    return zenith, north, east


def observe(t, body, lat, lon, height_m):
    """The body seen from the geodetic position (WGS84) at the instant:
    geocentric altitude (the direction from the Earth's centre above the
    observer's geodetic horizon: what the intercept method's Ho stands for),
    topocentric refraction-free altitude and azimuth (deg), the topocentric
    distance (km) and the geocentric HP and SD (arc minutes). Polar motion and
    the diurnal aberration (under 0.32") are left out."""
    vector, distance = place(t, body)
    c, s = math.cos(t.gast), math.sin(t.gast)
    earth_fixed = np.array([[c, s, 0.0], [-s, c, 0.0], [0.0, 0.0, 1.0]]) @ vector
    zenith, north, east = horizon_frame(lat, lon)
    geo_alt = math.asin(float(zenith @ earth_fixed)) / DEG
    if math.isinf(distance):
        topo, topo_distance = earth_fixed, math.inf
    else:
        observer = np.array(erfa.gd2gc(1, lon * DEG, lat * DEG, height_m)) / 1000
        relative = earth_fixed * distance - observer
        topo_distance = float(np.linalg.norm(relative))
        topo = relative / topo_distance
    alt = math.asin(float(zenith @ topo)) / DEG
    az = math.atan2(float(east @ topo), float(north @ topo)) / DEG % 360
    radius = {"Sun": SUN_RADIUS_KM, "Moon": MOON_RADIUS_KM}.get(body, 0.0)
    hp = 0.0 if math.isinf(distance) else math.asin(EARTH_RADIUS_KM / distance) / DEG * 60
    sd = 0.0 if math.isinf(distance) else math.asin(radius / distance) / DEG * 60
    topo_sd = 0.0 if math.isinf(distance) else math.asin(radius / topo_distance) / DEG * 60
    gha, dec = gha_dec(t, vector)
    return {"gha": gha, "dec": dec, "geo_alt": geo_alt, "alt": alt, "az": az, "hp": hp,
            "sd": sd, "topo_sd": topo_sd, "distance": distance}


# ------------------------------------------------------------ the track
def move(lat, lon, course_deg, distance_nm):
    """Along the rhumb line (Mercator sailing) from (lat, lon)."""
    dlat = distance_nm * math.cos(course_deg * DEG) / 60
    lat2 = lat + dlat
    if abs(dlat) > 1e-12:
        merid = (math.log(math.tan(math.pi / 4 + lat2 * DEG / 2)) -
                 math.log(math.tan(math.pi / 4 + lat * DEG / 2))) / DEG
        dlon = math.tan(course_deg * DEG) * merid
    else:
        dlon = distance_nm * math.sin(course_deg * DEG) / (60 * math.cos(lat * DEG))
    return lat2, lon + dlon


def distance_nm(lat1, lon1, lat2, lon2):
    """Great-circle distance, n.mi. (a minute of arc of the sphere)."""
    c = (math.sin(lat1 * DEG) * math.sin(lat2 * DEG) +
         math.cos(lat1 * DEG) * math.cos(lat2 * DEG) * math.cos((lon2 - lon1) * DEG))
    return math.acos(min(1.0, c)) / DEG * 60


# ------------------------------------------------- the program's model
def field_jd(year, month, day, hour, minute):
    jd0, mjd = erfa.cal2jd(int(year), int(month), int(day))
    return float(jd0) + float(mjd) + (float(hour) + float(minute) / 60) / 24


def angle_entry(deg, minutes, side):
    value = abs(float(deg)) + abs(float(minutes)) / 60
    return -value if side in ("S", "W") else value


def dead_reckoning(case):
    """The program's plane sailing from the last fix to the new fix time."""
    lat0 = angle_entry(*case["last_fix"][0:3])
    lon0 = angle_entry(*case["last_fix"][3:6])
    hl, ml, dl, mol, yl = case["last_fix_time"]
    hn, mn, dn, mon, yn = case["new_fix_time"]
    days = field_jd(yn, mon, dn, hn, mn) - field_jd(yl, mol, dl, hl, ml)
    d = float(case["speed"]) * days * 24
    crs = float(case["course"]) * DEG
    dlat = d * math.cos(crs) / 60
    dlon = d * math.sin(crs) / (60 * math.cos((lat0 + dlat / 2) * DEG))
    lon = lon0 + dlon
    if lon > 180:
        lon -= 360
    if lon < -180:
        lon += 360
    return lat0 + dlat, lon


def dialog_prefill(dr_lat, dr_lon):
    """What the assumed-position dialog shows for a DR: the labels' texts and
    the pre-filled fields, and how close the minutes come to a boundary of
    the displayed tenth (so that a last-digit difference cannot change a
    text)."""
    out = []
    margin = 1.0
    for value, letters in ((dr_lat, "NS"), (dr_lon, "EW")):
        whole = math.floor(abs(value))
        minutes = (abs(value) - whole) * 60
        cut = math.floor(minutes * 1000) / 1000
        shown = math.floor((cut + 0.04) * 10) / 10
        margin = min(margin, abs((cut + 0.04) * 10 - round((cut + 0.04) * 10)) / 10,
                     abs(shown + 0.4 - round(shown + 0.4)))
        letter = letters[0] if value >= 0 else letters[1]
        out.append((f"{whole} deg {general(shown)} min  {letter}", str(whole),
                    str(math.floor(shown + 0.4)), letter))
    return out, margin


def general(x):
    """Shortest text of a value with at most one decimal."""
    text = f"{x:.1f}"
    return text[:-2] if text.endswith(".0") else text


def eye_height_m(case):
    h = float(case["eye_height"])
    return h / FEET_PER_METRE if case["eye_unit"] == "ft" else h


def refraction_factor(case):
    s = case["settings"]
    return 0.28 * float(s["pressure"]) / (273 + float(s["temperature"]))


def refraction(ha, factor):
    """The program's refraction at the apparent altitude ha, degrees."""
    a, b, c = REFRACTION
    return -a / math.tan((ha + b / (ha + c)) * DEG) * factor


def apparent_from_true(alt, factor):
    """The apparent altitude whose refraction-corrected value is alt."""
    ha = alt
    for _ in range(60):
        ha = alt - refraction(ha, factor)
    assert abs(ha + refraction(ha, factor) - alt) < 1e-13
    return ha


def index_correction(case):
    error, side = case["index_error"]
    return abs(float(error)) * (1 if side == "off" else -1) / 60


LIMB = {"upper": -1, "lower": 1, "center": 0}


def program_ho(hs, case, body, limb, hp, sd, dr_lat):
    """The program's corrections of a sea-horizon sight, degrees."""
    dip = -DIP_FACTOR * math.sqrt(eye_height_m(case))
    ha = hs + dip + index_correction(case)
    pa = hp / 60 * math.cos(ha * DEG) * (1 - math.sin(dr_lat * DEG) ** 2 / FLATTENING_TERM)
    r = refraction(ha, refraction_factor(case))
    if body == "Moon":
        # The parallax at the limb's apparent altitude holds the augmentation.
        sdc = LIMB[limb] * MOON_SD_RATIO * hp / 60
    else:
        sdc = sd / 60 * LIMB[limb]
    return ha + r + pa + sdc


def reading_errors(azimuths):
    """Each sight's reading error, arc minutes: the largest SCATTER, in the
    proportions that the least-squares fix cannot see (orthogonal to the
    columns cos Zn and sin Zn of its normal equations), so the sights make a
    small cocked hat around the true position and the fix stays on it."""
    cos_z = np.array([math.cos(z * DEG) for z in azimuths])
    sin_z = np.array([math.sin(z * DEG) for z in azimuths])
    null = np.cross(cos_z, sin_z)
    return [float(x) for x in null / np.max(np.abs(null)) * SCATTER]


def sextant_for(ho, case, body, limb, hp, sd, dr_lat):
    """The sextant altitude from which the program's corrections give ho."""
    hs = ho
    for _ in range(60):
        hs += ho - program_ho(hs, case, body, limb, hp, sd, dr_lat)
    assert abs(program_ho(hs, case, body, limb, hp, sd, dr_lat) - ho) < 1e-12
    return hs


def program_fix(case, sights, assumed):
    """The least-squares running fix the way the program forms it, from the
    fixture's sights with erfa's GHA and Dec and the model Ho: the share of
    the error that is the fixture's (rounding, model), not the almanac's."""
    alat, alon = assumed
    crs = float(case["course"])
    v = float(case["speed"])
    hn, mn, dn, mon, yn = case["new_fix_time"]
    jd_new = field_jd(yn, mon, dn, hn, mn)
    sums = [0.0] * 6
    for s in sights:
        lha = s["gha"] + alon
        sin_hc = (math.sin(s["dec"] * DEG) * math.sin(alat * DEG) +
                  math.cos(alat * DEG) * math.cos(s["dec"] * DEG) * math.cos(lha * DEG))
        hc = math.asin(sin_hc) / DEG
        z = math.acos((math.sin(s["dec"] * DEG) - math.sin(alat * DEG) * sin_hc) /
                      (math.cos(alat * DEG) * math.cos(hc * DEG))) / DEG
        zn = z if math.sin(lha * DEG) < 0 else 360 - z
        run = (jd_new - s["jd"]) * v * 24
        p = (s["ho_model"] - hc) + run / 60 * math.cos((zn - crs) * DEG)
        cz, sz = math.cos(zn * DEG), math.sin(zn * DEG)
        for k, term in enumerate((cz * cz, cz * sz, sz * sz, p * cz, p * sz, p * p)):
            sums[k] += term
    a, b, c, d, e, _ = sums
    g = a * c - b * b
    dlat = (c * d - b * e) / g
    dlon = (a * e - b * d) / (g * math.cos(alat * DEG))
    return alat + dlat, alon + dlon


# ---------------------------------------------------------------- checks
def sky_miss_arcsec(v1, v2):
    return math.acos(min(1.0, float(np.dot(v1, v2)) / float(np.linalg.norm(v1) *
                                                           np.linalg.norm(v2)))) / ARCSEC


def cross_checks(case, t, body, lat, lon, height_m, seen):
    """The places and the topocentric route against a second route; returns
    (label, arcsec) pairs; a miss stops the script."""
    checks = []
    vector, _ = place(t, body)
    if body in ("Sun", "Moon") or body in PLANETS:
        other = getattr(ephem, body)(t.ephem_date)
    else:
        other = ephem.stars.star(body)
        other.compute(t.ephem_date)
    miss = sky_miss_arcsec(vector, erfa.s2c(float(other.g_ra), float(other.g_dec)))
    limit = {"Moon": 8.0}.get(body, 1.5)
    checks.append((f"{body} geocentric place vs libastro", miss, limit))
    # libastro's own topocentric altitude (no refraction: pressure 0).
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation = height_m
    observer.pressure = 0
    observer.date = t.ephem_date
    other.compute(observer)
    checks.append((f"{body} topocentric altitude vs libastro",
                   abs(float(other.alt) / DEG - seen["alt"]) * 3600,
                   {"Moon": 8.0}.get(body, 2.0)))
    if body not in ("Sun", "Moon") and body not in PLANETS:
        # erfa's whole observed-place pipeline, refraction off.
        ra, dec, pm_ra, pm_dec = hipparcos(body)
        azr, zdr, *_ = erfa.atco13(ra, dec, pm_ra / 1000 * ARCSEC / math.cos(dec),
                                   pm_dec / 1000 * ARCSEC, 0.0, 0.0, t.ut[0], t.ut[1],
                                   0.0, lon * DEG, lat * DEG, height_m, 0.0, 0.0, 0.0,
                                   0.0, 0.0, 0.0)
        # atco13 takes these calendar numbers as UTC with DUT1 = 0, so UT1 is
        # the same instant and its TT differs from ours by 0.08 s; it adds the
        # diurnal aberration that observe() leaves out.
        checks.append((f"{body} altitude vs erfa.atco13",
                       abs((90 - float(zdr) / DEG) - seen["alt"]) * 3600, 1.5))
    for label, miss, limit in checks:
        if miss > limit:
            sys.exit(f"{case['name']}: check failed: {label}: {miss:.2f} arcsec")
    return [(label, miss) for label, miss, _ in checks]


# ------------------------------------------------------------- the cases
def solve_case(case):
    lat_f, lon_f = case["true_lat"], case["true_lon"]
    crs = float(case["course"])
    v = float(case["speed"])
    hn, mn, dn, mon, yn = case["new_fix_time"]
    jd_new = field_jd(yn, mon, dn, hn, mn)
    k = float(case["settings"]["chronometer"])
    dr_lat, dr_lon = dead_reckoning(case)
    height = eye_height_m(case)
    factor = refraction_factor(case)
    dip = -DIP_FACTOR * math.sqrt(height)
    ic = index_correction(case)
    seen_all, checks = [], []
    for body, limb, watch in case["sights"]:
        year, month, day, hour, minute, second = watch
        ut_hours = hour + minute / 60 + (second + k) / 3600
        t = Instant(year, month, day, ut_hours)
        run = (jd_new - t.jd()) * v * 24 + 0.0  # no -0.0 when stationary
        lat, lon = move(lat_f, lon_f, crs, -run)
        seen = observe(t, body, lat, lon, height)
        checks += cross_checks(case, t, body, lat, lon, height, seen)
        if not (15 <= seen["alt"] <= 70):
            sys.exit(f"{case['name']}: {body} at {seen['alt']:.1f} deg")
        seen_all.append((seen, t, ut_hours, run, (lat, lon)))
    scatter = case.get("reading_errors") or reading_errors([seen["az"] for seen, *_ in seen_all])
    sights = []
    for number, ((body, limb, watch), (seen, t, ut_hours, run, ship), error) in enumerate(
            zip(case["sights"], seen_all, scatter), start=1):
        # The HP and SD the program will use: the Sun's HP by its own rule.
        hp = SUN_HP_PROGRAM / (seen["distance"] / AU_KM) if body == "Sun" else seen["hp"]
        hs_true = sextant_for(seen["geo_alt"], case, body, limb, hp, seen["sd"], dr_lat)
        hs = sextant_for(seen["geo_alt"] + error / 60, case, body, limb, hp, seen["sd"], dr_lat)
        tenths = round(hs * 600)
        hs_deg, hs_tenths = divmod(tenths, 600)
        hs_read = hs_deg + hs_tenths / 600
        ho_model = program_ho(hs_read, case, body, limb, hp, seen["sd"], dr_lat)
        # What a real sextant would read: the topocentric limb, with the
        # program's atmosphere, dip and index error.
        limb_alt = seen["alt"] - LIMB[limb] * seen["topo_sd"] / 60
        hs_real = apparent_from_true(limb_alt, factor) - dip - ic
        sights.append(dict(seen, number=number, body=body, limb=limb, watch=watch,
                           ut_hours=ut_hours, jd=t.jd(), run=run, ship=ship, error=error,
                           hs_exact=hs, hs_deg=hs_deg, hs_min=hs_tenths / 10,
                           rounding=(hs_read - hs) * 60, ho_model=ho_model,
                           real_minus_model=(hs_real - hs_true) * 60))
    prefill, margin = dialog_prefill(dr_lat, dr_lon)
    if margin < 0.002:
        sys.exit(f"{case['name']}: DR minutes {margin} from a display boundary")
    if case["assumed"][0] == "accept":
        (_, lat_d, lat_m, ns), (_, lon_d, lon_m, ew) = prefill
        assumed = (angle_entry(lat_d, lat_m, ns), angle_entry(lon_d, lon_m, ew))
    else:
        _, lat_d, lat_m, ns, lon_d, lon_m, ew = case["assumed"]
        assumed = (angle_entry(lat_d, lat_m, ns), angle_entry(lon_d, lon_m, ew))
    fix = program_fix(case, sights, assumed)
    result = {
        "dr": (dr_lat, dr_lon),
        "dr_miss": distance_nm(dr_lat, dr_lon, lat_f, lon_f),
        "prefill": prefill,
        "assumed": assumed,
        "assumed_miss": distance_nm(assumed[0], assumed[1], lat_f, lon_f),
        "fix": fix,
        "fix_miss": distance_nm(fix[0], fix[1], lat_f, lon_f),
        "sights": sights,
        "checks": checks,
    }
    if result["dr_miss"] > 10.5:
        sys.exit(f"{case['name']}: DR {result['dr_miss']:.2f} n.mi. from the truth")
    # A weak fix is as far off as its reading errors make it; the others are
    # the fixture's check on itself.
    if result["fix_miss"] > 0.15 and not case.get("weak"):
        sys.exit(f"{case['name']}: the fixture's own fix misses by {result['fix_miss']:.3f}")
    azimuths = sorted(s["az"] for s in sights)
    result["azimuths"] = azimuths
    return result


# ----------------------------------------------------------------- output
def deg_min(value, letters):
    letter = letters[0] if value >= 0 else letters[1]
    whole = math.floor(abs(value))
    return f"{whole:d} {(abs(value) - whole) * 60:06.3f}' {letter}"


def header(results):
    today = datetime.date.today().isoformat()
    lines = [
        "Sextant sights from designed true positions, for the end-to-end reduction test.",
        f"Made {today} by scripts/make_reduction_fixture.py; do not edit by hand.",
        f"Libraries: pyerfa {erfa.__version__} (ERFA {erfa.version.erfa_version}, the IAU SOFA",
        f"  algorithms), PyEphem {ephem.__version__} (libastro); Debian python3-erfa and",
        "  python3-ephem.",
        f"Time: UT is UT1; TT = UT + {DELTA_T} s (Delta T for 2025, typed into the settings).",
        "  Watch readings: UT minus the chronometer correction (the program adds it back).",
        "Sky: GHA = GAST (erfa.gst06a) - apparent RA of date (equinox based).",
        "  Sun: erfa.epv00 with light time, aberration erfa.ab, IAU 2006/2000A erfa.pnm06a.",
        "  Moon: erfa.moon98 at the light-time-retarded instant, erfa.pnm06a.",
        "  Planets: libastro g_ra/g_dec and earth_distance (VSOP87, apparent of date).",
        "  Stars: erfa.atci13 from libastro's Hipparcos catalogue (J2000.0 RA, Dec, proper",
        "  motions); parallax and radial velocity 0.",
        "  Altitudes: the true-of-date vector rotated by GAST (no polar motion) and seen",
        "  from the WGS84 geodetic position at the eye height (erfa.gd2gc), on the ship's",
        "  track at the sight's instant; topocentric, no refraction. The geocentric",
        "  altitude (the Earth's centre's direction above the same horizon) is the true Ho.",
        "  HP = asin(6378.137 km / distance); SD = asin(radius / distance), radius 696000",
        "  km (Sun) and 1737.4 km (Moon); the limb's altitude is the centre's -/+ the",
        "  topocentric SD.",
        "Back to the sextant with the program's corrections (sea horizon), inverted so",
        "  that they give the true Ho: Ha = Hs - 0.0293 sqrt(h in m) + IC; Ho = Ha",
        "  - 0.0167 / tan(Ha + 7.31 / (Ha + 4.4)) * 0.28 P / (273 + T) + HP cos Ha",
        "  (1 - sin^2 DRlat / 298.257) + SD x limb (Moon: 0.2724 HP x limb), with erfa's",
        "  HP and SD (the Sun's HP the program's 0.1466' / R, R erfa's distance in au) and the",
        "  program's DR latitude, for the true Ho plus the reading error; Hs rounded to",
        "  0.1'. 'real sextant' below: what a sextant would read of the topocentric limb",
        "  with the same atmosphere, minus the Hs without reading error (the Moon's share",
        "  is the Earth's flattening in the parallax's direction).",
        f"Reading errors: at most {SCATTER}' a session, in the proportions the least-squares",
        "  fix cannot see (orthogonal to cos Zn and sin Zn over its sights): a small cocked",
        "  hat around the true position, which stays the fix, and a residual for the ellipse.",
        "  The weak case's two sights have no residual: +0.2' and -0.2' as typed in the case.",
        "Track: rhumb line at the leg's course and speed over ground, through the true",
        "  position at the new fix time. The last fix carries an error, so the DR is off.",
        "Rows:",
        "  case,<case>,true_lat_deg,true_lon_deg (north and east positive, at the new fix time)",
        "  settings,<case>,delta_t,chronometer,temperature,pressure (texts for the settings)",
        "  leg,<case>,course,speed,eye_height,m|ft,plot_scale,lat_deg,lat_min,N|S,lon_deg,",
        "    lon_min,E|W,last hour,minutes,day,month,year,new hour,minutes,day,month,year",
        "  dialog,<case>,Label5,Label6,Text58,Text3,N|S,Text2,Text1,E|W (the dialog's",
        "    expected pre-fill from the DR)",
        "  assumed,<case>,accept  or  assumed,<case>,type,lat_deg,lat_min,N|S,lon_deg,",
        "    lon_min,E|W",
        "  sight,<case>,n,body,horizon,hs_deg,hs_min,limb,index_error,on|off,year,month,",
        "    day,hour,minute,second (the typed entry, watch time), then for reference:",
        "    ut_hours,gha_deg,dec_deg,hp_arcmin,sd_arcmin,topo_alt_deg,true_ho_deg,az_deg,",
        "    reading_error_arcmin (the program's Ho is true_ho plus this, within the 0.05'",
        "    of the reading and the difference of its HP and SD from erfa's)",
    ]
    for case, result in results:
        lines.append(f"Case {case['name']}:")
        lines.append(f"  true position {deg_min(case['true_lat'], 'NS')}, "
                     f"{deg_min(case['true_lon'], 'EW')} at the new fix time")
        lines.append(f"  DR {deg_min(result['dr'][0], 'NS')}, {deg_min(result['dr'][1], 'EW')}: "
                     f"{result['dr_miss']:.2f} n.mi. from the truth; assumed position "
                     f"{result['assumed_miss']:.2f} n.mi. from it")
        lines.append("  azimuths " + ", ".join(f"{z:.1f}" for z in result["azimuths"]))
        for s in result["sights"]:
            lines.append(
                f"  {s['number']} {s['body']}: alt {s['alt']:.3f}, Zn {s['az']:.1f}, run "
                f"{s['run']:.2f} n.mi.; reading error {s['error']:+.3f}', read to 0.1' "
                f"{s['rounding']:+.3f}'; real sextant "
                f"{s['real_minus_model']:+.3f}'")
        lines.append(f"  fix solved from these sights with erfa's GHA and Dec: "
                     f"{result['fix_miss']:.3f} n.mi. from the truth")
        worst = {}
        for label, miss in result["checks"]:
            kind = label.split(" ", 1)[1]
            worst[kind] = max(worst.get(kind, 0.0), miss)
        for kind, miss in worst.items():
            lines.append(f"  check, largest: {kind}: {miss:.2f} arcsec")
    return "".join(f"# {line}\n" for line in lines)


def rows(case, result):
    name = case["name"]
    s = case["settings"]
    out = [f"case,{name},{case['true_lat']!r},{case['true_lon']!r}",
           f"settings,{name},{s['delta_t']},{s['chronometer']},{s['temperature']},"
           f"{s['pressure']}",
           ",".join(["leg", name, case["course"], case["speed"], case["eye_height"],
                     case["eye_unit"], case["plot_scale"], *case["last_fix"],
                     *case["last_fix_time"], *case["new_fix_time"]])]
    (label5, t58, t3, ns), (label6, t2, t1, ew) = result["prefill"]
    out.append(",".join(["dialog", name, label5, label6, t58, t3, ns, t2, t1, ew]))
    out.append(",".join(["assumed", name, *case["assumed"]]))
    error, side = case["index_error"]
    for sight in result["sights"]:
        out.append(",".join(
            ["sight", name, str(sight["number"]), sight["body"], "sea", str(sight["hs_deg"]),
             f"{sight['hs_min']:.1f}", sight["limb"], error, side,
             *(str(x) for x in sight["watch"]),
             f"{sight['ut_hours']:.9f}", f"{sight['gha']:.7f}", f"{sight['dec']:.7f}",
             f"{sight['hp']:.4f}", f"{sight['sd']:.4f}", f"{sight['alt']:.6f}",
             f"{sight['geo_alt']:.6f}", f"{sight['az']:.3f}", f"{sight['error']:.4f}"]))
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stdout", action="store_true", help="print instead of writing")
    args = parser.parse_args()
    results = [(case, solve_case(case)) for case in CASES]
    text = header(results)
    for case, result in results:
        text += "".join(line + "\n" for line in rows(case, result))
    if args.stdout:
        sys.stdout.write(text)
    else:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)
        print(f"wrote {OUTPUT.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
