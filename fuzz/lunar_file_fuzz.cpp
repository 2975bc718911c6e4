// Lunar-distance file reader: any bytes either fail cleanly or give contents
// that write and read back to the same contents and the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lunar/lunar_file.h"

namespace {

using lunar::LunarFileRead;
using lunar::LunarFileStatus;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LunarFileRead first = lunar::readLunarFile(bytes);
    if (first.Status != LunarFileStatus::Good) {
        check(!first.Contents.has_value());
        return 0;
    }
    check(first.Contents.has_value());
    check(first.Contents->Body >= -1 && first.Contents->Body <= 62);

    const std::string written = lunar::writeLunarFile(*first.Contents);
    const LunarFileRead second = lunar::readLunarFile(written);
    check(second.Status == LunarFileStatus::Good && second.Contents.has_value());

    // Once written, the contents are stable to the last byte.
    const std::string rewritten = lunar::writeLunarFile(*second.Contents);
    check(rewritten == written);
    const LunarFileRead third = lunar::readLunarFile(rewritten);
    check(third.Contents.has_value() && *third.Contents == *second.Contents);
    return 0;
}
