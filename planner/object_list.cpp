#include "planner/object_list.h"

#include <string_view>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace planner {

using ephemeris::kDegPerRad;
using ephemeris::kRadPerDeg;
using platform::generalText;
using platform::padLeft;

namespace {

void padBefore(std::string& s, std::string_view word, std::size_t width) {
    const std::size_t p = s.find(word);
    if (p == std::string::npos) {
        return;
    }
    const std::size_t have = platform::characterCount(std::string_view(s).substr(0, p));
    if (have < width) {
        s.insert(p, width - have, ' ');
    }
}

// "12° 30.0'": degrees and minutes rounded to 0.1', the degrees in two
// columns and the minutes in four, so that the list's figures stand in
// columns. Below one degree the sign moves to the minutes ("0° -30.0'").
std::string elevationText(double elevationDeg) {
    const ephemeris::RoundedDegMin e = ephemeris::RoundDegMin(elevationDeg, 1);
    std::string degrees = generalText(e.Deg);
    std::string minutes = ephemeris::RoundedText(e.Min, 1);
    if (e.Sign < 0) {
        (e.Deg == 0 ? minutes : degrees).insert(0, 1, '-');
    }
    return padLeft(degrees, 2) + "° " + padLeft(minutes, 4) + "'";
}

// "123.4°": rounded to 0.1 degree in five columns (359.96 shows 360.0).
std::string azimuthText(double azimuthDeg) {
    return padLeft(ephemeris::RoundedText(azimuthDeg, 1), 5) + "°";
}

void add(std::vector<std::string>& lines, std::string line) {
    AlignPlannerColumns(line);
    lines.push_back(std::move(line));
    lines.emplace_back(" ");
}

}  // namespace

void AlignPlannerColumns(std::string& Line) {
    std::string s = Line;
    padBefore(s, "Azim", 13);
    padBefore(s, "Elev", 33);
    Line = s;
}

std::string bodyLine(const std::string& name, const std::string& azimuthLabel, double Zn,
                     double Hc) {
    return name + azimuthLabel + azimuthText(Zn * kDegPerRad) +
           " Elev = " + elevationText(Hc * kDegPerRad);
}

std::string starLine(const StarList& stars, int i) {
    return "  " + stars.StarListName[i] + " Azim = " + azimuthText(stars.StarListAzimuth[i]) +
           " Elev  " + elevationText(stars.StarListElevation[i]) + " " + "   Mag  " +
           ephemeris::RoundedText(stars.StarListMagnitude[i], 1);
}

std::vector<std::string> objectListLines(const PlannerSky& sky, const StarList& stars,
                                         int listedStars) {
    std::vector<std::string> lines;
    const double SunHc = sky.SunAltAz.Hc;
    const double deg = kRadPerDeg;
    if (SunHc > -1 * deg) {
        add(lines, bodyLine(" SUN", " Azim = ", sky.SunAltAz.Zn, SunHc));
    }
    if (sky.Moon.Hc > -1 * deg) {
        add(lines, bodyLine(" MOON", " Azim = ", sky.Moon.Zn, sky.Moon.Hc) +
                       "  Fullness = " + ephemeris::RoundedText(100 * sky.F, 0) + " %");
    }
    const bool sunBelowHalf = SunHc < 0.5 * deg;
    if (sky.Mars.Hc > 0 && sunBelowHalf) {
        add(lines, bodyLine(" MARS", " Azim = ", sky.Mars.Zn, sky.Mars.Hc));
    }
    if (sky.Venus.Hc > 0 && sunBelowHalf) {
        add(lines, bodyLine("VENUS", "Azim = ", sky.Venus.Zn, sky.Venus.Hc));
    }
    if (sky.Jupiter.Hc > 0 && sunBelowHalf) {
        add(lines, bodyLine(" JUPITER", " Azim = ", sky.Jupiter.Zn, sky.Jupiter.Hc));
    }
    if (sky.Saturn.Hc > 0 && SunHc < 0) {
        add(lines, bodyLine(" SATURN", " Azim = ", sky.Saturn.Zn, sky.Saturn.Hc));
    }
    for (int i = 1; i <= listedStars; ++i) {
        add(lines, starLine(stars, i));
    }
    return lines;
}

}  // namespace planner
