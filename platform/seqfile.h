// Sequential item files: one item per line, lines ended by CRLF, text in
// Windows-1252. The program's strings are UTF-8; conversion happens here.
//
// Writing collects the file in memory and saves it through a temporary file
// beside the target, so a failed save leaves the old file as it was. Reading
// takes the whole file first, so a file format can read every item into a
// plain struct, validate it and only then apply it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// UTF-8 to Windows-1252. Characters without a Windows-1252 code, and
// malformed UTF-8 (one per maximal ill-formed sequence), become "?".
std::string utf8ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8. Every byte maps; the five bytes that code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same number, and those convert back to the same bytes.
std::string windows1252ToUtf8(std::string_view bytes);

struct SaveResult {
    bool ok = false;
    std::string message;  // empty when ok
};

class SeqFileWriter {
  public:
    // A text item. Commas, CR and LF become blanks so the item stays one line.
    void text(std::string_view utf8);
    // A number as its general text ("0.3", "-12.5").
    void number(double value);
    // "True" or "False".
    void truth(bool value);
    // A whole number: check box states, list indexes, counts.
    void whole(long long value);

    // The file as written so far, in Windows-1252 with CRLF line ends.
    const std::string& bytes() const { return bytes_; }

    // Writes the file to a temporary file in the target's folder and renames
    // it over the target once it is complete and closed. On any failure the
    // temporary file is removed, an existing target is untouched and the
    // result says what went wrong.
    SaveResult saveTo(const std::filesystem::path& target) const;

  private:
    void line(std::string_view encoded);

    std::string bytes_;
};

class SeqFileReader {
  public:
    // Reads the whole file. No value when it cannot be opened or read;
    // message then says why.
    static std::optional<SeqFileReader> open(const std::filesystem::path& path,
                                             std::string& message);
    static std::optional<SeqFileReader> open(const std::filesystem::path& path);

    // Splits file contents into items: CRLF, LF or a lone CR ends a line, a
    // last line without a line end counts, an empty line is the empty item.
    // Each item is its line up to the first comma, leading blanks skipped,
    // trailing blanks kept, converted to UTF-8.
    static SeqFileReader fromBytes(std::string_view bytes);

    // Each read takes the next item. Reading past the end, or an item that
    // is not of the asked kind, gives no value and marks the reader failed;
    // the item is taken all the same.
    std::optional<std::string> text();
    // The item's leading number (0 for an empty or non-numeric item).
    std::optional<double> number();
    // The item as a whole must be a number.
    std::optional<double> wholeTextNumber();
    // "True"/"False" in any letter case, or a number (not 0 is true).
    std::optional<bool> truth();

    bool failed() const { return failed_; }
    bool atEnd() const { return next_ >= items_.size(); }
    // Items taken so far; the next item is item position() + 1 of the file.
    std::size_t position() const { return next_; }
    std::size_t itemCount() const { return items_.size(); }

  private:
    explicit SeqFileReader(std::vector<std::string> items) : items_(std::move(items)) {}
    const std::string* take();

    std::vector<std::string> items_;
    std::size_t next_ = 0;
    bool failed_ = false;
};

}  // namespace platform
