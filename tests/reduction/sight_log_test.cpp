// The sight log at start-up and after Clear All Data, the field numbers of a
// sight, and the comma and path helpers of the program's files.
// Expected values: the field numbers and texts as the sight record defines
// them.
#include <gtest/gtest.h>

#include <string>

#include "reduction/sight_log.h"

namespace {

using reduction::clearedSightLog;
using reduction::ReplaceCommas;
using reduction::SightLog;
using reduction::startupSightLog;
using reduction::StripPath;

TEST(SightLog, StartupHoldsOneZeroSightAndDefaultNotes) {
    const SightLog log = startupSightLog();
    EXPECT_EQ(log.SightCount, 1);
    for (int i = 0; i <= 25; ++i) {
        for (int f = 0; f <= 25; ++f) {
            EXPECT_EQ(log.SightData[i][f], 0.0) << i << "," << f;
        }
        EXPECT_FALSE(log.RowEmpty[i]) << i;
    }
    EXPECT_EQ(log.SightNotes[0], "");
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(log.SightNotes[i], "type notes here") << i;
    }
    EXPECT_EQ(SightLog{}, log);
}

TEST(SightLog, ClearAllLeavesEveryEntryEmpty) {
    SightLog log = startupSightLog();
    log.SightCount = 7;
    log.SightData[3][reduction::kFieldGHA] = 123.456;
    log.SightNotes[3] = "Vega";

    log = clearedSightLog();
    EXPECT_EQ(log.SightCount, 1);
    for (int i = 0; i <= 25; ++i) {
        for (int f = 0; f <= 25; ++f) {
            EXPECT_EQ(log.SightData[i][f], 0.0) << i << "," << f;
        }
        EXPECT_EQ(log.SightNotes[i], "") << i;
        EXPECT_EQ(log.RowEmpty[i], i >= 1) << i;
    }
    // Clearing twice gives the same log as clearing once.
    EXPECT_EQ(clearedSightLog(), log);
    EXPECT_NE(startupSightLog(), log);
}

TEST(SightLog, FieldNumbersFollowTheRecordOrder) {
    const int fields[] = {
        reduction::kFieldLimb,
        reduction::kFieldIncluded,
        reduction::kFieldHorizon,
        reduction::kFieldUTHour,
        reduction::kFieldUTMinute,
        reduction::kFieldUTSecond,
        reduction::kFieldUTDay,
        reduction::kFieldUTMonth,
        reduction::kFieldUTYear,
        reduction::kFieldHsDegrees,
        reduction::kFieldHsMinutes,
        reduction::kFieldIndexError,
        reduction::kFieldIndexErrorSide,
        reduction::kFieldGHA,
        reduction::kFieldDec,
        reduction::kFieldSD,
        reduction::kFieldHP,
        reduction::kFieldObjectIndex,
    };
    ASSERT_EQ(std::size(fields), static_cast<std::size_t>(reduction::kSightFieldCount));
    for (int k = 0; k < reduction::kSightFieldCount; ++k) {
        EXPECT_EQ(fields[k], k + 1);
    }
}

TEST(ReplaceCommas, EveryCommaBecomesOneBlank) {
    struct Case {
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {"", ""},
        {",,", "  "},
        {"no commas here", "no commas here"},
        {"Sun, lower limb", "Sun  lower limb"},  // comma and blank: two blanks
        {",start and end,", " start and end "},
        {"Hs 23\xC2\xB0,10.5'", "Hs 23\xC2\xB0 10.5'"},
    };
    for (const Case& c : cases) {
        std::string result = "previous";
        ReplaceCommas(c.text, result);
        EXPECT_EQ(result, c.result) << c.text;
        EXPECT_EQ(result.size(), std::string(c.text).size()) << c.text;
    }
}

TEST(ReplaceCommas, CleansAVariableInPlace) {
    std::string text = "a,b,,c";
    ReplaceCommas(text, text);
    EXPECT_EQ(text, "a b  c");
}

TEST(StripPath, KeepsTheNameAfterTheLastSeparator) {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Nav\\Passage 2014\\leg3.NAV", "leg3.NAV"},
        {"leg3.NAV", "leg3.NAV"},
        {"C:\\Nav\\", ""},
        {"", ""},
        {"\\", ""},
        {"/home/skipper/nav/leg3.NAV", "leg3.NAV"},  // "/" separates too
        {"/home/skipper/nav/", ""},
        {"D:/mixed\\folders/leg.nav", "leg.nav"},
        {"C:\\nav\\a/b", "b"},
        {"no.separator.at.all", "no.separator.at.all"},
    };
    for (const Case& c : cases) {
        std::string name = "previous";
        StripPath(c.path, name);
        EXPECT_EQ(name, c.name) << c.path;
    }
}

TEST(StripPath, WorksInPlace) {
    std::string path = "C:\\Nav\\leg3.NAV";
    StripPath(path, path);
    EXPECT_EQ(path, "leg3.NAV");
}

}  // namespace
