// Reading the calculators' fields and writing their results: the angle of a
// degrees box, a minutes box and a sign option; the checks of those boxes;
// degrees and minutes as text, rounded to the place shown; the text a result
// label shows when its inputs give no finite value.
#pragma once

#include <string>
#include <string_view>

#include "platform/input_check.h"
#include "platform/numtext.h"

namespace calculators {

// The text after a label's fixed words when the inputs give no finite value
// (a divisor of 0, or numbers beyond the range of a double).
inline constexpr const char* kUndefinedText = "undefined for these inputs";

// An angle typed as whole degrees and minutes with a sign option beside it:
// |degrees| + |minutes| / 60, negated when Negative (South, West or "S").
// Each box reads as its leading number; a minus sign typed there is ignored.
struct AngleField {
    std::string Degrees;
    std::string Minutes;
    bool Negative = false;
};

double angleValue(const AngleField& field);

// Degrees and minutes as typed, each with its own sign: degrees + minutes / 60.
double signedDegreesMinutes(const std::string& degrees, const std::string& minutes);

// The leading number of a field's text, 0 when there is none.
double fieldValue(const std::string& text);

using platform::allFinite;

// --- Checks of the boxes a requested computation reads ---------------------
//
// First the texts (each box a number as a whole text; empty reads 0), then
// the values. Labels name the box: "<label> degrees", "<label> minutes".

// Both boxes of an angle hold numbers; the minutes, their typed sign
// ignored as the angle ignores it, are 0 to below 60.
platform::Problem angleTextProblem(std::string_view label, const AngleField& field);
// The same for degrees and minutes that keep the sign typed: the minutes as
// typed are 0 to below 60.
platform::Problem signedAngleTextProblem(std::string_view label, const std::string& degrees,
                                         const std::string& minutes);

// A label's fixed words, the value rounded to Places decimals with every
// decimal shown ("12.0") and what follows it; the words and kUndefinedText
// when the value is not finite.
std::string resultText(const std::string& words, double value, int Places,
                       const std::string& after = {});

// X rounded to 0.1' as |degrees| + "° " + minutes + "'", the carry taken
// (59.96' is the next degree and 0.0'): the degrees lose their sign, the
// minutes keep it when the degrees are 0 ("0° -30.0'").
std::string degreesMinutesText(double X);
// The same for an hour angle of 0 to 360: one that rounds up to 360° shows
// "0° 0.0'".
std::string hourAngleText(double X);

// The same angle with its sign in front ("-5° 30'", "-0° 30'"); no sign when
// it rounds to zero.
std::string signedDegreesMinutesText(double X);

}  // namespace calculators
