// Sequential item files: one item per line, lines ended by CRLF, text in
// Windows-1252. The program's strings are UTF-8; conversion happens here.
//
// Writing collects the file in memory and saves it through a temporary file
// beside the target, so a failed save leaves the old file as it was. Reading
// takes the file's items one by one as a stream, so a file format reads every
// item into a plain struct, validates it and only then applies it; whatever
// follows the format's last item is never read.
#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <memory>
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

// The longest text a text box holds, in characters: a single-line box and a
// notes box alike (a notes box counts each line break as the two characters
// CR LF it writes). Every byte of a file is one character once read, so it is
// also a length in bytes.
inline constexpr std::size_t kTextBoxMaxLength = 32767;

struct SaveResult {
    bool ok = false;
    std::string message;  // empty when ok
};

// Saves bytes as they are (a file of another format than items, such as a
// printed page) the way SeqFileWriter::saveTo saves its file.
SaveResult saveFileBytes(const std::filesystem::path& target, std::string_view bytes);

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

    // Writes the file to a temporary file in the target's folder, flushes it
    // to the disk, renames it over the target once it is complete and closed,
    // and flushes the folder. A symbolic link is followed: the file it names
    // is replaced, the link stays. An existing target that the user may not
    // write is refused (permission denied), as is anything that is not a
    // regular file. On any failure the temporary file is removed, an existing
    // target is untouched and the result says what went wrong.
    //
    // Temporary files are named "." + file name + "." + process id + "-" +
    // number + ".tmp"; a save removes those of the same file left by a
    // process that no longer runs (a crash or a kill during a save).
    SaveResult saveTo(const std::filesystem::path& target) const;

  private:
    void line(std::string_view encoded);

    std::string bytes_;
};

class SeqFileReader {
  public:
    // Opens the file for reading item by item; lines are read only as the
    // items are taken. No value when it cannot be opened or is not a regular
    // file (a folder, a named pipe, a device is refused at once, without
    // waiting for a writer or reading on); message then says why. A read
    // error later, or a file beyond 64 MiB, fails the reader.
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
    // The same, for a text that must not be longer than maxLength characters
    // (kTextBoxMaxLength for a single-line text box): a longer item gives no
    // value and fails the reader rather than being cut.
    std::optional<std::string> text(std::size_t maxLength);
    // The item's leading number (0 for an empty or non-numeric item).
    std::optional<double> number();
    // The item as a whole must be a number.
    std::optional<double> wholeTextNumber();
    // "True"/"False" in any letter case, or a number (not 0 is true).
    std::optional<bool> truth();

    bool failed() const { return failed_; }
    // No item left (reads ahead one line).
    bool atEnd() const;
    // Items taken so far; the next item is item position() + 1 of the file.
    std::size_t position() const { return next_; }
    // The number of items of the whole file (reads the rest of it).
    std::size_t itemCount() const;
    // Bytes of the file read so far.
    std::size_t bytesRead() const;

    SeqFileReader(SeqFileReader&&) noexcept;
    SeqFileReader& operator=(SeqFileReader&&) noexcept;
    ~SeqFileReader();

  private:
    struct Source;
    struct Item {
        std::string text;        // UTF-8
        std::size_t length = 0;  // characters in the file
    };

    explicit SeqFileReader(std::unique_ptr<Source> source);
    // Reads the next line's item into ahead_; false at the end of the file.
    // Reading ahead takes no item, so the const queries may do it.
    bool readAhead() const;
    const Item* take();

    std::unique_ptr<Source> source_;
    mutable std::deque<Item> ahead_;  // read, not yet taken; in file order
    Item current_;
    std::size_t next_ = 0;
    mutable bool failed_ = false;
};

}  // namespace platform
