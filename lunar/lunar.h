// Lunar distance: the clearing of a measured distance for the time and a
// better longitude, and the lunar-distance file (".LUN") of the window's
// inputs.
#pragma once

#include "lunar/lunar_clearing.h"
#include "lunar/lunar_file.h"
