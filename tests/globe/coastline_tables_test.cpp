// Properties of the generated coastline outlines: the six outlines in their
// order, closed, on the value grid, with counts and spacing near the globe's
// table, their loops and islands, and what they leave out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "globe/globe.h"

namespace {

using globe::CoastOutline;
using globe::CoastPoint;

constexpr double kRad = 0.017453292519943278;

const CoastOutline& outline(int index) {
    return globe::coastlineOutlines()[index];
}

double arcDegrees(const CoastPoint& a, const CoastPoint& b) {
    const double c =
        std::sin(a.Lat * kRad) * std::sin(b.Lat * kRad) +
        std::cos(a.Lat * kRad) * std::cos(b.Lat * kRad) * std::cos((b.Lon - a.Lon) * kRad);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kRad;
}

bool same(const CoastPoint& a, const CoastPoint& b) {
    return a.Lat == b.Lat && a.Lon == b.Lon;
}

struct Box {
    double latMin, latMax, lonMin, lonMax;
    bool holds(const CoastPoint& p) const {
        return p.Lat >= latMin && p.Lat <= latMax && p.Lon >= lonMin && p.Lon <= lonMax;
    }
};

int pointsIn(const CoastOutline& o, const Box& box) {
    return static_cast<int>(std::count_if(o.Points, o.Points + o.Count,
                                          [&](const CoastPoint& p) { return box.holds(p); }));
}

// The globe's table: name, count, median step from 1.2 to 2.0 degrees.
struct Expected {
    const char* name;
    int count;
};
const Expected kOutlines[globe::kOutlineCount] = {
    {"Antarctica", 154}, {"North America", 509}, {"South America", 141},
    {"Australia", 102},  {"Africa", 128},        {"Eurasia", 453},
};

TEST(CoastlineTables, SixOutlinesInDrawingOrderWithCountsNearTheTable) {
    int total = 0;
    for (int k = 0; k < globe::kOutlineCount; ++k) {
        const CoastOutline& o = outline(k);
        EXPECT_EQ(std::string(o.Name), kOutlines[k].name);
        EXPECT_NEAR(o.Count, kOutlines[k].count, 0.1 * kOutlines[k].count) << o.Name;
        total += o.Count;
    }
    // The table's 1,487 points.
    EXPECT_NEAR(total, 1487, 30);
}

TEST(CoastlineTables, EveryOutlineIsClosedAndOnTheGrid) {
    for (const CoastOutline& o : globe::coastlineOutlines()) {
        ASSERT_GE(o.Count, 4);
        EXPECT_TRUE(same(o.Points[0], o.Points[o.Count - 1])) << o.Name;
        for (int i = 0; i < o.Count; ++i) {
            const CoastPoint& p = o.Points[i];
            // Latitude 90 - k 180/513, cut to three decimals.
            const double k = std::floor((90 - p.Lat) * 513 / 180 + 0.5);
            const double grid = std::floor((90 - k * 180 / 513) * 1000 + 1e-9) / 1000;
            EXPECT_NEAR(p.Lat, grid, 1e-9) << o.Name << " point " << i + 1;
            EXPECT_GE(k, 0);
            EXPECT_LE(k, 513);
            // Longitude a multiple of 0.45 within -180 to 180.
            const double m = p.Lon / 0.45;
            EXPECT_NEAR(m, std::floor(m + 0.5), 1e-9) << o.Name << " point " << i + 1;
            EXPECT_GE(p.Lon, -180);
            EXPECT_LE(p.Lon, 180);
        }
    }
}

TEST(CoastlineTables, SpacingHasAMedianOfOneToTwoDegreesAndNoLongOrZeroStep) {
    for (const CoastOutline& o : globe::coastlineOutlines()) {
        std::vector<double> steps;
        for (int i = 1; i < o.Count; ++i) {
            steps.push_back(arcDegrees(o.Points[i - 1], o.Points[i]));
        }
        std::sort(steps.begin(), steps.end());
        const double median = steps[steps.size() / 2];
        EXPECT_GE(median, 1.0) << o.Name;
        EXPECT_LE(median, 2.0) << o.Name;
        EXPECT_LE(steps.back(), 7.1) << o.Name;
        EXPECT_GT(steps.front(), 0) << o.Name;
    }
}

TEST(CoastlineTables, StepsAcrossTheDateLineAreShort) {
    // Antarctica crosses it once going round the pole, Eurasia twice on the
    // Chukchi Peninsula; every such step is a short one.
    const int expectedCrossings[globe::kOutlineCount] = {1, 0, 0, 0, 0, 2};
    for (int k = 0; k < globe::kOutlineCount; ++k) {
        const CoastOutline& o = outline(k);
        int crossings = 0;
        for (int i = 1; i < o.Count; ++i) {
            if (std::fabs(o.Points[i].Lon - o.Points[i - 1].Lon) > 180) {
                ++crossings;
                EXPECT_LT(arcDegrees(o.Points[i - 1], o.Points[i]), 7.1) << o.Name << " " << i;
            }
        }
        EXPECT_EQ(crossings, expectedCrossings[k]) << o.Name;
    }
}

TEST(CoastlineTables, AfricaRepeatsNoPositionButItsFirst) {
    const CoastOutline& africa = outline(4);
    for (int i = 0; i < africa.Count - 1; ++i) {
        for (int j = i + 1; j < africa.Count; ++j) {
            if (same(africa.Points[i], africa.Points[j])) {
                EXPECT_TRUE(i == 0 && j == africa.Count - 1) << i + 1 << " and " << j + 1;
            }
        }
    }
}

// Where the path leaves for the loop inside the box and where it comes back.
struct Loop {
    int first = -1;  // first point inside the box
    int last = -1;   // last point inside the box
};

Loop loopIn(const CoastOutline& o, const Box& box) {
    Loop loop;
    for (int i = 0; i < o.Count; ++i) {
        if (box.holds(o.Points[i])) {
            if (loop.first < 0) {
                loop.first = i;
            }
            loop.last = i;
        }
    }
    return loop;
}

TEST(CoastlineTables, LoopsComeBackWhereTheyLeft) {
    struct Case {
        int outline;
        const char* what;
        Box box;
        bool backToTheSamePosition;
    };
    const Case cases[] = {
        {1, "Great Lakes", {41, 49.5, -92.5, -73}, true},
        {3, "Tasmania", {-44.5, -40.3, 143.5, 149}, true},
        {5, "Great Britain and Ireland", {49.8, 59.5, -11, 1.6}, true},
        // Madagascar comes back to the next coast point.
        {4, "Madagascar", {-26, -11.8, 43, 51}, false},
    };
    for (const Case& c : cases) {
        const CoastOutline& o = outline(c.outline);
        const Loop loop = loopIn(o, c.box);
        ASSERT_GT(loop.first, 0) << c.what;
        ASSERT_LT(loop.last, o.Count - 1) << c.what;
        EXPECT_EQ(same(o.Points[loop.first - 1], o.Points[loop.last + 1]), c.backToTheSamePosition)
            << c.what;
    }
}

TEST(CoastlineTables, ChainsAreOutAndBackSpursAndTheAntillesLoopGoesWestSouthOfTheIslands) {
    // The Aleutian and Kuril spurs come back over the very positions they
    // went out on, turning at the chain's far end.
    struct Spur {
        int outline;
        const char* what;
        Box farEnd;
    };
    const Spur spurs[] = {
        {1, "Aleutian Islands", {51.2, 51.6, -177, -176.6}},  // the far end, 176.85 W
        {5, "Kuril Islands", {50.5, 51, 156.3, 157}},         // Shumshu, off Kamchatka
    };
    for (const Spur& spur : spurs) {
        const CoastOutline& o = outline(spur.outline);
        const Loop turn = loopIn(o, spur.farEnd);
        ASSERT_GE(turn.first, 0) << spur.what;
        EXPECT_EQ(turn.first, turn.last) << spur.what << ": one turning point";
        const int t = turn.first;
        ASSERT_GT(t, 4);
        ASSERT_LT(t, o.Count - 5);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_TRUE(same(o.Points[t - k], o.Points[t + k])) << spur.what << " " << k;
        }
    }

    // The Antilles: out westward along the south side of Cuba to its western
    // end, which is South America's westernmost point, and back east along
    // its north side (Cuba lies between about 19.8 N and 23.2 N).
    const CoastOutline& south = outline(2);
    const Box cuba{19.6, 23.5, -85.5, -74};
    const Box jamaica{17.5, 18.6, -78.5, -76};
    const int west = static_cast<int>(
        std::min_element(south.Points, south.Points + south.Count,
                         [](const CoastPoint& a, const CoastPoint& b) { return a.Lon < b.Lon; }) -
        south.Points);
    ASSERT_TRUE(cuba.holds(south.Points[west]));
    double outward = 0;
    double homeward = 0;
    int nOut = 0;
    int nHome = 0;
    for (int i = 0; i < south.Count; ++i) {
        const CoastPoint& p = south.Points[i];
        if (!cuba.holds(p) || jamaica.holds(p) || i == west) {
            continue;
        }
        (i < west ? outward : homeward) += p.Lat;
        ++(i < west ? nOut : nHome);
    }
    ASSERT_GT(nOut, 2);
    ASSERT_GT(nHome, 2);
    EXPECT_LT(outward / nOut, homeward / nHome);
    // The northernmost point of the outline is on Cuba too.
    const CoastPoint* north =
        std::max_element(south.Points, south.Points + south.Count,
                         [](const CoastPoint& a, const CoastPoint& b) { return a.Lat < b.Lat; });
    EXPECT_TRUE(cuba.holds(*north));
}

TEST(CoastlineTables, CoverageOfEachOutline) {
    struct Case {
        int outline;
        const char* what;
        Box box;
    };
    const Case held[] = {
        {0, "Antarctic Peninsula", {-66, -60, -65, -55}},
        {0, "far south beyond 84 S", {-86, -84, -180, 180}},
        {1, "Lake Superior", {46.3, 49, -92.5, -84.5}},
        {1, "Iceland", {63, 67, -25, -13}},
        {1, "northeast Greenland", {83, 84, -40, -20}},
        {1, "Aleutian Islands' far end", {51, 52, -177, -176.5}},
        {1, "Newfoundland", {46.5, 51.7, -59.5, -52.5}},
        {1, "Baffin Island", {65, 73, -80, -62}},
        {1, "Ellesmere Island", {78, 83.3, -92, -62}},
        {2, "western end of Cuba", {21, 23, -85.5, -84}},
        {2, "Lesser Antilles", {13, 17.5, -62, -60.5}},
        {2, "Hispaniola", {17.5, 20, -74.5, -68.5}},
        {2, "Tierra del Fuego", {-56, -54, -72, -64}},
        {3, "Tasmania", {-44, -41, 145, 148.5}},
        {3, "New Guinea", {-3, 0, 131, 141}},
        {4, "Madagascar", {-26, -12, 43, 51}},
        {4, "Horn of Africa", {9, 12, 50, 52}},
        {5, "Sri Lanka", {5.8, 9.9, 79.6, 82}},
        {5, "Sumatra", {-6, 5.5, 95, 106}},
        {5, "Timor", {-10.5, -8, 123.5, 127.5}},
        {5, "Japan", {31, 41.5, 129, 142}},
        {5, "Kuril Islands", {45, 51, 147, 157}},
        {5, "Sakhalin", {46, 54.5, 141.5, 144.8}},
        {5, "New Siberian Islands", {74.5, 76.5, 136, 151}},
        {5, "Severnaya Zemlya", {78, 81.5, 91, 106}},
        {5, "Novaya Zemlya", {70.5, 77, 51, 69}},
        {5, "Great Britain", {55, 59, -6.5, -1}},
        {5, "Ireland", {51.5, 55.5, -10.5, -6}},
        {5, "Sicily", {36.5, 38.3, 12.3, 15.7}},
        {5, "Chukchi Peninsula", {64, 70, -180, -170}},
    };
    for (const Case& c : held) {
        EXPECT_GT(pointsIn(outline(c.outline), c.box), 0) << c.what;
    }
    const Box absent[] = {
        {-47.5, -34, 165, 179},      // New Zealand
        {-4.2, 7.1, 108.8, 119.3},   // Borneo
        {-5.8, 1.7, 118.7, 125.3},   // Sulawesi
        {5, 19, 117, 127},           // the Philippines
        {21.8, 25.4, 119.9, 122.1},  // Taiwan
        {76.5, 81, 10, 28},          // Svalbard
    };
    for (const CoastOutline& o : globe::coastlineOutlines()) {
        for (const Box& box : absent) {
            EXPECT_EQ(pointsIn(o, box), 0) << o.Name << " " << box.latMin << " " << box.lonMin;
        }
    }
    // Iceland belongs to North America, Cuba is South America's westernmost.
    const Box iceland{63, 67, -25, -13};
    EXPECT_EQ(pointsIn(outline(5), iceland), 0);
    const CoastOutline& south = outline(2);
    const CoastPoint* west =
        std::min_element(south.Points, south.Points + south.Count,
                         [](const CoastPoint& a, const CoastPoint& b) { return a.Lon < b.Lon; });
    EXPECT_TRUE((Box{21, 23, -86, -84}.holds(*west)));
}

}  // namespace
