#include "planner/planner_instant.h"

#include <cmath>

#include "platform/numtext.h"

namespace planner {

using ephemeris::kDegPerRad;
using ephemeris::kRadPerDeg;

namespace {

constexpr double kEarthRadiusKm = 6371;
constexpr double kKmPerAU = 149597870;
constexpr double kFlattening = 298.257;

double val(const std::string& text) {
    return platform::leadingNumber(text);
}

// |degrees| + |minutes| / 60 in radians, negated on the option's side.
double angleEntry(const std::string& degrees, const std::string& minutes, bool negate) {
    const double a = (std::fabs(val(degrees)) + std::fabs(val(minutes)) / 60) * kRadPerDeg;
    return negate ? -a : a;
}

BodyAltAz altAz(double DistAU, double GHA, double Dec, const PlannerInput& in) {
    BodyAltAz p;
    SkyAltAz(DistAU, GHA, Dec, in.Lat, in.Lon, in.ShowParallax, p.Zn, p.Hc);
    return p;
}

BodyAltAz planet(int code, const PlannerSky& sky, const PlannerInput& in) {
    double GHA = 0, Dec = 0, SHA = 0, HP = 0, DistAU = 0;
    ephemeris::PlanetPosition(sky.Time.JD, sky.Time.T_TT, code, sky.Sun.EarthL, sky.Sun.EarthB,
                              sky.Sun.EarthR, GHA, Dec, SHA, HP, DistAU);
    return altAz(DistAU, GHA, Dec, in);
}

}  // namespace

PlannerInput plannerInput(const PlannerTexts& t) {
    PlannerInput in;
    in.Year = val(t.Year);
    in.Month = val(t.Month);
    in.Day = val(t.Day);
    in.UtHours = val(t.Hour) + val(t.Minute) / 60 + val(t.Second) / 3600;
    in.Lat = angleEntry(t.LatDegrees, t.LatMinutes, t.South);
    in.Lon = angleEntry(t.LonDegrees, t.LonMinutes, t.West);
    in.DeltaT = val(t.DeltaT);
    in.N = std::floor(val(t.StarCount));
    in.ShowParallax = t.ShowParallax;
    in.WhiteBackground = t.WhiteBackground;
    in.EastWestSign = t.SwitchEastWest ? -1 : 1;
    return in;
}

platform::Problem plannerProblem(const PlannerTexts& t) {
    using platform::numberProblem;
    const double latMinutes = std::fabs(val(t.LatMinutes));
    const double lonMinutes = std::fabs(val(t.LonMinutes));
    return platform::firstProblem(
        {numberProblem("Year", t.Year), numberProblem("Month", t.Month),
         numberProblem("Day", t.Day), numberProblem("UT hour", t.Hour),
         numberProblem("UT minute", t.Minute), numberProblem("UT second", t.Second),
         numberProblem("Latitude", t.LatDegrees), numberProblem("Latitude minutes", t.LatMinutes),
         numberProblem("Longitude", t.LonDegrees), numberProblem("Longitude minutes", t.LonMinutes),
         numberProblem("Delta T", t.DeltaT, platform::Empty::Refused),
         numberProblem("Number of stars", t.StarCount),
         platform::dateProblem(val(t.Year), val(t.Month), val(t.Day)),
         platform::timeProblem(val(t.Hour), val(t.Minute), val(t.Second),
                               {"UT hour", "UT minute", "UT second"}),
         platform::minutesProblem("Latitude minutes", latMinutes),
         platform::latitudeProblem("Latitude", std::fabs(val(t.LatDegrees)) + latMinutes / 60),
         platform::minutesProblem("Longitude minutes", lonMinutes),
         platform::longitudeProblem("Longitude", std::fabs(val(t.LonDegrees)) + lonMinutes / 60),
         platform::deltaTProblem(val(t.DeltaT))});
}

void SkyAltAz(double DistAU, double GHA, double Dec, double Lat, double Lon, bool ShowParallax,
              double& Zn, double& Hc) {
    const double LatDeg = Lat * kDegPerRad;
    const double LHA = GHA + Lon * kDegPerRad;
    double HcDeg = 0, ZnDeg = 0;
    ephemeris::AltitudeAzimuth(Dec, LatDeg, LHA, HcDeg, ZnDeg);
    const double HP = kEarthRadiusKm / (DistAU * kKmPerAU) * kDegPerRad;
    const double sinLat = std::sin(Lat);
    const double PA = HP * ephemeris::CosD(HcDeg) * (1 - sinLat * sinLat / kFlattening);
    if (ShowParallax) {
        HcDeg = HcDeg - PA;
    }
    Zn = ZnDeg * kRadPerDeg;
    Hc = HcDeg * kRadPerDeg;
}

PlannerSky plannerSky(const PlannerInput& in) {
    PlannerSky sky;
    sky.Time = ephemeris::TimeArgumentsFor(in.Year, in.Month, in.Day, in.UtHours, in.DeltaT);
    sky.Sun = ephemeris::SunPlaceAt(sky.Time.JD, sky.Time.T_TT);
    // The Sun's distance is the Earth's radius vector.
    sky.SunAltAz = altAz(sky.Sun.EarthR, sky.Sun.GHA, sky.Sun.Dec, in);

    double GHA = 0, Dec = 0, SD = 0, HP = 0, DistKm = 0;
    ephemeris::MoonPosition(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunAppLon, GHA, Dec, SD, HP,
                            sky.MoonIllum, DistKm, sky.Elong);
    sky.Moon = altAz(DistKm / kKmPerAU, GHA, Dec, in);
    sky.F = sky.MoonIllum * 0.01;

    sky.Venus = planet(2, sky, in);
    sky.Mars = planet(4, sky, in);
    sky.Jupiter = planet(5, sky, in);
    sky.Saturn = planet(6, sky, in);
    return sky;
}

}  // namespace planner
