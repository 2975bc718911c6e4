// The planner's object list: a line for each body worth a sight (the Sun and
// the Moon down to 1 degree below the horizon, the planets above it once the
// Sun is low enough) and for each listed star, brightest first, with azimuth,
// elevation and the Moon's fullness or the star's magnitude; each line with
// "Azim" in column 14 and "Elev" in column 34, followed by a line of one
// blank.
#pragma once

#include <string>
#include <vector>

#include "planner/planner_instant.h"
#include "planner/sky_chart.h"

namespace planner {

// Pads the text before the first "Azim" to 13 characters, then the text
// before the first "Elev" to 33; longer texts are left as they are.
// Characters are counted, not bytes ("°" is one).
void AlignPlannerColumns(std::string& Line);

// One body line, before alignment: name + label + azimuth + "°" + " Elev = "
// + degrees + "° " + minutes + "'". Zn and Hc in radians; the azimuth is
// rounded to 0.1 degree and right-aligned in five characters, the elevation
// rounded to 0.1' with its degrees in two characters and its minutes in four
// (" SUN Azim =   5.0° Elev =  8°  3.0'"), so that every line's figures
// stand in the same columns.
std::string bodyLine(const std::string& name, const std::string& azimuthLabel, double Zn,
                     double Hc);

// One star line, before alignment, from entry i of the star list.
std::string starLine(const StarList& stars, int i);

// The whole list as List1 shows it: aligned lines, each followed by " ".
// listedStars: the count that selectStars returned.
std::vector<std::string> objectListLines(const PlannerSky& sky, const StarList& stars,
                                         int listedStars);

}  // namespace planner
