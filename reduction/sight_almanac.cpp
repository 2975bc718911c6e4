// Almanac data of a sight from the program's own ephemeris, and the block of
// lines that shows it.
#include "reduction/sight_almanac.h"

#include <cmath>
#include <limits>

#include "platform/input_check.h"
#include "platform/numtext.h"

namespace reduction {

namespace {

using platform::PrintItem;
using platform::PrintLine;

constexpr const char* kDegreesText = "\xC2\xB0 ";  // "° "

constexpr int kLastObjectIndex = 5 + ephemeris::kStarCount;  // 63

bool isListEntry(double i) {
    return std::isfinite(i) && i == std::floor(i) && i >= -1 && i <= kLastObjectIndex;
}

}  // namespace

namespace {

// An angle as shown: whole degrees and minutes rounded to 0.01' with the
// carry, unsigned, and its sign; no value when the angle is not finite.
struct ShownAngle {
    double Deg;
    double Min;
    int Sign;
};

ShownAngle shownAngle(const ephemeris::RoundedDegMin& shown) {
    if (!shown.Finite) {
        const double none = std::numeric_limits<double>::quiet_NaN();
        return {none, none, 0};
    }
    return {shown.Deg, shown.Min, shown.Sign};
}

// Minutes already rounded to 0.01', both decimals shown.
PrintItem minutesItem(double Min) {
    return PrintItem::Figure(ephemeris::RoundedText(Min, 2));
}

}  // namespace

PrintLine roundedDeclinationLine(const char* label, double Dec) {
    const ShownAngle shown = shownAngle(ephemeris::RoundDegMin(Dec, 2));
    const char* side = !std::isfinite(Dec) ? "" : (shown.Sign < 0 ? "S" : "N");
    return {PrintItem::Text(label),
            PrintItem::Text(side),
            PrintItem::NumberOrDashes(shown.Deg),
            PrintItem::Text(kDegreesText),
            minutesItem(shown.Min),
            PrintItem::Text("'"),
            PrintItem::Text("  Declination")};
}

PrintLine roundedDegMinLine(const char* label, double angle, const char* tail) {
    const ShownAngle shown = shownAngle(ephemeris::RoundHourAngle(angle, 2));
    // The degrees carry the sign, or the minutes when the degrees are 0.
    const double degrees = shown.Deg == 0 ? 0 : shown.Sign * shown.Deg;
    const double minutes = shown.Deg == 0 && shown.Sign < 0 ? -shown.Min : shown.Min;
    PrintLine line{PrintItem::Text(label), PrintItem::NumberOrDashes(degrees),
                   PrintItem::Text(kDegreesText), minutesItem(minutes), PrintItem::Text("'")};
    if (*tail != '\0') {
        line.push_back(PrintItem::Text(tail));
    }
    return line;
}

std::vector<PrintLine> PlanetPrint(const std::string& Name, double GHA, double Dec, double HP) {
    std::vector<PrintLine> lines;
    lines.push_back({PrintItem::Text(" Object Name:  " + Name)});

    lines.push_back(roundedDegMinLine(" GHA   ", GHA, "  Greenwich Hour Angle"));
    lines.push_back(roundedDeclinationLine(" DEC   ", Dec));
    lines.push_back({PrintItem::Text(" HP    "), PrintItem::Figure(ephemeris::RoundedText(HP, 2)),
                     PrintItem::Text(" '"), PrintItem::Text("  Horizontal Parallax")});
    return lines;
}

PrintLine semiDiameterLine(double SD) {
    return {PrintItem::Text(" SD  "), PrintItem::Figure(ephemeris::RoundedText(SD, 2)),
            PrintItem::Text("'"), PrintItem::Text("  Semi Diameter")};
}

std::vector<PrintLine> starPrint(const std::string& StarName, double Magnitude, double GHA,
                                 double Dec, double SHA, double GHAAries) {
    std::vector<PrintLine> lines;
    lines.push_back({PrintItem::Text(" Star:  " + StarName + "      Magnitude " +
                                     ephemeris::RoundedText(Magnitude, 1))});
    lines.push_back(roundedDegMinLine(" GHAstar  ", GHA, "  Greenwich Hour Angle"));
    lines.push_back(roundedDeclinationLine(" DECstar  ", Dec));
    lines.push_back(roundedDegMinLine(" SHAstar  ", SHA, "  Sidereal Hour Angle"));
    lines.push_back(roundedDegMinLine(" GHA Aries  ", GHAAries, ""));
    return lines;
}

SightAlmanac sightAlmanac(const SightAlmanacInput& input) {
    SightAlmanac out;

    const double Second = input.Second + input.ChronometerCorrection;
    out.UT = input.Hour + input.Minute / 60 + Second / 3600;
    const ephemeris::TimeArguments t =
        ephemeris::TimeArgumentsFor(input.Year, input.Month, input.Day, out.UT, input.DeltaT);
    out.JD = t.JD;
    out.T_TT = t.T_TT;
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(out.JD, out.T_TT);

    const double i = input.ObjectIndex;
    if (!isListEntry(i) || i < 0) {
        return out;
    }
    out.HasBody = true;
    HiddenAlmanacFields hidden;

    if (i == 0) {
        out.Name = "Sun";
        out.GHA = sun.GHA;
        out.Dec = sun.Dec;
        out.SD = sun.SD;
        out.HP = ephemeris::SunHorizontalParallax(sun.EarthR);
    } else if (i == 1) {
        out.Name = "Moon";
        double Illum = 0;
        double DistKm = 0;
        double Elong = 0;
        ephemeris::MoonPosition(out.JD, out.T_TT, sun.SunAppLon, out.GHA, out.Dec, out.SD, out.HP,
                                Illum, DistKm, Elong);
    } else if (i <= 5) {
        static constexpr int kPlanetCodes[] = {2, 4, 5, 6};
        static constexpr const char* kPlanetNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};
        const int planet = static_cast<int>(i) - 2;
        out.Name = kPlanetNames[planet];
        double SHA = 0;
        double Dist = 0;
        ephemeris::PlanetPosition(out.JD, out.T_TT, kPlanetCodes[planet], sun.EarthL, sun.EarthB,
                                  sun.EarthR, out.GHA, out.Dec, SHA, out.HP, Dist);
    } else {
        const int StarIndex = static_cast<int>(i) - 6;
        const int StarNumber = static_cast<int>(i) - 5;
        out.Name = input.Stars.StarNames[StarNumber];
        double SHA = 0;
        ephemeris::StarPosition(out.T_TT, out.JD, StarIndex, sun.SunGeoLon, out.GHA, out.Dec, SHA);
        out.Block = starPrint(out.Name, input.Stars.StarMagnitudes[StarNumber], out.GHA, out.Dec,
                              SHA, sun.GHAAries);
        hidden.Text9 = platform::generalText(StarIndex);
    }

    const bool sunOrMoon = i <= 1;
    const bool isStar = i >= 6;
    if (!isStar) {
        out.Block = PlanetPrint(out.Name, out.GHA, out.Dec, out.HP);
        if (sunOrMoon) {
            out.Block.push_back(semiDiameterLine(out.SD));
        }
        hidden.Text9 = out.Name;
    }

    out.Finite = std::isfinite(out.UT) && std::isfinite(out.JD) && std::isfinite(out.T_TT) &&
                 std::isfinite(out.GHA) && std::isfinite(out.Dec) && std::isfinite(out.SD) &&
                 std::isfinite(out.HP);
    // A value that is not a number leaves its field empty; the window then
    // refuses to store the sight.
    const auto fieldText = [](double x) {
        return std::isfinite(x) ? platform::generalText(ephemeris::FloorTo6(x)) : std::string();
    };
    hidden.Text3 = fieldText(out.GHA);
    hidden.Text4 = fieldText(out.Dec);
    hidden.Text7 = sunOrMoon ? fieldText(out.SD) : "";
    hidden.Text8 = isStar ? "" : fieldText(out.HP);
    hidden.Text10 = platform::generalText(i);
    out.Hidden = hidden;
    return out;
}

SightPlaces sightsAtTheirTimes(const SightLog& log, double ChronometerCorrection, double DeltaT) {
    SightPlaces out;
    out.Log = log;
    ephemeris::StarTables stars;
    ephemeris::FillStarTable(stars);
    const int count = reducibleSightCount(log.SightCount);
    for (int i = 1; i <= count; ++i) {
        auto& row = out.Log.SightData[i];
        if (!isListEntry(row[kFieldObjectIndex]) || row[kFieldObjectIndex] < 0) {
            continue;
        }
        const bool included = row[kFieldIncluded] == 1;
        const std::string sight = "Sight " + std::to_string(i) + ": ";
        // The sight entry's own refusals of a date and time.
        const platform::Problem problem = platform::firstProblem({
            platform::dateProblem(row[kFieldUTYear], row[kFieldUTMonth], row[kFieldUTDay]),
            platform::timeProblem(row[kFieldUTHour], row[kFieldUTMinute], row[kFieldUTSecond],
                                  {"Hour", "Minute", "Second"}),
        });
        if (problem) {
            if (included) {
                out.Warning = sight + *problem;
                return out;
            }
            continue;
        }

        SightAlmanacInput when;
        when.ObjectIndex = row[kFieldObjectIndex];
        when.Year = row[kFieldUTYear];
        when.Month = row[kFieldUTMonth];
        when.Day = row[kFieldUTDay];
        when.Hour = row[kFieldUTHour];
        when.Minute = row[kFieldUTMinute];
        when.Second = row[kFieldUTSecond];
        when.ChronometerCorrection = ChronometerCorrection;
        when.DeltaT = DeltaT;
        when.Stars = stars;
        const SightAlmanac place = sightAlmanac(when);
        if (!place.Finite || !place.Hidden) {
            if (included) {
                out.Warning = sight +
                              "the almanac data cannot be computed; check the date and time of "
                              "the sight, the chronometer correction and Delta T in the settings.";
                return out;
            }
            continue;
        }
        row[kFieldGHA] = platform::leadingNumber(place.Hidden->Text3);
        row[kFieldDec] = platform::leadingNumber(place.Hidden->Text4);
        row[kFieldSD] = platform::leadingNumber(place.Hidden->Text7);
        row[kFieldHP] = platform::leadingNumber(place.Hidden->Text8);
        row[kFieldObjectIndex] = platform::leadingNumber(place.Hidden->Text10);
    }
    return out;
}

}  // namespace reduction
