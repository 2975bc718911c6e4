// The items of one print statement into a picture: texts written unchanged,
// numbers in the print form (platform::printedNumber). Items follow one
// another with nothing between them unless a zone break moves to the next
// print zone.
#pragma once

#include <cmath>
#include <string>
#include <vector>

namespace platform {

struct PrintItem {
    enum class Kind { Text, Number, NextZone };
    Kind kind = Kind::Text;
    std::string text;
    double number = 0;

    static PrintItem Text(std::string t) { return {Kind::Text, std::move(t), 0}; }
    static PrintItem Number(double x) { return {Kind::Number, {}, x}; }
    // A number, or "---" in its place when it is not finite.
    static PrintItem NumberOrDashes(double x) { return std::isfinite(x) ? Number(x) : Text("---"); }
    // A figure already written to its place ("56.90", "-0.5"; empty when it
    // could not be computed) in the print form of a number: a blank before it
    // unless negative, one blank after, every digit kept; "---" when empty.
    static PrintItem Figure(const std::string& digits) {
        if (digits.empty()) {
            return Text("---");
        }
        return Text((digits[0] == '-' ? "" : " ") + digits + " ");
    }
    static PrintItem NextZone() { return {Kind::NextZone, {}, 0}; }
};

// One print statement: it writes its items and then moves to the next line.
using PrintLine = std::vector<PrintItem>;

// The line as it reads on the picture (numbers in print form, a zone break as
// a tab).
std::string printLineText(const PrintLine& line);

}  // namespace platform
