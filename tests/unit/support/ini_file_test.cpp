#include "core/support/ini_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace brelvo::core {
namespace {

// A file with the things the profile-string lookup has to get right.
constexpr std::string_view kSample =
    "\xEF\xBB\xBF; a comment line\r\n"
    "[Setting]\r\n"
    "retransmission_max = 5 \r\n"
    "Retransmission_Max=6\r\n"
    "quoted=\"  two words  \"\r\n"
    "single='x'\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "no equals sign\r\n"
    "=no key\r\n"
    "; key=commented\r\n"
    "[ Color ]\r\n"
    "LineColor=1,2,3\r\n"
    "[setting]\r\n"
    "late=from the second section\r\n"
    "retransmission_max=7\r\n";

TEST(IniFileTest, LookupFollowsTheProfileStringRules) {
    const IniFile file = IniFile::Parse(kSample);
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"Setting", "retransmission_max", "5"},  // trimmed; the first of three wins
        {"SETTING", "RETRANSMISSION_MAX", "5"},  // letter case of neither name counts
        {" Setting ", "retransmission_max", "5"},
        {"Setting", "quoted", "  two words  "},  // quotes dropped, the blanks inside kept
        {"Setting", "single", "x"},
        {"Setting", "half", "\"open"},  // no matching quote: kept as written
        {"Setting", "empty", ""},
        {"Setting", "no equals sign", std::nullopt},
        {"Setting", "", std::nullopt},
        {"Setting", "; key", std::nullopt},
        {"Setting", "LineColor", std::nullopt},  // belongs to another section
        {"color", "linecolor", "1,2,3"},         // blanks around a section name do not count
        {"Setting", "late", std::nullopt},       // only the first section of a name counts
        {"Nowhere", "retransmission_max", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file.Find(c.section, c.key), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(file.Get("Setting", "missing", "fallback"), "fallback");
    EXPECT_EQ(file.Get("Setting", "empty", "fallback"), "");
}

TEST(IniFileTest, MissingFileReadsAsEmpty) {
    const test::TempFolder folder;
    EXPECT_TRUE(IniFile::Load(folder.path() / "none.ini").empty());
    EXPECT_EQ(GetProfileString(folder.path() / "none.ini", "A", "b", "default"), "default");
}

TEST(IniFileTest, LengthLimitCountsCharactersAndNeverSplitsOne) {
    const test::TempFolder folder;
    const auto file = folder.Write("t.ini", "[A]\nascii=abcdef\nchinese=中文字符\n");
    EXPECT_EQ(GetProfileString(file, "A", "ascii", "", 4), "abcd");
    EXPECT_EQ(GetProfileString(file, "A", "chinese", "", 2), "中文");
    EXPECT_EQ(GetProfileString(file, "A", "chinese", "", 4), "中文字符");
    EXPECT_EQ(GetProfileString(file, "A", "chinese", "", 0), "中文字符");
    EXPECT_EQ(GetProfileString(file, "A", "missing", "long default", 4), "long");
}

TEST(IniFileTest, WriteKeepsTheRestOfTheFile) {
    const test::TempFolder folder;
    const auto file = folder.Write("FileServer.ini",
                                   "; written by hand\n[SERVER]\nPort=6969\nDirectory=/old\n"
                                   "[Other]\nDirectory=/untouched\n");
    ASSERT_TRUE(WriteProfileString(file, "server", "directory", "/srv/firmware"));
    EXPECT_EQ(test::ReadWholeFile(file),
              "; written by hand\n[SERVER]\nPort=6969\ndirectory=/srv/firmware\n"
              "[Other]\nDirectory=/untouched\n");
}

TEST(IniFileTest, WriteAddsKeyToItsSectionAndCreatesWhatIsMissing) {
    const test::TempFolder folder;
    const auto file = folder.path() / "service" / "FileServer.ini";
    ASSERT_TRUE(WriteProfileString(file, "SERVER", "Directory", "/a"));
    ASSERT_TRUE(WriteProfileString(file, "SERVER", "Port", "69"));
    ASSERT_TRUE(WriteProfileString(file, "Log", "Level", "1"));
    EXPECT_EQ(test::ReadWholeFile(file), "[SERVER]\nDirectory=/a\nPort=69\n[Log]\nLevel=1\n");
    EXPECT_EQ(GetProfileString(file, "server", "directory", ""), "/a");
}

TEST(IniFileTest, WriteGoesToTheFirstSectionOfTheName) {
    const test::TempFolder folder;
    const auto file = folder.Write("t.ini", "[A]\nx=1\n\n[B]\ny=0\n[A]\ny=2\n");
    ASSERT_TRUE(WriteProfileString(file, "A", "y", "3"));
    EXPECT_EQ(test::ReadWholeFile(file), "[A]\nx=1\ny=3\n\n[B]\ny=0\n[A]\ny=2\n");
    EXPECT_EQ(GetProfileString(file, "A", "y", ""), "3");
}

TEST(IniFileTest, SetValueReadsBackAsTheWrittenLineWould) {
    IniFile file = IniFile::Parse("[A]\n");
    file.Set("A", "k", "  \"v\"  ");
    EXPECT_EQ(file.Find("A", "k"), "v");
    EXPECT_EQ(IniFile::Parse(file.Serialize()).Find("A", "k"), "v");
}

TEST(IniFileTest, WriteRefusesLineBreaksThatWouldAddLines) {
    const test::TempFolder folder;
    const auto file = folder.Write("FileServer.ini", "[SERVER]\nDirectory=/old\n");
    EXPECT_FALSE(WriteProfileString(file, "SERVER", "Directory", "/tmp/a\n[SERVER]\nPort=1"));
    EXPECT_FALSE(WriteProfileString(file, "SERVER", "Directory", "/tmp/a\rb"));
    EXPECT_FALSE(WriteProfileString(file, "SERVER", "Dir\nectory", "/x"));
    EXPECT_EQ(test::ReadWholeFile(file), "[SERVER]\nDirectory=/old\n");
}

TEST(IniFileTest, WriteToAnUnwritablePlaceFails) {
    const test::TempFolder folder;
    const auto blocker = folder.Write("file", "");
    EXPECT_FALSE(WriteProfileString(blocker / "sub" / "x.ini", "A", "b", "c"));
}

}  // namespace
}  // namespace brelvo::core
