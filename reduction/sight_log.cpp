#include "reduction/sight_log.h"

#include <utility>

namespace reduction {

SightNoteList startupSightNotes() {
    SightNoteList notes;
    for (int i = 1; i <= kMaxSights; ++i) {
        notes[i] = std::string(kStartupSightNote);
    }
    return notes;
}

bool operator==(const SightLog& a, const SightLog& b) {
    return a.SightCount == b.SightCount && a.SightData == b.SightData &&
           a.SightNotes == b.SightNotes && a.RowEmpty == b.RowEmpty &&
           a.HoldsSights == b.HoldsSights;
}

bool operator!=(const SightLog& a, const SightLog& b) {
    return !(a == b);
}

SightLog startupSightLog() {
    return SightLog{};
}

SightLog clearedSightLog() {
    SightLog log;
    log.SightCount = 1;
    log.SightData = SightTable{};
    log.SightNotes = SightNoteList{};
    for (int i = 1; i <= kMaxSights; ++i) {
        log.RowEmpty[i] = true;
    }
    return log;
}

void ReplaceCommas(const std::string& Text, std::string& Result) {
    std::string copy = Text;
    for (char& c : copy) {
        if (c == ',') {
            c = ' ';
        }
    }
    Result = std::move(copy);
}

void StripPath(const std::string& Path, std::string& Name) {
    const std::size_t separator = Path.find_last_of("\\/");
    Name = separator == std::string::npos ? Path : Path.substr(separator + 1);
}

}  // namespace reduction
