// Ephemeris core: time, angles, display helpers, nutation, the Sun, the Moon,
// the planets, the 58 navigational stars, altitude and azimuth, rise and set.
//
// Angles are decimal degrees unless a procedure says radians; semi-diameters
// (SD) and horizontal parallaxes (HP) are arc minutes, distances AU unless
// named in km, the illuminated fraction a percentage. JD is the Julian
// day in UT (it serves the sidereal time only); T_TT is dynamical time in
// Julian centuries from J2000.0 (T + DeltaT / 3155760000). Results come back
// through output arguments in a fixed order, and every output is written on
// every call.
#pragma once

#include <array>
#include <string>

namespace ephemeris {

// Pi as the program uses it everywhere (not the nearest double to pi), and
// the one radians-per-degree and degrees-per-radian constants formed from it.
constexpr double kPi = 3.14159265358979;
constexpr double kHalfPi = 1.570796326794895;
constexpr double kTwoPi = 6.28318530717958;
constexpr double kDegPerRad = 57.29577951308238;
constexpr double kRadPerDeg = 0.017453292519943278;

// --- Julian day and clock -------------------------------------------------

// Gregorian calendar for every date; months and days outside their ranges
// continue the count linearly. T = (JD - 2451545) / 36525.
void JulianDay(double Year, double Month, double Day, double UtHours, double& JD, double& T);

// One reading of a local clock, as its calendar parts.
struct ClockReading {
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
};

// Local clock reading plus the zone (hours, west positive) gives UT. Only a
// carry of the hour past 24 moves the day; month and year never change.
void ClockToUT(const ClockReading& Local, double ZoneHours, double& Year, double& Month,
               double& Day, double& Hour, double& Minute, double& Second);

// The same, reading the system clock once.
void ClockToUT(double ZoneHours, double& Year, double& Month, double& Day, double& Hour,
               double& Minute, double& Second);

// The time arguments of the position procedures for a UT instant: JD and T
// from JulianDay, T_TT = T + DeltaT / 3155760000 (DeltaT in seconds).
struct TimeArguments {
    double JD = 0;
    double T = 0;
    double T_TT = 0;
};

TimeArguments TimeArgumentsFor(double Year, double Month, double Day, double UtHours,
                               double DeltaT);

// --- Angle and trigonometry functions --------------------------------------

double SinD(double X);
double CosD(double X);
double TanD(double X);
double ArcSin(double X);           // radians, clamped at +-1
double ArcCos(double X);           // radians, clamped at +-1
double Atan2(double Y, double X);  // radians, (-pi, pi]
void Atan2Into(double Y, double X, double& Angle);
double Normalize360(double X);
double Normalize2Pi(double X);
// A longitude with whole turns removed, in (-180, 180] (east positive): 180
// stays 180 and -180 becomes 180. Non-finite values stay non-finite.
double wrapLongitude(double Lon);

// --- Display rounding and formatting --------------------------------------

double FloorTo1(double X);
double FloorTo2(double X);
double FloorTo3(double X);
double FloorTo6(double X);
void SplitDegMin(double X, double& Deg, double& Min);
void SplitDegWholeMin(double X, double& Deg, double& Min, double& DecDeg);
void FormatDateTime(double Year, double Month, double Day, double UtHours, double& H, double& M,
                    double& S, std::string& DateText, std::string& TimeText);
void FormatTimeHMS(double Hours, double& H, double& M, double& S, std::string& Text);

// --- Figures as the navigator reads them ------------------------------------
//
// Every figure a window shows to a fixed place goes through these: rounded to
// that place, half away from zero, a value within 1e-9 of the place's unit of
// a half rounding away (so 359.95 shows 360.0 and 44.55' shows 44.6' although
// their doubles lie just below), with the carry into the next degree, minute,
// hour or day. A value that rounds to zero has no sign.

// X rounded to Places decimals (0 to 9). Non-finite values stay as they are.
double RoundTo(double X, int Places);

// An angle of degrees as whole degrees and minutes rounded to Places decimals
// (0 for whole minutes), the carry taken: 59.96' at one place is the next
// degree and 0'. Deg and Min are never negative; Sign is -1, 0 or 1 and is 0
// when the rounded angle is zero. Not finite: Finite false, the rest 0.
struct RoundedDegMin {
    double Deg = 0;
    double Min = 0;
    int Sign = 0;
    bool Finite = true;
};
RoundedDegMin RoundDegMin(double X, int Places);
// An hour angle (GHA, SHA, LHA; 0 to 360) as RoundDegMin gives it, except that
// one rounding up to 360 degrees is 0 degrees and 0 minutes, as an almanac
// prints it.
RoundedDegMin RoundHourAngle(double X, int Places);

// A time of hours as a time of day rounded to Places decimals of a second:
// H 0..23, M and S below 60, and Days the whole days the rounded time lies
// after day 0 (negative before it): 23:59:59.5 is 00:00:00 with Days 1.
// Not finite: Finite false, the rest 0.
struct RoundedHMS {
    double Days = 0;
    double H = 0;
    double M = 0;
    double S = 0;
    bool Finite = true;
};
RoundedHMS RoundHMS(double Hours, int Places);
// "hh:mm:ss" of a time rounded to the whole second (RoundHMS(Hours, 0)).
std::string TimeOfDayText(const RoundedHMS& T);

// X rounded to Places decimals as plain text with exactly Places decimals
// ("12.0", "-0.5", "360.0"; "0.0" for a value that rounds to zero). Empty for
// a value that is not finite.
std::string RoundedText(double X, int Places);
// An hour angle of degrees as RoundedText writes it, except that one rounding
// up to 360 is written as 0 ("0.000", never "360.000").
std::string HourAngleText(double X, int Places);

// --- Nutation and obliquity ------------------------------------------------

// Nutation in longitude and in obliquity, degrees, for T in Julian centuries
// of dynamical time from J2000.0.
void Nutation(double T, double& DeltaPsi, double& DeltaEps);
// Mean obliquity of the ecliptic (IAU 1980), degrees.
double MeanObliquity(double T);
// True obliquity: the mean obliquity plus DeltaEps (both degrees).
void TrueObliquity(double T, double DeltaEps, double& Epsilon);

// --- Heliocentric series ---------------------------------------------------

// PlanetCode: 2 Venus, 3 Earth, 4 Mars, 5 Jupiter, 6 Saturn; any other code
// gives L = B = R = 0. Tau is Julian millennia of dynamical time from J2000.0.
// L and B heliocentric ecliptic longitude and latitude of date, degrees (L in
// [0, 360)); R the radius vector, AU.
void PlanetHelio(int Code, double Tau, double& L, double& B, double& R);

// The Earth's six partial sums S0 .. S5 of tau^0 .. tau^5: L and B in 1e-8
// rad, R in 1e-8 AU.
void EarthSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);
void EarthSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);
void EarthSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);

// --- Sun, Moon, planets ----------------------------------------------------

// GHA [0, 360), Dec, SHA (0, 360] and GHAAries [0, 360): degrees. SD: arc
// minutes. EarthL, EarthB: the Earth's heliocentric longitude and latitude,
// degrees in [0, 360); EarthR: AU. SunAppLon: apparent geocentric longitude
// (nutation and aberration), SunGeoLon: geometric geocentric longitude,
// degrees in [0, 360).
void SunPosition(double JD, double T_TT, double& GHA, double& Dec, double& SD, double& SHA,
                 double& GHAAries, double& EarthL, double& EarthB, double& EarthR,
                 double& SunAppLon, double& SunGeoLon);

// The Sun's twelve-argument procedure as one result, for callers that
// compute the Sun first and hand its outputs on.
struct SunPlace {
    double GHA = 0;
    double Dec = 0;
    double SD = 0;
    double SHA = 0;
    double GHAAries = 0;
    double EarthL = 0;
    double EarthB = 0;
    double EarthR = 0;
    double SunAppLon = 0;
    double SunGeoLon = 0;
};

SunPlace SunPlaceAt(double JD, double T_TT);

// The Sun's equatorial horizontal parallax, arc minutes, at EarthR AU from the
// Earth: 8.794" (0.1466') at one astronomical unit, in inverse proportion.
double SunHorizontalParallax(double EarthR);

// GHA [0, 360) and Dec: degrees. SD and HP: arc minutes. Illum: illuminated
// fraction, percent, cut to 0.1. DistKm: geocentric distance, km. Elong:
// apparent longitude less SunAppLon, degrees in [0, 360).
void MoonPosition(double JD, double T_TT, double SunAppLon, double& GHA, double& Dec, double& SD,
                  double& HP, double& Illum, double& DistKm, double& Elong);

// The Moon's illuminated fraction, percent, from its elongation in longitude
// (degrees), unrounded: MoonPosition's Illum is this cut to 0.1.
double MoonIlluminatedPercent(double Elong);

// PlanetCode 2 Venus, 4 Mars, 5 Jupiter, 6 Saturn (any other: all zeros);
// EarthL, EarthB, EarthR from SunPosition. GHA [0, 360), Dec and SHA (0, 360]:
// degrees. HP: arc minutes. Dist: geocentric distance, AU.
void PlanetPosition(double JD, double T_TT, int PlanetCode, double EarthL, double EarthB,
                    double EarthR, double& GHA, double& Dec, double& SHA, double& HP, double& Dist);

// --- Stars -----------------------------------------------------------------

constexpr int kStarCount = 58;

// Names and magnitudes by StarNumber 1..58; entry 0 is never written.
struct StarTables {
    std::array<std::string, kStarCount + 1> StarNames;
    std::array<double, kStarCount + 1> StarMagnitudes{};
};

void FillStarTable(StarTables& Tables);

// T before JD here. StarIndex 0..57 (StarNumber - 1); SunGeoLon from
// SunPosition, degrees. GHA [0, 360), Dec and SHA [0, 360): degrees.
void StarPosition(double T, double JD, int StarIndex, double SunGeoLon, double& GHA, double& Dec,
                  double& SHA);

// --- Altitude, azimuth and angular distance --------------------------------

// Hc: computed altitude, degrees; Zn: true azimuth, degrees.
void AltitudeAzimuth(double Dec, double Lat, double LHA, double& Hc, double& Zn);
// Dist: great-circle angle between the two points, degrees.
void AngularDistance(double Lon1, double Lon2, double Lat1, double Lat2, double& Dist);

// --- Rise, set and meridian passage ----------------------------------------

// Times in UT hours; flags "", "P" (previous UT day) or "N" (next UT day).
// Rise and Set are the crossings nearest the transit between the lower
// culminations either side of it; one not found is a quiet NaN (no flag), and
// Message is given only when neither is found.
void SunRiseSet(double Year, double Month, double Day, double Lat, double Lon, double DeltaT,
                double& Transit, double& Rise, double& Set, std::string& RiseFlag,
                std::string& SetFlag, std::string& TransitFlag, std::string& Message);
void MoonRiseSet(double Year, double Month, double Day, double Lat, double Lon, double DeltaT,
                 double& Transit, double& Rise, double& Set, std::string& RiseFlag,
                 std::string& SetFlag, std::string& TransitFlag, std::string& Message);

}  // namespace ephemeris
