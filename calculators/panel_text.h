// Reading the calculators' fields and writing their results: the angle of a
// degrees box, a minutes box and a sign option; degrees and minutes as text;
// the text a result label shows when its inputs give no finite value.
#pragma once

#include <string>

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

// A label's fixed words, the number text of a value already cut for display
// and what follows it; the words and kUndefinedText when the value is not
// finite.
std::string resultText(const std::string& words, double shown, const std::string& after = {});

// SplitDegMin of X written as |degrees| + "° " + FloorTo1(minutes) + "'":
// the degrees lose their sign, the minutes keep it between 0 and -1 degree
// ("0° -30'"), and minutes are cut, never rounded up to 60.
std::string degreesMinutesText(double X);

// The same angle with its sign in front ("-5° 30'", "-0° 30'"); no sign when
// the text shows zero.
std::string signedDegreesMinutesText(double X);

}  // namespace calculators
