#include "calculators/single_shot.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace calculators {

namespace {

using ephemeris::ArcCos;
using ephemeris::ArcSin;
using ephemeris::CosD;
using ephemeris::RoundTo;
using ephemeris::SinD;
using platform::Problem;

constexpr double kDeg = 57.29577951308238;

std::string angleLine(const char* words, double X) {
    if (!std::isfinite(X)) {
        return std::string(words) + kUndefinedText;
    }
    return words + signedDegreesMinutesText(X);
}

// The sextant altitude corrected: Ha = Hs + dip + IC, PA = HP cos Ha
// (1 - sin^2 Lat / 298.257), Ho = Ha + AC + PA + SD (degrees).
struct Altitudes {
    double Ha = 0;
    double PA = 0;
    double Ho = 0;
};

Altitudes observedAltitude(const SingleShotInput& input) {
    const double IC = fieldValue(input.IndexCorrection) / 60;
    const double Hs = signedDegreesMinutes(input.HsDegrees, input.HsMinutes);
    const double AC = fieldValue(input.AltitudeCorrection) / 60;
    const double SD = fieldValue(input.SemiDiameter) / 60;
    const double HP = fieldValue(input.HorizontalParallax) / 60;
    const double Dip = -(std::fabs(fieldValue(input.Dip)) / 60);
    const double Lat = angleValue(input.Lat);
    Altitudes a;
    a.Ha = Hs + Dip + IC;
    a.PA = HP * CosD(a.Ha) * (1 - SinD(Lat) * SinD(Lat) / 298.257);
    a.Ho = a.Ha + AC + a.PA + SD;
    return a;
}

}  // namespace

SingleShotResult singleShotReduction(const SingleShotInput& input) {
    const double Lat = angleValue(input.Lat);
    const double Lon = angleValue(input.Lon);
    const double GHA = angleValue(input.Gha);
    const double Dec = angleValue(input.Dec);

    double LHA = GHA + Lon;
    if (LHA > 180) {
        LHA = LHA - 360;
    }
    const double Hc = ArcSin(SinD(Lat) * SinD(Dec) + CosD(Lat) * CosD(Dec) * CosD(LHA)) * kDeg;
    const double Z = ArcCos((SinD(Dec) - SinD(Lat) * SinD(Hc)) / (CosD(Lat) * CosD(Hc))) * kDeg;
    const double Zn = SinD(LHA) >= 0 ? 360 - Z : Z;

    const auto [Ha, PA, Ho] = observedAltitude(input);
    const double p = (Ho - Hc) * 60;

    SingleShotResult out;
    out.Hc = angleLine("Hc = ", Hc);
    out.Azimuth = resultText("Azimuth = ", Zn, 1, "° ");
    out.Ho = angleLine("Observed Altitude Ho = ", Ho);
    out.Offset = resultText("Offset Distance = ", std::fabs(p), 2,
                            std::string(" nautical miles ") + (p < 0 ? "Away" : "Towards"));

    // The hour angle from 0 to 360, east of the meridian beyond 180.
    if (LHA < 0) {
        LHA = LHA + 360;
    }
    const char* side = LHA > 180 ? "E" : "W";
    const std::string lhaWords = "Local Hour Angle LHA = ";
    out.Lines.push_back(std::isfinite(LHA) ? lhaWords + hourAngleText(LHA) + "    " + side
                                           : lhaWords + kUndefinedText);
    out.Lines.push_back(angleLine("Apparent Altitude Ha = ", Ha));
    out.Lines.push_back(angleLine("Parallax in altitude PA = ", PA));
    return out;
}

Problem singleShotProblem(const SingleShotInput& input) {
    if (const Problem text = platform::firstProblem({
            signedAngleTextProblem("Sextant Altitude", input.HsDegrees, input.HsMinutes),
            platform::numberProblem("Index Correction", input.IndexCorrection),
            platform::numberProblem("Altitude Correction", input.AltitudeCorrection),
            platform::numberProblem("Semi Diameter", input.SemiDiameter),
            platform::numberProblem("Horizontal Parallax", input.HorizontalParallax),
            platform::numberProblem("Dip Correction", input.Dip),
            angleTextProblem("GHA", input.Gha),
            angleTextProblem("DEC", input.Dec),
            angleTextProblem("Assumed Latitude", input.Lat),
            angleTextProblem("Assumed Longitude", input.Lon),
        })) {
        return text;
    }
    // The corrections within what a sight can have: an index error of a
    // degree, an almanac's total Moon correction (+73'), the Moon's
    // semi-diameter and horizontal parallax, the dip of a land horizon.
    const auto minutes = [](const char* label, const std::string& text, double low, double high) {
        return platform::rangeProblem(label, fieldValue(text), low, high, " arc minutes");
    };
    Problem dip;
    if (!(std::fabs(fieldValue(input.Dip)) <= kMostDip)) {
        dip = "Dip Correction must be 120 arc minutes or less, either sign";
    }
    if (const Problem range = platform::firstProblem({
            platform::rangeProblem("Sextant Altitude",
                                   signedDegreesMinutes(input.HsDegrees, input.HsMinutes), 0, 90,
                                   " degrees"),
            minutes("Index Correction", input.IndexCorrection, -kMostIndexCorrection,
                    kMostIndexCorrection),
            minutes("Altitude Correction", input.AltitudeCorrection, -kMostAltitudeCorrection,
                    kMostAltitudeCorrection),
            minutes("Semi Diameter", input.SemiDiameter, -kMostSemiDiameter, kMostSemiDiameter),
            minutes("Horizontal Parallax", input.HorizontalParallax, 0, kMostHorizontalParallax),
            dip,
            platform::rangeProblem("GHA", angleValue(input.Gha), 0, 360, " degrees"),
            platform::rangeProblem("DEC", std::fabs(angleValue(input.Dec)), 0, 90, " degrees"),
            platform::latitudeProblem("Assumed Latitude", angleValue(input.Lat)),
            platform::longitudeProblem("Assumed Longitude", angleValue(input.Lon)),
        })) {
        return range;
    }
    return platform::rangeProblem("Observed altitude Ho", observedAltitude(input).Ho, 0, 90,
                                  " degrees");
}

}  // namespace calculators
