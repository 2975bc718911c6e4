#include "lunar/lunar_file.h"

#include <array>
#include <cmath>
#include <utility>

#include "lunar/lunar_clearing.h"
#include "reduction/sight_log.h"

namespace lunar {

namespace {

using platform::SeqFileReader;
using platform::SeqFileWriter;

// The one-line text fields and the options, in file order; the writer and
// the reader share them.
template <typename Contents>
auto textFields(Contents& c) {
    return std::array{&c.AirTemperature,
                      &c.Pressure,
                      &c.LatDegrees,
                      &c.LatMinutes,
                      &c.LonDegrees,
                      &c.LonMinutes,
                      &c.DistanceDegrees,
                      &c.DistanceMinutes,
                      &c.Year,
                      &c.Month,
                      &c.Day,
                      &c.Hour,
                      &c.Minute,
                      &c.Second,
                      &c.DeltaT};
}

template <typename Contents>
auto optionFields(Contents& c) {
    return std::array{&c.North,     &c.South,     &c.West,     &c.East,
                      &c.MoonInner, &c.MoonOuter, &c.SunOuter, &c.SunInner};
}

void writeContents(const LunarFileContents& c, SeqFileWriter& out) {
    out.text(kLunarFileHeader);
    std::string notes;
    reduction::ReplaceCommas(c.Notes, notes);
    out.text(notes);
    for (const std::string* field : textFields(c)) {
        out.text(*field);
    }
    for (const bool* option : optionFields(c)) {
        out.truth(*option);
    }
    out.whole(c.Body);
}

LunarFileRead readContents(SeqFileReader& items) {
    LunarFileRead bad;
    const std::optional<std::string> header = items.text();
    if (!header) {
        return bad;
    }
    if (*header != kLunarFileHeader) {
        bad.Status = LunarFileStatus::WrongHeader;
        return bad;
    }

    LunarFileContents c;
    // A text longer than its box holds (the notes box too) makes the file
    // bad, never cut.
    c.Notes = items.text(platform::kTextBoxMaxLength).value_or(std::string());
    for (std::string* field : textFields(c)) {
        *field = items.text(platform::kTextBoxMaxLength).value_or(std::string());
    }
    for (bool* option : optionFields(c)) {
        *option = items.truth().value_or(false);
    }
    const std::optional<double> body = items.wholeTextNumber();
    if (items.failed() || !body || !(*body >= -1 && *body <= kLunarLastEntry) ||
        std::floor(*body) != *body) {
        return bad;
    }
    c.Body = static_cast<int>(*body);

    LunarFileRead read;
    read.Status = LunarFileStatus::Good;
    read.Contents = std::move(c);
    return read;
}

}  // namespace

bool operator==(const LunarFileContents& a, const LunarFileContents& b) {
    return a.Notes == b.Notes && a.AirTemperature == b.AirTemperature && a.Pressure == b.Pressure &&
           a.LatDegrees == b.LatDegrees && a.LatMinutes == b.LatMinutes &&
           a.LonDegrees == b.LonDegrees && a.LonMinutes == b.LonMinutes &&
           a.DistanceDegrees == b.DistanceDegrees && a.DistanceMinutes == b.DistanceMinutes &&
           a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour &&
           a.Minute == b.Minute && a.Second == b.Second && a.DeltaT == b.DeltaT &&
           a.North == b.North && a.South == b.South && a.West == b.West && a.East == b.East &&
           a.MoonInner == b.MoonInner && a.MoonOuter == b.MoonOuter && a.SunOuter == b.SunOuter &&
           a.SunInner == b.SunInner && a.Body == b.Body;
}

bool operator!=(const LunarFileContents& a, const LunarFileContents& b) {
    return !(a == b);
}

std::string writeLunarFile(const LunarFileContents& contents) {
    SeqFileWriter out;
    writeContents(contents, out);
    return out.bytes();
}

LunarFileRead readLunarFile(std::string_view bytes) {
    SeqFileReader items = SeqFileReader::fromBytes(bytes);
    return readContents(items);
}

platform::SaveResult saveLunarFile(const std::filesystem::path& FileName,
                                   const LunarFileContents& contents) {
    SeqFileWriter out;
    writeContents(contents, out);
    return out.saveTo(FileName);
}

LunarFileRead openLunarFile(const std::filesystem::path& FileName) {
    std::optional<SeqFileReader> items = SeqFileReader::open(FileName);
    if (!items) {
        return LunarFileRead{};
    }
    return readContents(*items);
}

}  // namespace lunar
