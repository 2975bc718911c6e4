// The lunar-distance file: the exact bytes written, lossless round trips of
// every field, the reading of each item kind, a wrong header, and every way a
// file is bad (the reader then returns nothing, so the window changes
// nothing).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lunar/lunar_file.h"
#include "platform/seqfile.h"
#include "tests/platform/file_lines.h"
#include "tests/platform/time_limited_open.h"
#include "tests/ui/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lunar::LunarFileContents;
using lunar::LunarFileRead;
using lunar::LunarFileStatus;
using lunar::readLunarFile;
using lunar::writeLunarFile;

using filetest::joinLines;

// A distinct text in every field and options off their defaults, so a field
// out of place shows.
LunarFileContents distinctContents() {
    LunarFileContents c;
    c.Notes = "Moon and Regulus  evening";
    c.AirTemperature = "21.5";
    c.Pressure = "1007";
    c.LatDegrees = "17";
    c.LatMinutes = "54.2";
    c.LonDegrees = "8";
    c.LonMinutes = "42.7";
    c.DistanceDegrees = "46";
    c.DistanceMinutes = "43.6";
    c.Year = "2025";
    c.Month = "7";
    c.Day = "3";
    c.Hour = "20";
    c.Minute = "7";
    c.Second = "50";
    c.DeltaT = "69.1";
    c.North = false;
    c.South = true;
    c.West = false;
    c.East = true;
    c.MoonInner = false;
    c.MoonOuter = true;
    c.SunOuter = true;
    c.SunInner = false;
    c.Body = 52;
    return c;
}

const std::vector<std::string> kDistinctLines = {
    "CelestialNavigationKestlowL",
    "Moon and Regulus  evening",
    "21.5",
    "1007",
    "17",
    "54.2",
    "8",
    "42.7",
    "46",
    "43.6",
    "2025",
    "7",
    "3",
    "20",
    "7",
    "50",
    "69.1",
    "False",
    "True",
    "False",
    "True",
    "False",
    "True",
    "True",
    "False",
    "52",
};

TEST(LunarFile, WritesTheTwentySixLines) {
    EXPECT_EQ(writeLunarFile(distinctContents()), joinLines(kDistinctLines));
    // The window as it opens: its design defaults, the Sun chosen.
    EXPECT_EQ(writeLunarFile(LunarFileContents{}), joinLines({"CelestialNavigationKestlowL",
                                                              "Type notes here (no commas!)",
                                                              "10",
                                                              "1010",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "67.0",
                                                              "True",
                                                              "False",
                                                              "True",
                                                              "False",
                                                              "True",
                                                              "False",
                                                              "False",
                                                              "True",
                                                              "0"}));
}

TEST(LunarFile, RoundTripsEveryField) {
    std::vector<LunarFileContents> cases = {distinctContents(), LunarFileContents{}};
    LunarFileContents centreNoBody = distinctContents();
    centreNoBody.MoonInner = false;
    centreNoBody.MoonOuter = false;
    centreNoBody.Body = -1;
    cases.push_back(centreNoBody);
    LunarFileContents lastStar = distinctContents();
    lastStar.Body = 62;
    lastStar.Notes = "";
    cases.push_back(lastStar);
    for (const LunarFileContents& c : cases) {
        const LunarFileRead read = readLunarFile(writeLunarFile(c));
        ASSERT_EQ(read.Status, LunarFileStatus::Good);
        ASSERT_TRUE(read.Contents.has_value());
        EXPECT_EQ(*read.Contents, c);
    }
}

TEST(LunarFile, CommasNeverShiftTheItems) {
    // A comma typed into any field is a blank in the file, so every later
    // item stays in its place.
    LunarFileContents c = distinctContents();
    c.Notes = "Moon, Regulus";
    c.LatMinutes = "54,2";
    c.Year = "2025,";
    c.DeltaT = "69,1 s";
    const std::string bytes = writeLunarFile(c);
    EXPECT_NE(bytes.find("\r\n54 2\r\n"), std::string::npos);
    const LunarFileRead read = readLunarFile(bytes);
    ASSERT_EQ(read.Status, LunarFileStatus::Good);
    EXPECT_EQ(read.Contents->Notes, "Moon  Regulus");
    EXPECT_EQ(read.Contents->LatMinutes, "54 2");
    EXPECT_EQ(read.Contents->Year, "2025 ");
    EXPECT_EQ(read.Contents->DeltaT, "69 1 s");
    EXPECT_EQ(read.Contents->South, true);
    EXPECT_EQ(read.Contents->Body, 52);
}

TEST(LunarFile, ReadsTruthValuesAndItemsAsTheyStand) {
    std::vector<std::string> lines = kDistinctLines;
    lines[17] = "TRUE";              // North
    lines[18] = "false";             // South
    lines[19] = "-1";                // West: a number not 0 is true
    lines[20] = " 0";                // East
    lines[1] = "  notes, and more";  // leading blanks skipped, cut at the comma
    lines[25] = "-1";
    lines.push_back("anything after the 26th line");
    const LunarFileRead read = readLunarFile(joinLines(lines));
    ASSERT_EQ(read.Status, LunarFileStatus::Good);
    const LunarFileContents& c = *read.Contents;
    EXPECT_TRUE(c.North);
    EXPECT_FALSE(c.South);
    EXPECT_TRUE(c.West);
    EXPECT_FALSE(c.East);
    EXPECT_EQ(c.Notes, "notes");
    EXPECT_EQ(c.Body, -1);
    // Line ends of any kind.
    std::string lf;
    for (const std::string& line : kDistinctLines) {
        lf += line + "\n";
    }
    EXPECT_EQ(readLunarFile(lf).Contents, distinctContents());
}

TEST(LunarFile, AWrongHeaderIsNotALunarFile) {
    for (const char* header : {"CelestialNavigationKestlow2", "celestialnavigationkestlowl",
                               "CelestialNavigationKestlowL2", ""}) {
        std::vector<std::string> lines = kDistinctLines;
        lines[0] = header;
        const LunarFileRead read = readLunarFile(joinLines(lines));
        EXPECT_EQ(read.Status, LunarFileStatus::WrongHeader) << header;
        EXPECT_FALSE(read.Contents.has_value());
    }
}

TEST(LunarFile, ABadFileGivesNothing) {
    struct Case {
        const char* what;
        std::size_t line;  // 1-based; 0 = cut the file instead
        const char* item;
    };
    const Case cases[] = {
        {"option not a truth value", 18, "Yes"},
        {"option empty", 25, ""},
        {"body not a number", 26, "Sun"},
        {"body empty", 26, ""},
        {"body below -1", 26, "-2"},
        {"body past the last star", 26, "63"},
        {"body not whole", 26, "3.5"},
        {"body with text after it", 26, "4 Saturn"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = kDistinctLines;
        lines[c.line - 1] = c.item;
        const LunarFileRead read = readLunarFile(joinLines(lines));
        EXPECT_EQ(read.Status, LunarFileStatus::Bad) << c.what;
        EXPECT_FALSE(read.Contents.has_value()) << c.what;
    }
    // A good header and only 20 lines, and shorter files down to nothing.
    for (const std::size_t count : {20u, 25u, 1u, 0u}) {
        const std::vector<std::string> lines(kDistinctLines.begin(),
                                             kDistinctLines.begin() + count);
        const LunarFileRead read = readLunarFile(joinLines(lines));
        EXPECT_EQ(read.Status, LunarFileStatus::Bad) << count;
        EXPECT_FALSE(read.Contents.has_value()) << count;
    }
}

// No text is cut to fit its field: a text at the box's limit (32,767
// characters) reads back byte for byte, one character more makes the file
// bad; the notes (line 2) as the one-line fields.
TEST(LunarFile, NoTextIsCutToAField) {
    const std::string atLimit(32767, '7');
    const std::string beyond(32768, '8');
    for (std::size_t line = 2; line <= 17; ++line) {
        std::vector<std::string> lines = kDistinctLines;
        lines[line - 1] = atLimit;
        const LunarFileRead whole = readLunarFile(joinLines(lines));
        ASSERT_EQ(whole.Status, LunarFileStatus::Good) << "line " << line;
        EXPECT_EQ(writeLunarFile(*whole.Contents), joinLines(lines)) << "line " << line;

        lines[line - 1] = beyond;
        const LunarFileRead read = readLunarFile(joinLines(lines));
        EXPECT_EQ(read.Status, LunarFileStatus::Bad) << "line " << line;
        EXPECT_FALSE(read.Contents.has_value()) << "line " << line;
    }
    // Notes of words at the limit, and one blank more.
    std::vector<std::string> lines = kDistinctLines;
    std::string words;
    while (words.size() < 32767) {
        words += "swell from the west ";
    }
    words.resize(32767);
    lines[1] = words;
    const LunarFileRead read = readLunarFile(joinLines(lines));
    ASSERT_EQ(read.Status, LunarFileStatus::Good);
    EXPECT_EQ(read.Contents->Notes, words);
    lines[1] = words + " ";
    EXPECT_EQ(readLunarFile(joinLines(lines)).Status, LunarFileStatus::Bad);
}

class LunarFileOnDisk : public ::testing::Test {
  protected:
    uitest::TempFolder folder_{"celnav-lunar-file"};
    const fs::path& dir_ = folder_.path();
};

TEST_F(LunarFileOnDisk, SavesAndOpens) {
    const fs::path path = dir_ / "evening.LUN";
    ASSERT_TRUE(lunar::saveLunarFile(path, distinctContents()).ok);
    EXPECT_EQ(uitest::readBytes(path), joinLines(kDistinctLines));
    const LunarFileRead read = lunar::openLunarFile(path);
    ASSERT_EQ(read.Status, LunarFileStatus::Good);
    EXPECT_EQ(*read.Contents, distinctContents());
    // A file that is not there is bad.
    EXPECT_EQ(lunar::openLunarFile(dir_ / "missing.LUN").Status, LunarFileStatus::Bad);
}

TEST_F(LunarFileOnDisk, AFailedSaveKeepsTheOldFile) {
    // The target is a folder: nothing can be renamed over it.
    const fs::path folder = dir_ / "taken.LUN";
    fs::create_directories(folder);
    const platform::SaveResult saved = lunar::saveLunarFile(folder, distinctContents());
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    // In a folder that does not exist.
    EXPECT_FALSE(lunar::saveLunarFile(dir_ / "no" / "such.LUN", distinctContents()).ok);
}

TEST_F(LunarFileOnDisk, AReadOnlyFileIsKeptAndALinkIsFollowed) {
    const fs::path kept = dir_ / "kept.LUN";
    uitest::writeBytes(kept, "old\r\n");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const platform::SaveResult refused = lunar::saveLunarFile(kept, distinctContents());
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "Could not save \"" + kept.string() + "\": Permission denied");
    EXPECT_EQ(uitest::readBytes(kept), "old\r\n");

    const fs::path real = dir_ / "real.LUN";
    uitest::writeBytes(real, "old\r\n");
    fs::create_symlink("real.LUN", dir_ / "link.LUN");
    ASSERT_TRUE(lunar::saveLunarFile(dir_ / "link.LUN", distinctContents()).ok);
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.LUN"));
    EXPECT_EQ(uitest::readBytes(real), joinLines(kDistinctLines));
}

TEST_F(LunarFileOnDisk, APipeIsRefusedAtOnce) {
    const fs::path fifo = dir_ / "pipe.LUN";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto read =
        filetest::openWithTimeLimit(fifo, [fifo] { return lunar::openLunarFile(fifo).Status; });
    ASSERT_TRUE(read.has_value()) << "the pipe blocked the open";
    EXPECT_EQ(*read, LunarFileStatus::Bad);
}

}  // namespace
