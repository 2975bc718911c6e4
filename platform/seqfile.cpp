#include "platform/seqfile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/numtext.h"

namespace platform {
namespace {

// Code points of the Windows-1252 bytes 0x80 to 0x9F. The five bytes the
// code page leaves undefined keep the C1 control of the same number.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Most bytes the reader reads from one file; the program's files are a few
// kilobytes.
constexpr std::size_t kMaxReadBytes = 64u << 20;
// Bytes read from a file at a time.
constexpr std::size_t kReadChunk = 65536;
// Symbolic links followed before a save gives up (as the system does).
constexpr int kMaxLinkHops = 40;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or '?' when it has none.
char windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Decodes one UTF-8 character at text[pos]. On success sets cp and returns
// its length; on failure returns 0 and sets length to the maximal
// ill-formed subpart (at least 1).
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    length = 1;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    std::size_t need = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (pos + k >= text.size()) {
            return 0;
        }
        const unsigned char next = byte(pos + k);
        if (next < low || next > high) {
            return 0;
        }
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (next & 0x3F);
        length = k + 1;
    }
    return need + 1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string errorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

std::string saveFailure(const std::filesystem::path& target, const std::string& reason) {
    return "Could not save \"" + target.string() + "\": " + reason;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The temporary files of a target are "." + name + "." + pid + "-" + n +
// ".tmp"; the name is cut so that the suffix never passes the name limit.
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".";
}

bool allDigits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The process id of a temporary file name of the target, or 0 when the name
// is not one.
long temporaryOwner(std::string_view name, std::string_view prefix) {
    constexpr std::string_view suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix) {
        return 0;
    }
    const std::string_view rest =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) ||
        !allDigits(rest.substr(dash + 1))) {
        return 0;
    }
    long pid = 0;
    const auto parsed = std::from_chars(rest.data(), rest.data() + dash, pid);
    return parsed.ec == std::errc() ? pid : 0;
}

// Removes the target's temporary files that a save which never finished left
// behind: those of this process and of processes that no longer run. A save
// in progress in another running process keeps its file.
void removeStaleTemporaries(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        const long pid = temporaryOwner(name, prefix);
        if (pid <= 0) {
            continue;
        }
        const bool gone = pid == static_cast<long>(::getpid()) ||
                          (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
        if (gone) {
            ::unlink(it->path().c_str());
        }
    }
}

// Creates a new temporary file beside the target; returns its descriptor or
// -1 with errno set.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    const std::string base = temporaryPrefix(target) + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / (base + "-" + std::to_string(attempt) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The file a save of target writes: target itself, or the file its chain of
// symbolic links names (which need not exist yet). 0, or an errno value.
int resolveLinks(const std::filesystem::path& target, std::filesystem::path& resolved) {
    resolved = target;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(resolved.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;  // a new file, or one to replace; errors show when writing
        }
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(resolved, error);
        if (error) {
            return error.value();
        }
        resolved = next.is_absolute() ? next : resolved.parent_path() / next;
    }
    return ELOOP;
}

// Whether an existing target may be replaced: 0, or an errno value. A file
// the user may not write is kept, even though replacing it needs only the
// folder's permission; so is one without any write permission at all.
int replaceableTarget(const std::filesystem::path& target, struct stat& info, bool& exists) {
    exists = ::stat(target.c_str(), &info) == 0;
    if (!exists) {
        return 0;
    }
    if (!S_ISREG(info.st_mode)) {
        return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    if (::access(target.c_str(), W_OK) != 0) {
        return errno;
    }
    return 0;
}

// Flushes the folder's entries, so that a rename survives a power cut.
// Folders that cannot be flushed (some file systems) pass.
int flushFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        error = errno;
    }
    ::close(fd);
    return error;
}

}  // namespace

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        std::size_t length = 1;
        if (decodeUtf8(utf8, pos, cp, length) == 0) {
            out += '?';
        } else {
            out += windows1252Byte(cp);
        }
        pos += length;
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

void SeqFileWriter::line(std::string_view encoded) {
    bytes_.append(encoded.data(), encoded.size());
    bytes_ += "\r\n";
}

void SeqFileWriter::text(std::string_view utf8) {
    std::string encoded = utf8ToWindows1252(utf8);
    for (char& c : encoded) {
        if (c == ',' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    line(encoded);
}

void SeqFileWriter::number(double value) {
    line(generalText(value));
}

void SeqFileWriter::truth(bool value) {
    line(value ? "True" : "False");
}

void SeqFileWriter::whole(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    line(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

SaveResult SeqFileWriter::saveTo(const std::filesystem::path& target) const {
    return saveFileBytes(target, bytes_);
}

SaveResult saveFileBytes(const std::filesystem::path& target, std::string_view bytes) {
    if (target.filename().empty()) {
        return {false, saveFailure(target, "no file name")};
    }
    std::filesystem::path file;
    if (const int error = resolveLinks(target, file); error != 0) {
        return {false, saveFailure(target, errorText(error))};
    }
    if (file.filename().empty()) {
        return {false, saveFailure(target, "no file name")};
    }
    struct stat old {};
    bool exists = false;
    // A folder in the target's place is left to the rename, which refuses it.
    if (const int error = replaceableTarget(file, old, exists); error != 0 && error != EISDIR) {
        return {false, saveFailure(target, errorText(error))};
    }
    removeStaleTemporaries(file);

    std::filesystem::path temporary;
    const int fd = createTemporary(file, temporary);
    if (fd < 0) {
        return {false, saveFailure(target, errorText(errno))};
    }
    // Keep the permissions of the file being replaced.
    if (exists && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {false, saveFailure(target, errorText(error))};
    }
    if (const int flushError = flushFolder(file); flushError != 0) {
        return {false, saveFailure(target, "the folder could not be flushed to the disk: " +
                                               errorText(flushError))};
    }
    return {true, {}};
}

// Where the reader's bytes come from: an open file read a chunk at a time, or
// bytes held in memory. Lines are cut from the chunk on the fly, so a file is
// never held whole.
struct SeqFileReader::Source {
    int fd = -1;
    std::string chunk;
    std::size_t pos = 0;
    std::size_t total = 0;
    bool afterCr = false;  // the last line ended with CR: skip a following LF
    bool error = false;

    Source() = default;
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;
    ~Source() { closeFile(); }

    void closeFile() {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }

    // The next chunk of the file; false at its end or on an error.
    bool fill() {
        if (fd < 0) {
            return false;
        }
        if (total >= kMaxReadBytes) {
            error = true;  // no file of the program is this large
            closeFile();
            return false;
        }
        chunk.resize(kReadChunk);
        ssize_t got = 0;
        do {
            got = ::read(fd, &chunk[0], kReadChunk);
        } while (got < 0 && errno == EINTR);
        if (got <= 0) {
            error = got < 0;
            chunk.clear();
            closeFile();
            return false;
        }
        chunk.resize(static_cast<std::size_t>(got));
        pos = 0;
        total += static_cast<std::size_t>(got);
        return true;
    }

    // The bytes of the next line without its end; false when the file has
    // no more lines. CRLF, LF or a lone CR ends a line.
    bool nextLine(std::string& line) {
        line.clear();
        bool any = false;
        for (;;) {
            if (pos >= chunk.size() && !fill()) {
                return any;
            }
            if (afterCr) {
                afterCr = false;
                if (chunk[pos] == '\n') {
                    ++pos;
                    continue;
                }
            }
            std::size_t end = pos;
            while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') {
                ++end;
            }
            line.append(chunk, pos, end - pos);
            if (end < chunk.size()) {
                afterCr = chunk[end] == '\r';
                pos = end + 1;
                return true;
            }
            pos = end;
            any = true;
        }
    }
};

SeqFileReader::SeqFileReader(std::unique_ptr<Source> source) : source_(std::move(source)) {}
SeqFileReader::SeqFileReader(SeqFileReader&&) noexcept = default;
SeqFileReader& SeqFileReader::operator=(SeqFileReader&&) noexcept = default;
SeqFileReader::~SeqFileReader() = default;

std::optional<SeqFileReader> SeqFileReader::open(const std::filesystem::path& path,
                                                 std::string& message) {
    const auto failure = [&](const std::string& reason) {
        message = "Could not read \"" + path.string() + "\": " + reason;
        return std::nullopt;
    };
    // Without blocking: a named pipe would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return failure(errorText(errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return failure(errorText(error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return failure(S_ISDIR(info.st_mode) ? errorText(EISDIR) : "not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto source = std::make_unique<Source>();
    source->fd = fd;
    message.clear();
    return SeqFileReader(std::move(source));
}

std::optional<SeqFileReader> SeqFileReader::open(const std::filesystem::path& path) {
    std::string message;
    return open(path, message);
}

SeqFileReader SeqFileReader::fromBytes(std::string_view bytes) {
    auto source = std::make_unique<Source>();
    source->chunk.assign(bytes.data(), bytes.size());
    source->total = bytes.size();
    return SeqFileReader(std::move(source));
}

bool SeqFileReader::readAhead() const {
    std::string line;
    const bool got = source_ && source_->nextLine(line);
    if (source_ && source_->error) {
        failed_ = true;  // a line cut by a read error or the size limit is no item
    }
    if (!got) {
        return false;
    }
    std::size_t begin = 0;
    while (begin < line.size() && isBlank(line[begin])) {
        ++begin;
    }
    std::string_view item(line);
    item.remove_prefix(begin);
    item = item.substr(0, item.find(','));
    ahead_.push_back({windows1252ToUtf8(item), item.size()});
    return true;
}

bool SeqFileReader::atEnd() const {
    return ahead_.empty() && !readAhead();
}

std::size_t SeqFileReader::itemCount() const {
    while (readAhead()) {
    }
    return next_ + ahead_.size();
}

std::size_t SeqFileReader::bytesRead() const {
    return source_ ? source_->total : 0;
}

const SeqFileReader::Item* SeqFileReader::take() {
    if (ahead_.empty() && !readAhead()) {
        failed_ = true;
        return nullptr;
    }
    current_ = std::move(ahead_.front());
    ahead_.pop_front();
    ++next_;
    return &current_;
}

std::optional<std::string> SeqFileReader::text() {
    if (const Item* item = take()) {
        return item->text;
    }
    return std::nullopt;
}

std::optional<std::string> SeqFileReader::text(std::size_t maxLength) {
    const Item* item = take();
    if (item == nullptr) {
        return std::nullopt;
    }
    if (item->length > maxLength) {
        failed_ = true;
        return std::nullopt;
    }
    return item->text;
}

std::optional<double> SeqFileReader::number() {
    if (const Item* item = take()) {
        return leadingNumber(item->text);
    }
    return std::nullopt;
}

std::optional<double> SeqFileReader::wholeTextNumber() {
    const Item* item = take();
    if (item == nullptr) {
        return std::nullopt;
    }
    const auto value = parseWholeText(item->text);
    if (!value) {
        failed_ = true;
    }
    return value;
}

std::optional<bool> SeqFileReader::truth() {
    const Item* item = take();
    if (item == nullptr) {
        return std::nullopt;
    }
    const auto value = parseTruth(item->text);
    if (!value) {
        failed_ = true;
    }
    return value;
}

}  // namespace platform
