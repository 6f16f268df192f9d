#include "core/protocol/address_text.h"

#include <gtest/gtest.h>

#include <string>

namespace brelvo::core {
namespace {

struct IpCase {
    std::string text;
    Ipv4Bytes bytes;
};

class IpTextToBytesTest : public testing::TestWithParam<IpCase> {};

TEST_P(IpTextToBytesTest, ParsesAsDottedDecimal) {
    EXPECT_EQ(IpTextToBytes(GetParam().text), GetParam().bytes);
    EXPECT_EQ(IpTextToBytes(std::u16string(GetParam().text.begin(), GetParam().text.end())),
              GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, IpTextToBytesTest,
                         testing::Values(IpCase{"192.168.0.254", {192, 168, 0, 254}},
                                         IpCase{"", {0, 0, 0, 0}}, IpCase{"10.0.0", {10, 0, 0, 0}},
                                         IpCase{"256.1.2.3", {0, 1, 2, 3}},  // low 8 bits
                                         IpCase{"1.2.x.4", {1, 2, 0, 0}},    // stops at x
                                         IpCase{"-1.0.0.1", {255, 0, 0, 1}}));

TEST(AddressText, IpTextToNumberPutsTheFirstPartHighest) {
    EXPECT_EQ(IpTextToNumber("10.0.0.1"), (10u << 24) + 1u);
    EXPECT_EQ(IpTextToNumber("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(IpTextToNumber("192.168.0.1"), (192u << 24) + (168u << 16) + 1u);
    EXPECT_GT(IpTextToNumber("192.168.0.1"), IpTextToNumber("10.0.0.1"));
    EXPECT_EQ(IpTextToNumber(""), 0u);
}

TEST(AddressText, MacTextToBytesIgnoresCase) {
    EXPECT_EQ(MacTextToBytes("00:90:4C:0A:0B:0C"), (MacBytes{0x00, 0x90, 0x4C, 0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(MacTextToBytes(u"00:90:4c:0a:0b:0c"), (MacBytes{0x00, 0x90, 0x4C, 0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(MacTextToBytes(""), MacBytes{});
    EXPECT_EQ(MacTextToBytes("zz:11"), MacBytes{});
}

TEST(AddressText, BytesToTextIsLowerCaseAndUnpadded) {
    const uint8_t mac[6] = {0x00, 0x90, 0x4C, 0x0A, 0x0B, 0x0C};
    EXPECT_EQ(MacBytesToText(mac), "00:90:4c:0a:0b:0c");
    const uint8_t ip[4] = {10, 0, 0, 5};
    EXPECT_EQ(IpBytesToText(ip), "10.0.0.5");
}

TEST(AddressText, HexAndAsciiTexts) {
    EXPECT_TRUE(IsHexText(u""));
    EXPECT_TRUE(IsHexText(u"09afAF"));
    EXPECT_FALSE(IsHexText(u"0g"));
    EXPECT_FALSE(IsHexText(u"\uFF10"));  // full-width digit
    EXPECT_TRUE(IsAsciiText(u""));
    EXPECT_TRUE(IsAsciiText(u"a~\u007F"));
    EXPECT_FALSE(IsAsciiText(u"caf\u00E9"));
}

TEST(AddressText, NumberConversionsRoundTrip) {
    const Ipv4Bytes bytes{192, 168, 1, 2};
    EXPECT_EQ(IpNumberToBytes(IpBytesToNumber(bytes)), bytes);
    EXPECT_EQ(IpBytesToNumber(bytes), IpTextToNumber("192.168.1.2"));
}

}  // namespace
}  // namespace brelvo::core
