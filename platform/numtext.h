// Numbers as text: reading fields and file items, and writing numbers into
// fields, files and pictures. Locale-free: "." is always the decimal point.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The leading decimal number of a text: leading blanks (space, tab) skipped,
// an optional sign, digits, an optional "." and digits; the first other
// character ends the number. A text with no digit there reads 0. No exponent,
// hex, "inf" or "nan". Negative zero reads 0. A number too large for a double
// reads as the largest finite double of its sign.
double leadingNumber(std::string_view text);

// The text as a whole is a number: after trimming blanks on both sides it is
// an optional sign, digits, an optional "." and digits, with at least one
// digit. Anything else, or a number too large for a double, is no value.
std::optional<double> parseWholeText(std::string_view text);

// A truth value: "True" or "False" in any letter case, or a whole-text
// number (true when not 0), blanks around it allowed. Anything else is no value.
std::optional<bool> parseTruth(std::string_view text);

// Shortest plain decimal text of x rounded to 15 significant digits: trailing
// zeros dropped, never an exponent, the 0 before the point kept, "-" when
// negative, no blanks. Zero of either sign is "0". Non-finite values are
// "NaN", "Infinity" and "-Infinity".
std::string generalText(double x);

// A number printed into a picture: a blank or "-", the general text of the
// magnitude without its 0 before the point, and one trailing blank
// (" .08 ", "-.5 ", " 123 ", " 0 ").
std::string printedNumber(double x);

// Every value is finite: none would be written as "NaN" or "Infinity".
bool allFinite(std::initializer_list<double> values);

// --- Columns of a fixed-pitch text -------------------------------------------

// Characters of a UTF-8 text ("°" is two bytes and one character).
std::size_t characterCount(std::string_view text);
// The text with blanks before it (padLeft, right-aligned) or after it
// (padRight) up to width characters; a longer text unchanged.
std::string padLeft(std::string_view text, std::size_t width);
std::string padRight(std::string_view text, std::size_t width);

}  // namespace platform
