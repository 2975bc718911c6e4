// The almanac window tests' view of a picture: the print statements drawn
// into it, each line as it reads.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/picture.h"
#include "tests/almanac/almanac_test_support.h"

namespace almanactest {

inline std::vector<std::string> printed(const platform::ui::Picture& picture) {
    std::vector<std::string> lines;
    for (const platform::ui::DrawItem& item : picture.displayList()) {
        if (item.kind == platform::ui::DrawItem::Kind::Text) {
            lines.push_back(item.text);
        }
    }
    return lines;
}

}  // namespace almanactest
