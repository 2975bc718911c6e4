// The planner settings file: writing and reading back, the reader's rules
// for wrong headers, short files and bad items, the handed-on time zone, and
// a failed write. Files go into a temporary folder of the test's own.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "planner/planner_settings.h"
#include "tests/platform/time_limited_open.h"
#include "tests/ui/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace planner;
using Outcome = PlannerSettingsRead::Outcome;

using uitest::readBytes;
using uitest::TempFolder;

PlannerSettings sample() {
    PlannerSettings s;
    s.LatMinutes = "30.5";
    s.LonMinutes = "12";
    s.DeltaT = "69.2 s";
    s.StarCount = "25";
    s.TimeZone = "3.5";
    s.LatDegrees = "41";
    s.LonDegrees = "70";
    s.North = false;
    s.South = true;
    s.West = true;
    s.East = false;
    s.ShowParallax = 1;
    s.DaylightSaving = 1;
    return s;
}

std::string lines(const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) {
        bytes += item + "\r\n";
    }
    return bytes;
}

// A good file's items, one a line.
const std::vector<std::string> kGoodItems = {"WendrelNavSettings",
                                             "0",
                                             "0",
                                             "67",
                                             "20",
                                             "5",
                                             "40",
                                             "70",
                                             "True",
                                             "False",
                                             "True",
                                             "False",
                                             "0",
                                             "0"};

TEST(PlannerSettingsFile, WritesTheFourteenLines) {
    EXPECT_EQ(writePlannerSettings(sample()),
              lines({"WendrelNavSettings", "30.5", "12", "69.2 s", "25", "3.5", "41", "70", "False",
                     "True", "True", "False", "1", "1"}));
}

TEST(PlannerSettingsFile, RoundTripKeepsAllThirteenValues) {
    const PlannerSettings s = sample();
    const PlannerSettingsRead read = readPlannerSettings(writePlannerSettings(s));
    EXPECT_EQ(read.outcome, Outcome::Read);
    EXPECT_EQ(read.ItemsRead, kPlannerSettingsItems);
    EXPECT_EQ(read.values, s);

    TempFolder folder;
    const fs::path file = folder.path() / kPlannerSettingsFileName;
    ASSERT_TRUE(savePlannerSettings(file, s).ok);
    const PlannerSettingsRead fromFile = openPlannerSettings(file);
    EXPECT_EQ(fromFile.outcome, Outcome::Read);
    EXPECT_EQ(fromFile.values, s);
}

TEST(PlannerSettingsFile, CommasInTextsBecomeBlanksSoNothingShifts) {
    PlannerSettings s = sample();
    s.DeltaT = "69,2";
    s.LatDegrees = "41,5,6";
    const std::string bytes = writePlannerSettings(s);
    EXPECT_NE(bytes.find("\r\n69 2\r\n"), std::string::npos);
    const PlannerSettingsRead read = readPlannerSettings(bytes);
    ASSERT_EQ(read.outcome, Outcome::Read);
    EXPECT_EQ(read.values.DeltaT, "69 2");
    EXPECT_EQ(read.values.LatDegrees, "41 5 6");
    EXPECT_EQ(read.values.LonDegrees, "70");
    EXPECT_TRUE(read.values.South);
}

TEST(PlannerSettingsFile, ReaderRules) {
    struct Case {
        std::string name;
        std::string bytes;
        Outcome outcome;
        int itemsRead;
    };
    const std::vector<std::string>& good = kGoodItems;
    auto with = [&good](int line, const std::string& item) {
        std::vector<std::string> l = good;
        l[line - 1] = item;
        return lines(l);
    };
    const std::vector<Case> cases = {
        {"good", lines(good), Outcome::Read, 13},
        // A wrong header, letter case included, is passed over in silence.
        {"header case", with(1, "wendrelnavsettings"), Outcome::WrongHeader, 0},
        {"other file", "CelestialNavigationKestlow2\r\n1\r\n", Outcome::WrongHeader, 0},
        {"empty", "", Outcome::Problem, 0},
        {"header only", "WendrelNavSettings\r\n", Outcome::Problem, 0},
        {"ends after line 9", lines({good.begin(), good.begin() + 9}), Outcome::Problem, 8},
        {"ends before line 14", lines({good.begin(), good.begin() + 13}), Outcome::Problem, 12},
        {"option not a truth", with(10, "Yes"), Outcome::Problem, 8},
        {"check of 3", with(13, "3"), Outcome::Problem, 11},
        {"check not whole", with(14, "0.5"), Outcome::Problem, 12},
        {"check negative", with(13, "-1"), Outcome::Problem, 11},
        {"check greyed", with(14, "2"), Outcome::Read, 13},
        // Options take any letter case and numbers; texts anything.
        {"lower case", with(9, "false"), Outcome::Read, 13},
        {"number option", with(11, "0"), Outcome::Read, 13},
        {"text item", with(4, "sixty-seven"), Outcome::Read, 13},
        // Lines after line 14 are not read.
        {"longer", lines(good) + "more\r\n", Outcome::Read, 13},
    };
    for (const Case& c : cases) {
        const PlannerSettingsRead read = readPlannerSettings(c.bytes);
        EXPECT_EQ(read.outcome, c.outcome) << c.name;
        EXPECT_EQ(read.ItemsRead, c.itemsRead) << c.name;
    }

    // "false" on line 9 and "True" on line 10: South; two "False" items for
    // one pair leave neither.
    std::vector<std::string> south = good;
    south[8] = "false";
    south[9] = "True";
    south[10] = "False";
    south[11] = "FALSE";
    const PlannerSettingsRead read = readPlannerSettings(lines(south));
    ASSERT_EQ(read.outcome, Outcome::Read);
    EXPECT_FALSE(read.values.North);
    EXPECT_TRUE(read.values.South);
    EXPECT_FALSE(read.values.West);
    EXPECT_FALSE(read.values.East);

    // Items read before a problem are kept.
    const PlannerSettingsRead partial = readPlannerSettings(with(10, "maybe"));
    EXPECT_EQ(partial.values.LatDegrees, "40");
    EXPECT_EQ(partial.values.LonDegrees, "70");
    EXPECT_TRUE(partial.values.North);
}

// Every text of the file goes to a one-line box: at the box's limit (32,767
// characters) it reads back byte for byte; one character more is a problem
// at that item, and the text is not cut into the box.
TEST(PlannerSettingsFile, NoTextIsCutToABox) {
    const std::string atLimit(32767, '7');
    const std::string beyond(32768, '8');
    const std::vector<std::string>& good = kGoodItems;
    for (int line = 2; line <= 8; ++line) {
        std::vector<std::string> items = good;
        items[line - 1] = atLimit;
        const PlannerSettingsRead whole = readPlannerSettings(lines(items));
        ASSERT_EQ(whole.outcome, Outcome::Read) << "line " << line;
        EXPECT_EQ(writePlannerSettings(whole.values), lines(items)) << "line " << line;

        items[line - 1] = beyond;
        const PlannerSettingsRead read = readPlannerSettings(lines(items));
        EXPECT_EQ(read.outcome, Outcome::Problem) << "line " << line;
        EXPECT_EQ(read.ItemsRead, line - 2) << "line " << line;
    }
}

TEST(PlannerSettingsFile, MissingFileIsAProblem) {
    TempFolder folder;
    const PlannerSettingsRead read = openPlannerSettings(folder.path() / "WendrelNav.nv1");
    EXPECT_EQ(read.outcome, Outcome::Problem);
    EXPECT_EQ(read.ItemsRead, 0);
    EXPECT_EQ(openPlannerSettings(folder.path()).outcome, Outcome::Problem);
}

TEST(PlannerSettingsFile, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / kPlannerSettingsFileName;
    ASSERT_TRUE(savePlannerSettings(file, sample()).ok);
    const std::string before = readBytes(file);
    // A folder that does not exist, and a target that is a folder.
    EXPECT_FALSE(savePlannerSettings(folder.path() / "missing" / "WendrelNav.nv1", {}).ok);
    fs::create_directory(folder.path() / "sub");
    const platform::SaveResult failed = savePlannerSettings(folder.path() / "sub", sample());
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.message.empty());
    EXPECT_EQ(readBytes(file), before);
}

TEST(PlannerSettingsFile, AReadOnlyFileIsKeptAndAPipeIsRefusedAtOnce) {
    TempFolder folder;
    const fs::path file = folder.path() / kPlannerSettingsFileName;
    ASSERT_TRUE(savePlannerSettings(file, sample()).ok);
    const std::string before = readBytes(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const platform::SaveResult refused = savePlannerSettings(file, {});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "Could not save \"" + file.string() + "\": Permission denied");
    EXPECT_EQ(readBytes(file), before);

    // A named pipe in the settings file's place: a problem at once, never a
    // start-up waiting for a writer.
    const fs::path fifo = folder.path() / "pipe.nv1";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto read =
        filetest::openWithTimeLimit(fifo, [fifo] { return openPlannerSettings(fifo).outcome; });
    ASSERT_TRUE(read.has_value()) << "the pipe blocked the open";
    EXPECT_EQ(*read, Outcome::Problem);
}

TEST(HandedOnTimeZone, DaylightSavingTakesAnHourOff) {
    struct Case {
        std::string zone;
        int daylight;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"5", 0, "5"},
        {"5", 1, "4"},
        {"3.5", 1, "2.5"},
        {"", 0, "0"},
        {"", 1, "-1"},
        {"abc", 0, "0"},
        {"-2 h", 1, "-3"},
        {"0.5", 1, "-0.5"},
        // A greyed check box is not ticked.
        {"5", 2, "5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(handedOnTimeZone(c.zone, c.daylight), c.expected) << c.zone << c.daylight;
    }
}

}  // namespace
