#include "platform/numtext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number that starts at text[pos]: optional sign, digits,
// optional "." and digits. magnitudeBegin..end is the part without the sign.
struct NumberSpan {
    bool negative = false;
    std::size_t magnitudeBegin = 0;
    std::size_t end = 0;
    bool hasDigit = false;
};

NumberSpan scanNumber(std::string_view text, std::size_t pos) {
    NumberSpan span;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        span.negative = text[pos] == '-';
        ++pos;
    }
    span.magnitudeBegin = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        span.hasDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            span.hasDigit = true;
        }
    }
    span.end = pos;
    return span;
}

// Value of a scanned number that has at least one digit. Underflow reads 0;
// overflow gives no value. Zero of either sign is +0.
std::optional<double> spanValue(std::string_view text, const NumberSpan& span) {
    const char* first = text.data() + span.magnitudeBegin;
    const char* last = text.data() + span.end;
    double magnitude = 0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range with a non-zero digit before the point is too large;
        // otherwise the value is too small to hold and reads 0.
        for (const char* p = first; p != last && *p != '.'; ++p) {
            if (*p != '0') {
                return std::nullopt;
            }
        }
        return 0.0;
    }
    if (result.ec != std::errc() || result.ptr != last) {
        return 0.0;
    }
    if (magnitude == 0) {
        return 0.0;
    }
    return span.negative ? -magnitude : magnitude;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const NumberSpan span = scanNumber(text, pos);
    if (!span.hasDigit) {
        return 0;
    }
    if (const auto value = spanValue(text, span)) {
        return *value;
    }
    const double largest = std::numeric_limits<double>::max();
    return span.negative ? -largest : largest;
}

std::optional<double> parseWholeText(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    const NumberSpan span = scanNumber(trimmed, 0);
    if (!span.hasDigit || span.end != trimmed.size()) {
        return std::nullopt;
    }
    return spanValue(trimmed, span);
}

std::optional<bool> parseTruth(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    if (equalsIgnoringCase(trimmed, "true")) {
        return true;
    }
    if (equalsIgnoringCase(trimmed, "false")) {
        return false;
    }
    if (const auto value = parseWholeText(trimmed)) {
        return *value != 0;
    }
    return std::nullopt;
}

std::string generalText(double x) {
    if (std::isnan(x)) {
        return "NaN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-Infinity" : "Infinity";
    }
    if (x == 0) {
        return "0";
    }

    // Round to 15 significant digits: "d.dddddddddddddde+XX".
    char buffer[40];
    const double magnitude = std::fabs(x);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t exponentMark = scientific.find('e');

    std::string digits;
    for (std::size_t i = 0; i < exponentMark; ++i) {
        if (scientific[i] != '.') {
            digits += scientific[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    int exponent = 0;
    const char* expFirst = scientific.data() + exponentMark + 1;
    if (*expFirst == '+') {
        ++expFirst;
    }
    std::from_chars(expFirst, scientific.data() + scientific.size(), exponent);

    std::string text = x < 0 ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
    } else {
        text.append(digits, 0, wholeDigits);
        text += '.';
        text.append(digits, wholeDigits, std::string::npos);
    }
    return text;
}

std::string printedNumber(double x) {
    std::string magnitude = generalText(std::fabs(x));
    if (magnitude.size() > 2 && magnitude[0] == '0' && magnitude[1] == '.') {
        magnitude.erase(0, 1);
    }
    const bool negative = x < 0 && !std::isnan(x);
    return (negative ? "-" : " ") + magnitude + " ";
}

bool allFinite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        // Every byte but those that continue a character.
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

std::string padLeft(std::string_view text, std::size_t width) {
    const std::size_t n = characterCount(text);
    return (n < width ? std::string(width - n, ' ') : std::string()) + std::string(text);
}

std::string padRight(std::string_view text, std::size_t width) {
    const std::size_t n = characterCount(text);
    return std::string(text) + (n < width ? std::string(width - n, ' ') : std::string());
}

}  // namespace platform
