// Item files: splitting into items, typed reads, the exact bytes written,
// Windows-1252 conversion, saving through a temporary file and its failures.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/seqfile.h"
#include "tests/platform/time_limited_open.h"

namespace {

namespace fs = std::filesystem;
using platform::kTextBoxMaxLength;
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
    // The head, then mebibytes MiB of the fill byte.
    static void writeLong(const fs::path& path, const std::string& head, char fill, int mebibytes) {
        std::ofstream out(path, std::ios::binary);
        out << head;
        const std::string block(1 << 20, fill);
        for (int i = 0; i < mebibytes; ++i) {
            out << block;
        }
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

TEST(SeqFileReader, TextWithALimitRefusesALongerItemRatherThanCuttingIt) {
    const std::string atLimit(kTextBoxMaxLength, 'a');
    const std::string beyond(kTextBoxMaxLength + 1, 'b');
    // An 8-bit character is one character of the box, though two bytes of UTF-8.
    const std::string accented(kTextBoxMaxLength, '\xE9');
    SeqFileReader reader =
        SeqFileReader::fromBytes(atLimit + "\r\n" + accented + "\r\n" + beyond + "\r\nnext\r\n");
    EXPECT_EQ(reader.text(kTextBoxMaxLength), atLimit);
    const auto read = reader.text(kTextBoxMaxLength);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), 2 * kTextBoxMaxLength);
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.text(kTextBoxMaxLength), std::nullopt);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.position(), 3u);  // the long item is taken
    EXPECT_EQ(reader.text(kTextBoxMaxLength), "next");

    // Without a limit the item is read whole.
    SeqFileReader whole = SeqFileReader::fromBytes(beyond + "," + "after");
    EXPECT_EQ(whole.text(), beyond);
    EXPECT_FALSE(whole.failed());
    // The limit counts the item, not its leading blanks or what follows a comma.
    SeqFileReader item = SeqFileReader::fromBytes("   " + atLimit + ",tail\r\n");
    EXPECT_EQ(item.text(kTextBoxMaxLength), atLimit);
    EXPECT_FALSE(item.failed());
}

TEST(SeqFileReader, ItemsAreReadAheadOnlyAsFarAsAsked) {
    SeqFileReader reader = SeqFileReader::fromBytes("a\r\nb\rc\nd");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.position(), 0u);
    EXPECT_EQ(reader.text(), "a");
    EXPECT_EQ(reader.itemCount(), 4u);  // reads the rest, takes nothing
    EXPECT_EQ(reader.position(), 1u);
    EXPECT_EQ(reader.text(), "b");
    EXPECT_EQ(reader.text(), "c");
    EXPECT_EQ(reader.text(), "d");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.failed());
}

TEST_F(SeqFileOnDisk, ReadingStopsAtTheLastItemTaken) {
    // A short file followed by 63 MiB of empty lines: taking the first items
    // reads one chunk, not the file.
    const fs::path path = dir_ / "long.NAV";
    writeLong(path, "first\r\n12.5\r\nTrue\r\n", '\n', 63);
    auto reader = SeqFileReader::open(path);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->text(), "first");
    EXPECT_EQ(reader->number(), 12.5);
    EXPECT_EQ(reader->truth(), true);
    EXPECT_FALSE(reader->failed());
    EXPECT_LE(reader->bytesRead(), 65536u);
    EXPECT_EQ(reader->text(), "");  // an empty line after them
    EXPECT_LE(reader->bytesRead(), 65536u);
}

TEST_F(SeqFileOnDisk, ALineCutByTheSizeLimitFailsTheReader) {
    // One line longer than the 64 MiB the reader takes from a file: the part
    // read is no item of the file, so it cannot be taken as a whole text.
    const fs::path path = dir_ / "huge.NAV";
    writeLong(path, "first\r\n", 'x', 65);
    auto reader = SeqFileReader::open(path);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->text(), "first");
    EXPECT_FALSE(reader->failed());
    reader->text();
    EXPECT_TRUE(reader->failed());
    EXPECT_LE(reader->bytesRead(), (64u << 20) + 65536u);
}

TEST_F(SeqFileOnDisk, ReadsLineEndsSplitBetweenChunks) {
    // Line ends at every position around the 64 KiB chunk boundary.
    for (const std::size_t first : {65534u, 65535u, 65536u}) {
        const std::string longItem(first, 'x');
        const fs::path path = dir_ / "split.NAV";
        writeBytes(path, longItem + "\r\nsecond\r\rfourth\n");
        auto reader = SeqFileReader::open(path);
        ASSERT_TRUE(reader.has_value());
        EXPECT_EQ(reader->text(), longItem) << first;
        EXPECT_EQ(reader->text(), "second") << first;
        EXPECT_EQ(reader->text(), "") << first;
        EXPECT_EQ(reader->text(), "fourth") << first;
        EXPECT_TRUE(reader->atEnd()) << first;
        EXPECT_FALSE(reader->failed()) << first;
    }
}

TEST_F(SeqFileOnDisk, ReadOnlyTargetIsRefusedAndKept) {
    const fs::path path = dir_ / "kept.NAV";
    const std::string oldBytes = "CelestialNavigationKestlow2\r\n0\r\n";
    writeBytes(path, oldBytes);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    SeqFileWriter writer;
    writer.text("new");
    const SaveResult saved = writer.saveTo(path);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, "Could not save \"" + path.string() + "\": Permission denied");
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(names(), std::set<std::string>{"kept.NAV"});

    // Writable again, the same save goes through and keeps the permissions.
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(writer.saveTo(path).ok);
    EXPECT_EQ(readBytes(path), "new\r\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                  fs::perms::group_read | fs::perms::others_read);
}

TEST_F(SeqFileOnDisk, SaveThroughALinkWritesTheFileItNames) {
    fs::create_directory(dir_ / "real");
    const fs::path real = dir_ / "real" / "passage.NAV";
    writeBytes(real, "old\r\n");
    fs::create_symlink(fs::path("real") / "passage.NAV", dir_ / "link.NAV");  // relative
    fs::create_symlink(dir_ / "link.NAV", dir_ / "chain.NAV");                // absolute, to a link
    fs::create_symlink(fs::path("real") / "new.NAV", dir_ / "dangling.NAV");

    SeqFileWriter writer;
    writer.text("through the link");
    for (const char* name : {"link.NAV", "chain.NAV"}) {
        writeBytes(real, "old\r\n");
        const SaveResult saved = writer.saveTo(dir_ / name);
        ASSERT_TRUE(saved.ok) << name << ": " << saved.message;
        EXPECT_EQ(readBytes(real), "through the link\r\n") << name;
        EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name;
    }
    // A link to a file not made yet: the file is made where the link points.
    ASSERT_TRUE(writer.saveTo(dir_ / "dangling.NAV").ok);
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.NAV"));
    EXPECT_EQ(readBytes(dir_ / "real" / "new.NAV"), "through the link\r\n");

    EXPECT_EQ(names(), (std::set<std::string>{"chain.NAV", "dangling.NAV", "link.NAV", "real"}));
    std::set<std::string> realNames;
    for (const auto& entry : fs::directory_iterator(dir_ / "real")) {
        realNames.insert(entry.path().filename().string());
    }
    EXPECT_EQ(realNames, (std::set<std::string>{"new.NAV", "passage.NAV"}));

    // A loop of links is refused and changes nothing.
    fs::create_symlink("loop2.NAV", dir_ / "loop1.NAV");
    fs::create_symlink("loop1.NAV", dir_ / "loop2.NAV");
    const SaveResult loop = writer.saveTo(dir_ / "loop1.NAV");
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.message.find("loop1.NAV"), std::string::npos) << loop.message;
    EXPECT_TRUE(fs::is_symlink(dir_ / "loop1.NAV"));
}

// A process id that no longer runs.
pid_t finishedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(SeqFileOnDisk, SaveRemovesTemporaryFilesThatAnEndedSaveLeft) {
    const pid_t gone = finishedProcess();
    ASSERT_GT(gone, 0);
    const std::string goneId = std::to_string(gone);
    const std::string liveId = std::to_string(::getppid());  // a running process
    const std::string ownId = std::to_string(::getpid());
    const std::vector<std::string> stale = {".trip.NAV." + goneId + "-0.tmp",
                                            ".trip.NAV." + goneId + "-12.tmp",
                                            ".trip.NAV." + ownId + "-3.tmp"};
    const std::set<std::string> kept = {
        ".trip.NAV." + liveId + "-0.tmp",   // a save in progress elsewhere
        ".other.NAV." + goneId + "-0.tmp",  // another file's
        ".trip.NAV.x" + goneId + "-0.tmp",  // not a temporary name
        ".trip.NAV." + goneId + "-0.tmp.keep", "trip.NAV." + goneId + "-0.tmp",
    };
    for (const std::string& name : stale) {
        writeBytes(dir_ / name, "half a save");
    }
    for (const std::string& name : kept) {
        writeBytes(dir_ / name, "someone else's");
    }
    SeqFileWriter writer;
    writer.text("whole");
    ASSERT_TRUE(writer.saveTo(dir_ / "trip.NAV").ok);
    std::set<std::string> expected = kept;
    expected.insert("trip.NAV");
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(readBytes(dir_ / "trip.NAV"), "whole\r\n");
}

// Opens the path for reading with a time limit (a pipe must not block).
std::optional<std::pair<bool, std::string>> openWithTimeLimit(const fs::path& path) {
    return filetest::openWithTimeLimit(path, [path] {
        std::string message;
        const bool opened = SeqFileReader::open(path, message).has_value();
        return std::make_pair(opened, message);
    });
}

TEST_F(SeqFileOnDisk, OpenRefusesPipesAndDevicesAtOnce) {
    const fs::path fifo = dir_ / "pipe.NAV";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {fifo, fs::path("/dev/zero"), fs::path("/dev/null")}) {
        const auto result = openWithTimeLimit(path);
        ASSERT_TRUE(result.has_value()) << path << " blocked the open";
        EXPECT_FALSE(result->first) << path;
        EXPECT_EQ(result->second, "Could not read \"" + path.string() + "\": not a regular file");
    }
}

}  // namespace
