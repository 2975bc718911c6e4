#include "app/preload.h"

#include <cmath>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace app {

namespace {

// A whole-minute boundary is taken within this many minutes.
constexpr double kMinuteTolerance = 1e-6;

}  // namespace

void splitWholeMinutes(double X, double& Deg, double& Min, double& CutDeg) {
    const double sign = X < 0 ? -1 : 1;
    double whole = std::floor(std::fabs(X));
    double minutes = std::floor(60 * (std::fabs(X) - whole) + kMinuteTolerance);
    if (minutes >= 60) {
        minutes = minutes - 60;
        whole = whole + 1;
    }
    // No negative zero: a value cut to 0 has no side.
    Deg = sign * whole + 0.0;
    Min = minutes;
    CutDeg = sign * (whole + minutes / 60) + 0.0;
}

Preload preload(const reduction::LegSettings& leg, bool Option2South, bool Option3West,
                const reduction::GeneralSettings& general) {
    Preload p;
    p.Warning = reduction::checkLeg(leg, general, reduction::LegUse::Preload);
    if (p.Warning) {
        return p;
    }

    double DrLat = 0;
    double DrLon = 0;
    if (!reduction::deadReckonedPosition(reduction::legValues(leg, Option2South, Option3West),
                                         DrLat, DrLon)) {
        p.Warning = reduction::ReductionWarning{std::string(reduction::kBadDeadReckoningMessage)};
        return p;
    }

    double LatDeg = 0;
    double LatMin = 0;
    double LonDeg = 0;
    double LonMin = 0;
    splitWholeMinutes(DrLat, LatDeg, LatMin, p.DrLat);
    splitWholeMinutes(DrLon, LonDeg, LonMin, p.DrLon);
    // A longitude cut to -180 is 180 east.
    p.DrLon = ephemeris::wrapLongitude(p.DrLon);

    p.Dr.North = p.DrLat >= 0;
    p.Dr.East = p.DrLon >= 0;
    p.Dr.LatDegrees = platform::generalText(std::fabs(LatDeg));
    p.Dr.LatMinutes = platform::generalText(LatMin);
    p.Dr.LonDegrees = platform::generalText(std::fabs(LonDeg));
    p.Dr.LonMinutes = platform::generalText(LonMin);

    p.Year = leg.NewFixYear;
    p.Month = leg.NewFixMonth;
    p.Day = leg.NewFixDay;
    p.Hour = leg.NewFixHour;
    p.Minutes = leg.NewFixMinutes;
    p.DeltaT = general.DeltaT;
    p.TimeZone = general.TimeZone;
    p.AirTemperature = general.AirTemperature;
    p.Pressure = general.Pressure;
    return p;
}

}  // namespace app
