// The bytes of an item file as the program writes it: each line followed by
// CR LF.
#pragma once

#include <string>
#include <vector>

namespace filetest {

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace filetest
