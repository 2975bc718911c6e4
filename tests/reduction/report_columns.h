// Where the columns of a "Detailed Output" line end, for checks that every
// value row lines up under its heading.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace reportcolumns {

// The character position just after each "Sight n" of a heading, or after
// each number of a value line (the degree sign is two bytes and one
// character).
inline std::vector<std::size_t> columnEnds(const std::string& line) {
    std::vector<std::size_t> ends;
    std::size_t column = 0;
    bool lastWasDigit = false;
    for (const char ch : line) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80) {
            continue;  // the rest of a character
        }
        if (lastWasDigit && c == ' ') {
            ends.push_back(column);
        }
        lastWasDigit = c >= '0' && c <= '9';
        ++column;
    }
    if (lastWasDigit) {
        ends.push_back(column);
    }
    return ends;
}

}  // namespace reportcolumns
