// The detailed output of a reduction: the working of every sight, six sights
// to a block, for a fixed-pitch font, then the least-squares sums and the fix
// as the plot states it.
//
// Layout (one string a line; entry 0 of the array is unused and empty):
//              Sight 1       Sight 2 *     ...   up to six columns a block
//   " "
//   UT =        10.500 Hrs    11.750 Hrs   ...
//   ... Hs, Ho, GHA, DEC, SD, PA, LHA, Hc, AZM, Doff, Roff
//   " "                                  then the next block: Sight 7 ...
//   " "
//   * left out of the fix                only when a sight is
//   Asum = ... G = ...                   the sums rounded to 3 decimals, G in full
//   Best Fix Latitude N 41 °  30.7 '  Best Fix Longitude ...  (or "No fix: ...")
//   Weak fix: as weak as two lines ...   only when the fix is weak
// Every value is rounded to three decimals and right-aligned in its column,
// with its unit after it, so the columns line up under their headings.
#pragma once

#include <string>
#include <vector>

#include "platform/print_items.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"

namespace reduction {

// Sights a block of the detailed output shows side by side.
inline constexpr int kReportColumns = 6;
// The mark after the heading of a sight left out of the fix, and its legend.
inline constexpr const char* kLeftOutMark = " *";
inline constexpr const char* kLeftOutLegend = "* left out of the fix";

// The fix as the plot prints it, one print statement a line: "Best Fix
// Latitude " with the letter, whole degrees and minutes rounded to 0.1
// (unsigned, with the carry), the same for the longitude, and "Distance from
// assumed position" with the distance rounded to 0.01 n.mi.; without a fix
// the one line of noFixText.
std::vector<platform::PrintLine> fixStatement(const FixResult& fix, FixStatus status);

// The detailed output of a complete reduction of log (its sights 1 to
// r.SightCount, their include flags from the log).
DetailedOutputArray detailedOutput(const ReductionResult& r, const SightLog& log);

}  // namespace reduction
