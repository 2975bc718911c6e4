// The sight data file (".NAV"): the leg settings of the main window, the
// general settings of the settings window and the whole sight log, one item
// a line. Reading takes and checks the whole file before anything is
// returned, so the windows and the log change only when the file is good.
//
// Lines: 1 the header, 2 the sight count N (0 to 25), 3 to 30 the settings
// in the order of writeSightFile, then per sight a note line and the 18
// value lines of fields 1 to 18.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_check.h"
#include "platform/numtext.h"
#include "platform/seqfile.h"
#include "reduction/sight_log.h"

namespace reduction {

inline constexpr std::string_view kSightFileHeader = "CelestialNavigationKestlow2";
// What the navigator is told about any file that cannot be read.
inline constexpr std::string_view kBadSightFileMessage =
    "Unreadable Data File. Possible Bad Format";

// The main window's fields for the current leg, as the fields hold them:
// texts as typed, option buttons as their states. Defaults are the window's
// design defaults.
struct LegSettings {
    std::string Notes = "Type Notes Here (no commas!)";  // Text112
    std::string Course = "0";                            // Text8, degrees true
    std::string Speed = "0";                             // Text2, knots
    std::string EyeHeight = "2.75";                      // Text3
    bool EyeHeightMetres = true;                         // Option5 "m"
    bool EyeHeightFeet = false;                          // Option6 "ft"
    std::string PlottingScale = "25";                    // Text1, n.mi.
    std::string LastFixLatDegrees;                       // Text113
    std::string LastFixLatMinutes;                       // Text6
    bool LastFixNorth = true;                            // Option1 (Option2 is South)
    std::string LastFixLonDegrees;                       // Text114
    std::string LastFixLonMinutes;                       // Text7
    bool LastFixEast = false;                            // Option4 (Option3 is West)
    std::string LastFixHour;                             // Text9
    std::string LastFixMinutes;                          // Text111
    std::string LastFixDay;                              // Text10
    std::string LastFixMonth;                            // Text14
    std::string LastFixYear;                             // Text15
    std::string NewFixHour;                              // Text12
    std::string NewFixMinutes;                           // Text11
    std::string NewFixDay;                               // Text13
    std::string NewFixMonth;                             // Text16
    std::string NewFixYear;                              // Text17
};

// The settings window's fields, as texts; defaults are its design defaults,
// and the time zone is the computer's own offset from UT when it is made.
struct GeneralSettings {
    std::string DeltaT = "67.0";                // Text1, seconds
    std::string ChronometerCorrection = "0.0";  // Text108, seconds
    std::string TimeZone =                      // Text2, hours, west positive
        platform::generalText(platform::computerZoneHours());
    std::string AirTemperature = "15";  // Text4, deg C
    std::string Pressure = "1010";      // Text5, millibars
};

// One sight: its note and its 18 numbers.
struct SightRecord {
    std::string Note;
    // Fields[f] = field f (kFieldLimb to kFieldObjectIndex); Fields[0] unused.
    std::array<double, kSightFieldCount + 1> Fields{};
    // The values are written as empty lines (a row that Clear All Data left
    // empty); they read back as 0.
    bool ValuesEmpty = false;
};

struct SightFileContents {
    LegSettings Leg;
    GeneralSettings General;
    // The sights 1 to N of the log; N is the file's sight count.
    std::vector<SightRecord> Sights;
};

struct SightFileRead {
    // No value when the file is bad: nothing of it is to be applied.
    std::optional<SightFileContents> Contents;
    // kBadSightFileMessage when there are no contents, else empty.
    std::string Message;
    // Line 23 (last fix North) or line 24 (last fix East) read exactly
    // "False": the window then also selects South (Option2) or West
    // (Option3). Any other false item only clears North or East.
    bool SelectSouth = false;
    bool SelectWest = false;
};

bool operator==(const LegSettings& a, const LegSettings& b);
bool operator!=(const LegSettings& a, const LegSettings& b);
bool operator==(const GeneralSettings& a, const GeneralSettings& b);
bool operator!=(const GeneralSettings& a, const GeneralSettings& b);
bool operator==(const SightRecord& a, const SightRecord& b);
bool operator!=(const SightRecord& a, const SightRecord& b);
bool operator==(const SightFileContents& a, const SightFileContents& b);
bool operator!=(const SightFileContents& a, const SightFileContents& b);

// The file's bytes: Windows-1252, CRLF line ends. Texts are written as they
// stand except that commas, CR and LF become blanks; numbers as their general
// text; option states as "True"/"False". Nothing is checked: a contents with
// more than 25 sights gives a file that the reader refuses.
std::string writeSightFile(const SightFileContents& contents);

// Reads and checks a whole file. It is bad when it is empty or shorter than
// its sight count asks, when the header is not exactly kSightFileHeader, when
// the sight count is not a whole number from 0 to 25, or when an option item
// is neither "True"/"False" (any letter case) nor a number, or when a text is
// longer than its box holds (kTextBoxMaxLength, the notes boxes as the
// single-line ones): no text is ever cut. Text items are
// taken as they stand (up to a comma, leading blanks skipped); sight values
// read as their leading number, so an empty or non-numeric item gives 0.
// Lines after the last sight are ignored, and a file is never read further.
SightFileRead readSightFile(std::string_view bytes);

// Writes the file through a temporary file beside FileName, renamed over it
// only when complete; a failed save leaves an existing file untouched.
platform::SaveResult saveSightFile(const std::filesystem::path& FileName,
                                   const SightFileContents& contents);

// Reads the file FileName; a file that cannot be opened or read is bad too.
SightFileRead openSightFile(const std::filesystem::path& FileName);

// Sight i (1 to 25) of the log; an empty record for any other i. The values
// count as empty when the row is marked empty and still holds only zeros.
SightRecord sightRecordOf(const SightLog& log, int i);

// Sights 1 to SightCount of the log (at most 25); none for a log that holds
// no sight (SightCount 1, nothing saved or read since the start or the last
// Clear All Data).
std::vector<SightRecord> sightRecordsOf(const SightLog& log);

// Puts sights read from a file into the log: SightCount = their number (at
// most 25), rows and notes 1 to SightCount replaced; rows above keep what
// they held.
void applySightRecords(const std::vector<SightRecord>& sights, SightLog& log);

}  // namespace reduction
