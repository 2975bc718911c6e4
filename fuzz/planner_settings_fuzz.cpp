// Planner settings file reader: any bytes give a clean outcome; what was read
// writes and reads back to the same settings and the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "planner/planner_settings.h"

namespace {

using planner::PlannerSettings;
using planner::PlannerSettingsRead;
using Outcome = PlannerSettingsRead::Outcome;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PlannerSettingsRead first = planner::readPlannerSettings(bytes);
    check(first.ItemsRead >= 0 && first.ItemsRead <= planner::kPlannerSettingsItems);
    if (first.outcome == Outcome::WrongHeader) {
        check(first.ItemsRead == 0);
        check(first.values == PlannerSettings{});
        return 0;
    }
    if (first.outcome == Outcome::Problem) {
        check(first.ItemsRead < planner::kPlannerSettingsItems);
        return 0;
    }
    check(first.ItemsRead == planner::kPlannerSettingsItems);
    const PlannerSettings& s = first.values;
    check(s.ShowParallax >= 0 && s.ShowParallax <= 2);
    check(s.DaylightSaving >= 0 && s.DaylightSaving <= 2);

    const std::string written = planner::writePlannerSettings(s);
    const PlannerSettingsRead second = planner::readPlannerSettings(written);
    check(second.outcome == Outcome::Read);
    check(second.values == s);
    check(planner::writePlannerSettings(second.values) == written);
    // The hand-over never fails and never shows a non-number.
    const std::string zone = planner::handedOnTimeZone(s.TimeZone, s.DaylightSaving);
    check(zone.find("NaN") == std::string::npos && zone.find("Infinity") == std::string::npos);
    return 0;
}
