// The almanac window tests' view of a picture: the print statements drawn
// into it, each line as it reads.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/picture.h"
#include "tests/almanac/almanac_test_support.h"
#include "tests/ui/ui_test_support.h"

namespace almanactest {

inline std::vector<std::string> printed(const platform::ui::Picture& picture) {
    return uitest::printedLines(picture);
}

}  // namespace almanactest
