// The sight data file: the exact bytes written, lossless round trips through
// the sight log, the reading of each item kind, and every way a file is bad
// (the reader then returns nothing, so the caller changes nothing).
// Expected bytes: worked by hand from the file's item rules.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "tests/platform/file_lines.h"

// A counting allocator for this test program: the bytes held now and the
// most held since the last reset, so that a test can see the peak memory of
// one call. Each block carries its size in a header of max_align_t's size.
namespace allocation {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void resetPeak() {
    peak = held.load();
}

}  // namespace allocation

void* operator new(std::size_t size) {
    void* block = std::malloc(size + allocation::kHeader);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<std::size_t*>(block) = size;
    const std::size_t now = allocation::held += size;
    std::size_t peak = allocation::peak.load();
    while (now > peak && !allocation::peak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + allocation::kHeader;
}

void operator delete(void* p) noexcept {
    if (p == nullptr) {
        return;
    }
    void* block = static_cast<char*>(p) - allocation::kHeader;
    allocation::held -= *static_cast<std::size_t*>(block);
    std::free(block);
}

void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete[](void* p) noexcept {
    operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

namespace fs = std::filesystem;
using reduction::applySightRecords;
using reduction::clearedSightLog;
using reduction::GeneralSettings;
using reduction::LegSettings;
using reduction::openSightFile;
using reduction::readSightFile;
using reduction::saveSightFile;
using reduction::SightFileContents;
using reduction::SightFileRead;
using reduction::SightLog;
using reduction::SightRecord;
using reduction::sightRecordOf;
using reduction::sightRecordsOf;
using reduction::startupSightLog;
using reduction::writeSightFile;

const char* const kBadMessage = "Unreadable Data File. Possible Bad Format";

using filetest::joinLines;

// A leg with a distinct text in every field, so a field out of place shows.
SightFileContents smallContents() {
    SightFileContents c;
    LegSettings& leg = c.Leg;
    leg.Notes = "Leg 4, Bermuda to Azores";
    leg.Course = "075";
    leg.Speed = "6.5";
    leg.EyeHeight = "3";
    leg.EyeHeightFeet = true;
    leg.EyeHeightMetres = false;
    leg.PlottingScale = "20";
    leg.LastFixLatDegrees = "32";
    leg.LastFixLatMinutes = "22.5";
    leg.LastFixNorth = true;
    leg.LastFixLonDegrees = "64";
    leg.LastFixLonMinutes = "41.2";
    leg.LastFixEast = false;
    leg.LastFixHour = "11";
    leg.LastFixMinutes = "30";
    leg.LastFixDay = "14";
    leg.LastFixMonth = "6";
    leg.LastFixYear = "2014";
    leg.NewFixHour = "18";
    leg.NewFixMinutes = "45";
    leg.NewFixDay = "15";
    leg.NewFixMonth = "7";
    leg.NewFixYear = "2015";
    GeneralSettings& general = c.General;
    general.DeltaT = "67.6";
    general.ChronometerCorrection = "-2.0";
    general.TimeZone = "4";
    general.AirTemperature = "22";
    general.Pressure = "1016";

    SightRecord sun;
    sun.Note = "Sun LL, 23\xC2\xB0";
    const double sunFields[] = {1,  1,    1,   14, 5,          30.5,  14,    6,        2014,
                                45, 12.3, 1.5, -1, 254.123456, 23.25, 15.77, 0.144331, 0};
    for (int f = 1; f <= 18; ++f) {
        sun.Fields[f] = sunFields[f - 1];
    }
    SightRecord star;
    const double starFields[] = {-1,  0,         2, 14, 20,   0.1,   14, 6, 2014,
                                 -12, 1.0 / 3.0, 0, 1,  -0.5, -8.75, 0,  0, 17};
    for (int f = 1; f <= 18; ++f) {
        star.Fields[f] = starFields[f - 1];
    }
    c.Sights = {sun, star};
    return c;
}

// The file of smallContents, line by line.
std::vector<std::string> smallFileLines() {
    return {
        "CelestialNavigationKestlow2",
        "2",
        "Leg 4  Bermuda to Azores",  // 3 leg notes, comma turned into a blank
        "075",                       // 4 course
        "6.5",                       // 5 speed
        "3",                         // 6 eye height
        "True",                      // 7 feet
        "False",                     // 8 metres
        "22",                        // 9 air temperature
        "1016",                      // 10 pressure
        "32",                        // 11 last fix latitude degrees
        "22.5",                      // 12 minutes
        "64",                        // 13 last fix longitude degrees
        "41.2",                      // 14 minutes
        "11",                        // 15 last fix hour
        "30",                        // 16 last fix minutes
        "14",                        // 17 last fix day
        "20",                        // 18 plotting scale
        "18",                        // 19 new fix hour
        "45",                        // 20 new fix minutes
        "15",                        // 21 new fix day
        "-2.0",                      // 22 chronometer correction
        "True",                      // 23 North
        "False",                     // 24 East
        "67.6",                      // 25 Delta T
        "4",                         // 26 time zone
        "6",                         // 27 last fix month
        "2014",                      // 28 last fix year
        "7",                         // 29 new fix month
        "2015",                      // 30 new fix year
        "Sun LL  23\xB0",            // sight 1 note, Windows-1252 degree sign
        "1",
        "1",
        "1",
        "14",
        "5",
        "30.5",
        "14",
        "6",
        "2014",
        "45",
        "12.3",
        "1.5",
        "-1",
        "254.123456",
        "23.25",
        "15.77",
        "0.144331",
        "0",
        "",  // sight 2 note
        "-1",
        "0",
        "2",
        "14",
        "20",
        "0.1",
        "14",
        "6",
        "2014",
        "-12",
        "0.333333333333333",
        "0",
        "1",
        "-0.5",
        "-8.75",
        "0",
        "0",
        "17",
    };
}

// What the window would do: apply a good file, leave everything for a bad one.
struct CallerState {
    SightLog Log;
    LegSettings Leg;
    GeneralSettings General;
};

bool operator==(const CallerState& a, const CallerState& b) {
    return a.Log == b.Log && a.Leg == b.Leg && a.General == b.General;
}

void openInto(std::string_view bytes, CallerState& state) {
    const SightFileRead read = readSightFile(bytes);
    if (read.Contents) {
        state.Leg = read.Contents->Leg;
        state.General = read.Contents->General;
        applySightRecords(read.Contents->Sights, state.Log);
    }
}

CallerState busyCaller() {
    CallerState state;
    state.Leg.Course = "123";
    state.General.DeltaT = "69.2";
    state.Log.SightCount = 3;
    for (int i = 1; i <= 3; ++i) {
        state.Log.SightNotes[i] = "sight " + std::to_string(i);
        for (int f = 1; f <= 18; ++f) {
            state.Log.SightData[i][f] = i * 100 + f;
        }
    }
    return state;
}

TEST(SightFileWrite, WritesTheExactBytes) {
    const std::string bytes = writeSightFile(smallContents());
    EXPECT_EQ(bytes, joinLines(smallFileLines()));
}

// Lines 1 to 30 of a file with the windows' design defaults.
std::vector<std::string> defaultSettingsLines(const std::string& count) {
    return {"CelestialNavigationKestlow2",
            count,
            "Type Notes Here (no commas!)",
            "0",
            "0",
            "2.75",
            "False",
            "True",
            "15",
            "1010",
            "",
            "",
            "",
            "",
            "",
            "",
            "",
            "25",
            "",
            "",
            "",
            "0.0",
            "True",
            "False",
            "67.0",
            GeneralSettings{}.TimeZone,  // the computer's own zone
            "",
            "",
            "",
            ""};
}

// A leg with no sight entered is saved as a count of 0 and no sight block,
// at start and after Clear All Data; it reads back as no sight.
TEST(SightFileWrite, LogWithNoSightEnteredSavesACountOfZero) {
    for (const SightLog& log : {startupSightLog(), clearedSightLog()}) {
        EXPECT_EQ(log.SightCount, 1);
        SightFileContents c;
        c.Sights = sightRecordsOf(log);
        EXPECT_TRUE(c.Sights.empty());
        const std::string bytes = writeSightFile(c);
        EXPECT_EQ(bytes, joinLines(defaultSettingsLines("0")));
        const SightFileRead read = readSightFile(bytes);
        ASSERT_TRUE(read.Contents);
        EXPECT_TRUE(read.Contents->Sights.empty());
    }
    // Once a sight is read or stored, the log's count is written, even for
    // a single sight of zeros.
    SightLog read = clearedSightLog();
    applySightRecords({SightRecord{}}, read);
    EXPECT_TRUE(read.HoldsSights);
    EXPECT_EQ(sightRecordsOf(read).size(), 1u);
    SightLog none = startupSightLog();
    applySightRecords({}, none);
    EXPECT_FALSE(none.HoldsSights);
    EXPECT_TRUE(sightRecordsOf(none).empty());
}

TEST(SightFileWrite, EmptyValuesOfAClearedRowReadBackAsZeros) {
    SightFileContents c;
    c.Sights = {sightRecordOf(clearedSightLog(), 1)};
    ASSERT_TRUE(c.Sights[0].ValuesEmpty);
    const std::string bytes = writeSightFile(c);
    std::vector<std::string> lines = defaultSettingsLines("1");
    lines.resize(lines.size() + 19);  // an empty note and 18 empty values
    EXPECT_EQ(bytes, joinLines(lines));

    const SightFileRead read = readSightFile(bytes);
    ASSERT_TRUE(read.Contents);
    ASSERT_EQ(read.Contents->Sights.size(), 1u);
    const SightRecord& sight = read.Contents->Sights[0];
    EXPECT_EQ(sight.Note, "");
    EXPECT_FALSE(sight.ValuesEmpty);
    for (int f = 1; f <= 18; ++f) {
        EXPECT_EQ(sight.Fields[f], 0.0);
    }

    // Once read, the log holds numbers: the next save writes "0" lines.
    SightLog log = clearedSightLog();
    applySightRecords(read.Contents->Sights, log);
    EXPECT_FALSE(log.RowEmpty[1]);
    EXPECT_FALSE(sightRecordOf(log, 1).ValuesEmpty);
}

TEST(SightFileWrite, AStoredSightInAClearedRowIsWrittenAsNumbers) {
    SightLog log = clearedSightLog();
    log.SightData[1][reduction::kFieldIncluded] = 1;  // RowEmpty[1] left set
    const SightRecord sight = sightRecordOf(log, 1);
    EXPECT_FALSE(sight.ValuesEmpty);
    SightFileContents c;
    c.Sights = {sight};
    const std::string bytes = writeSightFile(c);
    EXPECT_NE(bytes.find("\r\n\r\n0\r\n1\r\n0\r\n"), std::string::npos);
}

TEST(SightFileWrite, TextsAreWrittenAsTheyWillReadBack) {
    SightFileContents c = smallContents();
    c.Leg.Speed = "6,5";  // a decimal comma
    c.Sights[0].Note = "two\r\nlines, one note";
    c.Sights[1].Note = "\r\n ,\t indented, note ";  // leading blanks would not read back
    c.General.DeltaT = "  67.6";
    const std::string bytes = writeSightFile(c);
    std::vector<std::string> lines = smallFileLines();
    lines[4] = "6 5";
    lines[30] = "two  lines  one note";
    lines[49] = "indented  note ";
    EXPECT_EQ(bytes, joinLines(lines));
    // The caller's text keeps its commas.
    EXPECT_EQ(c.Leg.Speed, "6,5");
}

// Expected texts: worked by hand from the number text rule (15 significant
// digits, plain decimal).
TEST(SightFileWrite, NumbersKeepFifteenSignificantDigits) {
    SightFileContents c;
    SightRecord sight;
    sight.Fields[reduction::kFieldGHA] = 0.12345678901234567;
    sight.Fields[reduction::kFieldDec] = -0.0;
    sight.Fields[reduction::kFieldSD] = 0.0000001;
    sight.Fields[reduction::kFieldHP] = 0.1 + 0.2;
    c.Sights = {sight};
    const SightFileRead read = readSightFile(writeSightFile(c));
    ASSERT_TRUE(read.Contents);
    const SightRecord& back = read.Contents->Sights[0];
    EXPECT_EQ(back.Fields[reduction::kFieldGHA], 0.123456789012346);
    EXPECT_EQ(back.Fields[reduction::kFieldDec], 0.0);
    EXPECT_FALSE(std::signbit(back.Fields[reduction::kFieldDec]));
    EXPECT_EQ(back.Fields[reduction::kFieldSD], 0.0000001);
    EXPECT_EQ(back.Fields[reduction::kFieldHP], 0.3);
    EXPECT_NE(writeSightFile(c).find("\r\n0.0000001\r\n"), std::string::npos);
}

// Expected values: the numbers as the file's texts spell them.
TEST(SightFileRead, ReadsTheFileItWasGiven) {
    const SightFileRead read = readSightFile(joinLines(smallFileLines()));
    ASSERT_TRUE(read.Contents);
    EXPECT_EQ(read.Message, "");
    SightFileContents expected = smallContents();
    expected.Leg.Notes = "Leg 4  Bermuda to Azores";
    expected.Sights[0].Note = "Sun LL  23\xC2\xB0";
    expected.Sights[1].Fields[reduction::kFieldHsMinutes] = 0.333333333333333;
    EXPECT_EQ(read.Contents->Leg, expected.Leg);
    EXPECT_EQ(read.Contents->General, expected.General);
    EXPECT_EQ(*read.Contents, expected);
    EXPECT_FALSE(read.SelectSouth);
    EXPECT_TRUE(read.SelectWest);
}

// 25 sights with notes, then save, reopen, save again: the same bytes.
SightLog fullLog() {
    SightLog log = startupSightLog();
    log.SightCount = 25;
    const char* const notes[] = {
        "Sun, lower limb",
        "",
        "Moon UL 23\xC2\xB0 41.5'",
        "Vega, Deneb, Altair",
        "  leading blanks",
        "trailing blanks  ",
        "caf\xC3\xA9 \xE2\x82\xAC 5",
        "type notes here",
    };
    const double awkwardValues[] = {0.1,        1.0 / 3.0, -2.5,          -0.25,
                                    359.999999, 1e-7,      123456789.125, 0};
    for (int i = 1; i <= 25; ++i) {
        log.SightNotes[i] = notes[(i - 1) % std::size(notes)];
        for (int f = 1; f <= 18; ++f) {
            const double base = (i * 19 + f * 7) / 8.0;
            log.SightData[i][f] = (i + f) % 3 == 0
                                      ? awkwardValues[(i + f) % std::size(awkwardValues)]
                                      : ((i + f) % 2 == 0 ? base : -base);
        }
    }
    return log;
}

TEST(SightFileRoundTrip, SaveReopenSaveGivesTheSameBytes) {
    SightFileContents first = smallContents();
    first.Leg.Notes = "commas, and a degree 12\xC2\xB0";
    first.Leg.EyeHeightMetres = true;
    first.Leg.EyeHeightFeet = false;
    first.Leg.LastFixNorth = false;
    first.Leg.LastFixEast = true;
    first.Sights = sightRecordsOf(fullLog());
    ASSERT_EQ(first.Sights.size(), 25u);
    const std::string saved = writeSightFile(first);
    EXPECT_NE(saved.find("commas  and a degree 12\xB0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nSun  lower limb\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n0.333333333333333\r\n"), std::string::npos);

    CallerState state;
    openInto(saved, state);
    EXPECT_EQ(state.Log.SightCount, 25);
    EXPECT_EQ(state.Log.SightNotes[1], "Sun  lower limb");
    EXPECT_EQ(state.Log.SightNotes[2], "");
    EXPECT_EQ(state.Log.SightNotes[3], "Moon UL 23\xC2\xB0 41.5'");
    EXPECT_EQ(state.Log.SightNotes[5], "leading blanks");
    EXPECT_EQ(state.Log.SightNotes[6], "trailing blanks  ");
    EXPECT_EQ(state.Log.SightNotes[7], "caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(state.Leg.Notes, "commas  and a degree 12\xC2\xB0");
    EXPECT_FALSE(state.Leg.LastFixNorth);
    EXPECT_TRUE(state.Leg.LastFixEast);
    EXPECT_TRUE(state.Leg.EyeHeightMetres);

    // Every value that the general text holds exactly comes back exactly.
    const SightLog original = fullLog();
    for (int i = 1; i <= 25; ++i) {
        for (int f = 1; f <= 18; ++f) {
            const double want = original.SightData[i][f] == 1.0 / 3.0 ? 0.333333333333333
                                                                      : original.SightData[i][f];
            EXPECT_EQ(state.Log.SightData[i][f], want) << i << "," << f;
        }
    }

    SightFileContents second;
    second.Leg = state.Leg;
    second.General = state.General;
    second.Sights = sightRecordsOf(state.Log);
    EXPECT_EQ(writeSightFile(second), saved);
}

// An empty folder of this process for files on the disk.
fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / (name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(SightFileRoundTrip, ThroughTheDisk) {
    const fs::path folder = freshFolder("sight_file_test");
    ASSERT_TRUE(fs::is_directory(folder));
    const fs::path file = folder / "passage.NAV";
    {
        std::ofstream old(file, std::ios::binary);
        old << "an older file";
    }

    SightFileContents c = smallContents();
    c.Sights = sightRecordsOf(fullLog());
    const platform::SaveResult saved = saveSightFile(file, c);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(saved.message, "");
    std::ifstream in(file, std::ios::binary);
    const std::string onDisk((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, writeSightFile(c));

    const SightFileRead read = openSightFile(file);
    ASSERT_TRUE(read.Contents);
    EXPECT_EQ(writeSightFile(*read.Contents), onDisk);

    // Saving into a folder that does not exist fails and says so.
    const platform::SaveResult failed = saveSightFile(folder / "missing" / "x.NAV", c);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message, "");
    // Saving over a folder fails and leaves the folder.
    const platform::SaveResult overFolder = saveSightFile(folder, c);
    EXPECT_FALSE(overFolder.ok);
    EXPECT_TRUE(fs::is_directory(folder));

    // A missing file and a folder are unreadable data files.
    for (const fs::path& bad : {folder / "none.NAV", folder}) {
        const SightFileRead r = openSightFile(bad);
        EXPECT_FALSE(r.Contents) << bad;
        EXPECT_EQ(r.Message, kBadMessage) << bad;
    }
    fs::remove_all(folder);
}

// Items that read as something other than their text suggests.
TEST(SightFileRead, ValueLinesReadTheirLeadingNumber) {
    struct Case {
        const char* item;
        double value;
    };
    const Case cases[] = {
        {"", 0},     {"abc", 0}, {"12.5xyz", 12.5}, {"  -3.25", -3.25}, {"-0", 0},   {"1e5", 1},
        {".5", 0.5}, {"+7", 7},  {"12,5", 12},      {"-", 0},           {"0x1A", 0}, {"\xB0", 0},
        {"inf", 0},  {"nan", 0}, {"45 30", 45},     {"1.", 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = smallFileLines();
        lines[30 + 14] = c.item;  // sight 1, field 14 (GHA)
        const SightFileRead read = readSightFile(joinLines(lines));
        ASSERT_TRUE(read.Contents) << c.item;
        const SightRecord& sight = read.Contents->Sights[0];
        EXPECT_EQ(sight.Fields[reduction::kFieldGHA], c.value) << c.item;
        if (c.value == 0) {
            EXPECT_FALSE(std::signbit(sight.Fields[reduction::kFieldGHA])) << c.item;
        }
        // The next value is the next line's, whatever this line held.
        EXPECT_EQ(sight.Fields[reduction::kFieldDec], 23.25) << c.item;
    }
}

TEST(SightFileRead, ObjectIndexOutsideTheListStaysAsRead) {
    const struct {
        const char* item;
        double value;
    } cases[] = {{"64", 64}, {"-1", -1}, {"2.5", 2.5}, {"Sirius", 0}, {"40000", 40000}};
    for (const auto& c : cases) {
        std::vector<std::string> lines = smallFileLines();
        lines[30 + 18] = c.item;
        CallerState state;
        openInto(joinLines(lines), state);
        EXPECT_EQ(state.Log.SightData[1][reduction::kFieldObjectIndex], c.value) << c.item;
        EXPECT_EQ(state.Log.SightCount, 2) << c.item;
    }
}

TEST(SightFileRead, OptionItemsAreTruthValues) {
    struct Case {
        const char* item;
        bool state;
        bool exactFalse;
    };
    const Case cases[] = {
        {"True", true, false},    {"False", false, true},   {"TRUE", true, false},
        {"false", false, false},  {"fALSE", false, false},  {"1", true, false},
        {"0", false, false},      {"-1", true, false},      {"0.5", true, false},
        {"  False", false, true}, {"False,x", false, true}, {"True ", true, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = smallFileLines();
        lines[22] = c.item;  // line 23, North
        lines[23] = c.item;  // line 24, East
        lines[6] = c.item;   // line 7, feet
        lines[7] = c.item;   // line 8, metres
        const SightFileRead read = readSightFile(joinLines(lines));
        ASSERT_TRUE(read.Contents) << c.item;
        EXPECT_EQ(read.Contents->Leg.LastFixNorth, c.state) << c.item;
        EXPECT_EQ(read.Contents->Leg.LastFixEast, c.state) << c.item;
        EXPECT_EQ(read.Contents->Leg.EyeHeightFeet, c.state) << c.item;
        EXPECT_EQ(read.Contents->Leg.EyeHeightMetres, c.state) << c.item;
        EXPECT_EQ(read.SelectSouth, c.exactFalse) << c.item;
        EXPECT_EQ(read.SelectWest, c.exactFalse) << c.item;
    }
    // North and East apart: each item answers for its own option pair.
    std::vector<std::string> lines = smallFileLines();
    lines[22] = "False";
    lines[23] = "True";
    const SightFileRead read = readSightFile(joinLines(lines));
    ASSERT_TRUE(read.Contents);
    EXPECT_TRUE(read.SelectSouth);
    EXPECT_FALSE(read.SelectWest);
}

TEST(SightFileRead, TextItemsAsTheyStand) {
    std::vector<std::string> lines = smallFileLines();
    lines[2] = "  notes with blanks  ";
    lines[4] = "6,5";                 // speed with a decimal comma
    lines[5] = "3 m";                 // eye height
    lines[26] = "June";               // month as a word: the file takes it
    lines[30] = "23\xB0 41.5' \x80";  // note in Windows-1252
    const SightFileRead read = readSightFile(joinLines(lines));
    ASSERT_TRUE(read.Contents);
    EXPECT_EQ(read.Contents->Leg.Notes, "notes with blanks  ");
    EXPECT_EQ(read.Contents->Leg.Speed, "6");
    EXPECT_EQ(read.Contents->Leg.EyeHeight, "3 m");
    EXPECT_EQ(read.Contents->Leg.LastFixMonth, "June");
    EXPECT_EQ(read.Contents->Sights[0].Note, "23\xC2\xB0 41.5' \xE2\x82\xAC");
}

TEST(SightFileRead, AcceptedFileShapes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t sights;
    };
    std::vector<std::string> lines = smallFileLines();
    std::string lfOnly;
    for (const std::string& line : lines) {
        lfOnly += line + "\n";
    }
    std::string noFinalLineEnd = joinLines(lines);
    noFinalLineEnd.resize(noFinalLineEnd.size() - 2);

    auto with = [&](std::size_t index, const std::string& item) {
        std::vector<std::string> changed = lines;
        changed[index] = item;
        return joinLines(changed);
    };
    std::vector<std::string> noSights(lines.begin(), lines.begin() + 30);
    noSights[1] = "0";
    std::vector<std::string> oneSight(lines.begin(), lines.begin() + 49);
    oneSight[1] = "1";

    const Case cases[] = {
        {"as written", joinLines(lines), 2},
        {"LF line ends", lfOnly, 2},
        {"no line end after the last value", noFinalLineEnd, 2},
        {"lines after the last sight", joinLines(lines) + "extra\r\nlines,here\r\n", 2},
        {"header after blanks", with(0, "  CelestialNavigationKestlow2"), 2},
        {"header before a comma", with(0, "CelestialNavigationKestlow2,more"), 2},
        {"count with blanks", with(1, " 2 "), 2},
        {"count 2.0", with(1, "2.0"), 2},
        {"count +2", with(1, "+2"), 2},
        {"count 1 of two sights", with(1, "1"), 1},
        {"count 0", joinLines(noSights), 0},
        {"count 1", joinLines(oneSight), 1},
    };
    for (const Case& c : cases) {
        const SightFileRead read = readSightFile(c.bytes);
        ASSERT_TRUE(read.Contents) << c.name;
        EXPECT_EQ(read.Contents->Sights.size(), c.sights) << c.name;
        EXPECT_EQ(read.Contents->General.DeltaT, "67.6") << c.name;
    }
}

TEST(SightFileRead, ReadingFewerSightsKeepsTheRowsAbove) {
    std::vector<std::string> lines = smallFileLines();
    lines.resize(49);
    lines[1] = "1";
    CallerState state = busyCaller();
    openInto(joinLines(lines), state);
    EXPECT_EQ(state.Log.SightCount, 1);
    EXPECT_EQ(state.Log.SightNotes[1], "Sun LL  23\xC2\xB0");
    EXPECT_EQ(state.Log.SightData[1][reduction::kFieldGHA], 254.123456);
    EXPECT_EQ(state.Log.SightNotes[2], "sight 2");
    EXPECT_EQ(state.Log.SightData[3][reduction::kFieldObjectIndex], 318);

    // A file with no sight sets the count to 0 and keeps every row.
    std::vector<std::string> none(lines.begin(), lines.begin() + 30);
    none[1] = "0";
    openInto(joinLines(none), state);
    EXPECT_EQ(state.Log.SightCount, 0);
    EXPECT_EQ(state.Log.SightNotes[1], "Sun LL  23\xC2\xB0");
    EXPECT_TRUE(sightRecordsOf(state.Log).empty());
}

TEST(SightFileRead, EveryBadFileGivesOneFailureAndNothingElse) {
    struct Case {
        std::string name;
        std::string bytes;
    };
    const std::vector<std::string> lines = smallFileLines();  // 68 lines
    auto with = [&](std::size_t index, const std::string& item) {
        std::vector<std::string> changed = lines;
        changed[index] = item;
        return joinLines(changed);
    };
    auto firstLines = [&](std::size_t n) {
        return joinLines(std::vector<std::string>(lines.begin(), lines.begin() + n));
    };
    std::vector<Case> cases = {
        {"empty file", ""},
        {"one empty line", "\r\n"},
        {"header only", "CelestialNavigationKestlow2\r\n"},
        {"header of an older file", with(0, "CelestialNavigationKestlow")},
        {"header in lower case", with(0, "celestialnavigationkestlow2")},
        {"header of the lunar file", with(0, "CelestialNavigationKestlowL")},
        {"header of the planner settings", with(0, "WendrelNavSettings")},
        {"header with a trailing blank", with(0, "CelestialNavigationKestlow2 ")},
        {"empty header line", with(0, "")},
        {"count 26", with(1, "26")},
        {"count -1", with(1, "-1")},
        {"count 2.5", with(1, "2.5")},
        {"count x", with(1, "x")},
        {"count empty", with(1, "")},
        {"count 2x", with(1, "2x")},
        {"count 1e1", with(1, "1e1")},
        {"count 3 with two sights", with(1, "3")},
        {"count 25 with two sights", with(1, "25")},
        {"feet not a truth value", with(6, "Yes")},
        {"metres empty", with(7, "")},
        {"North not a truth value", with(22, "N")},
        {"East not a truth value", with(23, "Westward")},
        {"garbage", std::string("\x00\xFF\xFE garbage\r\n\x01\x02\x03", 17)},
        {"binary without line ends", std::string(300, '\x7F')},
    };
    // 26 complete sights: only the count is wrong.
    std::vector<std::string> tooMany(lines.begin(), lines.begin() + 30);
    tooMany[1] = "26";
    for (int i = 0; i < 26; ++i) {
        tooMany.insert(tooMany.end(), lines.begin() + 30, lines.begin() + 49);
    }
    cases.push_back({"count 26 with 26 sights", joinLines(tooMany)});
    tooMany.resize(30 + 25 * 19);
    tooMany[1] = "25";
    EXPECT_TRUE(readSightFile(joinLines(tooMany)).Contents.has_value()) << "25 sights are good";
    for (const std::size_t n : {1u, 2u, 3u, 10u, 22u, 29u, 30u, 31u, 40u, 49u, 50u, 67u}) {
        cases.push_back({"first " + std::to_string(n) + " lines", firstLines(n)});
    }
    for (const Case& c : cases) {
        const SightFileRead read = readSightFile(c.bytes);
        EXPECT_FALSE(read.Contents.has_value()) << c.name;
        EXPECT_EQ(read.Message, kBadMessage) << c.name;
        EXPECT_FALSE(read.SelectSouth) << c.name;
        EXPECT_FALSE(read.SelectWest) << c.name;

        const CallerState before = busyCaller();
        CallerState state = before;
        openInto(c.bytes, state);
        EXPECT_TRUE(state == before) << c.name;
    }
    // The complete file is good, so each case above fails for its own reason.
    EXPECT_TRUE(readSightFile(joinLines(lines)).Contents.has_value());
}

// A text box holds 32,767 characters, a notes box too; no text of the file
// is ever cut to fit. A text that is longer makes the file bad.
TEST(SightFileRead, NoTextIsCutToATextBox) {
    const std::string atLimit(32767, '7');
    const std::string beyond(32768, '8');
    const std::vector<std::string> lines = smallFileLines();
    // Every single-line text of the leg and the settings (lines 4 to 30
    // without the option items).
    for (std::size_t index = 3; index < 30; ++index) {
        if (index == 6 || index == 7 || index == 22 || index == 23) {
            continue;
        }
        std::vector<std::string> changed = lines;
        changed[index] = atLimit;
        const SightFileRead whole = readSightFile(joinLines(changed));
        ASSERT_TRUE(whole.Contents) << "line " << index + 1;
        EXPECT_EQ(writeSightFile(*whole.Contents), joinLines(changed)) << "line " << index + 1;

        changed[index] = beyond;
        const SightFileRead read = readSightFile(joinLines(changed));
        EXPECT_FALSE(read.Contents) << "line " << index + 1;
        EXPECT_EQ(read.Message, kBadMessage) << "line " << index + 1;
    }
    // Leg notes (line 3) and a sight's notes (line 31) at the limit read back
    // whole; one character more makes the file bad.
    for (const std::size_t index : {std::size_t{2}, std::size_t{30}}) {
        std::vector<std::string> changed = lines;
        changed[index] = atLimit;
        const SightFileRead whole = readSightFile(joinLines(changed));
        ASSERT_TRUE(whole.Contents) << "line " << index + 1;
        EXPECT_EQ(writeSightFile(*whole.Contents), joinLines(changed)) << "line " << index + 1;

        changed[index] = beyond;
        const SightFileRead read = readSightFile(joinLines(changed));
        EXPECT_FALSE(read.Contents) << "line " << index + 1;
        EXPECT_EQ(read.Message, kBadMessage) << "line " << index + 1;
    }
}

// A good file followed by 63 MiB of empty lines opens at once, its memory
// near the size of what it holds: the reader stops after the last sight.
TEST(SightFileRead, AFileIsReadOnlyAsFarAsItsItems) {
    const fs::path folder = freshFolder("sight_file_long");
    ASSERT_TRUE(fs::is_directory(folder));
    const fs::path file = folder / "long.NAV";
    const std::string good = joinLines(smallFileLines());
    {
        std::ofstream out(file, std::ios::binary);
        out << good;
        const std::string emptyLines(1 << 20, '\n');
        for (int i = 0; i < 63; ++i) {
            out << emptyLines;
        }
    }
    allocation::resetPeak();
    const std::size_t before = allocation::held;
    const SightFileRead read = openSightFile(file);
    const std::size_t peak = allocation::peak - before;
    ASSERT_TRUE(read.Contents);
    EXPECT_EQ(writeSightFile(*read.Contents), good);
    // One 64 KiB chunk of the file and the contents; the whole file is 63 MiB.
    EXPECT_LT(peak, 256u * 1024) << "peak of " << peak << " bytes";
    fs::remove_all(folder);
}

TEST(SightFileLog, RecordsOfTheLogFollowItsCount) {
    SightLog log = fullLog();
    log.SightCount = 3;
    const std::vector<SightRecord> sights = sightRecordsOf(log);
    ASSERT_EQ(sights.size(), 3u);
    EXPECT_EQ(sights[2].Note, log.SightNotes[3]);
    for (int f = 1; f <= 18; ++f) {
        EXPECT_EQ(sights[2].Fields[f], log.SightData[3][f]);
    }
    EXPECT_EQ(sights[2].Fields[0], 0.0);
    EXPECT_EQ(sightRecordOf(log, 0), SightRecord{});
    EXPECT_EQ(sightRecordOf(log, 26), SightRecord{});

    log.SightCount = 40;  // never more than the 25 rows
    EXPECT_EQ(sightRecordsOf(log).size(), 25u);
    log.SightCount = -2;
    EXPECT_TRUE(sightRecordsOf(log).empty());

    std::vector<SightRecord> many(30, sights[0]);
    SightLog target;
    applySightRecords(many, target);
    EXPECT_EQ(target.SightCount, 25);
}

}  // namespace
