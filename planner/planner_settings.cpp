#include "planner/planner_settings.h"

#include <array>
#include <cmath>
#include <optional>

#include "platform/numtext.h"

namespace planner {

using platform::SeqFileReader;
using platform::SeqFileWriter;

bool operator==(const PlannerSettings& a, const PlannerSettings& b) {
    return a.LatMinutes == b.LatMinutes && a.LonMinutes == b.LonMinutes && a.DeltaT == b.DeltaT &&
           a.StarCount == b.StarCount && a.TimeZone == b.TimeZone && a.LatDegrees == b.LatDegrees &&
           a.LonDegrees == b.LonDegrees && a.North == b.North && a.South == b.South &&
           a.West == b.West && a.East == b.East && a.ShowParallax == b.ShowParallax &&
           a.DaylightSaving == b.DaylightSaving;
}

namespace {

// The texts and the options in file order; the writer and the reader share
// them.
template <typename Settings>
auto textFields(Settings& s) {
    return std::array{&s.LatMinutes, &s.LonMinutes, &s.DeltaT,    &s.StarCount,
                      &s.TimeZone,   &s.LatDegrees, &s.LonDegrees};
}

template <typename Settings>
auto optionFields(Settings& s) {
    return std::array{&s.North, &s.South, &s.West, &s.East};
}

SeqFileWriter settingsWriter(const PlannerSettings& s) {
    SeqFileWriter out;
    out.text(kPlannerSettingsHeader);
    for (const std::string* text : textFields(s)) {
        out.text(*text);
    }
    for (const bool* option : optionFields(s)) {
        out.truth(*option);
    }
    out.whole(s.ShowParallax);
    out.whole(s.DaylightSaving);
    return out;
}

}  // namespace

std::string writePlannerSettings(const PlannerSettings& settings) {
    return settingsWriter(settings).bytes();
}

platform::SaveResult savePlannerSettings(const std::filesystem::path& file,
                                         const PlannerSettings& settings) {
    return settingsWriter(settings).saveTo(file);
}

namespace {

// A check-box item: a whole number from 0 to 2.
std::optional<int> checkValue(SeqFileReader& items) {
    const std::optional<double> v = items.wholeTextNumber();
    if (!v || *v != std::floor(*v) || *v < 0 || *v > 2) {
        return std::nullopt;
    }
    return static_cast<int>(*v);
}

PlannerSettingsRead readItems(SeqFileReader& items) {
    PlannerSettingsRead read;
    const std::optional<std::string> header = items.text();
    if (!header) {
        return read;  // an empty file
    }
    if (*header != kPlannerSettingsHeader) {
        read.outcome = PlannerSettingsRead::Outcome::WrongHeader;
        return read;
    }
    PlannerSettings& s = read.values;
    for (std::string* text : textFields(s)) {
        // Every text goes to a one-line box: one longer than the box holds
        // is a problem, never cut.
        const std::optional<std::string> item = items.text(platform::kTextBoxMaxLength);
        if (!item) {
            return read;
        }
        *text = *item;
        ++read.ItemsRead;
    }
    for (bool* option : optionFields(s)) {
        const std::optional<bool> item = items.truth();
        if (!item) {
            return read;
        }
        *option = *item;
        ++read.ItemsRead;
    }
    for (int* check : {&s.ShowParallax, &s.DaylightSaving}) {
        const std::optional<int> item = checkValue(items);
        if (!item) {
            return read;
        }
        *check = *item;
        ++read.ItemsRead;
    }
    read.outcome = PlannerSettingsRead::Outcome::Read;
    return read;
}

}  // namespace

PlannerSettingsRead readPlannerSettings(std::string_view bytes) {
    SeqFileReader items = SeqFileReader::fromBytes(bytes);
    return readItems(items);
}

PlannerSettingsRead openPlannerSettings(const std::filesystem::path& file) {
    std::optional<SeqFileReader> opened = SeqFileReader::open(file);
    if (!opened) {
        return {};
    }
    return readItems(*opened);
}

std::string handedOnTimeZone(std::string_view zoneText, int daylightSaving) {
    double Z = platform::leadingNumber(zoneText);
    if (daylightSaving == 1) {
        Z = Z - 1;
    }
    return platform::generalText(Z);
}

}  // namespace planner
