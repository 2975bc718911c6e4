// The star tables and the apparent place of a navigational star: proper
// motion, precession, annual parallax, nutation and annual aberration in
// ecliptic coordinates, then right ascension and declination on the true
// obliquity, and the hour angle from the apparent sidereal time.
//
// Theory: linear proper motion in right ascension and declination, the IAU
// 1976 precession in ecliptic coordinates (eta, Pi, p), the annual parallax
// and the annual aberration with the Earth's eccentricity and perihelion,
// nutation in longitude from the 13-term series. Source: the J2000.0 places,
// proper motions and parallaxes of the built-in catalogue
// (ephemeris/star_catalogue.cpp). Accuracy against the independent golden
// values (erfa's atci13 for twelve of the stars:
// tests/ephemeris/golden_positions_test.cpp), 1900 to 2100: largest miss
// 0.0044' in GHA x cos Dec and 0.0122' in Dec, both Rigil Kent, whose proper
// motion is the largest (allowed 0.05').
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

#include "ephemeris/ephemeris.h"
#include "ephemeris/last_instant.h"
#include "ephemeris/sidereal_time.h"
#include "ephemeris/star_catalogue.h"

namespace ephemeris {

namespace {

bool isDigit(char C) {
    return C >= '0' && C <= '9';
}

// The leading decimal number of a text: blanks skipped, an optional sign,
// digits, an optional '.' and digits. No number reads 0.
double leadingNumber(std::string_view Text) {
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) {
        negative = Text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < Text.size() && isDigit(Text[i])) {
        ++i;
        ++digits;
    }
    if (i < Text.size() && Text[i] == '.') {
        ++i;
        while (i < Text.size() && isDigit(Text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    double value = 0;
    const auto result =
        std::from_chars(Text.data() + start, Text.data() + i, value, std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

// Columns First..Last (counted from 1) of a record, cut at its end.
std::string_view columns(std::string_view Record, std::size_t First, std::size_t Last) {
    if (First > Record.size()) {
        return {};
    }
    return Record.substr(First - 1, Last - First + 1);
}

}  // namespace

void FillStarTable(StarTables& Tables) {
    for (int i = 0; i < kStarCount; ++i) {
        Tables.StarNames[i + 1] = std::string(kStarCatalogue[i].Name);
        Tables.StarMagnitudes[i + 1] = kStarCatalogue[i].Magnitude;
    }
}

StarRecordFields readStarRecord(std::string_view Record) {
    StarRecordFields fields;
    fields.RaHours = leadingNumber(columns(Record, 1, 13));
    fields.DecDegrees = leadingNumber(columns(Record, 15, 28));
    fields.PmRaSecondsPerCentury = leadingNumber(columns(Record, 30, 37));
    fields.PmDecArcsecPerCentury = leadingNumber(columns(Record, 39, 47));
    fields.ParallaxArcsec = leadingNumber(columns(Record, 50, 55));
    return fields;
}

namespace {

// The terms every star of one instant shares: nutation, the true obliquity
// and its sine and cosine, the precession angles and the Earth's orbit for
// the aberration, and the equation of the equinoxes. Pure functions of T.
struct InstantTerms {
    double DeltaPsi = 0;
    double Eps = 0;
    double SinEps = 0;
    double CosEps = 0;
    double EquationOfEquinoxes = 0;
    double Eta = 0;
    double SinEta = 0;
    double CosEta = 0;
    double BigPi = 0;
    double P = 0;
    double Perihelion = 0;
    double E = 0;
};

InstantTerms instantTermsFor(double T) {
    const double r = kRadPerDeg;
    const double t2 = T * T;
    const double t3 = t2 * T;
    InstantTerms k;
    double deltaEps = 0;
    Nutation(T, k.DeltaPsi, deltaEps);
    TrueObliquity(T, deltaEps, k.Eps);
    k.SinEps = SinD(k.Eps);
    k.CosEps = CosD(k.Eps);
    k.EquationOfEquinoxes = k.DeltaPsi * k.CosEps;
    k.Eta = (47.0029 * T - 0.03302 * t2 + 0.00006 * t3) * r / 3600;
    k.SinEta = std::sin(k.Eta);
    k.CosEta = std::cos(k.Eta);
    k.BigPi = (174.876384 - 869.8089 * T / 3600 + 0.03536 * t2 / 3600) * r;
    k.P = (5029.0966 * T + 1.11113 * t2 - 0.0000006 * t3) * r / 3600;
    k.Perihelion = (102.93735 + 1.71953 * T + 0.00046 * t2) * r;
    k.E = 0.016708617 - 0.000042037 * T - 0.0000001236 * t2;
    return k;
}

const InstantTerms& instantTerms(double T) {
    thread_local LastInstant<InstantTerms> last;
    return last.get(T, instantTermsFor);
}

// The obliquity of J2000.0 the catalogue places are turned to the ecliptic on.
constexpr double kEps2000 = 23.439291111;

struct Eps2000Terms {
    double Sin = SinD(kEps2000);
    double Cos = CosD(kEps2000);
};

// The catalogue read once, by StarIndex.
const std::array<StarRecordFields, kStarCount>& catalogueFields() {
    static const std::array<StarRecordFields, kStarCount> fields = [] {
        std::array<StarRecordFields, kStarCount> f{};
        for (int i = 0; i < kStarCount; ++i) {
            f[i] = readStarRecord(kStarCatalogue[i].Record);
        }
        return f;
    }();
    return fields;
}

}  // namespace

void starPlace(const StarRecordFields& Star, double T, double JD, double SunGeoLon, double& GHA,
               double& Dec, double& SHA) {
    const double r = kRadPerDeg;
    const InstantTerms& k = instantTerms(T);
    static const Eps2000Terms e2000;

    // The sidereal time of this star's own JD.
    const double gast = ApparentSiderealTimeWith(JD, k.EquationOfEquinoxes);

    // Catalogue place and proper motion (degrees, degrees per century).
    const double alpha0 = Star.RaHours * 15;
    const double delta0 = Star.DecDegrees;
    const double muAlpha = Star.PmRaSecondsPerCentury * 15 / 3600;
    const double muDelta = Star.PmDecArcsecPerCentury / 3600;
    const double par = Star.ParallaxArcsec / 3600;

    // The proper motion in RA is a rate of right ascension: no cos(dec).
    const double alpha = alpha0 + T * muAlpha;
    const double delta = delta0 + T * muDelta;

    // Ecliptic coordinates of J2000.0, radians.
    const double sinAlpha = SinD(alpha);
    const double lambda0 = Atan2(sinAlpha * e2000.Cos + TanD(delta) * e2000.Sin, CosD(alpha));
    const double beta0 = ArcSin(SinD(delta) * e2000.Cos - CosD(delta) * e2000.Sin * sinAlpha);

    // Precession in ecliptic coordinates from J2000.0 to the date, radians.
    const double a =
        k.CosEta * std::cos(beta0) * std::sin(k.BigPi - lambda0) - std::sin(beta0) * k.SinEta;
    const double b = std::cos(beta0) * std::cos(k.BigPi - lambda0);
    const double c =
        k.CosEta * std::sin(beta0) + std::cos(beta0) * k.SinEta * std::sin(k.BigPi - lambda0);
    double lambda = k.P + k.BigPi - Atan2(a, b);
    double beta = ArcSin(c);

    // Annual parallax: the star is displaced toward the Sun.
    const double sun = SunGeoLon * r;
    const double parRad = par * r;
    const double parLambda = parRad * std::sin(sun - lambda) / std::cos(beta);
    const double parBeta = -parRad * std::sin(beta) * std::cos(sun - lambda);
    lambda = lambda + parLambda;
    beta = beta + parBeta;

    // Nutation in longitude.
    lambda = lambda + k.DeltaPsi * r;

    // Annual aberration: constant of aberration 20.49552 arcsec in radians,
    // longitude of the Earth's perihelion and eccentricity of its orbit.
    const double kappa = 0.35771430590834785 / 3600;
    const double abLambda =
        (k.E * kappa * std::cos(k.Perihelion - lambda) - kappa * std::cos(sun - lambda)) /
        std::cos(beta);
    const double abBeta =
        -kappa * std::sin(beta) * (std::sin(sun - lambda) - k.E * std::sin(k.Perihelion - lambda));
    lambda = lambda + abLambda;
    beta = beta + abBeta;

    // Equatorial coordinates of the date on the true obliquity, radians.
    const double ra =
        Atan2(std::sin(lambda) * k.CosEps - std::tan(beta) * k.SinEps, std::cos(lambda));
    const double dec =
        ArcSin(std::sin(beta) * k.CosEps + std::cos(beta) * k.SinEps * std::sin(lambda));

    GHA = Normalize360(gast - ra * kDegPerRad);
    Dec = dec * kDegPerRad;
    SHA = Normalize360(360 - ra * kDegPerRad);
}

void StarPosition(double T, double JD, int StarIndex, double SunGeoLon, double& GHA, double& Dec,
                  double& SHA) {
    if (StarIndex < 0 || StarIndex >= kStarCount) {
        GHA = 0;
        Dec = 0;
        SHA = 0;
        return;
    }
    starPlace(catalogueFields()[StarIndex], T, JD, SunGeoLon, GHA, Dec, SHA);
}

}  // namespace ephemeris
