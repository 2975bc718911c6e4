// The fixed texts of the report window: the help text of "HELP" and the
// information text of "INFO", one entry per list line, blanks included.
#pragma once

#include <string>
#include <vector>

namespace reduction {

// The first line of every fill of the report window: two blanks.
inline constexpr const char* kReportFirstLine = "  ";

// The 25 lines of the help text.
std::vector<std::string> helpTextLines();

// The 8 lines of the information text.
std::vector<std::string> infoTextLines();

}  // namespace reduction
