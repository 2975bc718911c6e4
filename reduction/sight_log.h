// The sight log: up to 25 sights, each a note and 18 numbers, kept for the
// life of the program; and the two text helpers of the program's files.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace reduction {

// The most sights the log holds (rows 1 to 25).
constexpr int kMaxSights = 25;
// Rows and columns 0 to 25 of SightData; row 0, column 0 and columns 19 to
// 25 exist and are never used.
constexpr int kSightLogSize = 26;
// Numbers of a sight: SightRecord fields 1 to 18.
constexpr int kSightFieldCount = 18;

// SightRecord field numbers: the column of SightData and the order of a
// sight's value lines in the sight data file.
constexpr int kFieldLimb = 1;      // -1 upper, 1 lower, 0 centre
constexpr int kFieldIncluded = 2;  // 1 used in the fix, 0 not
constexpr int kFieldHorizon = 3;   // 1 sea, 0 reflective artificial, 2 bubble
constexpr int kFieldUTHour = 4;    // watch reading, UT
constexpr int kFieldUTMinute = 5;
constexpr int kFieldUTSecond = 6;  // chronometer correction not included
constexpr int kFieldUTDay = 7;
constexpr int kFieldUTMonth = 8;
constexpr int kFieldUTYear = 9;
constexpr int kFieldHsDegrees = 10;       // sextant altitude, whole degrees
constexpr int kFieldHsMinutes = 11;       // sextant altitude, arc minutes
constexpr int kFieldIndexError = 12;      // arc minutes, never negative
constexpr int kFieldIndexErrorSide = 13;  // -1 on scale (subtracted), 1 off scale (added)
constexpr int kFieldGHA = 14;             // degrees
constexpr int kFieldDec = 15;             // degrees, north positive
constexpr int kFieldSD = 16;              // semi-diameter, arc minutes
constexpr int kFieldHP = 17;              // horizontal parallax, arc minutes
constexpr int kFieldObjectIndex = 18;     // 0 Sun, 1 Moon, 2..5 planets, 6..63 stars

// The note of every sight of the log at start-up.
inline constexpr std::string_view kStartupSightNote = "type notes here";

using SightTable = std::array<std::array<double, kSightLogSize>, kSightLogSize>;
using SightNoteList = std::array<std::string, kSightLogSize>;

SightNoteList startupSightNotes();

// A default SightLog is the log as the program starts: SightCount 1, every
// entry 0, notes 1 to 25 "type notes here".
struct SightLog {
    // Highest stored sight number, 0 to 25 (1 at start-up and after Clear
    // All Data, 0 after reading a file with no sight).
    int SightCount = 1;
    // SightData[i][f] = field f of sight i.
    SightTable SightData{};
    // SightNotes[i] = note of sight i; entry 0 is never used.
    SightNoteList SightNotes = startupSightNotes();
    // Rows whose entries Clear All Data left empty rather than 0. They read
    // and compare as 0; the sight data file writes an empty line for each of
    // their values for as long as the row still holds only zeros. Storing a
    // sight into a row should set its flag false.
    std::array<bool, kSightLogSize> RowEmpty{};
    // Whether the log holds a sight: one saved with "Save Changes" or read
    // from a file since the start or the last Clear All Data. Without one,
    // the sight data file gets a count of 0 although SightCount is 1.
    bool HoldsSights = false;
};

// The rows 1 to n that a SightCount addresses: SightCount cut to 0..kMaxSights.
constexpr int reducibleSightCount(int SightCount) {
    return SightCount < 0 ? 0 : (SightCount > kMaxSights ? kMaxSights : SightCount);
}

bool operator==(const SightLog& a, const SightLog& b);
bool operator!=(const SightLog& a, const SightLog& b);

// The log as the program creates it at start-up.
SightLog startupSightLog();

// The log as Clear All Data creates it again: SightCount 1, every entry
// empty (reading 0), every note the empty text.
SightLog clearedSightLog();

// Result = Text with every "," replaced by one blank; the length is kept.
// Text and Result may be the same string.
void ReplaceCommas(const std::string& Text, std::string& Result);

// Name = the part of Path after its last folder separator ("\" or "/"); the
// whole Path when it has none; the empty text when Path ends with one.
void StripPath(const std::string& Path, std::string& Name);

}  // namespace reduction
