// The instants the benchmarks take their input from: a ring of 64 calendar
// instants from 1990 to 2053, at months, days, hours, minutes and seconds that
// differ from one to the next, so that no iteration repeats the last one's
// time (a repeated or steadily stepped instant keeps the branch predictor
// trained and flatters the figure).
#pragma once

#include <cstddef>

namespace bench {

constexpr std::size_t kInstantCount = 64;

struct CalendarInstant {
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
    double DeltaT = 0;  // seconds

    double utHours() const { return Hour + Minute / 60 + Second / 3600; }
};

// Instant i of the ring (any i; the ring repeats every kInstantCount).
inline CalendarInstant calendarInstant(std::size_t i) {
    const std::size_t k = i % kInstantCount;
    CalendarInstant c;
    c.Year = static_cast<double>(1990 + k);
    c.Month = static_cast<double>(1 + (k * 5) % 12);
    c.Day = static_cast<double>(1 + (k * 7) % 28);
    c.Hour = static_cast<double>((k * 37) % 24);
    c.Minute = static_cast<double>((k * 13) % 60);
    c.Second = static_cast<double>((k * 29) % 60);
    c.DeltaT = 57 + static_cast<double>(k) * 0.4;
    return c;
}

// A place for instant i of the ring where it is evening, night or morning
// twilight: latitudes from 60 S to 60 N, and the longitude (east positive)
// at which the local mean time is 20h to 4h. Degrees.
struct Place {
    double Lat = 0;
    double Lon = 0;
};

inline Place nightPlace(std::size_t i) {
    const CalendarInstant c = calendarInstant(i);
    const double localHours = 20 + static_cast<double>((i * 3) % 9);
    double lon = 15 * (localHours - c.utHours());
    while (lon > 180) {
        lon -= 360;
    }
    while (lon <= -180) {
        lon += 360;
    }
    return {-60 + static_cast<double>((i * 13) % 121), lon};
}

}  // namespace bench
