#include "core/rules/outgoing_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

TEST(OutgoingText, OperatorTextIsWrittenAsWholeUtf8Characters) {
    struct Case {
        std::u16string text;
        std::vector<uint8_t> field;  // 8 bytes
        uint8_t length;
    };
    const std::vector<Case> cases{
        {u"abc", Hex("61 62 63 00 00 00 00 00"), 3},
        {u"abcdefgh", Hex("61 62 63 64 65 66 67 68"), 8},
        {u"abcdefghij", Hex("61 62 63 64 65 66 67 68"), 8},
        // Two three-byte characters fit; the third would be split, so it stays out.
        {u"\u6865\u63a5\u6865", Hex("E6 A1 A5 E6 8E A5 00 00"), 6},
        {u"a\u00e9", Hex("61 C3 A9 00 00 00 00 00"), 3},
        {u"", Hex("00 00 00 00 00 00 00 00"), 0},
    };
    for (const auto& c : cases) {
        char field[8];
        std::memset(field, 'x', sizeof field);
        uint8_t length = 99;
        WriteOperatorText(field, length, c.text);
        EXPECT_EQ(std::vector<uint8_t>(field, field + 8), c.field);
        EXPECT_EQ(length, c.length);
    }
}

}  // namespace
}  // namespace brelvo::core
