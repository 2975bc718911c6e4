// The perpetual almanac's printout from the program's own ephemeris.
#include "almanac/perpetual_almanac.h"

#include <cmath>

#include "platform/numtext.h"
#include "reduction/sight_almanac.h"

namespace almanac {

namespace {

using platform::PrintItem;
using platform::PrintLine;

constexpr const char* kDegreesText = "\xC2\xB0 ";  // "° "

constexpr int kPlanetCodes[] = {2, 4, 5, 6};
constexpr const char* kPlanetNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};

PrintLine blankLine() {
    return {PrintItem::Text("")};
}

// A finite number, or "---" where the figure could not be computed.
PrintItem shown(bool finite, double x) {
    return finite ? PrintItem::Number(x) : PrintItem::Text("---");
}

void append(std::vector<PrintLine>& to, std::vector<PrintLine> lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// Absurd fields can carry the computation beyond the doubles: such a number
// prints "---", never "NaN" or "Infinity".
void dashesForNonFinite(std::vector<PrintLine>& lines) {
    for (PrintLine& line : lines) {
        for (PrintItem& item : line) {
            if (item.kind == PrintItem::Kind::Number && !std::isfinite(item.number)) {
                item = PrintItem::Text("---");
            }
        }
    }
}

}  // namespace

AlmanacTime almanacTime(const AlmanacRequest& request) {
    AlmanacTime t;
    t.UT = request.Hour + request.Minute / 60 + request.Second / 3600;
    const ephemeris::TimeArguments args =
        ephemeris::TimeArgumentsFor(request.Year, request.Month, request.Day, t.UT, request.DeltaT);
    t.JD = args.JD;
    t.T_TT = args.T_TT;
    t.JDE = t.JD + request.DeltaT / 86400;
    return t;
}

double equationOfTime(double SunGHA, double UT) {
    double E = 720 + 4 * SunGHA - 1440 * UT / 24;
    if (E > 20) {
        E = E - 1440;
    }
    if (E < -20) {
        E = E + 1440;
    }
    return E;
}

std::vector<PrintLine> PlanetPrint(const std::string& Name, double GHA, double Dec, double SHA,
                                   double HP, double GHAAries) {
    return {{PrintItem::Text(" Object Name:  " + Name)},
            blankLine(),
            reduction::roundedDegMinLine(" GHA   ", GHA, "  Greenwich Hour Angle"),
            reduction::roundedDeclinationLine(" DEC   ", Dec),
            reduction::roundedDegMinLine(" SHA   ", SHA, "  Sidereal Hour Angle"),
            {PrintItem::Text(" HP    "), PrintItem::Figure(ephemeris::RoundedText(HP, 2)),
             PrintItem::Text(" '"), PrintItem::Text("  Horizontal Parallax")},
            blankLine(),
            reduction::roundedDegMinLine(" GHA Aries ", GHAAries, "")};
}

std::vector<PrintLine> sunTail(double SD, double EquationOfTime) {
    // Minutes and seconds as degrees and minutes: the seconds rounded to 0.1
    // with the carry into the minutes; the sentence follows the shown sign.
    const ephemeris::RoundedDegMin E = ephemeris::RoundDegMin(EquationOfTime, 1);
    const double Em = E.Deg == 0 ? 0 : E.Sign * E.Deg;
    const double Es = E.Deg == 0 && E.Sign < 0 ? -E.Min : E.Min;
    std::vector<PrintLine> lines{
        blankLine(),
        reduction::semiDiameterLine(SD),
        {PrintItem::Text(" Equation of time "), shown(E.Finite, Em), PrintItem::Text(" minutes  "),
         PrintItem::Figure(E.Finite ? ephemeris::RoundedText(Es, 1) : ""),
         PrintItem::Text(" seconds")}};
    if (E.Sign > 0) {
        lines.push_back({PrintItem::Text(" Sun is faster than mean clock")});
    } else if (E.Sign < 0) {
        lines.push_back({PrintItem::Text(" Sun is slower than mean clock")});
    }
    lines.push_back(blankLine());
    return lines;
}

std::vector<PrintLine> starPrint(const std::string& StarName, double Magnitude, double GHA,
                                 double Dec, double SHA, double GHAAries) {
    return {{PrintItem::Text(" Object Name:  " + StarName + "      Magnitude " +
                             ephemeris::RoundedText(Magnitude, 1))},
            blankLine(),
            reduction::roundedDegMinLine(" GHAstar  ", GHA, "  Greenwich Hour Angle"),
            reduction::roundedDeclinationLine(" DECstar  ", Dec),
            reduction::roundedDegMinLine(" SHAstar  ", SHA, "  Sidereal Hour Angle"),
            blankLine(),
            reduction::roundedDegMinLine(" GHA Aries  ", GHAAries, "")};
}

std::vector<PrintLine> moonTail(double SD, double Illum) {
    return {blankLine(),
            reduction::semiDiameterLine(SD),
            {PrintItem::Text(" Illumination "), PrintItem::Figure(ephemeris::RoundedText(Illum, 1)),
             PrintItem::Text(" %")}};
}

std::vector<PrintLine> timeBlock(double JD, double JDE, double MeanObliquity,
                                 double DeltaPsiSeconds, double DeltaEpsSeconds) {
    std::vector<PrintLine> lines{
        {PrintItem::Text("Julian Day           "), PrintItem::NextZone(), PrintItem::Number(JD)},
        {PrintItem::Text("Julian Day Ephemeris"), PrintItem::NextZone(), PrintItem::Number(JDE)},
        {PrintItem::Text("Mean obliquity of the ecliptic, degrees  "),
         PrintItem::Figure(ephemeris::RoundedText(MeanObliquity, 6))},
        {PrintItem::Text("Nutation delta Psi, arc sec      "),
         PrintItem::Figure(ephemeris::RoundedText(DeltaPsiSeconds, 3))},
        {PrintItem::Text("Nutation delta Epsilon, arc sec "),
         PrintItem::Figure(ephemeris::RoundedText(DeltaEpsSeconds, 3))}};
    dashesForNonFinite(lines);
    return lines;
}

AlmanacPrintout perpetualAlmanac(const AlmanacRequest& request,
                                 const ephemeris::StarTables& stars) {
    AlmanacPrintout out;
    const AlmanacTime t = almanacTime(request);
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(t.JD, t.T_TT);
    const double E = equationOfTime(sun.GHA, t.UT);

    double DeltaPsi = 0;
    double DeltaEps = 0;
    ephemeris::Nutation(t.T_TT, DeltaPsi, DeltaEps);
    double MeanObliquity = 0;
    ephemeris::TrueObliquity(t.T_TT, 0, MeanObliquity);  // the true obliquity less the nutation
    out.TimeBlock = timeBlock(t.JD, t.JDE, MeanObliquity, DeltaPsi * 3600, DeltaEps * 3600);

    const int i = request.ObjectIndex;
    if (i == 0) {
        out.BodyBlock = PlanetPrint("Sun", sun.GHA, sun.Dec, sun.SHA,
                                    ephemeris::SunHorizontalParallax(sun.EarthR), sun.GHAAries);
        append(out.BodyBlock, sunTail(sun.SD, E));
    } else if (i == 1) {
        double GHA = 0, Dec = 0, SD = 0, HP = 0, Illum = 0, DistKm = 0, Elong = 0;
        ephemeris::MoonPosition(t.JD, t.T_TT, sun.SunAppLon, GHA, Dec, SD, HP, Illum, DistKm,
                                Elong);
        const double SHA = ephemeris::Normalize360(GHA - sun.GHAAries);
        out.BodyBlock = PlanetPrint("Moon", GHA, Dec, SHA, HP, sun.GHAAries);
        append(out.BodyBlock, moonTail(SD, ephemeris::MoonIlluminatedPercent(Elong)));
    } else if (i >= 2 && i <= 5) {
        double GHA = 0, Dec = 0, SHA = 0, HP = 0, Dist = 0;
        ephemeris::PlanetPosition(t.JD, t.T_TT, kPlanetCodes[i - 2], sun.EarthL, sun.EarthB,
                                  sun.EarthR, GHA, Dec, SHA, HP, Dist);
        out.BodyBlock = PlanetPrint(kPlanetNames[i - 2], GHA, Dec, SHA, HP, sun.GHAAries);
        out.BodyBlock.push_back(blankLine());
    } else if (i >= 6 && i <= 5 + ephemeris::kStarCount) {
        const int StarIndex = i - 6;
        const int StarNumber = i - 5;
        double GHA = 0, Dec = 0, SHA = 0;
        ephemeris::StarPosition(t.T_TT, t.JD, StarIndex, sun.SunGeoLon, GHA, Dec, SHA);
        out.BodyBlock = starPrint(stars.StarNames[StarNumber], stars.StarMagnitudes[StarNumber],
                                  GHA, Dec, SHA, sun.GHAAries);
    }
    dashesForNonFinite(out.BodyBlock);
    return out;
}

}  // namespace almanac
