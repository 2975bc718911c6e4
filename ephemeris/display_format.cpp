// Cutting values for display, degrees to degrees and minutes, and hours to
// hours, minutes and seconds with their texts, all cut toward minus infinity;
// and the rounding of every figure a window shows (RoundTo and its siblings).
#include <charconv>
#include <cmath>
#include <string>

#include "ephemeris/ephemeris.h"

namespace ephemeris {

namespace {

double signOf(double X) {
    if (X > 0) {
        return 1;
    }
    if (X < 0) {
        return -1;
    }
    return 0;
}

// A negative zero becomes a plain zero; every other value is unchanged.
double withoutNegativeZero(double X) {
    return X + 0.0;
}

// Plain decimal text: no leading zeros or blanks, no exponent, "-" only for
// negative values, no decimal point for whole numbers.
std::string plainText(double X) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, withoutNegativeZero(X),
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, result.ptr);
}

// Half a unit less this guard already rounds away from zero: a decimal half
// held in binary a hair below it still rounds up.
constexpr double kHalfGuard = 1e-9;
// Beyond this every double is a whole number; scaling it further gains nothing.
constexpr double kWholeFromHere = 4503599627370496.0;  // 2^52

double powerOfTen(int Places) {
    double p = 1;
    for (int i = 0; i < Places; ++i) {
        p *= 10;
    }
    return p;
}

// A non-negative count of units rounded to the nearest whole unit, half up
// with the guard.
double roundUnits(double Units) {
    if (Units >= kWholeFromHere) {
        return Units;
    }
    const double whole = std::floor(Units);
    return Units - whole >= 0.5 - kHalfGuard ? whole + 1 : whole;
}

int clampPlaces(int Places) {
    return Places < 0 ? 0 : (Places > 9 ? 9 : Places);
}

void splitHours(double Hours, double& H, double& M, double& S) {
    H = std::floor(Hours);
    const double m = 60 * (Hours - std::floor(Hours));
    M = std::floor(m);
    S = std::floor(60 * (m - std::floor(m)));
    // A cut 59 s shows as the next minute; the carry into hour 24 wraps to 0
    // and leaves the date alone.
    if (S >= 59) {
        S = 0;
        M = M + 1;
        if (M == 60) {
            M = 0;
            H = H + 1;
            if (H == 24) {
                H = 0;
            }
        }
    }
}

std::string twoDigitText(double X) {
    const std::string text = plainText(X);
    return X < 10 ? "0" + text : text;
}

}  // namespace

double FloorTo1(double X) {
    return std::floor(X * 10) * 0.1;
}

double FloorTo2(double X) {
    return std::floor(X * 100) * 0.01;
}

double FloorTo3(double X) {
    return std::floor(X * 1000) * 0.001;
}

double FloorTo6(double X) {
    return std::floor(X * 1000000) * 0.000001;
}

void SplitDegMin(double X, double& Deg, double& Min) {
    const double s = signOf(X);
    const double whole = std::floor(std::fabs(X));
    Deg = withoutNegativeZero(s * whole);
    Min = FloorTo3(60 * (std::fabs(X) - whole));
    if (Deg == 0) {
        // Below one degree the sign moves to the minutes.
        Min = withoutNegativeZero(s * Min);
    }
}

void SplitDegWholeMin(double X, double& Deg, double& Min, double& DecDeg) {
    const double s = signOf(X);
    const double whole = std::floor(std::fabs(X));
    Deg = withoutNegativeZero(s * whole);
    Min = std::floor(60 * (std::fabs(X) - whole));
    DecDeg = withoutNegativeZero(FloorTo3(Deg + s * Min / 60));
}

void FormatDateTime(double Year, double Month, double Day, double UtHours, double& H, double& M,
                    double& S, std::string& DateText, std::string& TimeText) {
    static const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    splitHours(UtHours, H, M, S);
    std::string monthName;
    for (int i = 0; i < 12; ++i) {
        if (Month == i + 1) {
            monthName = kMonthNames[i];
        }
    }
    DateText = monthName + "/" + plainText(Day) + "/" + plainText(Year);
    TimeText = plainText(H) + ":" + plainText(M) + ":" + plainText(S);
}

void FormatTimeHMS(double Hours, double& H, double& M, double& S, std::string& Text) {
    splitHours(Hours, H, M, S);
    Text = twoDigitText(H) + ":" + twoDigitText(M) + ":" + twoDigitText(S);
}

double RoundTo(double X, int Places) {
    if (!std::isfinite(X)) {
        return X;
    }
    const double scale = powerOfTen(clampPlaces(Places));
    const double units = roundUnits(std::fabs(X) * scale);
    if (!std::isfinite(units) || units == 0) {
        return std::isfinite(units) ? 0 : X;
    }
    return signOf(X) * (units / scale);
}

RoundedDegMin RoundDegMin(double X, int Places) {
    RoundedDegMin out;
    if (!std::isfinite(X)) {
        out.Finite = false;
        return out;
    }
    const double scale = powerOfTen(clampPlaces(Places));
    const double perDegree = 60 * scale;
    const double units = roundUnits(std::fabs(X) * perDegree);
    if (!std::isfinite(units) || units >= kWholeFromHere) {
        // Far beyond any angle: the minutes no longer show.
        out.Deg = std::floor(std::fabs(X));
        out.Sign = static_cast<int>(signOf(X));
        return out;
    }
    out.Deg = std::floor(units / perDegree);
    out.Min = (units - out.Deg * perDegree) / scale;
    out.Sign = units == 0 ? 0 : static_cast<int>(signOf(X));
    return out;
}

RoundedDegMin RoundHourAngle(double X, int Places) {
    RoundedDegMin out = RoundDegMin(X, Places);
    if (out.Finite && out.Sign > 0 && out.Deg == 360 && out.Min == 0) {
        out.Deg = 0;
        out.Sign = 0;
    }
    return out;
}

RoundedHMS RoundHMS(double Hours, int Places) {
    RoundedHMS out;
    const double scale = powerOfTen(clampPlaces(Places));
    const double units = roundUnits(std::fabs(Hours) * 3600 * scale);
    if (!std::isfinite(Hours) || !std::isfinite(units) || units >= kWholeFromHere) {
        out.Finite = false;
        return out;
    }
    const double signedUnits = Hours < 0 ? -units : units;
    const double perDay = 86400 * scale;
    out.Days = withoutNegativeZero(std::floor(signedUnits / perDay));
    double rest = signedUnits - out.Days * perDay;
    out.H = std::floor(rest / (3600 * scale));
    rest -= out.H * 3600 * scale;
    out.M = std::floor(rest / (60 * scale));
    rest -= out.M * 60 * scale;
    out.S = rest / scale;
    return out;
}

std::string TimeOfDayText(const RoundedHMS& T) {
    return twoDigitText(T.H) + ":" + twoDigitText(T.M) + ":" + twoDigitText(T.S);
}

std::string RoundedText(double X, int Places) {
    if (!std::isfinite(X)) {
        return std::string();
    }
    const int places = clampPlaces(Places);
    const double rounded = withoutNegativeZero(RoundTo(X, places));
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, places);
    if (result.ec != std::errc()) {
        return std::string();
    }
    return std::string(buffer, result.ptr);
}

std::string HourAngleText(double X, int Places) {
    const int places = clampPlaces(Places);
    return RoundTo(X, places) == 360 ? RoundedText(0, places) : RoundedText(X, places);
}

}  // namespace ephemeris
