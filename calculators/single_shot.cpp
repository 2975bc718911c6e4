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

}  // namespace

SingleShotResult singleShotReduction(const SingleShotInput& input) {
    const double IC = fieldValue(input.IndexCorrection) / 60;
    const double Hs = signedDegreesMinutes(input.HsDegrees, input.HsMinutes);
    const double AC = fieldValue(input.AltitudeCorrection) / 60;
    const double SD = fieldValue(input.SemiDiameter) / 60;
    const double HP = fieldValue(input.HorizontalParallax) / 60;
    const double Dip = -(std::fabs(fieldValue(input.Dip)) / 60);
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

    const double Ha = Hs + Dip + IC;
    const double PA = HP * CosD(Ha) * (1 - SinD(Lat) * SinD(Lat) / 298.257);
    const double Ho = Ha + AC + PA + SD;
    const double p = (Ho - Hc) * 60;

    SingleShotResult out;
    out.Hc = angleLine("Hc = ", Hc);
    out.Azimuth = resultText("Azimuth = ", RoundTo(Zn, 1), "° ");
    out.Ho = angleLine("Observed Altitude Ho = ", Ho);
    out.Offset = resultText("Offset Distance = ", RoundTo(std::fabs(p), 2),
                            std::string(" nautical miles ") + (p < 0 ? "Away" : "Towards"));

    // The hour angle from 0 to 360, east of the meridian beyond 180.
    if (LHA < 0) {
        LHA = LHA + 360;
    }
    const char* side = LHA > 180 ? "E" : "W";
    const std::string lhaWords = "Local Hour Angle LHA = ";
    out.Lines.push_back(std::isfinite(LHA) ? lhaWords + degreesMinutesText(LHA) + "    " + side
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
    return platform::firstProblem({
        platform::rangeProblem("Sextant Altitude",
                               signedDegreesMinutes(input.HsDegrees, input.HsMinutes), 0, 90,
                               " degrees"),
        platform::rangeProblem("GHA", angleValue(input.Gha), 0, 360, " degrees"),
        platform::rangeProblem("DEC", std::fabs(angleValue(input.Dec)), 0, 90, " degrees"),
        platform::latitudeProblem("Assumed Latitude", angleValue(input.Lat)),
        platform::longitudeProblem("Assumed Longitude", angleValue(input.Lon)),
    });
}

}  // namespace calculators
