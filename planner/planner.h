// Sight planner: what can be observed, where and when. For a UT instant and
// an observer's position the planner computes the Sun, the Moon, the four
// planets and the brightest navigational stars in azimuth and altitude,
// draws them on a polar sky chart coloured by the twilight band, lists the
// bodies worth a sight, reads the sky under the pointer and the arc between
// two objects, shows the Moon's phase, and remembers its defaults in the
// settings file.
//
// The refresh ("SHOW OBJECTS / refresh"), in order:
//   PlannerInput in = plannerInput(texts);               // the fields
//   PlannerSky sky = plannerSky(in);                     // the bodies
//   Sun and Moon rise/set lines for the UT date          // almanac/rise_set_lines.h
//   SkyChart chart = skyChart(in, sky, stars, w, h);     // chart, arrays, star list
//   MoonPhase moon = moonPhase(sky.Elong, w2, h2);       // after the star discs
//   objectListLines(sky, chart.Stars, chart.listedStars) // List1
#pragma once

#include "planner/chart_pointer.h"
#include "planner/moon_phase.h"
#include "planner/object_list.h"
#include "planner/planner_instant.h"
#include "planner/planner_settings.h"
#include "planner/sky_chart.h"
