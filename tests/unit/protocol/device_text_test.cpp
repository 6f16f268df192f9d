#include "core/protocol/device_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/protocol/device_record.h"

namespace brelvo::core {
namespace {

struct IncomingCase {
    std::string raw;
    std::string shown;
};

class DeviceTextFromWireTest : public testing::TestWithParam<IncomingCase> {};

TEST_P(DeviceTextFromWireTest, KeepsTextsWellFormed) {
    EXPECT_EQ(DeviceTextFromWire(GetParam().raw), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceTextFromWireTest,
    testing::Values(IncomingCase{"tower-3", "tower-3"},
                    // 塔 is E5 A1 94; the device cut it after two bytes.
                    IncomingCase{"ab\xE5\xA1\x94\xE5\xA1", "ab\xE5\xA1\x94"},
                    IncomingCase{"\xE5\xA1\x94", "\xE5\xA1\x94"}, IncomingCase{"\xE5", ""},
                    // A byte that starts no character becomes '?', keeping the length.
                    IncomingCase{"a\xFF"
                                 "b\xC3\xA9",
                                 "a?b\xC3\xA9"},
                    IncomingCase{"\x80\x80x\xC3\xA9", "??x\xC3\xA9"}));

TEST(DeviceText, ConvertingAFieldSetsItsLength) {
    ap_info_stu r = ZeroRecord();
    // 32 bytes: ten 3-byte characters, then two bytes of an eleventh.
    std::string name;
    for (int i = 0; i < 10; ++i)
        name += "\xE5\xA1\x94";
    name += "\xE5\xA1";
    WriteTextField(r.ap_name, r.ap_name_len, name);
    ASSERT_EQ(r.ap_name_len, 32);
    ConvertIncomingField(r.ap_name, r.ap_name_len);
    EXPECT_EQ(r.ap_name_len, 30);
    EXPECT_EQ(r.ap_name[30], '\0');
    EXPECT_EQ(r.ap_name[31], '\0');
}

TEST(DeviceText, OutgoingTextIsCutOnACharacterBoundary) {
    std::string eleven;
    for (int i = 0; i < 11; ++i)
        eleven += "\xE5\xA1\x94";  // 33 bytes
    EXPECT_EQ(EncodeOutgoingText(eleven, 32).size(), 30u);
    EXPECT_EQ(EncodeOutgoingText("plain ascii", 32), "plain ascii");
    EXPECT_EQ(EncodeOutgoingText(std::string(40, 'x'), 32), std::string(32, 'x'));
    EXPECT_EQ(EncodeOutgoingText("ab\xC3\xA9", 3), "ab");
    EXPECT_EQ(EncodeOutgoingText("ab\xC3\xA9", 4), "ab\xC3\xA9");
}

}  // namespace
}  // namespace brelvo::core
