#include "lunar/lunar_clearing.h"

#include <cmath>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace lunar {

namespace {

using platform::PrintItem;
using platform::PrintLine;

constexpr const char* kDegreeSign = "\xC2\xB0";
// The interpolation's two fixed instants lie this far either side of the
// chronometer time, hours.
constexpr double kHalfSpan = 0.25;
constexpr int kIterations = 10;
constexpr int kAltitudePasses = 4;

using platform::allFinite;

// D, "° ", M, " '" of an angle that is not negative, rounded to 0.1' with
// the carry into the degrees.
void appendDegMin(PrintLine& line, const ephemeris::RoundedDegMin& X) {
    line.push_back(PrintItem::Number(X.Deg));
    line.push_back(PrintItem::Text(std::string(kDegreeSign) + " "));
    line.push_back(PrintItem::Figure(ephemeris::RoundedText(X.Min, 1)));
    line.push_back(PrintItem::Text(" '"));
}

ClearingResult failure(std::string_view line) {
    ClearingResult r;
    r.Failure = std::string(line);
    r.Lines = {PrintLine{PrintItem::Text(r.Failure)}};
    return r;
}

std::vector<PrintLine> resultLines(const ClearingResult& r) {
    // The side of the longitude as shown: one that rounds to 0 is east.
    const ephemeris::RoundedDegMin lon = ephemeris::RoundDegMin(r.BetterLongitude, 1);
    PrintLine longitude{PrintItem::Text(" Better Longitude "),
                        PrintItem::Text(lon.Sign < 0 ? "W " : "E ")};
    appendDegMin(longitude, lon);
    PrintLine cleared{PrintItem::Text(" Lunar Distance Cleared ")};
    appendDegMin(cleared, ephemeris::RoundDegMin(r.Cleared, 1));
    PrintLine apparent{PrintItem::Text(" Lunar Distance Apparent ")};
    appendDegMin(apparent, ephemeris::RoundDegMin(r.Apparent, 1));

    return {
        correctTimeLine(r.CorrectTime),
        longitude,
        cleared,
        apparent,
        {PrintItem::Text(" Augmented Semidiameter "),
         PrintItem::Figure(ephemeris::RoundedText(r.AugmentedSD * 60, 2)), PrintItem::Text(" '")},
    };
}

}  // namespace

PrintLine correctTimeLine(double tcorr) {
    // Rounded to the second with the carry: 23:59:59.5 is 0 h of the next day.
    const ephemeris::RoundedHMS t = ephemeris::RoundHMS(tcorr, 0);
    if (!t.Finite) {
        return {PrintItem::Text(" Correct time at observation ---")};
    }
    PrintLine line{PrintItem::Text(" Correct time at observation "),
                   PrintItem::Text(ephemeris::TimeOfDayText(t))};
    if (t.Days < 0) {
        line.push_back(PrintItem::Text(" previous day"));
    } else if (t.Days > 0) {
        line.push_back(PrintItem::Text(" next day"));
    }
    return line;
}

double lunarRefraction(double h, double Temperature, double Pressure) {
    return (-0.0167 / ephemeris::TanD(h + 7.31 / (h + 4.4))) * 0.28 * Pressure /
           (Temperature + 273);
}

double parallaxInAltitude(double HP, double h, double Lat) {
    const double s = ephemeris::SinD(Lat);
    return HP * ephemeris::CosD(h) * (1 - s * s / 298.257);
}

double augmentedSemiDiameter(double MoonLimb, double HP, double Hm) {
    return MoonLimb * 0.2724 * HP * (1 + ephemeris::SinD(Hm) / 60.5);
}

void apparentAltitudes(double Hm, double Hb, double HP, double HPb, double Lat, double Temperature,
                       double Pressure, double& hm, double& hb) {
    hm = Hm;
    hb = Hb;
    for (int pass = 0; pass < kAltitudePasses; ++pass) {
        const double PA = parallaxInAltitude(HP, hm, Lat);
        const double Rm = lunarRefraction(hm, Temperature, Pressure);
        hm = Hm - (PA + Rm);
        const double Rb = lunarRefraction(hb, Temperature, Pressure);
        // A star's HPb of 0 leaves hb = Hb - Rb exactly.
        const double PAb = parallaxInAltitude(HPb, hb, Lat);
        hb = Hb - (PAb + Rb);
    }
}

double clearedDistance(double d, double Hm, double Hb, double hm, double hb) {
    using ephemeris::CosD;
    const double F = CosD(Hm) * CosD(Hb) / (CosD(hm) * CosD(hb));
    const double cosD = F * (CosD(d) + CosD(hm + hb)) - CosD(Hm + Hb);
    // ArcCos clamps beyond +-1; a non-finite cosine stays non-finite.
    if (!std::isfinite(cosD)) {
        return cosD;
    }
    return ephemeris::ArcCos(cosD) * 57.29577951308238;
}

LunarPlaces lunarPlacesAt(const ClearingInput& in, double t) {
    const ephemeris::TimeArguments when =
        ephemeris::TimeArgumentsFor(in.Year, in.Month, in.Day, t, in.DeltaT);
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(when.JD, when.T_TT);

    LunarPlaces p;
    double SD = 0;
    double Illum = 0;
    double Dist = 0;
    double Elong = 0;
    ephemeris::MoonPosition(when.JD, when.T_TT, sun.SunAppLon, p.MoonGHA, p.MoonDec, SD, p.MoonHP,
                            Illum, Dist, Elong);

    // Any other index: the Sun's centre.
    p.BodyGHA = sun.GHA;
    p.BodyDec = sun.Dec;
    p.BodyHP = ephemeris::SunHorizontalParallax(sun.EarthR);
    if (in.SelectedBody == kLunarSun) {
        p.SunTerm = in.SunLimb * sun.SD / 60;
    } else if (in.SelectedBody >= kLunarFirstPlanet && in.SelectedBody <= kLunarLastPlanet) {
        static constexpr int kPlanetCode[] = {0, 2, 4, 5, 6};
        double SHA = 0;
        double PlanetDist = 0;
        ephemeris::PlanetPosition(when.JD, when.T_TT, kPlanetCode[in.SelectedBody], sun.EarthL,
                                  sun.EarthB, sun.EarthR, p.BodyGHA, p.BodyDec, SHA, p.BodyHP,
                                  PlanetDist);
    } else if (in.SelectedBody >= kLunarFirstStar && in.SelectedBody <= kLunarLastEntry) {
        const int SelectedStar = in.SelectedBody - kLunarFirstStar;
        double SHA = 0;
        ephemeris::StarPosition(when.T_TT, when.JD, SelectedStar, sun.SunGeoLon, p.BodyGHA,
                                p.BodyDec, SHA);
        p.BodyHP = 0;
    }
    return p;
}

ClearingResult clearLunarDistance(const ClearingInput& in) {
    return clearLunarDistance(in, [&in](double t) { return lunarPlacesAt(in, t); });
}

ClearingResult clearLunarDistance(const ClearingInput& in, const PlacesAt& placesAt) {
    if (!(in.Distance > 0 && in.Distance < 180)) {
        return failure(kDistanceRangeLine);
    }
    const double t1 = in.U - kHalfSpan;
    const double t2 = in.U + kHalfSpan;

    // The geocentric distances at the two fixed instants.
    const LunarPlaces p1 = placesAt(t1);
    const LunarPlaces p2 = placesAt(t2);
    double D1 = 0;
    double D2 = 0;
    ephemeris::AngularDistance(p1.MoonGHA, p1.BodyGHA, p1.MoonDec, p1.BodyDec, D1);
    ephemeris::AngularDistance(p2.MoonGHA, p2.BodyGHA, p2.MoonDec, p2.BodyDec, D2);
    if (!allFinite({in.U, D1, D2})) {
        return failure(kCheckInputsLine);
    }
    if (D2 == D1) {
        return failure(kNoDistanceChangeLine);
    }

    ClearingResult r;
    double Lon = in.Lon;
    double tc = in.U;
    double previous = tc;
    for (int iteration = 0; iteration < kIterations; ++iteration) {
        const LunarPlaces p = placesAt(tc);
        const double HP = p.MoonHP / 60;

        double Hm = 0;
        double Hb = 0;
        double Zn = 0;
        ephemeris::AltitudeAzimuth(p.MoonDec, in.Lat, Lon + p.MoonGHA, Hm, Zn);
        ephemeris::AltitudeAzimuth(p.BodyDec, in.Lat, Lon + p.BodyGHA, Hb, Zn);
        // The first pass is at the estimated position and the chronometer time.
        if (iteration == 0 && Hm < 0) {
            return failure(kMoonBelowHorizonLine);
        }
        if (iteration == 0 && Hb < 0) {
            return failure(kBodyBelowHorizonLine);
        }

        const double A = augmentedSemiDiameter(in.MoonLimb, HP, Hm);
        double hm = 0;
        double hb = 0;
        apparentAltitudes(Hm, Hb, HP, p.BodyHP / 60, in.Lat, in.Temperature, in.Pressure, hm, hb);

        const double d = in.Distance + A + p.SunTerm;
        const double D = clearedDistance(d, Hm, Hb, hm, hb);
        const double tcorr = t1 + (D - D1) / (D2 - D1) * (t2 - t1);
        Lon = Lon + 15 * (tc - tcorr);
        previous = tc;
        tc = tcorr;
        if (!allFinite({Hm, Hb, A, hm, hb, d, D, tcorr, Lon})) {
            return failure(kCheckInputsLine);
        }

        r.CorrectTime = tcorr;
        r.Cleared = D;
        r.Apparent = d;
        r.AugmentedSD = A;
    }
    if (!(std::fabs(tc - in.U) <= kLargestClockError)) {
        return failure(kFarFromChronometerLine);
    }
    if (!(std::fabs(tc - previous) <= kSettledWithin)) {
        return failure(kNotSettledLine);
    }
    r.BetterLongitude = ephemeris::wrapLongitude(Lon);
    r.Lines = resultLines(r);
    return r;
}

}  // namespace lunar
