#include "platform/seqfile.h"

#include <fcntl.h>
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

// Largest file the reader takes; the program's files are a few kilobytes.
constexpr std::size_t kMaxReadBytes = 64u << 20;

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

// Creates a new temporary file beside the target; returns its descriptor or
// -1 with errno set.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    // Short enough that the suffix never pushes it past the file name limit.
    const std::string name = target.filename().string().substr(0, 200);
    const std::string base = "." + name + "." + std::to_string(::getpid());
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

std::string itemOfLine(std::string_view line) {
    std::size_t begin = 0;
    while (begin < line.size() && isBlank(line[begin])) {
        ++begin;
    }
    line.remove_prefix(begin);
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos) {
        line = line.substr(0, comma);
    }
    return windows1252ToUtf8(line);
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
    if (target.filename().empty()) {
        return {false, saveFailure(target, "no file name")};
    }
    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return {false, saveFailure(target, errorText(errno))};
    }

    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }

    int error = 0;
    if (!writeAll(fd, bytes_) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {false, saveFailure(target, errorText(error))};
    }
    return {true, {}};
}

std::optional<SeqFileReader> SeqFileReader::open(const std::filesystem::path& path,
                                                 std::string& message) {
    const auto failure = [&](const std::string& reason) {
        message = "Could not read \"" + path.string() + "\": " + reason;
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return failure(errorText(errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return failure(errorText(error));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            return failure(errorText(error));
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxReadBytes) {
            ::close(fd);
            return failure("the file is too large");
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    message.clear();
    return fromBytes(bytes);
}

std::optional<SeqFileReader> SeqFileReader::open(const std::filesystem::path& path) {
    std::string message;
    return open(path, message);
}

SeqFileReader SeqFileReader::fromBytes(std::string_view bytes) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        items.push_back(itemOfLine(bytes.substr(pos, end - pos)));
        pos = end;
        if (pos < bytes.size()) {
            const bool crlf =
                bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
            pos += crlf ? 2 : 1;
        }
    }
    return SeqFileReader(std::move(items));
}

const std::string* SeqFileReader::take() {
    if (next_ >= items_.size()) {
        failed_ = true;
        return nullptr;
    }
    return &items_[next_++];
}

std::optional<std::string> SeqFileReader::text() {
    if (const std::string* item = take()) {
        return *item;
    }
    return std::nullopt;
}

std::optional<double> SeqFileReader::number() {
    if (const std::string* item = take()) {
        return leadingNumber(*item);
    }
    return std::nullopt;
}

std::optional<double> SeqFileReader::wholeTextNumber() {
    const std::string* item = take();
    if (item == nullptr) {
        return std::nullopt;
    }
    const auto value = parseWholeText(*item);
    if (!value) {
        failed_ = true;
    }
    return value;
}

std::optional<bool> SeqFileReader::truth() {
    const std::string* item = take();
    if (item == nullptr) {
        return std::nullopt;
    }
    const auto value = parseTruth(*item);
    if (!value) {
        failed_ = true;
    }
    return value;
}

}  // namespace platform
