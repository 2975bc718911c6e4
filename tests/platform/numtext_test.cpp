// Reading numbers from fields and file items, and the general and printed
// texts of numbers, also under a comma-decimal locale.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/numtext.h"

namespace {

using platform::generalText;
using platform::leadingNumber;
using platform::parseTruth;
using platform::parseWholeText;
using platform::printedNumber;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

struct TextCase {
    double x;
    std::string expected;
};

std::vector<TextCase> generalTextCases() {
    return {
        {0.30000000000000004, "0.3"},
        {44.900000000000006, "44.9"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.08, "0.08"},
        {-0.5, "-0.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {1e-6, "0.000001"},
        {1e-20, "0.00000000000000000001"},
        {1e20, "100000000000000000000"},
        {2456823.375, "2456823.375"},
        {123, "123"},
        {-12.25, "-12.25"},
        {67, "67"},
        {1010, "1010"},
        {1e15, "1000000000000000"},
        {999999999999999.9, "1000000000000000"},
        {0.9999999999999999, "1"},
        {123456789012345678.0, "123456789012346000"},
        {1234567.1234567891, "1234567.12345679"},
        {-359.99999999999994, "-360"},
        {kMax, "179769313486232" + std::string(294, '0')},
        {std::numeric_limits<double>::denorm_min(),
         "0." + std::string(323, '0') + "494065645841247"},
        {std::nan(""), "NaN"},
        {kInf, "Infinity"},
        {-kInf, "-Infinity"},
    };
}

std::vector<TextCase> printedCases() {
    return {
        {0.08, " .08 "},
        {-0.5, "-.5 "},
        {123, " 123 "},
        {0, " 0 "},
        {-0.0, " 0 "},
        {1, " 1 "},
        {-1, "-1 "},
        {-123.5, "-123.5 "},
        {0.30000000000000004, " .3 "},
        {1e-6, " .000001 "},
        {-2.0 / 3.0, "-.666666666666667 "},
        {2456823.375, " 2456823.375 "},
        {std::nan(""), " NaN "},
        {kInf, " Infinity "},
        {-kInf, "-Infinity "},
    };
}

struct ReadCase {
    std::string text;
    double expected;
};

std::vector<ReadCase> leadingNumberCases() {
    return {
        {"", 0},
        {"  12abc", 12},
        {"12.5.3", 12.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"1e3", 1},
        {"1,5", 1},
        {" - 3", 0},
        {"Text3", 0},
        {" 1", 1},
        {"+7", 7},
        {"\t3", 3},
        {".5", 0.5},
        {".", 0},
        {"-", 0},
        {"12 34", 12},
        {"  -12.75xyz", -12.75},
        {"0.1", 0.1},
        {"44.9", 44.9},
        {"0x1A", 0},
        {"inf", 0},
        {"nan", 0},
        {"-inf", 0},
        {"--5", 0},
        {"2456823.375", 2456823.375},
        {"0.30000000000000004", 0.30000000000000004},
        {std::string(400, '9'), kMax},
        {"-" + std::string(400, '9') + "x", -kMax},
        {"0." + std::string(400, '0') + "1", 0},
    };
}

TEST(GeneralText, RoundsToFifteenDigitsInPlainDecimal) {
    for (const auto& c : generalTextCases()) {
        EXPECT_EQ(generalText(c.x), c.expected) << "x = " << c.expected;
    }
}

TEST(PrintedNumber, SignOrBlankNoLeadingZeroTrailingBlank) {
    for (const auto& c : printedCases()) {
        EXPECT_EQ(printedNumber(c.x), c.expected) << "expected \"" << c.expected << "\"";
    }
}

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    for (const auto& c : leadingNumberCases()) {
        EXPECT_EQ(leadingNumber(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(LeadingNumber, NegativeZeroReadsPlainZero) {
    for (const char* text : {"-0", "-0.000", "-.0", " -0abc"}) {
        const double value = leadingNumber(text);
        EXPECT_EQ(value, 0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
}

TEST(ParseWholeText, AcceptsOnlyANumberAsAWhole) {
    struct Case {
        std::string text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"\t-3.25\t", -3.25},
        {"-.5", -0.5},
        {"5.", 5},
        {"+3", 3},
        {"2024", 2024},
        {"0.1", 0.1},
        {"12a", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"-.", std::nullopt},
        {"1e3", std::nullopt},
        {"1,5", std::nullopt},
        {"1 2", std::nullopt},
        {"- 3", std::nullopt},
        {"12.5.3", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {std::string(400, '9'), std::nullopt},
        {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseWholeText(c.text), c.expected) << "text \"" << c.text << "\"";
    }
    const auto negativeZero = parseWholeText("-0.0");
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_FALSE(std::signbit(*negativeZero));
}

TEST(ParseTruth, WordsInAnyCaseOrNumbers) {
    struct Case {
        std::string text;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {"True", true},        {"TRUE", true},
        {"true", true},        {"False", false},
        {"fAlSe", false},      {" True ", true},
        {"1", true},           {"-1", true},
        {"2.5", true},         {"0", false},
        {"0.0", false},        {"-0", false},
        {"Yes", std::nullopt}, {"", std::nullopt},
        {"Tru", std::nullopt}, {"Truee", std::nullopt},
        {"1a", std::nullopt},  {"T rue", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseTruth(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

TEST(AllFinite, FalseWhenAnyValueIsInfiniteOrNotANumber) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double largest = std::numeric_limits<double>::max();
    EXPECT_TRUE(platform::allFinite({}));
    EXPECT_TRUE(platform::allFinite({0, -0.0, largest, -largest, 1e-310}));
    EXPECT_FALSE(platform::allFinite({1, inf}));
    EXPECT_FALSE(platform::allFinite({-inf, 1}));
    EXPECT_FALSE(platform::allFinite({1, 2, nan}));
    EXPECT_FALSE(platform::allFinite({largest * 2}));
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(GeneralText, ReadsBackAsTheFifteenDigitValue) {
    const double values[] = {0.1, 44.9, -123.456, 2456823.375, 1e-6, 67, -0.08};
    for (const double x : values) {
        EXPECT_EQ(parseWholeText(generalText(x)), x) << generalText(x);
    }
    EXPECT_EQ(parseWholeText(generalText(0.30000000000000004)), 0.3);
}

// Switches the C and C++ global locales to a comma-decimal locale for the
// lifetime of the object, when one is installed.
class CommaLocale {
  public:
    CommaLocale() : savedC_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                 "nl_NL.UTF-8", "es_ES.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
            try {
                const std::locale candidate(name);
                if (std::use_facet<std::numpunct<char>>(candidate).decimal_point() != ',') {
                    continue;
                }
                savedCpp_ = std::locale::global(candidate);
                std::setlocale(LC_ALL, name);
                active_ = std::localeconv()->decimal_point[0] == ',';
                return;
            } catch (const std::runtime_error&) {
            }
        }
    }
    ~CommaLocale() {
        if (savedCpp_) {
            std::locale::global(*savedCpp_);
        }
        std::setlocale(LC_ALL, savedC_.c_str());
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return active_; }

  private:
    std::string savedC_;
    std::optional<std::locale> savedCpp_;
    bool active_ = false;
};

TEST(NumberText, UnchangedUnderACommaDecimalLocale) {
    CommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no comma-decimal locale is installed";
    }
    for (const auto& c : generalTextCases()) {
        EXPECT_EQ(generalText(c.x), c.expected) << "x = " << c.expected;
    }
    for (const auto& c : printedCases()) {
        EXPECT_EQ(printedNumber(c.x), c.expected) << "expected \"" << c.expected << "\"";
    }
    for (const auto& c : leadingNumberCases()) {
        EXPECT_EQ(leadingNumber(c.text), c.expected) << "text \"" << c.text << "\"";
    }
    EXPECT_EQ(parseWholeText("12,5"), std::nullopt);
    EXPECT_EQ(parseWholeText("12.5"), 12.5);
    EXPECT_EQ(parseTruth("0.5"), true);
}

// Fixed-pitch columns count characters, not bytes: "°" is one.
TEST(Columns, PaddingCountsCharactersNotBytes) {
    EXPECT_EQ(platform::characterCount(""), 0u);
    EXPECT_EQ(platform::characterCount("12\xC2\xB0 30.0'"), 9u);  // 12° 30.0'
    EXPECT_EQ(platform::padLeft("5\xC2\xB0", 4), "  5\xC2\xB0");
    EXPECT_EQ(platform::padRight("5\xC2\xB0", 4), "5\xC2\xB0  ");
    // A text as wide as the column, or wider, stays as it is.
    EXPECT_EQ(platform::padLeft("360.0", 5), "360.0");
    EXPECT_EQ(platform::padRight("Sight 10", 3), "Sight 10");
}

}  // namespace
