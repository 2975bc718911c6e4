#include "reduction/report_texts.h"

namespace reduction {

std::vector<std::string> helpTextLines() {
    return {
        " This software will calculate single-fixes from multiple running-fix sight reductions, "
        "then plot",
        " the individual intercepts and confidence ellipse.  Data files can be saved and reopened "
        "for editing.",
        "    ",
        " The internal computer almanac is supplied right next to sighting input data.",
        "    ",
        " This can be used for a single sighting while not moving, or it can be",
        " expanded to have up to 25 sights while running and fixed to an arbitrary time.",
        " The horizon can be either the sea (or bubble), or you can use a reflective oil pan.",
        "    ",
        " There is a settings form accessible on the main form for watch error, time zone, etc...",
        "   ",
        " Step 1: If planning a shoot, use the Sight Planner on the top menu bar.",
        " Step 2: Fill out the main form and enter data in the General Settings.",
        " Step 3: Click the Sight Data Form and go thru the 4 steps:",
        " a) preferences, b) measured altitude/limb/index error, c) time, d) select celestial "
        "object.",
        " The watch correction is added to the inputted UTC.  If chronometer is too fast then "
        "correction -.",
        " Step 4: Click Save Changes, then click Next Sight Data if there are more sights to "
        "record.",
        " Notice how you can page thru the different sights with the Last Sight Data and Next "
        "Sight Data",
        " buttons.  If you make a change, you MUST click the Save Changes button.",
        " Step 5: Close the data form if you like, and on the main form click Reduce Sights And "
        "Plot LOPs.",
        "    ",
        " Note: In some outputs you might see negative numbers for latitude and longitude.",
        " Convention: North has + latitudes, and south is -, East is + longitude, and west is -.",
        " Local Hour Angle LHA ranges from 0 to 360.  180 to 360 implies premeridian, 0 to 180 "
        "implies post meridian.",
        "    ",
    };
}

std::vector<std::string> infoTextLines() {
    return {
        " WendrelCELESTIAL/WendrelNav   version 3.2g, Nov 2014" + std::string(49, ' '),
        std::string(89, ' '),
        " DeltaT is the difference between Dynamical Time and UT.  If this value is known then",
        " the empeheris results from the internal celestial almanac will be accurate for "
        "centuries.",
        " Predictions: 2010,66.5s, 2011,67.1s, 2012-2013,68s, 2014-2015,69s, 2016-2017,70s.",
        std::string(88, ' '),
        " The ephemerides are from an abridged set of VSOP87 periodic elements that I selected.",
        std::string(88, ' '),
    };
}

}  // namespace reduction
