// Sight data file reader: any bytes either fail cleanly or give contents
// that write and read back to the same contents and the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/numtext.h"
#include "reduction/sight_file.h"

namespace {

using reduction::SightFileContents;
using reduction::SightFileRead;

// The file holds numbers as their general text, so values that differ only
// beyond 15 significant digits are the same once written.
bool sameAsWritten(const SightFileContents& a, const SightFileContents& b) {
    if (a.Leg != b.Leg || a.General != b.General || a.Sights.size() != b.Sights.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Sights.size(); ++i) {
        const reduction::SightRecord& x = a.Sights[i];
        const reduction::SightRecord& y = b.Sights[i];
        if (x.Note != y.Note || x.ValuesEmpty != y.ValuesEmpty) {
            return false;
        }
        for (int f = 1; f <= reduction::kSightFieldCount; ++f) {
            if (platform::generalText(x.Fields[f]) != platform::generalText(y.Fields[f])) {
                return false;
            }
        }
    }
    return true;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SightFileRead first = reduction::readSightFile(bytes);
    if (!first.Contents) {
        check(first.Message == reduction::kBadSightFileMessage);
        check(!first.SelectSouth && !first.SelectWest);
        return 0;
    }
    check(first.Message.empty());
    check(first.Contents->Sights.size() <= static_cast<std::size_t>(reduction::kMaxSights));

    const std::string written = reduction::writeSightFile(*first.Contents);
    const SightFileRead second = reduction::readSightFile(written);
    check(second.Contents.has_value());
    check(sameAsWritten(*first.Contents, *second.Contents));

    // Once written, the contents are stable to the last bit and byte.
    const std::string rewritten = reduction::writeSightFile(*second.Contents);
    check(rewritten == written);
    const SightFileRead third = reduction::readSightFile(rewritten);
    check(third.Contents.has_value() && *third.Contents == *second.Contents);
    check(third.SelectSouth == !second.Contents->Leg.LastFixNorth);
    check(third.SelectWest == !second.Contents->Leg.LastFixEast);
    return 0;
}
