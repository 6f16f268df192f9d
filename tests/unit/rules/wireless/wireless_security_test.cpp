#include "core/rules/wireless/wireless_security.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/support/translation.h"
#include "list_helpers.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::DataOf;
using test::TextsOf;

TEST(FillSecurityModes, OffersTheModesOfTheModel) {
    struct Case {
        uint32_t ap_type;
        uint32_t secure_mode;
        std::vector<std::string> texts;
        std::optional<std::size_t> selected;
    };
    const std::vector<std::string> all{"None", "WEP", "WPA-PSK", "WPA2-PSK", "Mixed WPA/WPA2-PSK",
                                       "WPA",  "WPA2"};
    const std::vector<std::string> four{"None", "WPA-PSK", "WPA2-PSK", "Mixed WPA/WPA2-PSK"};
    const std::vector<Case> cases{
        {1, 0, all, 0},
        {1, 6, all, 6},
        {12, 2, four, 1},
        {13, 4, four, 3},
        {271, 3, four, 2},
        // A stored mode the model lacks (or no mode at all) selects nothing.
        {12, 1, four, std::nullopt},
        {1, 7, all, std::nullopt},
    };
    for (const auto& c : cases) {
        const ListFill list = FillSecurityModes(c.ap_type, c.secure_mode);
        SCOPED_TRACE(testing::Message() << "model " << c.ap_type << " mode " << c.secure_mode);
        EXPECT_EQ(TextsOf(list), c.texts);
        EXPECT_EQ(list.selected, c.selected);
    }
    EXPECT_EQ(DataOf(FillSecurityModes(12, 0)), (std::vector<int>{0, 2, 3, 4}));
}

TEST(ShowSecurityFields, ShowsTheControlsOfOneMode) {
    struct Case {
        std::optional<int> mode;
        int cipher;
        SecurityFieldsView view;
    };
    const std::vector<Case> cases{
        {0, kCipherTkip, {false, false, false, false, kCipherTkip, false, false}},
        {1, kCipherAes, {false, false, false, false, kCipherAes, true, false}},
        // TKIP&AES is no WPA-PSK cipher: switched to AES and disabled.
        {2, kCipherTkipAes, {true, true, true, false, kCipherAes, false, false}},
        {2, kCipherTkip, {true, true, true, false, kCipherTkip, false, false}},
        {3, kCipherTkipAes, {true, true, true, true, kCipherTkipAes, false, false}},
        {4, kCipherAes, {true, true, true, true, kCipherAes, false, false}},
        {5, kCipherAes, {false, false, false, false, kCipherAes, false, true}},
        {6, kCipherAes, {false, false, false, false, kCipherAes, false, true}},
        {std::nullopt, kCipherAes, {false, false, false, false, kCipherAes, false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShowSecurityFields(c.mode, c.cipher), c.view) << c.mode.value_or(-1);
}

ap_info_stu SecuredRecord() {
    ap_info_stu r = ZeroRecord();
    r.wpapsk_auth_type = 1;
    WriteTextField(r.wpapsk_key_value, r.wpapsk_key_len, "passphrase1");
    r.wpapsk_key_time = 3600;
    r.wep_auth_type = 1;
    r.wep_key_index = 3;
    r.wep_key_type1 = 1;
    WriteTextField(r.wep_key_value1, r.wep_key_len1, "0123456789");
    WriteTextField(r.wep_key_value2, r.wep_key_len2, "abcde");
    r.wpa_auth_type = 2;
    const uint8_t radius[4] = {10, 0, 0, 5};
    std::memcpy(r.wpa_radius_ip, radius, 4);
    r.wpa_radius_port = 1812;
    WriteTextField(r.wpa_key, r.wpa_key_len, "secret");
    r.wpa_key_time = 86400;
    return r;
}

TEST(SecurityFill, FillsEveryModesFieldsFromTheRecord) {
    const ap_info_stu r = SecuredRecord();
    EXPECT_EQ(FillPskFields(r), (PskInput{kCipherTkip, u"passphrase1", u"3600"}));

    const WepPageFill wep = FillWepPage(r);
    EXPECT_EQ(TextsOf(wep.auth_types), (std::vector<std::string>{"Open", "Share"}));
    EXPECT_EQ(wep.auth_types.selected, 1u);
    EXPECT_EQ(TextsOf(wep.default_keys),
              (std::vector<std::string>{"Key 1", "Key 2", "Key 3", "Key 4"}));
    EXPECT_EQ(DataOf(wep.default_keys), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(wep.default_keys.selected, 2u);
    EXPECT_EQ(wep.keys, (std::array<std::u16string, 4>{u"", u"0123456789", u"abcde", u""}));
    EXPECT_EQ(TextsOf(wep.formats[1]), (std::vector<std::string>{"ASCII", "Hex"}));
    EXPECT_EQ(wep.formats[0].selected, 0u);
    EXPECT_EQ(wep.formats[1].selected, 1u);

    const WpaPageFill wpa = FillWpaPage(r);
    EXPECT_EQ(TextsOf(wpa.ciphers), (std::vector<std::string>{"AES", "TKIP", "AES/TKIP"}));
    EXPECT_EQ(wpa.ciphers.selected, 2u);
    EXPECT_EQ(wpa.server, u"10.0.0.5");
    EXPECT_EQ(wpa.port, u"1812");
    EXPECT_EQ(wpa.secret, u"secret");
    EXPECT_EQ(wpa.interval, u"86400");
}

TEST(SecurityFill, AStoredChoiceOutsideAListSelectsItsFirstItem) {
    ap_info_stu r = ZeroRecord();  // wep_key_index 0 names no key
    r.wep_auth_type = 7;
    r.wep_key_type2 = 9;
    r.wpa_auth_type = 3;
    const WepPageFill wep = FillWepPage(r);
    EXPECT_EQ(wep.auth_types.selected, 0u);
    EXPECT_EQ(wep.default_keys.selected, 0u);
    EXPECT_EQ(wep.formats[2].selected, 0u);
    EXPECT_EQ(FillWpaPage(r).ciphers.selected, 0u);
}

SecurityInput ValidInput(int mode) {
    SecurityInput input;
    input.mode = mode;
    input.psk = {kCipherAes, u"passphrase", u"0"};
    input.wep.auth_type = 0;
    input.wep.default_key = 1;
    input.wep.keys = {u"abcde", u"", u"", u""};
    input.wep.formats = {0, 0, 0, 0};
    input.wpa = {0, u"192.168.1.10", u"1812", u"secret", u"0"};
    return input;
}

TEST(CheckSecurity, ChecksOnlyTheChosenMode) {
    struct Case {
        const char* name;
        SecurityInput input;
        std::optional<std::string> message;
    };
    auto wep_default_empty = ValidInput(1);
    wep_default_empty.wep.keys = {u"abcde", u"0123456789", u"", u"12345"};
    wep_default_empty.wep.formats = {0, 1, 0, 0};
    wep_default_empty.wep.default_key = 3;
    auto psk_short = ValidInput(3);
    psk_short.psk.key = u"1234567";
    auto psk_interval = ValidInput(4);
    psk_interval.psk.interval = u"59";
    auto loopback = ValidInput(5);
    loopback.wpa.server = u"127.0.0.1";
    auto port_zero = ValidInput(6);
    port_zero.wpa.port = u"0";
    auto port_too_big = ValidInput(5);
    port_too_big.wpa.port = u"65536";
    auto empty_secret = ValidInput(5);
    empty_secret.wpa.secret = u"";
    auto wpa_interval = ValidInput(6);
    wpa_interval.wpa.interval = u"";
    auto none_with_garbage = ValidInput(0);
    none_with_garbage.psk.key = u"x";
    none_with_garbage.wep.keys = {u"?", u"?", u"?", u"?"};
    none_with_garbage.wpa.server = u"";
    auto unchosen = none_with_garbage;
    unchosen.mode.reset();

    const std::vector<Case> cases{
        {"valid WEP", ValidInput(1), std::nullopt},
        {"valid WPA-PSK", ValidInput(2), std::nullopt},
        {"valid WPA", ValidInput(5), std::nullopt},
        {"WEP default key empty", wep_default_empty, "Please enter the WEP key3!"},
        {"short pass phrase", psk_short,
         "Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!"},
        {"interval 59", psk_interval, "The key update interval range: 60~99999 or 0!"},
        {"RADIUS at 127.0.0.1", loopback, "Please enter a valid RADIUS Server address!"},
        {"RADIUS port 0", port_zero, "Please specify a valid RADIUS Port!"},
        {"RADIUS port 65536", port_too_big, "Please specify a valid RADIUS Port!"},
        {"empty secret", empty_secret, "Please enter a key for 1~64 ASCII characters!"},
        {"empty RADIUS interval", wpa_interval, "The key update interval should not be empty!"},
        {"None reads no field", none_with_garbage, std::nullopt},
        {"no mode chosen", unchosen, std::nullopt},
    };
    for (const auto& c : cases) {
        const RuleResult result = CheckSecurity(c.input);
        if (!c.message) {
            EXPECT_FALSE(result.has_value()) << c.name << ": " << result->message;
        } else {
            ASSERT_TRUE(result.has_value()) << c.name;
            EXPECT_EQ(result->message, Translate(*c.message)) << c.name;
        }
    }
}

TEST(WriteSecurity, NoneKeepsTheStoredKeysOfEveryOtherMode) {
    ap_info_stu r = SecuredRecord();
    r.secure_mode = 3;
    radio_block block = SliceOf<radio_block>(r);
    const radio_block before = block;
    WriteSecurity(block, ValidInput(0));
    EXPECT_EQ(block.secure_mode, 0);
    block.secure_mode = before.secure_mode;
    EXPECT_EQ(test::BytesOfObject(block), test::BytesOfObject(before));
}

TEST(WriteSecurity, WpaPskWritesItsOwnFieldsOnly) {
    const ap_info_stu r = SecuredRecord();
    radio_block block = SliceOf<radio_block>(r);
    SecurityInput input = ValidInput(2);
    input.psk = {kCipherTkip, u"new-pass-phrase", u"120"};
    WriteSecurity(block, input);
    EXPECT_EQ(block.secure_mode, 2);
    EXPECT_EQ(block.wpapsk_auth_type, 1);
    EXPECT_EQ(block.wpapsk_key_len, 15);
    EXPECT_EQ(std::string(block.wpapsk_key_value, 16), std::string("new-pass-phrase\0", 16));
    EXPECT_EQ(uint32_t{block.wpapsk_key_time}, 120u);
    // The WEP and RADIUS settings go out as stored.
    EXPECT_EQ(block.wep_key_index, 3);
    EXPECT_EQ(uint16_t{block.wpa_radius_port}, 1812);
    EXPECT_EQ(block.wpa_key_len, 6);
}

TEST(WriteSecurity, CipherCodesFollowTheChosenButton) {
    for (const auto& [button, code] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}}) {
        radio_block block = SliceOf<radio_block>(ZeroRecord());
        SecurityInput input = ValidInput(3);
        input.psk.cipher = button;
        WriteSecurity(block, input);
        EXPECT_EQ(block.wpapsk_auth_type, code) << button;
    }
}

TEST(WriteSecurity, WepSendsTheFirstKeyAsItWasChecked) {
    radio_block block = SliceOf<radio_block>(SecuredRecord());
    SecurityInput input = ValidInput(1);
    input.wep.auth_type = 1;
    input.wep.default_key = 4;
    input.wep.keys = {u"  ab@_-", u"", u"0123456789abcdef0123456789", u"xyz12"};
    input.wep.formats = {0, 0, 1, 0};
    ASSERT_FALSE(CheckSecurity(input).has_value());
    WriteSecurity(block, input);
    EXPECT_EQ(block.wep_auth_type, 1);
    EXPECT_EQ(block.wep_key_index, 4);
    EXPECT_EQ(block.wep_key_type0, 0);
    EXPECT_EQ(block.wep_key_len0, 5);
    EXPECT_EQ(std::string(block.wep_key_value0, 6), std::string("ab@_-\0", 6));
    // An empty key clears what the device held.
    EXPECT_EQ(block.wep_key_len1, 0);
    EXPECT_EQ(std::string(block.wep_key_value1, 26), std::string(26, '\0'));
    EXPECT_EQ(block.wep_key_type2, 1);
    EXPECT_EQ(block.wep_key_len2, 26);
    EXPECT_EQ(std::string(block.wep_key_value2, 26), "0123456789abcdef0123456789");
    EXPECT_EQ(block.wep_key_len3, 5);
}

TEST(WriteSecurity, WpaWritesTheRadiusServer) {
    radio_block block = SliceOf<radio_block>(ZeroRecord());
    SecurityInput input = ValidInput(6);
    input.wpa = {1, u"172.16.0.9", u"1645", u"shared", u""};
    WriteSecurity(block, input);
    const auto bytes = test::BytesOfObject(block);
    // wpa_radius_ip at 250, port (little-endian) at 254, cipher at 256, secret at 257.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 250, bytes.begin() + 263),
              test::Hex("AC 10 00 09  6D 06  01  73 68 61 72 65 64"));
    EXPECT_EQ(bytes[321], 6);  // wpa_key_len
    EXPECT_EQ(uint32_t{block.wpa_key_time}, 0u);
    EXPECT_EQ(block.secure_mode, 6);
}

}  // namespace
}  // namespace brelvo::core
