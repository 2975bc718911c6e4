// Navigation calculators and coastal fix: the computation behind the
// calculators window, the course and heading calculator, the single-shot
// reduction and the three-arm protractor.
#pragma once

#include "calculators/circle_of_position.h"
