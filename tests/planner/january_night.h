// The sample sky of the planner's tests and benchmarks: 2024 January 15,
// 2h UT, at 40 N, 70 W (9 pm local time off New England), Delta T 69 s.
#pragma once

#include <string>

#include "planner/planner_instant.h"

namespace plannertest {

inline planner::PlannerTexts januaryNight(const std::string& starCount = "20") {
    planner::PlannerTexts t;
    t.Year = "2024";
    t.Month = "1";
    t.Day = "15";
    t.Hour = "2";
    t.LatDegrees = "40";
    t.LonDegrees = "70";
    t.West = true;
    t.DeltaT = "69";
    t.StarCount = starCount;
    return t;
}

}  // namespace plannertest
