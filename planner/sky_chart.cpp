#include "planner/sky_chart.h"

#include <cmath>
#include <limits>
#include <utility>

namespace planner {

using ephemeris::CosD;
using ephemeris::kDegPerRad;
using ephemeris::kRadPerDeg;
using ephemeris::SinD;
using platform::PrintItem;

namespace {

// The obliquity of the chart's ecliptic (fixed) and the distance of its
// points, far enough for a negligible parallax.
constexpr double kEclipticObliquity = 23.44;
constexpr double kEclipticDistanceAU = 100;

const Rgb kStarFill{0, 26, 248};
const Rgb kStarOutline{255, 255, 255};
const Rgb kPlanetOutline{50, 50, 50};

// A colour component; 0 for a value no int holds (an instant the refresh
// refuses gives the Moon a fullness that is not a number).
int floorInt(double x) {
    const double whole = std::floor(x);
    return whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()
               ? static_cast<int>(whole)
               : 0;
}

double degrees(double radians) {
    return radians * kDegPerRad;
}

void swapEntries(StarList& s, int i, int j) {
    std::swap(s.StarListName[i], s.StarListName[j]);
    std::swap(s.StarListAzimuth[i], s.StarListAzimuth[j]);
    std::swap(s.StarListElevation[i], s.StarListElevation[j]);
    std::swap(s.StarListMagnitude[i], s.StarListMagnitude[j]);
}

ChartLabel label(double x, double y, PrintItem item) {
    return {{x, y}, platform::PrintLine{std::move(item)}};
}

}  // namespace

void ChartArrays::append(double x, double y, const std::string& name, double azimuth,
                         double elevation) {
    if (ChartCount >= kChartCapacity) {
        return;
    }
    ++ChartCount;
    ChartX[ChartCount] = x;
    ChartY[ChartCount] = y;
    ChartName[ChartCount] = name;
    ChartAzimuth[ChartCount] = azimuth;
    ChartElevation[ChartCount] = elevation;
}

int selectStars(double JD, double T_TT, double SunGeoLon, double N, double LHAAries, double Lat,
                double SunHc, const ephemeris::StarTables& tables, StarList& stars) {
    int count = 0;
    const double sinLat = std::sin(Lat);
    const double cosLat = std::cos(Lat);
    for (int k = 0; k < ephemeris::kStarCount; ++k) {
        double GHA = 0, Dec = 0, SHA = 0;
        ephemeris::StarPosition(T_TT, JD, k, SunGeoLon, GHA, Dec, SHA);
        const double LHA = ephemeris::Normalize2Pi(LHAAries + SHA * kRadPerDeg);
        const double d = Dec * kRadPerDeg;
        const double h =
            ephemeris::ArcSin(std::sin(d) * sinLat + std::cos(d) * cosLat * std::cos(LHA));
        double Z = ephemeris::Normalize2Pi(
            ephemeris::ArcCos((std::sin(d) - std::sin(h) * sinLat) / (std::cos(h) * cosLat)));
        if (std::sin(LHA) >= 0) {
            Z = ephemeris::kTwoPi - Z;
        }
        if (SunHc < kStarSunLimit && h > kStarAltitudeLimit) {
            ++count;
            stars.StarListName[count] = tables.StarNames[k + 1];
            stars.StarListAzimuth[count] = degrees(Z);
            stars.StarListElevation[count] = degrees(h);
            stars.StarListMagnitude[count] = tables.StarMagnitudes[k + 1];
        }
    }
    stars.Selected = count;
    // Exchange sort, brightest first.
    for (int i = 1; i <= count - 1; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            if (stars.StarListMagnitude[j] < stars.StarListMagnitude[i]) {
                swapEntries(stars, i, j);
            }
        }
    }
    if (count > N) {
        count = static_cast<int>(N < -1e9 ? -1e9 : N);
    }
    return count;
}

TwilightBand twilightBand(double e, bool WhiteBackground) {
    TwilightBand band;
    if (WhiteBackground || !(e < 0)) {
        return band;
    }
    if (e > -6) {
        const int rg = floorInt(e / 6 * 155 + 255);
        band.sky = {rg, rg, 255};
        band.text = {40, 40, 40};
        band.grid = {30, 30, 30};
        band.label = kEarlyTwilightText;
    } else if (e > -12) {
        // -6 exactly belongs here, so that it is not painted as daylight.
        const int rg = floorInt(e * 13.33 + 180);
        band.sky = {rg, rg, floorInt(e * 39.17 + 490)};
        band.text = {180, 180, 180};
        const int g = floorInt(e * 10 + 240);
        band.grid = {g, g, g};
        band.label = kNauticalTwilightText;
    } else {
        // -12 exactly and below.
        band.sky = {0, 0, 0};
        band.text = {160, 160, 160};
        band.grid = {80, 80, 80};
        band.label = kFullNightText;
    }
    return band;
}

ChartPoint chartProjection(double h, double A, double EastWestSign) {
    const double r = kSkyRadius * (1 - h / 90);
    return {EastWestSign * r * SinD(A), r * CosD(A)};
}

SkyChart skyChart(const PlannerInput& in, const PlannerSky& sky,
                  const ephemeris::StarTables& tables, double pictureWidth, double pictureHeight) {
    SkyChart c;
    const double R = kSkyRadius;
    const double E = in.EastWestSign;
    c.EastWestSign = E;

    // Stage 4: colours, twilight text, scale.
    // One unit the same both ways, and at least -1 to 1 across the
    // picture's shorter side, so that the horizon and its labels fit.
    const float a = static_cast<float>(pictureWidth > 0 ? pictureWidth : 1) /
                    static_cast<float>(pictureHeight > 0 ? pictureHeight : 1);
    const double across = a > 1 ? a : 1;
    const double down = a < 1 ? 1 / static_cast<double>(a) : 1;
    c.scaleLeft = -kChartZ * across;
    c.scaleTop = kChartZ * down;
    c.scaleWidth = 2 * kChartZ * across;
    c.scaleHeight = -2 * kChartZ * down;
    c.SunElevation = sky.SunAltAz.Hc * kDegPerRad;
    c.band = twilightBand(c.SunElevation, in.WhiteBackground);

    // Stage 5: rings, spokes, labels, ecliptic.
    for (int k = 0; k <= 8; ++k) {
        c.rings[k] = {(1 - 10.0 * k / 90) * R, k >= 1};
    }
    for (int k = 0; k <= 35; ++k) {
        const double A = 10.0 * k;
        ChartPoint outer{1.02 * R * SinD(A), 1.02 * R * CosD(A)};
        if (k == 0) {
            outer.x *= 1.1;
            outer.y *= 1.1;
        }
        c.spokes[k] = {outer, {outer.x * 0.111111, outer.y * 0.111111}};
    }
    c.labels.reserve(8 + 36 + 4);
    for (int k = 0; k <= 7; ++k) {
        c.labels.push_back(label(0, (1 - 10.0 * k / 90) * R + 0.05 * R, PrintItem::Number(10 * k)));
    }
    for (int k = 0; k <= 35; ++k) {
        const double A = 10.0 * k;
        c.labels.push_back(label(E * 1.1 * R * SinD(A) - 0.075 * R, 1.1 * R * CosD(A) + 0.05 * R,
                                 PrintItem::Number(10 * k)));
    }
    c.labels.push_back(label(-0.1 * R, 1.25 * R, PrintItem::Text("North")));
    c.labels.push_back(label(R * (1.235 * E - 0.035), 0.05 * R, PrintItem::Text("E")));
    c.labels.push_back(label(-0.02 * R, -1.15 * R, PrintItem::Text("S")));
    c.labels.push_back(label(-R * (1.235 * E + 0.035), 0.05 * R, PrintItem::Text("W")));

    c.ecliptic.reserve(360);
    const double sinObliquity = SinD(kEclipticObliquity);
    for (int k = 1; k <= 360; ++k) {
        const double GHA = sky.Sun.GHAAries + k;
        const double Dec = -ephemeris::ArcSin(sinObliquity * SinD(k)) * kDegPerRad;
        double Zn = 0, Hc = 0;
        SkyAltAz(kEclipticDistanceAU, GHA, Dec, in.Lat, in.Lon, in.ShowParallax, Zn, Hc);
        if (Hc > 0) {
            c.ecliptic.push_back(chartProjection(degrees(Hc), degrees(Zn), E));
        }
    }

    // Stage 6: stars, then the Sun, planets and Moon.
    const double LHAAries = in.Lon + sky.Sun.GHAAries * kRadPerDeg;
    const double SunHc = sky.SunAltAz.Hc;
    c.listedStars = selectStars(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunGeoLon, in.N, LHAAries,
                                in.Lat, SunHc, tables, c.Stars);
    c.discs.reserve((c.listedStars > 0 ? c.listedStars : 0) + 6);
    for (int i = 1; i <= c.listedStars; ++i) {
        const double el = c.Stars.StarListElevation[i];
        const double az = c.Stars.StarListAzimuth[i];
        const ChartPoint at = chartProjection(el, az, E);
        const double r = 0.025 * R * std::sqrt(1 / (c.Stars.StarListMagnitude[i] + 2.6));
        c.discs.push_back({at, r, kStarFill, kStarOutline});
        c.Arrays.append(at.x, at.y, c.Stars.StarListName[i], az, el);
    }
    c.starDiscs = static_cast<int>(c.discs.size());

    const auto body = [&c, E](const BodyAltAz& p, bool drawn, const Rgb& fill, const Rgb& outline,
                              double radius, const char* name) {
        if (!drawn) {
            return;
        }
        const double el = degrees(p.Hc);
        const double az = degrees(p.Zn);
        const ChartPoint at = chartProjection(el, az, E);
        c.discs.push_back({at, radius, fill, outline});
        c.Arrays.append(at.x, at.y, name, az, el);
    };
    const double deg = kRadPerDeg;
    body(sky.SunAltAz, SunHc > -12 * deg, {255, 255, 0}, {255, 0, 0}, 0.05 * R, "Sun");
    body(sky.Venus, sky.Venus.Hc > 0 && SunHc < 15 * deg, {95, 235, 250}, kPlanetOutline, 0.03 * R,
         "Venus");
    body(sky.Mars, sky.Mars.Hc > 0 && SunHc < 0.5 * deg, {255, 0, 0}, kPlanetOutline, 0.022 * R,
         "Mars");
    body(sky.Jupiter, sky.Jupiter.Hc > 0 && SunHc < 0.5 * deg, {228, 182, 0}, kPlanetOutline,
         0.027 * R, "Jupiter");
    body(sky.Saturn, sky.Saturn.Hc > 0 && SunHc < 0, {234, 220, 0}, kPlanetOutline, 0.027 * R,
         "Saturn");
    const double f = 0.5 + 0.5 * sky.F;
    body(sky.Moon, sky.Moon.Hc > -2 * deg,
         {floorInt(230 * f), floorInt(245 * f), floorInt(140 * f)}, kPlanetOutline, 0.05 * R,
         "Moon");
    return c;
}

}  // namespace planner
