#include "core/rules/validation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {
namespace {

std::u16string U(std::string_view utf8) {
    return Utf8ToUtf16(utf8);
}

// n copies of one ideograph (3 UTF-8 bytes each).
std::u16string Chinese(std::size_t n) {
    return std::u16string(n, u'\u4E2D');
}

std::string MessageOf(const RuleResult& result) {
    return result ? result->message : std::string("(passes)");
}

constexpr std::string_view kPass = "(passes)";

// --- addresses ---

struct AddressCase {
    std::string_view text;
    bool allow_unset;
    bool valid;
};

TEST(Validation, HostAddressRule) {
    const AddressCase cases[] = {
        {"", true, true},
        {"0.0.0.0", true, true},
        {"", false, false},
        {"0.0.0.0", false, false},
        {"127.0.0.1", true, false},
        {"224.0.0.1", true, false},
        {"239.255.255.250", true, false},
        {"223.1.1.1", true, true},
        {"10.0.0.0", true, false},
        {"10.0.0.255", true, false},
        {"0.1.2.3", true, false},
        {"10.1.2", true, false},
        {"10.1.2.3.4", true, false},
        {"10.255.0.1", false, true},
        {"192.168.1.254", false, true},
        {"1.0.0.1", false, true},
        // Each number keeps its low 8 bits: 266 reads as 10, 511 as 255.
        {"266.1.1.1", false, true},
        {"10.1.1.511", false, false},
        // A missing number counts as 0.
        {"10.1.1.", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidAddress(U(c.text), c.allow_unset), c.valid)
            << c.text << " allow_unset=" << c.allow_unset;
    }
}

TEST(Validation, PartsAreCountedWithEmptyOnes) {
    EXPECT_TRUE(HasFourParts(u"1..2.3"));
    EXPECT_TRUE(HasFourParts(u"..."));
    EXPECT_FALSE(HasFourParts(u"1.2.3"));
    EXPECT_FALSE(HasFourParts(u"1.2.3.4."));
    EXPECT_FALSE(HasFourParts(u""));
}

TEST(Validation, SubnetMaskRule) {
    const std::pair<std::string_view, bool> cases[] = {
        {"255.255.255.254", true},  {"255.255.255.0", true},
        {"255.255.0.0", true},      {"255.0.0.0", true},
        {"128.0.0.0", true},        {"255.255.255.128", true},
        {"255.255.128.0", true},    {"255.255.255.255", false},
        {"0.0.0.0", false},         {"", false},
        {"255.0.255.0", false},     {"255.255.255.1", false},
        {"255.255.0", false},       {"255.255.0.0.0", false},
        {"255.255.254.128", false}, {"127.0.0.0", false},
        {"255.255.255.00", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(IsValidMask(U(text)), valid) << text;
}

TEST(Validation, SubnetHelpers) {
    EXPECT_TRUE(InSameSubnet({192, 168, 1, 1}, {192, 168, 1, 200}, {255, 255, 255, 0}));
    EXPECT_FALSE(InSameSubnet({192, 168, 2, 1}, {192, 168, 1, 10}, {255, 255, 255, 0}));
    EXPECT_TRUE(InSameSubnet({192, 168, 2, 1}, {192, 168, 1, 10}, {255, 255, 0, 0}));
    EXPECT_EQ(NetworkAddressText({192, 168, 1, 130}, {255, 255, 255, 128}), "192.168.1.128");
    EXPECT_EQ(NetworkAddressText({10, 20, 30, 40}, {255, 0, 0, 0}), "10.0.0.0");
}

TEST(Validation, AddressesDifferUnlessBothSetAndEqual) {
    EXPECT_FALSE(AddressesDiffer(u"8.8.8.8", u"8.8.8.8"));
    EXPECT_TRUE(AddressesDiffer(u"8.8.8.8", u"8.8.4.4"));
    EXPECT_TRUE(AddressesDiffer(u"", u""));
    EXPECT_TRUE(AddressesDiffer(u"0.0.0.0", u"0.0.0.0"));
    EXPECT_TRUE(AddressesDiffer(u"8.8.8.8", u""));
}

// --- the IP settings sequence ---

struct IpCase {
    std::string_view what;
    IpSettingsInput input;
    std::string_view message;
    InputField field = InputField::kNone;
};

IpSettingsInput Single(std::string_view address, std::string_view mask, std::string_view gateway,
                       std::string_view dns1 = "", std::string_view dns2 = "") {
    IpSettingsInput input;
    input.address = U(address);
    input.mask = U(mask);
    input.gateway = U(gateway);
    input.primary_dns = U(dns1);
    input.secondary_dns = U(dns2);
    return input;
}

IpSettingsInput Range(std::string_view start, std::string_view end, std::size_t devices,
                      std::string_view mask, std::string_view gateway) {
    IpSettingsInput input = Single(start, mask, gateway);
    input.range_variant = true;
    input.end_address = U(end);
    input.device_count = devices;
    return input;
}

TEST(Validation, IpSettingsSequence) {
    constexpr std::string_view kInvalid = "The ip address is invalid!";
    constexpr std::string_view kSame = "The ip address and gateway address cannot be the same!";
    constexpr std::string_view kSubnet =
        "Ip address and gateway address is not in the same subnet!";
    const IpCase cases[] = {
        {"all good", Single("192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"),
         kPass},
        {"empty gateway and DNS", Single("192.168.1.10", "255.255.255.0", ""), kPass},
        {"blank controls read as zeros",
         Single("192.168.1.10", "255.255.255.0", "0.0.0.0", "0.0.0.0", "0.0.0.0"), kPass},
        {"no address", Single("", "255.255.255.0", ""), kInvalid, InputField::kAddress},
        {"address before mask", Single("127.0.0.1", "1.2.3.4", ""), kInvalid, InputField::kAddress},
        {"bad mask", Single("192.168.1.10", "255.0.255.0", "bad"), "The subnet mask is invalid!",
         InputField::kMask},
        {"bad gateway", Single("192.168.1.10", "255.255.255.0", "192.168.1.255"),
         "The gateway address is invalid!", InputField::kGateway},
        {"gateway equals address", Single("192.168.1.10", "255.255.255.0", "192.168.1.10"), kSame,
         InputField::kGateway},
        // The last byte 0 is refused by the host rule before the network test can run.
        {"last byte zero", Single("192.168.1.0", "255.255.255.0", ""), kInvalid,
         InputField::kAddress},
        {"network of a small subnet", Single("192.168.1.128", "255.255.255.128", ""),
         "IP Address can't be the network segment!", InputField::kAddress},
        {"network test before subnet test", Single("192.168.1.128", "255.255.255.128", "10.0.0.1"),
         "IP Address can't be the network segment!", InputField::kAddress},
        {"broadcast of a small subnet passes", Single("192.168.1.127", "255.255.255.128", ""),
         kPass},
        {"gateway elsewhere", Single("192.168.1.10", "255.255.255.0", "192.168.2.1"), kSubnet,
         InputField::kGateway},
        {"subnet test before DNS", Single("192.168.1.10", "255.255.255.0", "192.168.2.1", "x"),
         kSubnet, InputField::kGateway},
        {"bad primary DNS", Single("192.168.1.10", "255.255.255.0", "", "224.0.0.1"),
         "The primary DNS Server is invalid!", InputField::kPrimaryDns},
        {"bad secondary DNS", Single("192.168.1.10", "255.255.255.0", "", "8.8.8.8", "8.8.8"),
         "The secondary DNS Server is invalid!", InputField::kSecondaryDns},
        {"equal DNS", Single("192.168.1.10", "255.255.255.0", "", "8.8.8.8", "8.8.8.8"),
         "Primary DNS Server and Secondary DNS Server can't be the same!",
         InputField::kSecondaryDns},
        {"range", Range("192.168.1.10", "192.168.1.20", 3, "255.255.255.0", "192.168.1.1"), kPass},
        {"range start equals end",
         Range("192.168.1.10", "192.168.1.10", 2, "255.255.255.0", "192.168.1.1"), kInvalid,
         InputField::kEndAddress},
        {"range backwards", Range("192.168.1.20", "192.168.1.10", 2, "255.255.255.0", ""), kInvalid,
         InputField::kEndAddress},
        {"range start below end across the third byte",
         Range("192.168.0.254", "192.168.1.2", 4, "255.255.0.0", ""), kPass},
        {"range end missing", Range("192.168.1.10", "", 2, "255.255.255.0", ""), kInvalid,
         InputField::kEndAddress},
        {"range end equals gateway",
         Range("192.168.1.10", "192.168.1.20", 2, "255.255.255.0", "192.168.1.20"), kSame,
         InputField::kGateway},
        {"range end outside the gateway's subnet",
         Range("192.168.1.10", "192.168.2.20", 2, "255.255.255.0", "192.168.1.1"), kSubnet,
         InputField::kEndAddress},
        {"one device ignores the end",
         Range("192.168.1.10", "garbage", 1, "255.255.255.0", "192.168.1.1"), kPass},
        {"one device ignores an end equal to the gateway",
         Range("192.168.1.10", "192.168.1.1", 1, "255.255.255.0", "192.168.1.1"), kPass},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckIpSettings(c.input);
        EXPECT_EQ(MessageOf(result), c.message) << c.what;
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kPlain) << c.what;
            EXPECT_EQ(result->field, c.field) << c.what;
            EXPECT_EQ(result->focus, InputField::kNone) << c.what;
        }
    }
}

TEST(Validation, AddressInUse) {
    const std::vector<std::string> stored{" 192.168.1.20 ", "192.168.1.30"};
    EXPECT_TRUE(IsAddressInUse(u"192.168.1.20", stored));
    EXPECT_FALSE(IsAddressInUse(u"192.168.1.2", stored));
    EXPECT_FALSE(IsAddressInUse(u"192.168.1.20", {}));

    // The device keeps its own address: no test against the store.
    EXPECT_EQ(CheckAddressNotInUse(u"192.168.1.30", {192, 168, 1, 30}, stored), std::nullopt);
    const RuleResult taken = CheckAddressNotInUse(u"192.168.1.20", {192, 168, 1, 30}, stored);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->message, "The ip address is already in use, please respecify!");
    EXPECT_EQ(taken->box, BoxKind::kPlain);
    EXPECT_EQ(CheckAddressNotInUse(u"192.168.1.40", {192, 168, 1, 30}, stored), std::nullopt);
    // An empty text is the unset address, which a zeroed record already has.
    EXPECT_EQ(CheckAddressNotInUse(u"", {0, 0, 0, 0}, std::vector<std::string>{"0.0.0.0"}),
              std::nullopt);
}

// --- names ---

TEST(Validation, Utf8LengthCountsEveryCodeUnit) {
    EXPECT_EQ(Utf8Length(u""), 0u);
    EXPECT_EQ(Utf8Length(u"abc"), 3u);
    EXPECT_EQ(Utf8Length(u"\u00E9"), 2u);
    EXPECT_EQ(Utf8Length(u"\u07FF\u0800"), 5u);
    EXPECT_EQ(Utf8Length(Chinese(10)), 30u);
    EXPECT_EQ(Utf8Length(u"\U0001F600"), 6u);  // two surrogates, 3 each
}

TEST(Validation, TruncateToUtf8Length) {
    EXPECT_EQ(TruncateToUtf8Length(Chinese(11), 32), Chinese(10));
    EXPECT_EQ(TruncateToUtf8Length(u"ab" + Chinese(10), 32), u"ab" + Chinese(10));
    EXPECT_EQ(TruncateToUtf8Length(u"abc" + Chinese(10), 32), u"abc" + Chinese(9));
    EXPECT_EQ(TruncateToUtf8Length(u"short", 32), u"short");
    EXPECT_EQ(TruncateToUtf8Length(u"abc", 0), u"");
    // 2 + 3 bytes fit into 5, the pair's second half would not: the pair goes whole.
    EXPECT_EQ(TruncateToUtf8Length(u"ab\U0001F600", 5), u"ab");
    EXPECT_EQ(TruncateToUtf8Length(u"ab\U0001F600", 8), u"ab\U0001F600");
}

TEST(Validation, ChineseCharacters) {
    for (const char16_t unit : {u'\u4E00', u'\u9FA5', u'\u00B7', u'\u2014', u'\u3001', u'\u300A',
                                u'\u3015', u'\uFE43', u'\uFF01', u'\uFF5E', u'\uFFE5'}) {
        EXPECT_TRUE(IsCjkCharacter(unit)) << static_cast<int>(unit);
    }
    for (const char16_t unit :
         {u'\u4DFF', u'\u9FA6', u'a', u'\u3003', u'\u3012', u'\uFF02', u'\u00E9', u'\uFE45'}) {
        EXPECT_FALSE(IsCjkCharacter(unit)) << static_cast<int>(unit);
    }
    EXPECT_TRUE(ContainsCjkCharacter(u"ap-\u4E2D"));
    EXPECT_FALSE(ContainsCjkCharacter(u"ap-\u00E9"));
}

struct NameCase {
    std::u16string text;
    bool strict;
    bool loose;
};

TEST(Validation, StrictAndLooseNameRules) {
    const NameCase cases[] = {
        {u"ap1", true, true},
        {u"AP-1_x", true, true},
        {u"<>./~!@#$%^&*()_+-=?", true, true},
        {Chinese(10), true, true},
        {Chinese(11), false, false},
        {std::u16string(32, u'a'), true, true},
        {std::u16string(33, u'a'), false, false},
        {u"ap 1", false, true},
        {u"a\"b", false, true},
        {u"a'b", false, true},
        {u"a,b", false, true},
        {u"a:b", false, true},
        {u"a;b", false, true},
        {u"a[b]", false, true},
        {u"a{b}", false, true},
        {u"a\\b", false, true},
        {u"a|b", false, true},
        {u"a`b", false, true},
        {u"caf\u00E9", false, false},
        {std::u16string(u"a\0b", 3), false, false},
        {u"\u300A\u4E2D\u300B", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsStrictName(c.text), c.strict) << Utf16ToUtf8(c.text);
        EXPECT_EQ(IsLooseName(c.text), c.loose) << Utf16ToUtf8(c.text);
    }
}

TEST(Validation, RestrictedNameTypes) {
    for (const uint32_t type : {4u, 17u, 261u, 276u})
        EXPECT_TRUE(IsRestrictedNameType(type)) << type;
    for (const uint32_t type : {0u, 1u, 14u, 260u, 273u, 277u})
        EXPECT_FALSE(IsRestrictedNameType(type)) << type;
}

struct NameCheckCase {
    std::u16string text;
    uint32_t ap_type;
    std::string_view message;
};

TEST(Validation, DeviceNameCheck) {
    constexpr std::string_view kStrict =
        "Device name maximum allowed 32 bytes, only support combination of Chinese, lowercase "
        "letters, 0-9 numbers";
    constexpr std::string_view kLoose =
        "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII "
        "characters";
    const NameCheckCase cases[] = {
        {u"", 1, "The device name can not be empty!"},
        {u"", 4, "The device name can not be empty!"},
        {u"roof ap", 1, kPass},
        {u"roof ap", 4, kStrict},
        {u"roof-ap", 276, kPass},
        {Chinese(10), 17, kPass},
        {Chinese(11), 17, kStrict},
        {Chinese(11), 1, kLoose},
        {u"caf\u00E9", 1, kLoose},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckDeviceName(c.text, c.ap_type);
        EXPECT_EQ(MessageOf(result), c.message) << Utf16ToUtf8(c.text) << " type " << c.ap_type;
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kWarning);
            EXPECT_EQ(result->focus, InputField::kName);
        }
    }
}

TEST(Validation, SsidCheck) {
    constexpr std::string_view kSpaces =
        "Please enter 1 to 32 byte ASCII charaters or chinese characters!";
    const NameCheckCase cases[] = {
        {u"", 1, "The ssid can not be empty!"},
        {u"   ", 1, kSpaces},
        {u"   ", 4, kSpaces},
        {u" x ", 1, kPass},
        {u"my net", 1, kPass},
        {u"my net", 261,
         "SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, "
         "0-9 numbers"},
        {std::u16string(33, u'a'), 1,
         "SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII characters"},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckSsid(c.text, c.ap_type);
        EXPECT_EQ(MessageOf(result), c.message) << Utf16ToUtf8(c.text) << " type " << c.ap_type;
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kWarning);
            EXPECT_EQ(result->focus, InputField::kSsid);
        }
    }
}

// --- radio and security values ---

TEST(Validation, TxPowerCheck) {
    const std::pair<std::u16string_view, bool> cases[] = {
        {u"", false},    {u"4", false},  {u"5", true},
        {u"27", true},   {u"28", false}, {u"abc", false},  // no digits reads as 0
        {u"12dB", true},                                   // leading digits
    };
    for (const auto& [text, valid] : cases) {
        const RuleResult result = CheckTxPower(text, 5, 27);
        EXPECT_EQ(!result, valid) << Utf16ToUtf8(text);
        if (result) {
            EXPECT_EQ(result->message, "Power value range:5-27");
            EXPECT_EQ(result->focus, InputField::kTxPower);
        }
    }
    // A minimum of 0 accepts a field without digits, but never an empty one.
    EXPECT_EQ(CheckTxPower(u"x", 0, 20), std::nullopt);
    EXPECT_TRUE(CheckTxPower(u"", 0, 20));
}

TEST(Validation, PskKeyCheck) {
    const std::u16string hex64(64, u'a');
    std::u16string not_hex64 = hex64;
    not_hex64[10] = u'g';
    const std::pair<std::u16string, bool> cases[] = {
        {u"", false},
        {u"1234567", false},
        {u"12345678", true},
        {std::u16string(63, u'z'), true},
        {hex64, true},
        {not_hex64, false},
        {std::u16string(65, u'a'), false},
        {u"0123456789", true},       // hex digits accepted as a pass phrase
        {u"pass\u00E9word", false},  // not ASCII
        {u"with space", true},
    };
    for (const auto& [key, valid] : cases) {
        const RuleResult result = CheckPskKey(key);
        EXPECT_EQ(!result, valid) << Utf16ToUtf8(key);
        if (result) {
            EXPECT_EQ(result->message,
                      "Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!");
            EXPECT_EQ(result->box, BoxKind::kWarning);
        }
    }
}

TEST(Validation, KeyIntervalCheck) {
    constexpr std::string_view kRange = "The key update interval range: 60~99999 or 0!";
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"", "The key update interval should not be empty!"},
        {u"0", kPass},
        {u"59", kRange},
        {u"60", kPass},
        {u"99999", kPass},
        {u"100000", kRange},
        {u"-60", kRange},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(MessageOf(CheckKeyInterval(text)), message) << Utf16ToUtf8(text);

    EXPECT_EQ(CheckKeyInterval(u"")->focus, InputField::kKeyInterval);
    EXPECT_EQ(CheckKeyInterval(u"59")->focus, InputField::kKeyInterval);
    // The RADIUS page keeps the focus after the empty message, but not after the range message.
    const RuleResult empty = CheckKeyInterval(u"", InputField::kRadiusKeyInterval, false);
    EXPECT_EQ(empty->focus, InputField::kNone);
    EXPECT_EQ(empty->field, InputField::kRadiusKeyInterval);
    EXPECT_EQ(CheckKeyInterval(u"5", InputField::kRadiusKeyInterval, false)->focus,
              InputField::kRadiusKeyInterval);
}

TEST(Validation, RadiusChecks) {
    constexpr std::string_view kAddress = "Please enter a valid RADIUS Server address!";
    constexpr std::string_view kPort = "Please specify a valid RADIUS Port!";
    struct Case {
        Ipv4Bytes address;
        std::u16string_view port;
        std::string_view message;
    };
    const Case cases[] = {
        {{10, 0, 0, 5}, u"1812", kPass},     {{0, 1, 1, 1}, u"1812", kAddress},
        {{127, 0, 0, 1}, u"1812", kAddress}, {{224, 0, 0, 1}, u"1812", kAddress},
        {{10, 0, 0, 0}, u"1812", kAddress},  {{10, 0, 0, 255}, u"1812", kAddress},
        {{10, 0, 0, 5}, u"", kPort},         {{10, 0, 0, 5}, u"0", kPort},
        {{10, 0, 0, 5}, u"1", kPass},        {{10, 0, 0, 5}, u"65535", kPass},
        {{10, 0, 0, 5}, u"65536", kPort},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageOf(CheckRadiusServer(c.address, c.port)), c.message);

    constexpr std::string_view kKey = "Please enter a key for 1~64 ASCII characters!";
    EXPECT_EQ(MessageOf(CheckRadiusKey(u"")), kKey);
    EXPECT_EQ(MessageOf(CheckRadiusKey(u"s")), kPass);
    EXPECT_EQ(MessageOf(CheckRadiusKey(std::u16string(64, u'k'))), kPass);
    EXPECT_EQ(MessageOf(CheckRadiusKey(std::u16string(65, u'k'))), kKey);
    EXPECT_EQ(MessageOf(CheckRadiusKey(u"s\u4E2D")), kKey);
}

constexpr std::string_view kWepHexLength =
    "WEP key is invalid! Please enter 10 or 26 HEX characters!";
constexpr std::string_view kWepAsciiLength =
    "WEP key is invalid! Please enter 5 or 13 ASCII characters!";
constexpr std::string_view kWepCharacters =
    "WEP key includes invalid characters (It should only include 0-9,a-z,A-Z,@,*,- and _.)!";

TEST(Validation, WepKeyCheck) {
    struct Case {
        WepKeyFormat format;
        std::u16string_view key;
        std::string_view message;
    };
    const Case cases[] = {
        {kWepAscii, u"ab12Z", kPass},
        {kWepAscii, u"@*-_9abcdefgh", kPass},
        {kWepAscii, u"ab 12", kWepCharacters},
        {kWepAscii, u"ab.12", kWepCharacters},
        {kWepAscii, u"abcd", kWepAsciiLength},
        {kWepAscii, u"abcdef", kWepAsciiLength},
        {kWepAscii, u"a b", kWepAsciiLength},  // the length is tested first
        {kWepHex, u"0123456789", kPass},
        {kWepHex, u"0123456789abcdefABCDEF0123", kPass},
        {kWepHex, u"012345678g", kWepHexLength},
        {kWepHex, u"012345678", kWepHexLength},
        {kWepHex, u"ab12Z", kWepHexLength},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckWepKey(c.format, c.key, InputField::kWepKey3);
        EXPECT_EQ(MessageOf(result), c.message) << Utf16ToUtf8(c.key);
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kTitledWarning);
            EXPECT_EQ(result->field, InputField::kWepKey3);
        }
    }
}

TEST(Validation, WepKeySetCheck) {
    struct Case {
        std::string_view what;
        WepKeysInput input;
        std::string_view message;
        InputField field = InputField::kNone;
    };
    const Case cases[] = {
        {"one good key", {{u"abcde", u"", u"", u""}, {}, 1}, kPass},
        {"empty default key despite valid others",
         {{u"abcde", u"", u"0123456789", u""}, {kWepAscii, kWepAscii, kWepHex, kWepAscii}, 2},
         "Please enter the WEP key2!",
         InputField::kWepKey2},
        {"key 4 missing",
         {{u"abcde", u"", u"", u""}, {}, 4},
         "Please enter the WEP key4!",
         InputField::kWepKey4},
        {"key 1 is stripped at the front", {{u"  abcde", u"", u"", u""}, {}, 1}, kPass},
        {"key 1 of blanks only is empty",
         {{u" \t ", u"abcde", u"", u""}, {}, 1},
         "Please enter the WEP key1!",
         InputField::kWepKey1},
        {"only key 1 is stripped",
         {{u"abcde", u" abcd", u"", u""}, {}, 1},
         kWepCharacters,
         InputField::kWepKey2},
        {"keys in order",
         {{u"abcde", u"abc", u"", u"abcd!"}, {}, 1},
         kWepAsciiLength,
         InputField::kWepKey2},
        {"each key with its own format",
         {{u"abcde", u"", u"abcde", u""}, {kWepAscii, kWepAscii, kWepHex, kWepAscii}, 1},
         kWepHexLength,
         InputField::kWepKey3},
        {"a bad key before the missing default",
         {{u"", u"abc", u"", u""}, {}, 1},
         kWepAsciiLength,
         InputField::kWepKey2},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckWepKeys(c.input);
        EXPECT_EQ(MessageOf(result), c.message) << c.what;
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kTitledWarning) << c.what;
            EXPECT_EQ(result->field, c.field) << c.what;
        }
    }
}

// --- VLAN and timed reboot ---

TEST(Validation, VlanIdCheck) {
    const std::pair<std::u16string_view, bool> cases[] = {
        {u"", false},    {u"0", false},    {u"1", true},
        {u"4094", true}, {u"4095", false}, {u"-1", false},
    };
    for (const auto& [text, valid] : cases) {
        const RuleResult result = CheckVlanId("PVID", text, InputField::kPvid);
        EXPECT_EQ(!result, valid) << Utf16ToUtf8(text);
        if (result) {
            EXPECT_EQ(result->message, "PVID range:1-4094");
            EXPECT_EQ(result->box, BoxKind::kWarning);
            EXPECT_EQ(result->focus, InputField::kPvid);
        }
    }
}

TEST(Validation, RebootScheduleCheck) {
    constexpr std::string_view kEmpty = "The time can not be empty!";
    constexpr std::string_view kError = "The time is error!";
    struct Case {
        std::u16string_view hour;
        std::u16string_view minute;
        bool any_day;
        std::string_view message;
    };
    const Case cases[] = {
        {u"23", u"59", true, kPass},
        {u"0", u"0", true, kPass},
        {u"", u"10", true, kEmpty},
        {u"3", u"", false, kEmpty},
        {u"24", u"00", true, kError},
        {u"23", u"60", true, kError},
        {u"-1", u"10", true, kError},
        {u"24", u"0", false, kError},  // the time is tested before the days
        {u"3", u"30", false, "Please selectting the day that you want to reboot!"},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckRebootSchedule(c.hour, c.minute, c.any_day);
        EXPECT_EQ(MessageOf(result), c.message)
            << Utf16ToUtf8(c.hour) << ":" << Utf16ToUtf8(c.minute);
        if (result) {
            EXPECT_EQ(result->box, BoxKind::kWarning);
        }
    }
}

// --- translation of the messages ---

class TranslatedMessages : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(testing::TempDir()) / "validation_lang";
        std::filesystem::create_directories(folder_ / "Languages");
        std::ofstream(folder_ / "Languages" / "Language.ini") << "[LCID]\n2052=Chinese\n";
        std::ofstream(folder_ / "Languages" / "Chinese.lng")
            << "[ProgramOutStr]\n"
               "power value range:%d-%d=Leistung %d bis %d\n"
               "lan=Port\n"
               "range:1-4094=Bereich 1-4094\n"
               "the ssid can not be empty!=Keine SSID\n";
        LoadLanguage(folder_, 2052);
    }
    void TearDown() override { LoadLanguage(folder_ / "none", 1033); }

    std::filesystem::path folder_;
};

TEST_F(TranslatedMessages, MessagesAreTranslatedBeforeFormatting) {
    EXPECT_EQ(CheckTxPower(u"99", 3, 20)->message, "Leistung 3 bis 20");
    EXPECT_EQ(CheckVlanId("LAN", u"", InputField::kLanVlan)->message, "Port Bereich 1-4094");
    EXPECT_EQ(CheckSsid(u"", 1)->message, "Keine SSID");
    // Untranslated texts are shown as written.
    EXPECT_EQ(CheckVlanId("WLAN", u"0", InputField::kWlanVlan)->message, "WLAN Bereich 1-4094");
}

}  // namespace
}  // namespace brelvo::core
