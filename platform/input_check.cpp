// Plausibility checks of typed latitudes, dates and times, and calendar
// arithmetic for the "Now" buttons.
#include "platform/input_check.h"

#include <cmath>
#include <ctime>

#include "platform/numtext.h"

namespace platform {
namespace {

std::string must(std::string_view label, std::string_view rule) {
    return std::string(label) + " must be " + std::string(rule);
}

bool whole(double x) {
    return std::isfinite(x) && std::floor(x) == x;
}

bool within(double x, double low, double high) {
    return std::isfinite(x) && x >= low && x <= high;
}

bool belowBound(double x, double high) {
    return std::isfinite(x) && x >= 0 && x < high;
}

bool leapYear(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Days from 1970-01-01 of a proleptic Gregorian date (month 1..12).
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, long long& y, long long& m, long long& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

}  // namespace

Problem firstProblem(std::initializer_list<Problem> checks) {
    for (const Problem& p : checks) {
        if (p) {
            return p;
        }
    }
    return std::nullopt;
}

Problem latitudeProblem(std::string_view label, double degrees) {
    if (within(std::fabs(degrees), 0, 90)) {
        return std::nullopt;
    }
    return must(label, "between 0 and 90 degrees");
}

int daysInMonth(int Year, int Month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) {
        return 0;
    }
    return Month == 2 && leapYear(Year) ? 29 : kDays[Month - 1];
}

Problem dateProblem(double Year, double Month, double Day, const DateLabels& labels) {
    if (!whole(Year) || !within(Year, kFirstYear, kLastYear)) {
        return must(labels.Year, generalText(kFirstYear) + " to " + generalText(kLastYear));
    }
    if (!whole(Month) || !within(Month, 1, 12)) {
        return must(labels.Month, "1 to 12");
    }
    const int length = daysInMonth(static_cast<int>(Year), static_cast<int>(Month));
    if (!whole(Day) || !within(Day, 1, length)) {
        return must(labels.Day, "1 to " + std::to_string(length));
    }
    return std::nullopt;
}

Problem hourMinuteProblem(double Hour, double Minute, const TimeLabels& labels) {
    if (!belowBound(Hour, 24)) {
        return must(labels.Hour, "0 to below 24");
    }
    if (!belowBound(Minute, 60)) {
        return must(labels.Minute, "0 to below 60");
    }
    return std::nullopt;
}

Problem timeProblem(double Hour, double Minute, double Second, const TimeLabels& labels) {
    if (Problem p = hourMinuteProblem(Hour, Minute, labels)) {
        return p;
    }
    if (!belowBound(Second, 60)) {
        return must(labels.Second, "0 to below 60");
    }
    return std::nullopt;
}

Problem deltaTProblem(double DeltaT, std::string_view label) {
    if (within(DeltaT, kLowestDeltaT, kHighestDeltaT)) {
        return std::nullopt;
    }
    return must(label,
                generalText(kLowestDeltaT) + " to " + generalText(kHighestDeltaT) + " seconds");
}

Problem zoneProblem(double ZoneHours, std::string_view label) {
    if (within(ZoneHours, kLowestZone, kHighestZone)) {
        return std::nullopt;
    }
    return must(label, generalText(kLowestZone) + " to " + generalText(kHighestZone) + " hours");
}

Problem zoneTextProblem(std::string_view text, std::string_view label) {
    return firstProblem({zoneProblem(leadingNumber(text), label), numberProblem(label, text)});
}

Problem settingsZoneProblem(std::string_view text) {
    constexpr std::string_view label = "The time zone of the settings";
    if (const Problem range = zoneProblem(leadingNumber(text), label)) {
        return *range + kSetZoneInPlanner;
    }
    if (numberProblem(label, text)) {
        return std::string(label) + " is not a number" + kSetZoneInPlanner;
    }
    return std::nullopt;
}

std::optional<CalendarTime> calendarTime(double Year, double Month, double Day, double Hour,
                                         double Minute, double Second) {
    // Far beyond any accepted year the whole-number arithmetic below would
    // overflow; such an instant has no calendar here.
    const double limit = 1e6;
    if (!within(Year, -limit, limit) || !within(Month, -limit, limit) || !within(Day, -1e8, 1e8) ||
        !within(Hour, -1e9, 1e9) || !within(Minute, -1e9, 1e9) || !within(Second, -1e12, 1e12)) {
        return std::nullopt;
    }
    // Whole months move the year; the day and the time of day go into one
    // count of seconds from the first of the month.
    const double monthIndex = std::floor(Year) * 12 + (std::floor(Month) - 1);
    const long long y = static_cast<long long>(std::floor(monthIndex / 12));
    const long long m = static_cast<long long>(monthIndex - static_cast<double>(y) * 12) + 1;
    const double dayPart = Day - 1;
    const double seconds = std::floor(dayPart * 86400 + Hour * 3600 + Minute * 60 + Second + 0.5);
    const double days = std::floor(seconds / 86400);
    const long long secondOfDay = static_cast<long long>(seconds - days * 86400);
    long long cy = 0, cm = 0, cd = 0;
    civilFromDays(daysFromCivil(y, m, 1) + static_cast<long long>(days), cy, cm, cd);
    if (cy < -limit || cy > limit) {
        return std::nullopt;
    }
    CalendarTime out;
    out.Year = static_cast<int>(cy);
    out.Month = static_cast<int>(cm);
    out.Day = static_cast<int>(cd);
    out.Hour = static_cast<int>(secondOfDay / 3600);
    out.Minute = static_cast<int>(secondOfDay % 3600 / 60);
    out.Second = static_cast<int>(secondOfDay % 60);
    return out;
}

double computerZoneHours() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    // tm_gmtoff is seconds east of UT; the program's zones are hours west.
    const double west = -static_cast<double>(local.tm_gmtoff) / 3600;
    return west == 0 ? 0 : west;
}

Problem directionProblem(std::string_view label, double degrees) {
    if (within(degrees, 0, 360)) {
        return std::nullopt;
    }
    return must(label, "0 to 360 degrees");
}

Problem numberProblem(std::string_view label, std::string_view text, Empty empty) {
    if (parseWholeText(text)) {
        return std::nullopt;
    }
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        if (empty == Empty::ReadsZero) {
            return std::nullopt;
        }
        return std::string(label) + " must not be empty";
    }
    return must(label, "a number (use a point for decimals)");
}

Problem minutesProblem(std::string_view label, double minutes) {
    if (belowBound(minutes, 60)) {
        return std::nullopt;
    }
    return must(label, "0 to below 60");
}

Problem longitudeProblem(std::string_view label, double degrees) {
    if (within(std::fabs(degrees), 0, 180)) {
        return std::nullopt;
    }
    return must(label, "between 0 and 180 degrees");
}

Problem nonNegativeProblem(std::string_view label, double value) {
    if (std::isfinite(value) && value >= 0) {
        return std::nullopt;
    }
    return std::string(label) + " must not be negative";
}

Problem aboveProblem(std::string_view label, double value, double low, std::string_view unit) {
    if (std::isfinite(value) && value > low) {
        return std::nullopt;
    }
    return must(label, "above " + generalText(low) + std::string(unit));
}

Problem rangeProblem(std::string_view label, double value, double low, double high,
                     std::string_view unit) {
    if (within(value, low, high)) {
        return std::nullopt;
    }
    return must(label, generalText(low) + " to " + generalText(high) + std::string(unit));
}

Problem openRangeProblem(std::string_view label, double value, double low, double high,
                         std::string_view unit) {
    if (std::isfinite(value) && value > low && value < high) {
        return std::nullopt;
    }
    return must(
        label, "above " + generalText(low) + " and below " + generalText(high) + std::string(unit));
}

}  // namespace platform
