// Almanac data of a sight from the program's own ephemeris, and the block of
// lines that shows it.
#include "reduction/sight_almanac.h"

#include <cmath>

#include "platform/numtext.h"

namespace reduction {

namespace {

using platform::PrintItem;
using platform::PrintLine;

constexpr const char* kDegreesText = "\xC2\xB0 ";  // "° "

constexpr int kLastObjectIndex = 5 + ephemeris::kStarCount;  // 63
constexpr double kSunHP = 0.08;                              // arc minutes, not computed

bool isListEntry(double i) {
    return std::isfinite(i) && i == std::floor(i) && i >= -1 && i <= kLastObjectIndex;
}

}  // namespace

// "<label>N|S D° <minutes>'  Declination": whole degrees and minutes without
// sign, so that a declination between 0 and -1 degree reads like every other
// southern one; the minutes plus minutesAdd cut to 0.01.
PrintLine declinationLine(const char* label, double Dec, double minutesAdd) {
    double D = 0;
    double M = 0;
    ephemeris::SplitDegMin(Dec, D, M);
    M = std::fabs(M);
    return {PrintItem::Text(label),
            PrintItem::Text(Dec < 0 ? "S" : "N"),
            PrintItem::Number(std::fabs(D)),
            PrintItem::Text(kDegreesText),
            PrintItem::Number(ephemeris::FloorTo2(M + minutesAdd)),
            PrintItem::Text("'"),
            PrintItem::Text("  Declination")};
}

// "<label>D° <minutes>'<tail>"; minutes rounded to 0.01.
PrintLine roundedAngleLine(const char* label, double angle, const char* tail) {
    double D = 0;
    double M = 0;
    ephemeris::SplitDegMin(angle, D, M);
    PrintLine line{PrintItem::Text(label), PrintItem::Number(D), PrintItem::Text(kDegreesText),
                   PrintItem::Number(ephemeris::FloorTo2(M + 0.005)), PrintItem::Text("'")};
    if (*tail != '\0') {
        line.push_back(PrintItem::Text(tail));
    }
    return line;
}

std::vector<PrintLine> PlanetPrint(const std::string& Name, double GHA, double Dec, double HP) {
    std::vector<PrintLine> lines;
    lines.push_back({PrintItem::Text(" Object Name:  " + Name)});

    double D = 0;
    double M = 0;
    ephemeris::SplitDegMin(GHA, D, M);
    lines.push_back({PrintItem::Text(" GHA   "), PrintItem::Number(D),
                     PrintItem::Text(kDegreesText),
                     PrintItem::Number(ephemeris::FloorTo2(M + 0.004)), PrintItem::Text("'"),
                     PrintItem::Text("  Greenwich Hour Angle")});

    lines.push_back(declinationLine(" DEC   ", Dec, 0));  // minutes cut, not rounded

    lines.push_back({PrintItem::Text(" HP    "), PrintItem::Number(ephemeris::FloorTo2(HP + 0.004)),
                     PrintItem::Text(" '"), PrintItem::Text("  Horizontal Parallax")});
    return lines;
}

PrintLine semiDiameterLine(double SD) {
    return {PrintItem::Text(" SD  "), PrintItem::Number(ephemeris::FloorTo2(SD + 0.005)),
            PrintItem::Text("'"), PrintItem::Text("  Semi Diameter")};
}

std::vector<PrintLine> starPrint(const std::string& StarName, double Magnitude, double GHA,
                                 double Dec, double SHA, double GHAAries) {
    std::vector<PrintLine> lines;
    lines.push_back({PrintItem::Text(" Star:  " + StarName + "      Magnitude " +
                                     platform::generalText(Magnitude))});
    lines.push_back(roundedAngleLine(" GHAstar  ", GHA, "  Greenwich Hour Angle"));

    lines.push_back(declinationLine(" DECstar  ", Dec, 0.005));

    lines.push_back(roundedAngleLine(" SHAstar  ", SHA, "  Sidereal Hour Angle"));
    lines.push_back(roundedAngleLine(" GHA Aries  ", GHAAries, ""));
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
        out.HP = kSunHP;
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

    hidden.Text3 = platform::generalText(ephemeris::FloorTo6(out.GHA));
    hidden.Text4 = platform::generalText(ephemeris::FloorTo6(out.Dec));
    hidden.Text7 = sunOrMoon ? platform::generalText(ephemeris::FloorTo6(out.SD)) : "";
    hidden.Text8 = isStar ? "" : platform::generalText(ephemeris::FloorTo6(out.HP));
    hidden.Text10 = platform::generalText(i);
    out.Hidden = hidden;
    return out;
}

}  // namespace reduction
