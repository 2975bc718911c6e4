// What the almanac tests share: computed print statements as they read, and
// the instant most of them type.
#pragma once

#include <string>
#include <vector>

#include "almanac/perpetual_almanac.h"
#include "platform/print_items.h"

namespace almanactest {

inline std::vector<std::string> texts(const std::vector<platform::PrintLine>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        out.push_back(platform::printLineText(line));
    }
    return out;
}

// 2024 June 15, 14:23:17 UT, Delta T 69.2 s, and the list entry.
inline almanac::AlmanacRequest june15Request(int ObjectIndex) {
    almanac::AlmanacRequest r;
    r.ObjectIndex = ObjectIndex;
    r.Year = 2024;
    r.Month = 6;
    r.Day = 15;
    r.Hour = 14;
    r.Minute = 23;
    r.Second = 17;
    r.DeltaT = 69.2;
    return r;
}

}  // namespace almanactest
