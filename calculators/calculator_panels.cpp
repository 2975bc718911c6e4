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
using ephemeris::FloorTo1;
using ephemeris::FloorTo2;
using ephemeris::kPi;
using ephemeris::SinD;
using platform::generalText;

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

// "N 40° 24'" from SplitDegWholeMin: whole degrees and whole minutes, cut.
std::string wholeMinutesText(const std::string& words, double X, const char* positive,
                             const char* negative) {
    double Deg = 0;
    double Min = 0;
    double DecDeg = 0;
    ephemeris::SplitDegWholeMin(X, Deg, Min, DecDeg);
    const double shownMin = FloorTo1(Min);
    if (!allFinite({X, Deg, shownMin})) {
        return words + kUndefinedText;
    }
    return words + (X < 0 ? negative : positive) + generalText(std::fabs(Deg)) + "° " +
           generalText(shownMin) + "'";
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
    out.Distance = resultText("Distance traveled, nmiles: ", FloorTo1(D));
    return out;
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
    out.SeaHorizon = resultText("Distance to sea horizon, nmiles: ", FloorTo1(dH + 0.05));
    out.Dip = resultText("Dip of horizon, arcminutes: ", FloorTo1(Dp + 0.05));
    if (E > 0) {
        out.Compensation = resultText("Compensate for land horizon by subtracting ",
                                      FloorTo1(E + 0.05), "' from the measured sextant altitude");
        out.Note =
            "In the Sight Data Form, normal dip is accounted for internally, so you have to "
            "trick the data";
    }
    return out;
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
    const double D = c * 3437.74677 + 0.05;

    const double nautical = FloorTo1(D);
    const double statute = FloorTo1(D * 1.15);
    if (!allFinite({nautical, statute})) {
        return std::string("Distance ") + kUndefinedText;
    }
    return generalText(nautical) + " nautical miles" + "       " + generalText(statute) +
           " statute miles";
}

std::string refraction(const RefractionInput& input) {
    const double T = fieldValue(input.Temperature);
    const double P = fieldValue(input.Pressure);
    const double h = signedDegreesMinutes(input.HaDegrees, input.HaMinutes);

    // Bennett's formula, degrees; h + 4.4 = 0 or T = -273 leave no value.
    const double R0 = -0.0167 / ephemeris::TanD(h + 7.31 / (h + 4.4));
    const double R = ((R0 * 0.28) * P / (T + 273)) * 60;
    return resultText(" Refraction correction = ", FloorTo2(R), "' arc minutes");
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
    out.Azimuth = resultText("Azimuth = ", FloorTo1(Zn), "° ");
    return out;
}

SumnerResult sumnerLongitudes(const SumnerInput& input) {
    const double Lat = angleValue(input.Lat);
    const double Ho = angleValue(input.Ho);
    const double GHA = angleValue(input.Gha);
    const double Dec = angleValue(input.Dec);

    const double c = (SinD(Ho) - SinD(Dec) * SinD(Lat)) / (CosD(Lat) * CosD(Dec));
    const double t = ArcCos(c) * 180 / kPi;
    const double LonE = wrappedLongitude(t - GHA);
    const double LonW = wrappedLongitude(-t - GHA);

    const auto text = [](const char* words, double lon) {
        if (!std::isfinite(lon)) {
            return std::string(words) + kUndefinedText;
        }
        return std::string(words) + (lon < 0 ? "W " : "E ") + degreesMinutesText(lon);
    };
    SumnerResult out;
    out.WestSide = text("LON west side = ", LonW);
    out.EastSide = text("LON east side = ", LonE);
    return out;
}

std::string circleCentre(const CircleCentreInput& input) {
    double east = 0;
    double north = 0;
    double radius = 0;
    CircleOfPosition(angleValue(input.Lat1), angleValue(input.Lon1), angleValue(input.Lat2),
                     angleValue(input.Lon2), angleValue(input.Angle), east, north, radius);

    const double shownEast = FloorTo2(std::fabs(east));
    const double shownNorth = FloorTo2(std::fabs(north));
    const std::string words = "Center of arc is ";
    if (!allFinite({shownEast, shownNorth})) {
        return words + kUndefinedText;
    }
    return words + generalText(shownEast) + " nm " + (east >= 0 ? "East" : "West") + " ,  " +
           generalText(shownNorth) + " nm " + (north >= 0 ? "North" : "South") + " from 1st point";
}

}  // namespace calculators
