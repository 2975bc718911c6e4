// Julian day from a UT calendar instant, and the local clock turned into UT
// calendar fields for the "Now" buttons.
#include <chrono>
#include <cmath>
#include <ctime>

#include "ephemeris/ephemeris.h"

namespace ephemeris {

void JulianDay(double Year, double Month, double Day, double UtHours, double& JD, double& T) {
    double y = 0;
    double m = 0;
    if (Month > 2) {
        y = Year;
        m = Month;
    } else {
        y = Year - 1;
        m = Month + 12;
    }
    const double a = std::floor(y / 100);
    const double b = 2 - a + std::floor(a / 4);
    JD = std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + Day + UtHours / 24 + b -
         1524.5;
    T = (JD - 2451545) / 36525;
}

TimeArguments TimeArgumentsFor(double Year, double Month, double Day, double UtHours,
                               double DeltaT) {
    TimeArguments t;
    JulianDay(Year, Month, Day, UtHours, t.JD, t.T);
    t.T_TT = t.T + DeltaT / 3155760000;
    return t;
}

void ClockToUT(const ClockReading& Local, double ZoneHours, double& Year, double& Month,
               double& Day, double& Hour, double& Minute, double& Second) {
    Year = Local.Year;
    Month = Local.Month;
    Day = Local.Day;
    Hour = Local.Hour + ZoneHours;
    Minute = Local.Minute;
    Second = Local.Second;
    // Only the day takes the carry; the month and year stay as the clock has them.
    if (Hour >= 24) {
        Day = Day + 1;
        Hour = Hour - 24;
    }
}

void ClockToUT(double ZoneHours, double& Year, double& Month, double& Day, double& Hour,
               double& Minute, double& Second) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    ClockReading reading;
    if (localtime_r(&now, &local) != nullptr) {
        reading.Year = local.tm_year + 1900;
        reading.Month = local.tm_mon + 1;
        reading.Day = local.tm_mday;
        reading.Hour = local.tm_hour;
        reading.Minute = local.tm_min;
        // A leap second reads as the last second of its minute.
        reading.Second = local.tm_sec > 59 ? 59 : local.tm_sec;
    }
    ClockToUT(reading, ZoneHours, Year, Month, Day, Hour, Minute, Second);
}

}  // namespace ephemeris
