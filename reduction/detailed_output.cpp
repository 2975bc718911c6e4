#include "reduction/detailed_output.h"

#include <array>
#include <cstddef>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace reduction {

namespace {

using platform::padLeft;
using platform::padRight;
using platform::PrintItem;
using platform::PrintLine;

// Characters of the label column, of a value and of a unit with its gap.
constexpr std::size_t kLabelWidth = 8;
constexpr std::size_t kValueWidth = 10;
constexpr std::size_t kUnitWidth = 4;
// Blanks between the fix texts on the last line.
constexpr const char* kFixTextGap = "  ";

// One row of the working: its label, unit and value of a sight, and whether
// it is an hour angle (one that rounds up to 360 shows 0).
struct Row {
    const char* label;
    const char* unit;
    double (*value)(const SightWorking&);
    bool hourAngle = false;
};

const std::array<Row, 12> kRows = {{
    {"UT = ", "Hrs", [](const SightWorking& s) { return s.UT; }},
    {"Hs = ", "°", [](const SightWorking& s) { return s.Hs; }},
    {"Ho = ", "°", [](const SightWorking& s) { return s.Ho; }},
    {"GHA = ", "°", [](const SightWorking& s) { return s.GHA; }, true},
    {"DEC = ", "°", [](const SightWorking& s) { return s.Dec; }},
    {"SD = ", "°", [](const SightWorking& s) { return s.SDc; }},
    {"PA = ", "°", [](const SightWorking& s) { return s.PA; }},
    // The local hour angle shown from 0 to 360.
    {"LHA = ", "°", [](const SightWorking& s) { return s.LHA < 0 ? s.LHA + 360 : s.LHA; }, true},
    {"Hc  = ", "°", [](const SightWorking& s) { return s.Hc; }},
    {"AZM = ", "°", [](const SightWorking& s) { return s.Zn; }},
    {"Doff = ", "nm", [](const SightWorking& s) { return s.Intercept; }},
    {"Roff = ", "nm", [](const SightWorking& s) { return s.Run; }},
}};

// Trailing blanks of a line are dropped: a fixed-pitch list needs none.
std::string trimmed(std::string line) {
    const std::size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

std::string sumText(double x) {
    return ephemeris::RoundedText(x, 3);
}

}  // namespace

std::vector<PrintLine> fixStatement(const FixResult& fix, FixStatus status) {
    if (status != FixStatus::Fix) {
        return {{PrintItem::Text(noFixText(status))}};
    }
    // "<title><letter>", degrees, "° ", minutes, "' ": unsigned, the letter
    // carries the side (the positive one for a value that rounds to zero).
    const auto degreesMinutes = [](const std::string& title, double value, const char* positive,
                                   const char* negative) -> PrintLine {
        const ephemeris::RoundedDegMin shown = ephemeris::RoundDegMin(value, 1);
        const std::string letter = shown.Sign >= 0 ? positive : negative;
        return {PrintItem::Text(title + letter), PrintItem::Number(shown.Deg),
                PrintItem::Text("° "), PrintItem::Figure(ephemeris::RoundedText(shown.Min, 1)),
                PrintItem::Text("' ")};
    };
    return {
        degreesMinutes("Best Fix Latitude ", fix.FixLat, "N", "S"),
        degreesMinutes("Best Fix Longitude ", fix.FixLon, "E", "W"),
        {PrintItem::Text("Distance from assumed position"),
         PrintItem::Figure(ephemeris::RoundedText(fix.FixDistance, 2)),
         PrintItem::Text(" n.miles")},
    };
}

DetailedOutputArray detailedOutput(const ReductionResult& r, const SightLog& log) {
    DetailedOutputArray out(1);  // entry 0 unused
    const int count = reducibleSightCount(r.SightCount);
    bool leftOut = false;
    for (int first = 1; first <= count; first += kReportColumns) {
        const int last = first + kReportColumns - 1 < count ? first + kReportColumns - 1 : count;
        if (first > 1) {
            out.push_back(" ");
        }
        std::string heading(kLabelWidth, ' ');
        for (int i = first; i <= last; ++i) {
            const bool included = log.SightData[i][kFieldIncluded] == 1;
            leftOut = leftOut || !included;
            // The heading over the value, the mark over the unit.
            heading += padRight(
                padLeft("Sight " + std::to_string(i), kValueWidth) + (included ? "" : kLeftOutMark),
                kValueWidth + kUnitWidth);
        }
        out.push_back(trimmed(heading));
        out.push_back(" ");
        for (const Row& row : kRows) {
            std::string line = padRight(row.label, kLabelWidth);
            for (int i = first; i <= last; ++i) {
                const double value = row.value(r.Sights[i]);
                const std::string text = row.hourAngle ? ephemeris::HourAngleText(value, 3)
                                                       : ephemeris::RoundedText(value, 3);
                line +=
                    padLeft(text, kValueWidth) + padRight(std::string(" ") + row.unit, kUnitWidth);
            }
            out.push_back(trimmed(line));
        }
    }
    if (count > 0) {
        out.push_back(" ");
    }
    if (leftOut) {
        out.push_back(kLeftOutLegend);
    }
    const FixResult& f = r.Fix;
    out.push_back("Asum = " + sumText(f.SumCos2) + " Bsum = " + sumText(f.SumSinCos) +
                  " Csum= " + sumText(f.SumSin2) + " Dsum = " + sumText(f.SumPCos) +
                  " Esum = " + sumText(f.SumPSin) + " Fsum = " + sumText(f.SumP2) +
                  " G = " + platform::generalText(r.G));
    std::string fixLine;
    for (const PrintLine& line : fixStatement(f, r.Status)) {
        fixLine += (fixLine.empty() ? "" : kFixTextGap) + trimmed(platform::printLineText(line));
    }
    out.push_back(fixLine);
    const std::string weak = weakFixText(f, r.Status);
    if (!weak.empty()) {
        out.push_back(weak);
    }
    return out;
}

}  // namespace reduction
