#include "calculators/calculator_panels.h"

#include <cmath>

#include "calculators/circle_of_position.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace calculators {

namespace {

using ephemeris::ArcCos;
using ephemeris::ArcSin;
using ephemeris::CosD;
using ephemeris::kPi;
using ephemeris::RoundTo;
using ephemeris::SinD;
using platform::generalText;
using platform::Problem;

// One correction each way towards -180..180; a longitude still outside after
// it (more than a turn away) loses its whole turns too, so no longitude is
// ever shown beyond 180.
double wrappedLongitude(double lon) {
    if (lon < -180) {
        lon = lon + 360;
    }
    if (lon > 180) {
        lon = lon - 360;
    }
    if (lon < -180 || lon > 180) {
        lon = ephemeris::wrapLongitude(lon);
    }
    return lon;
}

// "N 40° 25'": whole degrees and whole minutes, rounded; a value that rounds
// to zero counts as north or east.
std::string wholeMinutesText(const std::string& words, double X, const char* positive,
                             const char* negative) {
    const ephemeris::RoundedDegMin r = ephemeris::RoundDegMin(X, 0);
    if (!r.Finite) {
        return words + kUndefinedText;
    }
    return words + (r.Sign < 0 ? negative : positive) + generalText(r.Deg) + "° " +
           generalText(r.Min) + "'";
}

// The ranges of angle fields whose boxes passed angleTextProblem.
Problem latitudeFieldProblem(const char* label, const AngleField& field) {
    return platform::latitudeProblem(label, angleValue(field));
}

Problem longitudeFieldProblem(const char* label, const AngleField& field) {
    return platform::longitudeProblem(label, angleValue(field));
}

// An angle 0 to high degrees (GHA, declination, observed altitude), its side
// given by its option.
Problem angleFieldProblem(const char* label, const AngleField& field, double high) {
    return platform::rangeProblem(label, std::fabs(angleValue(field)), 0, high, " degrees");
}

}  // namespace

DeadReckoningResult deadReckoning(const DeadReckoningInput& input) {
    const double C = fieldValue(input.Course);
    const double S = fieldValue(input.Speed);
    const double lat1 = angleValue(input.Lat);
    const double lon1 = angleValue(input.Lon);
    const double t = fieldValue(input.Hours) + fieldValue(input.Minutes) / 60;

    const double D = S * t;
    const double N = D * CosD(C);
    const double lat2 = lat1 + N / 60;
    DeadReckoningResult out;
    // Past a pole; a run too long for a number keeps the undefined texts.
    if (std::isfinite(lat2) && std::fabs(lat2) > 90) {
        out.Latitude = kPastPoleText;
        return out;
    }
    const double m = lat1 + N / 120;
    const double dLonMinutes = D * SinD(C) / CosD(m);
    const double lon2 = wrappedLongitude(lon1 + dLonMinutes / 60);

    out.Latitude = wholeMinutesText("Estimated Latitude ", lat2, "N ", "S ");
    out.Longitude = wholeMinutesText("Estimated Longitude ", lon2, "E ", "W ");
    out.Distance = resultText("Distance traveled, nmiles: ", D, 1);
    return out;
}

Problem deadReckoningProblem(const DeadReckoningInput& input) {
    // The texts first, in the order of the panel.
    if (const Problem text = platform::firstProblem({
            platform::numberProblem("True Course", input.Course),
            platform::numberProblem("Speed over ground", input.Speed),
            angleTextProblem("Last Fix Latitude", input.Lat),
            angleTextProblem("Last Fix Longitude", input.Lon),
            platform::numberProblem("Time interval hours", input.Hours),
            platform::numberProblem("Time interval minutes", input.Minutes),
        })) {
        return text;
    }
    return platform::firstProblem({
        platform::directionProblem("True Course", fieldValue(input.Course)),
        platform::nonNegativeProblem("Speed over ground", fieldValue(input.Speed)),
        platform::latitudeProblem("Last Fix Latitude", angleValue(input.Lat)),
        platform::longitudeProblem("Last Fix Longitude", angleValue(input.Lon)),
    });
}

HorizonResult horizon(const HorizonInput& input) {
    double h = std::fabs(fieldValue(input.EyeHeight));
    if (h == 0) {
        h = 0.01;
    }
    double dL = std::fabs(fieldValue(input.LandDistance));
    const double dH = 2.118 * std::sqrt(h);

    double d = dH;
    if (input.LandDistance.empty() || dL == 0) {
        dL = dH;
    } else if (dL <= dH) {
        d = dL;
    }

    const auto dip = [h](double x) {
        return (180 / kPi) * 60 * std::atan(h / (1852 * x) + x / 8268);
    };
    const double Dp = dip(d);
    double E = 0;
    if (dL < dH) {
        E = dip(dL) - dip(dH);
    }

    HorizonResult out;
    out.SeaHorizon = resultText("Distance to sea horizon, nmiles: ", dH, 1);
    out.Dip = resultText("Dip of horizon, arcminutes: ", Dp, 1);
    if (E > 0) {
        out.Compensation = resultText("Compensate for land horizon by subtracting ", E, 1,
                                      "' from the measured sextant altitude");
        out.Note =
            "In the Sight Data Form, normal dip is accounted for internally, so you have to "
            "trick the data";
    }
    return out;
}

Problem horizonProblem(const HorizonInput& input) {
    return platform::firstProblem({
        platform::numberProblem("Eye height", input.EyeHeight),
        platform::numberProblem("Distance to land", input.LandDistance),
        platform::nonNegativeProblem("Eye height", fieldValue(input.EyeHeight)),
        platform::nonNegativeProblem("Distance to land", fieldValue(input.LandDistance)),
    });
}

std::string greatCircleDistance(const GreatCircleInput& input) {
    const double k = ephemeris::kRadPerDeg;  // 3.14159265358979 / 180
    const double lat1 = angleValue(input.Lat1) * k;
    const double lon1 = angleValue(input.Lon1) * k;
    const double lat2 = angleValue(input.Lat2) * k;
    const double lon2 = angleValue(input.Lon2) * k;

    const double X = std::sin(lat1) * std::sin(lat2) +
                     std::sin(lon1) * std::cos(lat1) * std::cos(lat2) * std::sin(lon2) +
                     std::cos(lon1) * std::cos(lat1) * std::cos(lat2) * std::cos(lon2);
    const double c = ArcCos(X);
    const double D = c * 3437.74677;

    if (!allFinite({D, D * 1.15})) {
        return std::string("Distance ") + kUndefinedText;
    }
    return ephemeris::RoundedText(D, 1) + " nautical miles" + "       " +
           ephemeris::RoundedText(D * 1.15, 1) + " statute miles";
}

Problem greatCircleProblem(const GreatCircleInput& input) {
    if (const Problem text = platform::firstProblem({
            angleTextProblem("Latitude #1", input.Lat1),
            angleTextProblem("Longitude #1", input.Lon1),
            angleTextProblem("Latitude #2", input.Lat2),
            angleTextProblem("Longitude #2", input.Lon2),
        })) {
        return text;
    }
    return platform::firstProblem({
        latitudeFieldProblem("Latitude #1", input.Lat1),
        longitudeFieldProblem("Longitude #1", input.Lon1),
        latitudeFieldProblem("Latitude #2", input.Lat2),
        longitudeFieldProblem("Longitude #2", input.Lon2),
    });
}

std::string refraction(const RefractionInput& input) {
    const double T = fieldValue(input.Temperature);
    const double P = fieldValue(input.Pressure);
    const double h = signedDegreesMinutes(input.HaDegrees, input.HaMinutes);

    // Bennett's formula, degrees; h + 4.4 = 0 or T = -273 leave no value.
    const double R0 = -0.0167 / ephemeris::TanD(h + 7.31 / (h + 4.4));
    const double R = ((R0 * 0.28) * P / (T + 273)) * 60;
    return resultText(" Refraction correction = ", R, 2, "' arc minutes");
}

Problem refractionProblem(const RefractionInput& input) {
    if (const Problem text = platform::firstProblem({
            platform::numberProblem("Air Temperature", input.Temperature),
            platform::numberProblem("Barometric pressure", input.Pressure),
            signedAngleTextProblem("Apparent Altitude", input.HaDegrees, input.HaMinutes),
        })) {
        return text;
    }
    return platform::firstProblem({
        platform::aboveProblem("Air Temperature", fieldValue(input.Temperature), -273, " °C"),
        platform::aboveProblem("Barometric pressure", fieldValue(input.Pressure), 0, " millibars"),
        platform::rangeProblem("Apparent Altitude",
                               signedDegreesMinutes(input.HaDegrees, input.HaMinutes), 0, 90,
                               " degrees"),
    });
}

AltitudeResult altitudeAzimuth(const AltitudeInput& input) {
    const double Lat = angleValue(input.Lat);
    const double Lon = angleValue(input.Lon);
    const double GHA = angleValue(input.Gha);
    const double Dec = angleValue(input.Dec);

    const double LHA = GHA + Lon;
    const double s = SinD(Dec) * SinD(Lat) + CosD(Lat) * CosD(Dec) * CosD(LHA);
    const double Hc = ArcSin(s) * 180 / kPi;
    const double c = (SinD(Dec) - SinD(Lat) * SinD(Hc)) / (CosD(Lat) * CosD(Hc));
    const double Z = 57.29577951308238 * ArcCos(c);
    const double Zn = SinD(LHA) >= 0 ? 360 - Z : Z;

    AltitudeResult out;
    out.Altitude = "Hc = " + degreesMinutesText(Hc);
    out.Azimuth = resultText("Azimuth = ", Zn, 1, "° ");
    return out;
}

Problem altitudeProblem(const AltitudeInput& input) {
    if (const Problem text = platform::firstProblem({
            angleTextProblem("Assumed Latitude", input.Lat),
            angleTextProblem("Assumed Longitude", input.Lon),
            angleTextProblem("GHA", input.Gha),
            angleTextProblem("DEC", input.Dec),
        })) {
        return text;
    }
    return platform::firstProblem({
        latitudeFieldProblem("Assumed Latitude", input.Lat),
        longitudeFieldProblem("Assumed Longitude", input.Lon),
        angleFieldProblem("GHA", input.Gha, 360),
        angleFieldProblem("DEC", input.Dec, 90),
    });
}

SumnerResult sumnerLongitudes(const SumnerInput& input) {
    const double Lat = angleValue(input.Lat);
    const double Ho = angleValue(input.Ho);
    const double GHA = angleValue(input.Gha);
    const double Dec = angleValue(input.Dec);

    const double c = (SinD(Ho) - SinD(Dec) * SinD(Lat)) / (CosD(Lat) * CosD(Dec));
    SumnerResult out;
    // Beyond the last bits of a touching circle the latitude is never reached.
    if (std::fabs(c) > 1 + 1e-12) {
        out.Unreachable = std::string(kSumnerUnreachableText);
        return out;
    }
    const double t = ArcCos(c) * 180 / kPi;
    const double LonE = wrappedLongitude(t - GHA);
    const double LonW = wrappedLongitude(-t - GHA);

    const auto text = [](const char* words, double lon) {
        if (!std::isfinite(lon)) {
            return std::string(words) + kUndefinedText;
        }
        const bool west = ephemeris::RoundDegMin(lon, 1).Sign < 0;
        return std::string(words) + (west ? "W " : "E ") + degreesMinutesText(lon);
    };
    out.WestSide = text("LON west side = ", LonW);
    out.EastSide = text("LON east side = ", LonE);
    return out;
}

Problem sumnerProblem(const SumnerInput& input) {
    if (const Problem text = platform::firstProblem({
            angleTextProblem("Assumed Latitude", input.Lat),
            angleTextProblem("Observed Altitude", input.Ho),
            angleTextProblem("GHA", input.Gha),
            angleTextProblem("DEC", input.Dec),
        })) {
        return text;
    }
    return platform::firstProblem({
        latitudeFieldProblem("Assumed Latitude", input.Lat),
        angleFieldProblem("Observed Altitude", input.Ho, 90),
        angleFieldProblem("GHA", input.Gha, 360),
        angleFieldProblem("DEC", input.Dec, 90),
    });
}

std::string circleCentre(const CircleCentreInput& input) {
    double east = 0;
    double north = 0;
    double radius = 0;
    CircleOfPosition(angleValue(input.Lat1), angleValue(input.Lon1), angleValue(input.Lat2),
                     angleValue(input.Lon2), angleValue(input.Angle), east, north, radius);

    const double shownEast = RoundTo(east, 2);
    const double shownNorth = RoundTo(north, 2);
    const std::string words = "Center of arc is ";
    if (!allFinite({shownEast, shownNorth})) {
        return words + kUndefinedText;
    }
    return words + ephemeris::RoundedText(std::fabs(shownEast), 2) + " nm " +
           (shownEast >= 0 ? "East" : "West") + " ,  " +
           ephemeris::RoundedText(std::fabs(shownNorth), 2) + " nm " +
           (shownNorth >= 0 ? "North" : "South") + " from 1st point";
}

Problem circleCentreProblem(const CircleCentreInput& input) {
    if (const Problem text = platform::firstProblem({
            angleTextProblem("Latitude #1", input.Lat1),
            angleTextProblem("Longitude #1", input.Lon1),
            angleTextProblem("Latitude #2", input.Lat2),
            angleTextProblem("Longitude #2", input.Lon2),
            angleTextProblem("Measured Angle", input.Angle),
        })) {
        return text;
    }
    if (const Problem range = platform::firstProblem({
            latitudeFieldProblem("Latitude #1", input.Lat1),
            longitudeFieldProblem("Longitude #1", input.Lon1),
            latitudeFieldProblem("Latitude #2", input.Lat2),
            longitudeFieldProblem("Longitude #2", input.Lon2),
            platform::openRangeProblem("Measured Angle", angleValue(input.Angle), 0, 180,
                                       " degrees"),
        })) {
        return range;
    }
    // Two landmarks at one place are seen under no angle.
    double east = 0;
    double north = 0;
    LandmarkOffset(angleValue(input.Lat1), angleValue(input.Lon1), angleValue(input.Lat2),
                   angleValue(input.Lon2), east, north);
    if (east * east + north * north == 0) {
        return std::string(kLandmarksAtOnePositionText);
    }
    return std::nullopt;
}

}  // namespace calculators
