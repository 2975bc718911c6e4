// The planner settings file "WendrelNav.nv1": the navigator's usual observing
// place and a few planner options, one item a line after the header
// "WendrelNavSettings". It is read once at start-up and written by the
// planner's "Remember these settings as my default"; after either the
// planner's time zone and Delta T are handed on to the settings and almanac
// windows.
//
// Lines: 1 header; 2 latitude minutes; 3 longitude minutes; 4 Delta T;
// 5 how many stars; 6 time zone (hours, west positive); 7 latitude degrees;
// 8 longitude degrees; 9 to 12 the options N, S, W, E as "True"/"False";
// 13 "Show lunar parallax" and 14 "Daylight savings time now?" as 0 or 1.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/seqfile.h"

namespace planner {

inline constexpr std::string_view kPlannerSettingsHeader = "WendrelNavSettings";
// The file's name, in the program's working directory.
inline constexpr const char* kPlannerSettingsFileName = "WendrelNav.nv1";
inline constexpr const char* kSettingsReadProblem = "Problem reading settings file";
inline constexpr const char* kSettingsWriteProblem = "Problem writing settings file";

// The number of items after the header.
inline constexpr int kPlannerSettingsItems = 13;

// The planner's remembered fields, as the fields hold them; in file order.
struct PlannerSettings {
    std::string LatMinutes;  // Text6
    std::string LonMinutes;  // Text7
    std::string DeltaT;      // Text8, seconds
    std::string StarCount;   // Text9
    std::string TimeZone;    // Text10, hours, west positive
    std::string LatDegrees;  // Text113
    std::string LonDegrees;  // Text114
    bool North = false;      // Option1
    bool South = false;      // Option2
    bool West = false;       // Option3
    bool East = false;       // Option4
    int ShowParallax = 0;    // Check2: 0 clear, 1 ticked (2 greyed)
    int DaylightSaving = 0;  // Check3

    friend bool operator==(const PlannerSettings& a, const PlannerSettings& b);
    friend bool operator!=(const PlannerSettings& a, const PlannerSettings& b) { return !(a == b); }
};

// The file's bytes: Windows-1252, CRLF line ends; commas, CR and LF in the
// texts become blanks, so no item can shift the ones after it.
std::string writePlannerSettings(const PlannerSettings& settings);

// Writes the file through a temporary file beside it, renamed over it only
// when complete: a failed write leaves an existing file whole.
platform::SaveResult savePlannerSettings(const std::filesystem::path& file,
                                         const PlannerSettings& settings);

struct PlannerSettingsRead {
    enum class Outcome {
        Read,         // all 13 items read
        WrongHeader,  // line 1 is not the header: nothing to apply, no message
        Problem,      // missing file or a bad item: ItemsRead items to apply
    };
    Outcome outcome = Outcome::Problem;
    // The items read before any problem, in file order: item k of the 13
    // (1 = latitude minutes) is valid when k <= ItemsRead.
    PlannerSettings values;
    int ItemsRead = 0;
};

// Reads items until the first problem: the file ends before item 14, a text
// item is longer than a one-line box holds (platform::kTextBoxMaxLength), an
// option item is not a truth value ("True"/"False" in any letter case, or a
// number), or a check-box item is not a whole number from 0 to 2.
PlannerSettingsRead readPlannerSettings(std::string_view bytes);

// The same from a file; a file that cannot be opened or read is a problem
// with no item read.
PlannerSettingsRead openPlannerSettings(const std::filesystem::path& file);

// The settings window's time zone: the planner zone's leading number, less
// 1 when daylight saving is ticked (value 1), as its general text.
std::string handedOnTimeZone(std::string_view zoneText, int daylightSaving);

}  // namespace planner
