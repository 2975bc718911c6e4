// Item files: splitting into items, typed reads, the exact bytes written,
// Windows-1252 conversion, saving through a temporary file and its failures.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/seqfile.h"

namespace {

namespace fs = std::filesystem;
using platform::SaveResult;
using platform::SeqFileReader;
using platform::SeqFileWriter;
using platform::utf8ToWindows1252;
using platform::windows1252ToUtf8;

std::vector<std::string> allTextItems(SeqFileReader& reader) {
    std::vector<std::string> items;
    while (!reader.atEnd()) {
        items.push_back(*reader.text());
    }
    return items;
}

TEST(SeqFileReader, SplitsLinesIntoItems) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"CRLF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"mixed endings", "1\r\n2\n3\r4", {"1", "2", "3", "4"}},
        {"empty line is an item", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"lone CR then CRLF", "a\r\r\nb", {"a", "", "b"}},
        {"LF then CR", "\n\r", {"", ""}},
        {"last line without line end", "first\r\nlast", {"first", "last"}},
        {"empty file", "", {}},
        {"one empty line", "\r\n", {""}},
        {"leading blanks skipped, trailing kept", "  lead  \r\n\t tab\r\n", {"lead  ", "tab"}},
        {"text after the first comma dropped", "x,y,z\r\n , after\r\n12,5\r\n", {"x", "", "12"}},
        {"blanks only", "   \r\n", {""}},
        {"Windows-1252 to UTF-8",
         "23\xB0"
         "10.5' caf\xE9 \x80\r\n",
         {"23\xC2\xB0"
          "10.5' caf\xC3\xA9 \xE2\x82\xAC"}},
    };
    for (const auto& c : cases) {
        SeqFileReader reader = SeqFileReader::fromBytes(c.bytes);
        EXPECT_EQ(reader.itemCount(), c.items.size()) << c.name;
        EXPECT_EQ(allTextItems(reader), c.items) << c.name;
        EXPECT_FALSE(reader.failed()) << c.name;
        EXPECT_EQ(reader.text(), std::nullopt) << c.name;
        EXPECT_TRUE(reader.failed()) << c.name;
    }
}

TEST(SeqFileReader, ReadingPastTheEndIsAnErrorForEveryKind) {
    SeqFileReader reader = SeqFileReader::fromBytes("1\r\n");
    EXPECT_EQ(reader.number(), 1);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.position(), 1u);
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.number(), std::nullopt);
    EXPECT_EQ(reader.text(), std::nullopt);
    EXPECT_EQ(reader.wholeTextNumber(), std::nullopt);
    EXPECT_EQ(reader.truth(), std::nullopt);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.position(), 1u);

    SeqFileReader empty = SeqFileReader::fromBytes("");
    EXPECT_EQ(empty.truth(), std::nullopt);
    EXPECT_TRUE(empty.failed());
}

TEST(SeqFileReader, TypedReads) {
    SeqFileReader reader = SeqFileReader::fromBytes("  12.5abc\r\n\r\nText3\r\n 7 \r\n");
    EXPECT_EQ(reader.number(), 12.5);
    EXPECT_EQ(reader.number(), 0);  // empty item
    EXPECT_EQ(reader.number(), 0);  // no number
    EXPECT_EQ(reader.wholeTextNumber(), 7);
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(reader.atEnd());

    SeqFileReader strict = SeqFileReader::fromBytes("12.5abc\r\nTRUE\r\n0\r\nfalse\r\n-1,x\r\n");
    EXPECT_EQ(strict.wholeTextNumber(), std::nullopt);
    EXPECT_TRUE(strict.failed());
    EXPECT_EQ(strict.position(), 1u);  // the bad item is taken
    EXPECT_EQ(strict.truth(), true);
    EXPECT_EQ(strict.truth(), false);
    EXPECT_EQ(strict.truth(), false);
    EXPECT_EQ(strict.truth(), true);  // "-1" before the comma
    EXPECT_TRUE(strict.atEnd());

    SeqFileReader notTruth = SeqFileReader::fromBytes("maybe\r\nTrue\r\n");
    EXPECT_EQ(notTruth.truth(), std::nullopt);
    EXPECT_TRUE(notTruth.failed());
    EXPECT_EQ(notTruth.truth(), true);
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(SeqFileWriter, WritesExactBytes) {
    SeqFileWriter writer;
    writer.text("CelestialNavigationKestlow2");
    writer.text(
        "Sun 23\xC2\xB0"
        "10.5' caf\xC3\xA9");  // "°" and "é"
    writer.text("a,b\rc\nd\r\n");
    writer.text("");
    writer.text("\xE2\x82\xAC \xC5\xB8 \xE2\x80\x9C");  // Euro, Y diaeresis, left quote
    writer.text("\xE6\x97\xA5 \xF0\x9F\x8C\x8D");       // no Windows-1252 code
    writer.text("bad \xFF\xE2\x82 end");                // malformed UTF-8
    writer.number(0.30000000000000004);
    writer.number(-0.0);
    writer.number(-0.5);
    writer.number(2456823.375);
    writer.number(1e-6);
    writer.truth(true);
    writer.truth(false);
    writer.whole(25);
    writer.whole(-3);
    writer.whole(0);
    const std::string expected =
        "CelestialNavigationKestlow2\r\n"
        "Sun 23\xB0"
        "10.5' caf\xE9\r\n"
        "a b c d  \r\n"
        "\r\n"
        "\x80 \x9F \x93\r\n"
        "? ?\r\n"
        "bad ?? end\r\n"
        "0.3\r\n"
        "0\r\n"
        "-0.5\r\n"
        "2456823.375\r\n"
        "0.000001\r\n"
        "True\r\n"
        "False\r\n"
        "25\r\n"
        "-3\r\n"
        "0\r\n";
    EXPECT_EQ(writer.bytes(), expected);
}

TEST(Windows1252, EveryByteMapsAndComesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_EQ(utf8ToWindows1252(utf8), all);

    struct Case {
        std::string byte;
        std::string utf8;
    };
    const Case cases[] = {
        {"A", "A"},
        {"\x80", "\xE2\x82\xAC"},  // U+20AC
        {"\x81", "\xC2\x81"},      // undefined: U+0081
        {"\x8D", "\xC2\x8D"},
        {"\x8F", "\xC2\x8F"},
        {"\x90", "\xC2\x90"},
        {"\x9D", "\xC2\x9D"},
        {"\x85", "\xE2\x80\xA6"},  // U+2026
        {"\x99", "\xE2\x84\xA2"},  // U+2122
        {"\x9F", "\xC5\xB8"},      // U+0178
        {"\xA0", "\xC2\xA0"},
        {"\xB0", "\xC2\xB0"},
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windows1252ToUtf8(c.byte), c.utf8);
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.byte);
    }
}

TEST(Windows1252, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"C1 control defined in the code page", "\xC2\x85", "?"},
        {"CJK", "\xE6\x97\xA5", "?"},
        {"outside the BMP", "\xF0\x9F\x8C\x8D", "?"},
        {"truncated sequence",
         "\xE2\x82"
         "A",
         "?A"},
        {"truncated at the end", "x\xE2\x82", "x?"},
        {"overlong", "\xC0\xAF", "??"},
        {"overlong three bytes", "\xE0\x80\xAF", "???"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"stray continuation", "\x80", "?"},
        {"lead byte F5", "\xF5\x80", "??"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes) << c.name;
    }
}

// A fresh folder for each test, removed afterwards.
class SeqFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("seqfile_test_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    static std::string readBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void writeBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    std::set<std::string> names() const {
        std::set<std::string> result;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            result.insert(entry.path().filename().string());
        }
        return result;
    }

    fs::path dir_;
};

// Expected values: worked examples (exact doubles where compared exactly).
TEST_F(SeqFileOnDisk, RoundTrip) {
    SeqFileWriter writer;
    writer.text("CelestialNavigationKestlow2");
    writer.whole(2);
    writer.text("Notes, with commas; 23\xC2\xB0 caf\xC3\xA9  ");
    writer.number(44.900000000000006);
    writer.number(-0.08);
    writer.number(2456823.375);
    writer.truth(true);
    writer.truth(false);
    writer.text("");
    writer.text("   leading");
    const fs::path path = dir_ / "trip.NAV";
    const SaveResult saved = writer.saveTo(path);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(saved.message.empty());
    EXPECT_EQ(readBytes(path), writer.bytes());
    EXPECT_EQ(names(), std::set<std::string>{"trip.NAV"});

    std::string message = "stale";
    auto reader = SeqFileReader::open(path, message);
    ASSERT_TRUE(reader.has_value()) << message;
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(reader->text(), "CelestialNavigationKestlow2");
    EXPECT_EQ(reader->wholeTextNumber(), 2);
    EXPECT_EQ(reader->text(), "Notes  with commas; 23\xC2\xB0 caf\xC3\xA9  ");
    EXPECT_EQ(reader->number(), 44.9);
    EXPECT_EQ(reader->wholeTextNumber(), -0.08);
    EXPECT_EQ(reader->number(), 2456823.375);
    EXPECT_EQ(reader->truth(), true);
    EXPECT_EQ(reader->truth(), false);
    EXPECT_EQ(reader->text(), "");
    EXPECT_EQ(reader->text(), "leading");  // leading blanks are not kept
    EXPECT_TRUE(reader->atEnd());
    EXPECT_FALSE(reader->failed());
}

TEST_F(SeqFileOnDisk, SaveReplacesAnExistingFile) {
    const fs::path path = dir_ / "old.NAV";
    writeBytes(path, "old contents that are longer than the new\r\n");
    SeqFileWriter writer;
    writer.text("new");
    const SaveResult saved = writer.saveTo(path);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(readBytes(path), "new\r\n");
    EXPECT_EQ(names(), std::set<std::string>{"old.NAV"});
}

TEST_F(SeqFileOnDisk, SaveBelowARegularFileFailsAndChangesNothing) {
    const fs::path old = dir_ / "old.NAV";
    const std::string oldBytes = "CelestialNavigationKestlow2\r\n1\r\n";
    writeBytes(old, oldBytes);
    SeqFileWriter writer;
    writer.text("new");
    const fs::path target = old / "new.NAV";
    const SaveResult saved = writer.saveTo(target);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(target.string()), std::string::npos) << saved.message;
    EXPECT_EQ(readBytes(old), oldBytes);
    EXPECT_EQ(names(), std::set<std::string>{"old.NAV"});
}

TEST_F(SeqFileOnDisk, FailedRenameRemovesTheTemporaryFile) {
    // A folder in the target's place: the temporary file is written, the
    // rename over the folder fails.
    const fs::path target = dir_ / "taken.NAV";
    fs::create_directory(target);
    writeBytes(target / "keep.txt", "keep");
    const fs::path other = dir_ / "other.NAV";
    writeBytes(other, "other\r\n");
    SeqFileWriter writer;
    writer.text("new");
    const SaveResult saved = writer.saveTo(target);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.empty());
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(readBytes(target / "keep.txt"), "keep");
    EXPECT_EQ(readBytes(other), "other\r\n");
    EXPECT_EQ(names(), (std::set<std::string>{"other.NAV", "taken.NAV"}));
}

// Limits the size of files this process may write, for the lifetime of the
// object; writes beyond it fail with EFBIG (the signal is ignored).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

TEST_F(SeqFileOnDisk, FailedWriteKeepsTheOldFile) {
    const fs::path path = dir_ / "old.NAV";
    const std::string oldBytes = "CelestialNavigationKestlow2\r\n1\r\nold notes\r\n";
    writeBytes(path, oldBytes);
    SeqFileWriter writer;
    for (int i = 0; i < 2000; ++i) {
        writer.text("a sight note long enough to pass the limit");
    }
    SaveResult saved;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        saved = writer.saveTo(path);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(path.string()), std::string::npos) << saved.message;
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(names(), std::set<std::string>{"old.NAV"});
}

TEST_F(SeqFileOnDisk, SaveWithoutAFileNameFails) {
    SeqFileWriter writer;
    writer.text("x");
    const SaveResult saved = writer.saveTo(dir_ / "");
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.empty());
    EXPECT_TRUE(names().empty());
}

TEST_F(SeqFileOnDisk, OpenFailsClearlyForMissingFilesAndFolders) {
    std::string message;
    EXPECT_FALSE(SeqFileReader::open(dir_ / "missing.NAV", message).has_value());
    EXPECT_NE(message.find("missing.NAV"), std::string::npos) << message;

    message.clear();
    EXPECT_FALSE(SeqFileReader::open(dir_, message).has_value());
    EXPECT_FALSE(message.empty());

    EXPECT_FALSE(SeqFileReader::open(dir_ / "missing.NAV").has_value());
}

TEST_F(SeqFileOnDisk, OpenReadsAnEmptyFileAsNoItems) {
    const fs::path path = dir_ / "empty.NAV";
    writeBytes(path, "");
    auto reader = SeqFileReader::open(path);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->itemCount(), 0u);
    EXPECT_EQ(reader->text(), std::nullopt);
    EXPECT_TRUE(reader->failed());
}

}  // namespace
