// The rise, set and meridian-passage lines of the Sun and the Moon: their
// texts, day flags and messages, and a "---" for a time that is not finite.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "almanac/almanac.h"

namespace {

using almanac::moonRiseSet;
using almanac::moonRiseSetLine;
using almanac::RiseSetInput;
using almanac::RiseSetResult;
using almanac::riseSetTimeText;
using almanac::sunRiseSet;
using almanac::sunRiseSetLine;

RiseSetResult times(double Rise, double Set, double Transit, std::string RiseFlag = "",
                    std::string SetFlag = "", std::string TransitFlag = "",
                    std::string Message = "") {
    return {Transit, Rise, Set, RiseFlag, SetFlag, TransitFlag, Message};
}

// Hours exact in binary, so the expected texts follow from the hours alone.
TEST(RiseSetLines, SunLineWithoutFlagsHasThreeBlanksAfterEachUT) {
    EXPECT_EQ(sunRiseSetLine(times(6.5, 18.75, 12.125)),
              "Sunrise 06:30:00 UT   Sunset 18:45:00 UT   LAN 12:07:30 UT ");
}

TEST(RiseSetLines, FlagsFollowUTWithoutABlank) {
    struct Case {
        RiseSetResult r;
        std::string sun;
        std::string moon;
    };
    const Case cases[] = {
        {times(21.25, 7.5, 2.0, "P"),
         "Sunrise 21:15:00 UT P  Sunset 07:30:00 UT   LAN 02:00:00 UT ",
         "Moonrise 21:15:00 UT P  Moonset 07:30:00 UT   Mer.Pass. 02:00:00 UT "},
        {times(16.0, 3.75, 22.0, "", "N"),
         "Sunrise 16:00:00 UT   Sunset 03:45:00 UT N  LAN 22:00:00 UT ",
         "Moonrise 16:00:00 UT   Moonset 03:45:00 UT N  Mer.Pass. 22:00:00 UT "},
        {times(0.5, 13.0, 23.5, "", "", "N"),
         "Sunrise 00:30:00 UT   Sunset 13:00:00 UT   LAN 23:30:00 UT N",
         "Moonrise 00:30:00 UT   Moonset 13:00:00 UT   Mer.Pass. 23:30:00 UT N"},
        {times(22.0, 8.0, 3.0, "P", "N", "P"),
         "Sunrise 22:00:00 UT P  Sunset 08:00:00 UT N  LAN 03:00:00 UT P",
         "Moonrise 22:00:00 UT P  Moonset 08:00:00 UT N  Mer.Pass. 03:00:00 UT P"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sunRiseSetLine(c.r), c.sun);
        EXPECT_EQ(moonRiseSetLine(c.r), c.moon);
    }
}

// Times are rounded to the second, half a second and more up, with the
// carry into the minute, the hour and the next day.
TEST(RiseSetLines, TimeTextsAreRoundedToTheSecond) {
    struct Case {
        double hours;
        const char* text;
    };
    const Case cases[] = {
        {12.51638888, "12:30:59"},  // 12:30:58.99997 (the cut showed 58)
        {12.516666, "12:31:00"},    // 12:30:59.9976
        {9.99, "09:59:24"},
        {6 + 30.0 / 60 + 44.5 / 3600, "06:30:45"},
        {6 + 30.0 / 60 + 44.4 / 3600, "06:30:44"},
        {23 + 59.0 / 60 + 59.4 / 3600, "23:59:59"},  // the cut carried a 59 into the minute
        {23 + 59.0 / 60 + 59.5 / 3600, "00:00:00"},
        {23.9999, "00:00:00"},
        {0, "00:00:00"},
        {0.2 / 3600, "00:00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(riseSetTimeText(c.hours), c.text) << c.hours;
    }
}

// The "P" and "N" flags belong to the time as shown: a time that rounds into
// the next UT day moves its flag one day on.
TEST(RiseSetLines, FlagsFollowTheRoundedTime) {
    const double nearlyMidnight = 24 - 0.3 / 3600;  // 23:59:59.7
    const double justBefore = 24 - 0.6 / 3600;      // 23:59:59.4
    struct Case {
        double hours;
        const char* flag;
        const char* shown;
    };
    const Case cases[] = {
        {nearlyMidnight, "", "N"},
        {nearlyMidnight, "P", ""},
        {justBefore, "", ""},
        {justBefore, "P", "P"},
        {12, "N", "N"},
        {24.25, "", "N"},  // a transit carried past 24 h is a time of the next day
        {-0.25, "", "P"},
        {nearlyMidnight, "N", "N"},  // two days on cannot be flagged further
    };
    for (const Case& c : cases) {
        EXPECT_EQ(almanac::riseSetDayFlag(c.hours, c.flag), c.shown) << c.hours << c.flag;
    }
    EXPECT_EQ(sunRiseSetLine(times(nearlyMidnight, nearlyMidnight, 24.25, "P")),
              "Sunrise 00:00:00 UT   Sunset 00:00:00 UT N  LAN 00:15:00 UT N");
    EXPECT_EQ(moonRiseSetLine(times(justBefore, 11.5, -0.25, "P", "", "")),
              "Moonrise 23:59:59 UT P  Moonset 11:30:00 UT   Mer.Pass. 23:45:00 UT P");
}

TEST(RiseSetLines, ATimeThatIsNotFiniteReadsThreeDashes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(riseSetTimeText(nan), "---");
    EXPECT_EQ(riseSetTimeText(-inf), "---");
    EXPECT_EQ(sunRiseSetLine(times(nan, inf, 12.0)), "Sunrise ---  Sunset ---  LAN 12:00:00 UT ");
}

TEST(RiseSetLines, PolarDayAndNightOfTheSun) {
    // 80 N at the June solstice the Sun never sets; at the December one it
    // never rises. Neither rise nor set is found, the transit is still computed.
    const RiseSetResult day = sunRiseSet({2024, 6, 21, 80, 0, 69});
    EXPECT_EQ(day.Message, "Sun always above horizon");
    EXPECT_EQ(sunRiseSetLine(day).substr(0, 28), "Sunrise ---  Sunset ---  LAN");
    EXPECT_NEAR(day.Transit, 12.0, 0.05);  // equation of time -1.6 min (Astronomical Almanac)

    const RiseSetResult night = sunRiseSet({2024, 12, 21, 80, 0, 69});
    EXPECT_EQ(night.Message, "Sun always below horizon");
    EXPECT_TRUE(std::isnan(night.Rise));
    EXPECT_TRUE(std::isnan(night.Set));
}

TEST(RiseSetLines, SunriseBeforeMidnightUTIsFlaggedPrevious) {
    // Sydney (33 52' S, 151 13' E) in June: sunrise about 07:00 local (UT+10),
    // that is about 21:00 UT of the day before; sunset about 07:00 UT
    // (python3-ephem 4.1.4, upper limb at -50': rise 20:56:56 UT on the 14th,
    // set 06:54:24 UT).
    const RiseSetResult r = sunRiseSet({2024, 6, 15, -33.87, 151.21, 69});
    EXPECT_EQ(r.RiseFlag, "P");
    EXPECT_EQ(r.SetFlag, "");
    EXPECT_NEAR(r.Rise, 21.0, 0.25);
    EXPECT_NEAR(r.Set, 6.9, 0.25);
    EXPECT_NE(sunRiseSetLine(r).find(" UT P  Sunset "), std::string::npos);
}

TEST(RiseSetLines, MoonMessagesAndFlagsComeFromTheSearch) {
    // Full Moon of 2024 Dec 15 near the major lunar standstill: declination
    // about +28, so at 80 S it stays below the horizon all day, at 80 N above.
    const RiseSetResult below = moonRiseSet({2024, 12, 15, -80, 0, 69});
    EXPECT_EQ(below.Message, "Moon always below horizon");
    const RiseSetResult above = moonRiseSet({2024, 12, 15, 80, 0, 69});
    EXPECT_EQ(above.Message, "Moon always above horizon");
    EXPECT_EQ(moonRiseSetLine(above).substr(0, 36), "Moonrise ---  Moonset ---  Mer.Pass.");
    EXPECT_EQ(moonRiseSetLine(below).substr(0, 36), "Moonrise ---  Moonset ---  Mer.Pass.");
}

// A body that does not cross the horizon shows no rise or set time, only its
// transit; a time not found reads "---" on its own beside the other one, and a
// time of 0 is a rise or set at 0 h.
TEST(RiseSetLines, NoRiseOrSetTimeWithoutACrossing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        RiseSetResult r;
        std::string sun;
    };
    const Case cases[] = {
        {"always above", times(nan, nan, 11.5, "", "", "", "Sun always above horizon"),
         "Sunrise ---  Sunset ---  LAN 11:30:00 UT "},
        {"always below", times(nan, nan, 12.25, "", "", "", "Sun always below horizon"),
         "Sunrise ---  Sunset ---  LAN 12:15:00 UT "},
        {"neither found", times(nan, nan, 3.0, "", "", "N"),
         "Sunrise ---  Sunset ---  LAN 03:00:00 UT N"},
        {"rise only", times(20.5, nan, 9.0, "P"),
         "Sunrise 20:30:00 UT P  Sunset ---  LAN 09:00:00 UT "},
        {"set only", times(nan, 8.75, 1.5, "", "N"),
         "Sunrise ---  Sunset 08:45:00 UT N  LAN 01:30:00 UT "},
        {"both 0 h", times(0, 0, 12.0),
         "Sunrise 00:00:00 UT   Sunset 00:00:00 UT   LAN 12:00:00 UT "},
        {"rise at 0 h", times(0, 9.5, 4.75),
         "Sunrise 00:00:00 UT   Sunset 09:30:00 UT   LAN "
         "04:45:00 UT "},
        {"set at 0 h", times(14.5, 0, 19.25, "", "N"),
         "Sunrise 14:30:00 UT   Sunset 00:00:00 UT N  LAN 19:15:00 UT "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sunRiseSetLine(c.r), c.sun) << c.what;
        EXPECT_EQ(almanac::hasRiseOrSet(c.r), c.sun.find("Sunrise ---  Sunset ---") != 0) << c.what;
    }
}

}  // namespace
