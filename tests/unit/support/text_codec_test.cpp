#include "core/support/text_codec.h"

#include <gtest/gtest.h>

#include <limits>

namespace brelvo::core {
namespace {

TEST(DecimalValueTest, PlainDecimalConversion) {
    const struct {
        const char* text;
        long long value;
    } cases[] = {
        {"2000", 2000},
        {"  42", 42},
        {"\t-7", -7},
        {"+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"3.9", 3},
        {"9223372036854775807", std::numeric_limits<long long>::max()},
        {"9223372036854775808", std::numeric_limits<long long>::max()},
        {"99999999999999999999999", std::numeric_limits<long long>::max()},
        {"-99999999999999999999999", -std::numeric_limits<long long>::max()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalValue(std::string_view(c.text)), c.value) << c.text;
        EXPECT_EQ(DecimalValue(Utf8ToUtf16(c.text)), c.value) << c.text;
    }
}

TEST(Utf8ToUtf16Test, ConvertsAndReplacesInvalidBytes) {
    EXPECT_EQ(Utf8ToUtf16("aé中"), u"aé中");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");      // a surrogate pair
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");                    // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\x80z"), u"\uFFFDz");
}

TEST(Utf16ToUtf8Test, ConvertsAndReplacesUnpairedSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"aé中\U0001F600"), "aé中\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
}

TEST(Utf8PrefixTest, KeepsWholeCharactersUpToTheLimit) {
    const struct {
        const char* text;
        std::size_t units;
        const char* expected;
    } cases[] = {
        {"abcdef", 3, "abc"},
        {"abc", 31, "abc"},
        {"中文字", 2, "中文"},
        {"a中", 1, "a"},
        {"\xF0\x9F\x98\x80z", 1, ""},  // a pair needs two units
        {"\xF0\x9F\x98\x80z", 2, "\xF0\x9F\x98\x80"},
        {"\x80\x80z", 2, "\x80\x80"},  // an invalid byte is one unit
        {"a\xE4\xB8", 3, "a\xE4\xB8"},
        {"abc", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8PrefixOfUtf16Length(c.text, c.units), c.expected) << c.text << " " << c.units;
}

TEST(TextCodecTest, AsciiLowerAndTrim) {
    EXPECT_EQ(AsciiLower("Online Device ÄB"), "online device Äb");
    EXPECT_EQ(TrimBlanks(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimBlanks(" \t\r\n"), "");
}

}  // namespace
}  // namespace brelvo::core
