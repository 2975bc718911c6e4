// The lunar-distance file (".LUN"): the lunar window's inputs, one item a
// line, 26 lines. Reading takes and checks the whole file before anything is
// returned, so the window changes only when the file is good.
//
// Lines: 1 the header, 2 the notes, 3 to 17 the number fields as typed (air
// temperature, pressure, latitude degrees and minutes, longitude degrees and
// minutes, distance degrees and minutes, year, month, day, UTC hour, minute,
// second, Delta T), 18 to 25 the option states "True"/"False" (North, South,
// West, East, Moon limb inner and outer, Sun limb outer and inner), 26 the
// chosen body's LunarTargetIndex (-1 for none). Every comma, CR and LF of a
// text becomes a blank on writing, so no item can shift the later ones.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/seqfile.h"

namespace lunar {

inline constexpr std::string_view kLunarFileHeader = "CelestialNavigationKestlowL";
inline constexpr std::string_view kBadLunarFileMessage =
    "Unreadable Data File. Possible Bad Format";
// The dialogs' filter; their title is the sight data file's "Data Files".
inline constexpr std::string_view kLunarFileFilter = "LUN Files (*.LUN)|*.LUN|All Files (*.*)";

// The window's inputs as the fields hold them; defaults are its design
// defaults.
struct LunarFileContents {
    std::string Notes = "Type notes here (no commas!)";  // Text21
    std::string AirTemperature = "10";                   // Text4, deg C
    std::string Pressure = "1010";                       // Text5, millibars
    std::string LatDegrees;                              // Text113
    std::string LatMinutes;                              // Text6
    std::string LonDegrees;                              // Text114
    std::string LonMinutes;                              // Text7
    std::string DistanceDegrees;                         // Text2
    std::string DistanceMinutes;                         // Text3
    std::string Year;                                    // Text15
    std::string Month;                                   // Text14
    std::string Day;                                     // Text13
    std::string Hour;                                    // Text12, UTC
    std::string Minute;                                  // Text17
    std::string Second;                                  // Text8
    std::string DeltaT = "67.0";                         // Text11, seconds
    bool North = true;                                   // Option1
    bool South = false;                                  // Option2
    bool West = true;                                    // Option3
    bool East = false;                                   // Option4
    bool MoonInner = true;                               // Option5
    bool MoonOuter = false;                              // Option6
    bool SunOuter = false;                               // Option7
    bool SunInner = true;                                // Option8
    int Body = 0;  // List1 selection: LunarTargetIndex, -1 none
};

bool operator==(const LunarFileContents& a, const LunarFileContents& b);
bool operator!=(const LunarFileContents& a, const LunarFileContents& b);

enum class LunarFileStatus {
    Good,         // Contents hold the file
    WrongHeader,  // not a lunar-distance file: nothing changes, nothing is said
    Bad,          // kBadLunarFileMessage; nothing changes
};

struct LunarFileRead {
    LunarFileStatus Status = LunarFileStatus::Bad;
    std::optional<LunarFileContents> Contents;  // only when Good
};

// The file's bytes: Windows-1252, CRLF line ends.
std::string writeLunarFile(const LunarFileContents& contents);

// Reads and checks a whole file. The first item must be exactly
// kLunarFileHeader (else WrongHeader). It is bad when it cannot be read, ends
// before line 26, an option item is neither "True"/"False" (any letter case)
// nor a number (not 0 is true), or the body item is not a whole number from
// -1 to 62, or a text is longer than its box holds (platform::kTextBoxMaxLength,
// the notes as the one-line fields). Texts are
// taken as they stand (up to a comma, leading blanks skipped); lines after
// the 26th are ignored.
LunarFileRead readLunarFile(std::string_view bytes);

// Writes the file through a temporary file beside FileName, renamed over it
// only when complete; a failed save leaves an existing file untouched.
platform::SaveResult saveLunarFile(const std::filesystem::path& FileName,
                                   const LunarFileContents& contents);

// Reads the file FileName; a file that cannot be opened or read is bad.
LunarFileRead openLunarFile(const std::filesystem::path& FileName);

}  // namespace lunar
