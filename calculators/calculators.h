// Navigation calculators and coastal fix: the computation behind the
// calculators window, the course and heading calculator, the single-shot
// reduction and the three-arm protractor.
#pragma once

#include "calculators/calculator_panels.h"
#include "calculators/circle_of_position.h"
#include "calculators/course_heading.h"
#include "calculators/panel_text.h"
#include "calculators/protractor.h"
#include "calculators/single_shot.h"
