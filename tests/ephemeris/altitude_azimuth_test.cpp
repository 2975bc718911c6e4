// Altitude and azimuth from declination, latitude and LHA (the meridian takes
// the western branch), and the angular distance with its lon, lon, lat, lat
// argument order.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::AltitudeAzimuth;
using ephemeris::AngularDistance;

// Expected values: worked examples (exact doubles where compared exactly).
TEST(AltitudeAzimuth, ExactValuesOnAndOffTheMeridian) {
    struct Case {
        const char* name;
        double dec, lat, lha;
        double hc, zn;
    };
    const Case cases[] = {
        {"south on the meridian", 20, 40, 0, 70.00000000000009, 180.00000241483644},
        {"north on the meridian stays near 360", 60, 40, 0, 70.00000000000009, 359.99999879258183},
        {"clamped quotient below -1", -89.9, 50, 0, -49.89999999999991, 180},
        {"zenith at the equator", 0, 0, 0, 90, 270},
        {"zenith at 40 N", 40, 40, 0, 90, 270},
        {"west of the meridian", 20, 40, 30, 57.48507992443971, 240.93880738475525},
        {"lower transit takes the western branch", 20, 40, 180, -30.000000000000092,
         359.99999879258183},
    };
    for (const auto& c : cases) {
        double hc = 999;
        double zn = 999;
        AltitudeAzimuth(c.dec, c.lat, c.lha, hc, zn);
        EXPECT_EQ(hc, c.hc) << c.name;
        EXPECT_EQ(zn, c.zn) << c.name;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(AltitudeAzimuth, EastOfTheMeridianIsTheArcCosItself) {
    double hc = 999;
    double zn = 999;
    AltitudeAzimuth(20, 40, 330, hc, zn);
    EXPECT_EQ(zn, 119.06119261524428);
    double hcWest = 999;
    double znWest = 999;
    AltitudeAzimuth(20, 40, 30, hcWest, znWest);
    EXPECT_NEAR(hc, hcWest, 1e-12);
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(AngularDistance, ExactValuesAndArgumentOrder) {
    struct Case {
        double lon1, lon2, lat1, lat2;
        double dist;
    };
    const Case cases[] = {
        {0, 0, 10, 10, 0},
        {0, 180, 0, 0, 180},
        {0, 180, 45, -45, 180},
        {10, 20, 30, 40, 12.908258700131285},
        {350, 10, 0, 0, 20.000000000000277},
    };
    for (const auto& c : cases) {
        double dist = -1;
        AngularDistance(c.lon1, c.lon2, c.lat1, c.lat2, dist);
        EXPECT_EQ(dist, c.dist) << "AngularDistance(" << c.lon1 << ", " << c.lon2 << ", " << c.lat1
                                << ", " << c.lat2 << ")";
    }
}

}  // namespace
