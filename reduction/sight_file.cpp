#include "reduction/sight_file.h"

#include <cmath>
#include <utility>

#include "platform/numtext.h"

namespace reduction {
namespace {

using platform::SeqFileReader;
using platform::SeqFileWriter;

// A text item as it will read back: commas, CR and LF are blanks in the
// file and leading blanks are skipped on reading, so none are written.
void writeText(SeqFileWriter& out, std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() &&
           (text[begin] == ' ' || text[begin] == '\t' || text[begin] == ',' ||
            text[begin] == '\r' || text[begin] == '\n')) {
        ++begin;
    }
    out.text(text.substr(begin));
}

void writeContents(const SightFileContents& contents, SeqFileWriter& out) {
    const LegSettings& leg = contents.Leg;
    const GeneralSettings& general = contents.General;

    out.text(kSightFileHeader);  // 1
    out.whole(static_cast<long long>(contents.Sights.size()));

    std::string notes;
    ReplaceCommas(leg.Notes, notes);
    writeText(out, notes);                          // 3
    writeText(out, leg.Course);                     // 4
    writeText(out, leg.Speed);                      // 5
    writeText(out, leg.EyeHeight);                  // 6
    out.truth(leg.EyeHeightFeet);                   // 7
    out.truth(leg.EyeHeightMetres);                 // 8
    writeText(out, general.AirTemperature);         // 9
    writeText(out, general.Pressure);               // 10
    writeText(out, leg.LastFixLatDegrees);          // 11
    writeText(out, leg.LastFixLatMinutes);          // 12
    writeText(out, leg.LastFixLonDegrees);          // 13
    writeText(out, leg.LastFixLonMinutes);          // 14
    writeText(out, leg.LastFixHour);                // 15
    writeText(out, leg.LastFixMinutes);             // 16
    writeText(out, leg.LastFixDay);                 // 17
    writeText(out, leg.PlottingScale);              // 18
    writeText(out, leg.NewFixHour);                 // 19
    writeText(out, leg.NewFixMinutes);              // 20
    writeText(out, leg.NewFixDay);                  // 21
    writeText(out, general.ChronometerCorrection);  // 22
    out.truth(leg.LastFixNorth);                    // 23
    out.truth(leg.LastFixEast);                     // 24
    writeText(out, general.DeltaT);                 // 25
    writeText(out, general.TimeZone);               // 26
    writeText(out, leg.LastFixMonth);               // 27
    writeText(out, leg.LastFixYear);                // 28
    writeText(out, leg.NewFixMonth);                // 29
    writeText(out, leg.NewFixYear);                 // 30

    for (const SightRecord& sight : contents.Sights) {
        writeText(out, sight.Note);
        for (int f = 1; f <= kSightFieldCount; ++f) {
            if (sight.ValuesEmpty) {
                writeText(out, "");
            } else {
                out.number(sight.Fields[f]);
            }
        }
    }
}

// Reads items in order; a missing or ill-formed item marks the whole read
// failed and gives a neutral value, so the caller checks once at the end.
class ItemReader {
  public:
    explicit ItemReader(SeqFileReader& items) : items_(items) {}

    // A text for a box (notes or a single line): one longer than the box
    // holds makes the file bad rather than being cut.
    std::string text() { return items_.text(platform::kTextBoxMaxLength).value_or(std::string()); }
    double number() { return items_.number().value_or(0.0); }

    // An option state; exact is set when the item is exactly "False".
    bool truth(bool* exactFalse = nullptr) {
        const std::optional<std::string> item = items_.text();
        if (!item) {
            return false;
        }
        if (exactFalse != nullptr) {
            *exactFalse = *item == "False";
        }
        const std::optional<bool> value = platform::parseTruth(*item);
        if (!value) {
            bad_ = true;
            return false;
        }
        return *value;
    }

    // The sight count: a whole number from 0 to kMaxSights as the whole item.
    int sightCount() {
        const std::optional<double> value = items_.wholeTextNumber();
        if (!value || !(*value >= 0 && *value <= kMaxSights) || std::floor(*value) != *value) {
            bad_ = true;
            return 0;
        }
        return static_cast<int>(*value);
    }

    bool bad() const { return bad_ || items_.failed(); }

  private:
    SeqFileReader& items_;
    bool bad_ = false;
};

SightFileRead badFile() {
    SightFileRead read;
    read.Message = std::string(kBadSightFileMessage);
    return read;
}

SightFileRead readContents(SeqFileReader& items) {
    ItemReader in(items);
    if (in.text() != kSightFileHeader || in.bad()) {
        return badFile();
    }
    const int count = in.sightCount();
    if (in.bad()) {
        return badFile();
    }

    SightFileContents contents;
    LegSettings& leg = contents.Leg;
    GeneralSettings& general = contents.General;
    bool selectSouth = false;
    bool selectWest = false;

    leg.Notes = in.text();                      // 3
    leg.Course = in.text();                     // 4
    leg.Speed = in.text();                      // 5
    leg.EyeHeight = in.text();                  // 6
    leg.EyeHeightFeet = in.truth();             // 7
    leg.EyeHeightMetres = in.truth();           // 8
    general.AirTemperature = in.text();         // 9
    general.Pressure = in.text();               // 10
    leg.LastFixLatDegrees = in.text();          // 11
    leg.LastFixLatMinutes = in.text();          // 12
    leg.LastFixLonDegrees = in.text();          // 13
    leg.LastFixLonMinutes = in.text();          // 14
    leg.LastFixHour = in.text();                // 15
    leg.LastFixMinutes = in.text();             // 16
    leg.LastFixDay = in.text();                 // 17
    leg.PlottingScale = in.text();              // 18
    leg.NewFixHour = in.text();                 // 19
    leg.NewFixMinutes = in.text();              // 20
    leg.NewFixDay = in.text();                  // 21
    general.ChronometerCorrection = in.text();  // 22
    leg.LastFixNorth = in.truth(&selectSouth);  // 23
    leg.LastFixEast = in.truth(&selectWest);    // 24
    general.DeltaT = in.text();                 // 25
    general.TimeZone = in.text();               // 26
    leg.LastFixMonth = in.text();               // 27
    leg.LastFixYear = in.text();                // 28
    leg.NewFixMonth = in.text();                // 29
    leg.NewFixYear = in.text();                 // 30
    if (in.bad()) {
        return badFile();
    }

    contents.Sights.resize(static_cast<std::size_t>(count));
    for (SightRecord& sight : contents.Sights) {
        sight.Note = in.text();
        for (int f = 1; f <= kSightFieldCount; ++f) {
            sight.Fields[f] = in.number();
        }
    }
    if (in.bad()) {
        return badFile();
    }

    SightFileRead read;
    read.Contents = std::move(contents);
    read.SelectSouth = selectSouth;
    read.SelectWest = selectWest;
    return read;
}

}  // namespace

bool operator==(const LegSettings& a, const LegSettings& b) {
    return a.Notes == b.Notes && a.Course == b.Course && a.Speed == b.Speed &&
           a.EyeHeight == b.EyeHeight && a.EyeHeightMetres == b.EyeHeightMetres &&
           a.EyeHeightFeet == b.EyeHeightFeet && a.PlottingScale == b.PlottingScale &&
           a.LastFixLatDegrees == b.LastFixLatDegrees &&
           a.LastFixLatMinutes == b.LastFixLatMinutes && a.LastFixNorth == b.LastFixNorth &&
           a.LastFixLonDegrees == b.LastFixLonDegrees &&
           a.LastFixLonMinutes == b.LastFixLonMinutes && a.LastFixEast == b.LastFixEast &&
           a.LastFixHour == b.LastFixHour && a.LastFixMinutes == b.LastFixMinutes &&
           a.LastFixDay == b.LastFixDay && a.LastFixMonth == b.LastFixMonth &&
           a.LastFixYear == b.LastFixYear && a.NewFixHour == b.NewFixHour &&
           a.NewFixMinutes == b.NewFixMinutes && a.NewFixDay == b.NewFixDay &&
           a.NewFixMonth == b.NewFixMonth && a.NewFixYear == b.NewFixYear;
}

bool operator!=(const LegSettings& a, const LegSettings& b) {
    return !(a == b);
}

bool operator==(const GeneralSettings& a, const GeneralSettings& b) {
    return a.DeltaT == b.DeltaT && a.ChronometerCorrection == b.ChronometerCorrection &&
           a.TimeZone == b.TimeZone && a.AirTemperature == b.AirTemperature &&
           a.Pressure == b.Pressure;
}

bool operator!=(const GeneralSettings& a, const GeneralSettings& b) {
    return !(a == b);
}

bool operator==(const SightRecord& a, const SightRecord& b) {
    return a.Note == b.Note && a.Fields == b.Fields && a.ValuesEmpty == b.ValuesEmpty;
}

bool operator!=(const SightRecord& a, const SightRecord& b) {
    return !(a == b);
}

bool operator==(const SightFileContents& a, const SightFileContents& b) {
    return a.Leg == b.Leg && a.General == b.General && a.Sights == b.Sights;
}

bool operator!=(const SightFileContents& a, const SightFileContents& b) {
    return !(a == b);
}

std::string writeSightFile(const SightFileContents& contents) {
    SeqFileWriter out;
    writeContents(contents, out);
    return out.bytes();
}

SightFileRead readSightFile(std::string_view bytes) {
    SeqFileReader items = SeqFileReader::fromBytes(bytes);
    return readContents(items);
}

platform::SaveResult saveSightFile(const std::filesystem::path& FileName,
                                   const SightFileContents& contents) {
    SeqFileWriter out;
    writeContents(contents, out);
    return out.saveTo(FileName);
}

SightFileRead openSightFile(const std::filesystem::path& FileName) {
    std::optional<SeqFileReader> items = SeqFileReader::open(FileName);
    if (!items) {
        return badFile();
    }
    return readContents(*items);
}

SightRecord sightRecordOf(const SightLog& log, int i) {
    SightRecord sight;
    if (i < 1 || i > kMaxSights) {
        return sight;
    }
    sight.Note = log.SightNotes[i];
    bool allZero = true;
    for (int f = 1; f <= kSightFieldCount; ++f) {
        sight.Fields[f] = log.SightData[i][f];
        allZero = allZero && sight.Fields[f] == 0;
    }
    sight.ValuesEmpty = log.RowEmpty[i] && allZero;
    return sight;
}

std::vector<SightRecord> sightRecordsOf(const SightLog& log) {
    std::vector<SightRecord> sights;
    // A leg with no sight entered is saved as no sights.
    if (!log.HoldsSights && log.SightCount == 1) {
        return sights;
    }
    const int count = reducibleSightCount(log.SightCount);
    for (int i = 1; i <= count; ++i) {
        sights.push_back(sightRecordOf(log, i));
    }
    return sights;
}

void applySightRecords(const std::vector<SightRecord>& sights, SightLog& log) {
    const int count = sights.size() > static_cast<std::size_t>(kMaxSights)
                          ? kMaxSights
                          : static_cast<int>(sights.size());
    log.SightCount = count;
    log.HoldsSights = count > 0;
    for (int i = 1; i <= count; ++i) {
        const SightRecord& sight = sights[static_cast<std::size_t>(i - 1)];
        log.SightNotes[i] = sight.Note;
        for (int f = 1; f <= kSightFieldCount; ++f) {
            log.SightData[i][f] = sight.ValuesEmpty ? 0.0 : sight.Fields[f];
        }
        log.RowEmpty[i] = sight.ValuesEmpty;
    }
}

}  // namespace reduction
