// The built-in catalogue of the 58 navigational stars and the reading of its
// fixed-column records; used by FillStarTable and StarPosition.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ephemeris/ephemeris.h"

namespace ephemeris {

struct StarCatalogueEntry {
    std::string_view Name;  // as the lists show it, blanks included
    double Magnitude;
    std::string_view Record;  // kStarRecordLength characters in fixed columns
};

constexpr std::size_t kStarRecordLength = 55;

// By StarIndex 0..57 (StarNumber - 1).
extern const std::array<StarCatalogueEntry, kStarCount> kStarCatalogue;

// The five fields of one record, in the record's own units.
struct StarRecordFields {
    double RaHours = 0;
    double DecDegrees = 0;
    double PmRaSecondsPerCentury = 0;
    double PmDecArcsecPerCentury = 0;
    double ParallaxArcsec = 0;
};

// Each field is the leading decimal number of its columns (blanks skipped,
// optional sign, digits, optional '.' and digits); a field with no number, or
// columns past the end of the text, read 0.
StarRecordFields readStarRecord(std::string_view Record);

// The apparent place of a star given by its J2000.0 record fields; the work
// of StarPosition once the record is read.
void starPlace(const StarRecordFields& Star, double T, double JD, double SunGeoLon, double& GHA,
               double& Dec, double& SHA);

}  // namespace ephemeris
