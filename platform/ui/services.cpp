#include "platform/ui/services.h"

#include <cstring>
#include <vector>

namespace platform::ui {

namespace {

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// "NAV Files (*.NAV)" -> "NAV Files"
std::string_view descriptionText(std::string_view description) {
    const std::size_t paren = description.find('(');
    return trimmed(paren == std::string_view::npos ? description : description.substr(0, paren));
}

std::string qtPatterns(std::string_view patterns) {
    std::string out;
    for (std::string_view p : splitOn(patterns, ';')) {
        p = trimmed(p);
        if (p.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += ' ';
        }
        out += (p == "*.*") ? std::string("*") : std::string(p);
    }
    return out.empty() ? std::string("*") : out;
}

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

std::string qtFileFilter(std::string_view programFilter) {
    if (trimmed(programFilter).empty()) {
        return {};
    }
    const std::vector<std::string_view> parts = splitOn(programFilter, '|');
    std::string out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view description = descriptionText(parts[i]);
        const std::string patterns = qtPatterns(i + 1 < parts.size() ? parts[i + 1] : "*");
        if (!out.empty()) {
            out += ";;";
        }
        if (!description.empty()) {
            out += std::string(description) + " ";
        }
        out += "(" + patterns + ")";
    }
    return out;
}

std::string fileDialogSuffix(std::string_view programFilter) {
    const std::vector<std::string_view> parts = splitOn(programFilter, '|');
    if (parts.size() < 2) {
        return {};
    }
    const std::string_view first = trimmed(splitOn(parts[1], ';').front());
    if (first.size() < 3 || first.substr(0, 2) != "*.") {
        return {};
    }
    const std::string_view extension = first.substr(2);
    if (extension.find_first_of("*?[]") != std::string_view::npos) {
        return {};
    }
    return std::string(extension);
}

double secondsSinceMidnight(const LocalDateTime& t) {
    return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

StandardRandom::StandardRandom(std::uint64_t seed) {
    for (std::uint64_t& s : state_) {
        s = splitMix(seed);
    }
}

double StandardRandom::next() {
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    // The top 53 bits as a fraction: always below 1.
    return static_cast<double>(result >> 11) * (1.0 / 9007199254740992.0);
}

void StandardRandom::reseed(double seed) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    // Mix the seed into the running state rather than replacing it, so that
    // reseeding with an unchanged clock reading still moves the sequence on.
    std::uint64_t mix = bits ^ state_[0] ^ rotl(state_[3], 23);
    for (std::uint64_t& s : state_) {
        s ^= splitMix(mix);
    }
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) {
        state_[0] = 1;
    }
    next();
}

void warnProblem(Messages& messages, const std::string& message) {
    messages.beep();
    messages.show(message, "Warning!");
}

}  // namespace platform::ui
