// Almanac and rise/set tools: the perpetual almanac's printout for a body and
// an instant, and the Sun's and the Moon's rise, set and meridian passage
// with the lines that show them.
#pragma once

#include "almanac/perpetual_almanac.h"
#include "almanac/rise_set_lines.h"
