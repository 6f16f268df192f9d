#include "core/rules/wireless/bridge_security.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/rules/wireless/channel_tables.h"
#include "core/support/translation.h"
#include "list_helpers.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::DataOf;
using test::Hex;
using test::TextsOf;

ap_info_stu Device(uint16_t ap_type) {
    ap_info_stu r = ZeroRecord();
    r.ap_type = ap_type;
    r.rf_type = 1;
    r.country_code = 0;  // China
    r.network_mode = kMode11an;
    r.bandwidth = kBandwidth20;
    return r;
}

config_otherwl_basic AccessPoint(uint8_t secure_mode, uint8_t channel = 157) {
    config_otherwl_basic entry{};
    const uint8_t mac[6] = {0x00, 0x90, 0x4C, 0x11, 0x22, 0x33};
    std::memcpy(entry.mac, mac, 6);
    entry.signal = -55;
    entry.channel = channel;
    entry.secure_mode = secure_mode;
    std::memcpy(entry.ssid, "Tower-North", 11);
    entry.ssid_len = 11;
    entry.bandwidth = kBandwidth40;
    return entry;
}

TEST(BridgeSecurity, SurveyCodesChooseModeAndCipher) {
    struct Case {
        uint32_t code;
        bool wep_offered;
        BridgeSecurityChoice choice;
    };
    const std::vector<Case> cases{
        {0, true, {kSecureNone, std::nullopt}},
        {1, true, {kSecureWep, std::nullopt}},
        {1, false, {kSecureNone, std::nullopt}},
        {2, false, {kSecureWpaPsk, kCipherAes}},
        {3, true, {kSecureWpaPsk, kCipherTkip}},
        {3, false, {kSecureWpaPsk, kCipherTkip}},
        {4, false, {kSecureWpa2Psk, kCipherAes}},
        {5, false, {kSecureWpa2Psk, kCipherTkip}},
        {6, false, {kSecureWpa2Psk, kCipherTkipAes}},
        {7, false, {kSecureWpaWpa2Psk, kCipherAes}},
        {8, false, {kSecureWpaWpa2Psk, kCipherTkip}},
        {9, false, {kSecureWpaWpa2Psk, kCipherTkipAes}},
        {10, true, {kSecureWpaPsk, kCipherAes}},
        {11, true, {kSecureNone, std::nullopt}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BridgeSecurityForSurveyCode(c.code, c.wep_offered), c.choice) << c.code;
}

TEST(BridgeSecurity, ModeBoxOffersWepOnlyToTheDfsFamily) {
    const std::vector<std::string> with_wep{"None", "WEP", "WPA-PSK", "WPA2-PSK",
                                            "Mixed WPA/WPA2-PSK"};
    const std::vector<std::string> without{"None", "WPA-PSK", "WPA2-PSK", "Mixed WPA/WPA2-PSK"};
    for (const uint16_t model : {14, 15, 18, 272, 273})
        EXPECT_EQ(TextsOf(FillBridgeModes(model)), with_wep) << model;
    for (const uint16_t model : {1, 10, 12, 13, 271})
        EXPECT_EQ(TextsOf(FillBridgeModes(model)), without) << model;
    EXPECT_EQ(DataOf(FillBridgeModes(14)), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(DataOf(FillBridgeModes(1)), (std::vector<int>{0, 2, 3, 4}));
}

TEST(BridgeSecurity, FillPresetsTheSurveyedSecurity) {
    struct Case {
        const char* name;
        uint16_t model;
        uint8_t code;
        std::size_t mode_position;
        SecurityFieldsView fields;
    };
    const std::vector<Case> cases{
        {"TKIP with the WEP entry", 14, 3, 2, {true, true, true, false, kCipherTkip, false, false}},
        {"TKIP without it", 1, 3, 1, {true, true, true, false, kCipherTkip, false, false}},
        {"code 10 ends as WPA-PSK with AES",
         1,
         10,
         1,
         {true, true, true, false, kCipherAes, false, false}},
        {"mixed with both ciphers",
         1,
         9,
         3,
         {true, true, true, true, kCipherTkipAes, false, false}},
        {"WEP", 15, 1, 1, {false, false, false, false, kCipherAes, true, false}},
        {"WEP on a device without it",
         12,
         1,
         0,
         {false, false, false, false, kCipherAes, false, false}},
    };
    for (const auto& c : cases) {
        const BridgeSecurityView view = FillBridgeSecurity(Device(c.model), AccessPoint(c.code));
        EXPECT_EQ(view.modes.selected, c.mode_position) << c.name;
        EXPECT_EQ(view.fields, c.fields) << c.name;
    }
}

TEST(BridgeSecurity, FillShowsTheAccessPointsSsidAndChannel) {
    const BridgeSecurityView view = FillBridgeSecurity(Device(1), AccessPoint(0, 157));
    EXPECT_EQ(view.ssid, u"Tower-North");
    EXPECT_EQ(DataOf(view.channels),
              (std::vector<int>{0, 36, 40, 44, 48, 149, 153, 157, 161, 165}));
    EXPECT_EQ(view.channels.SelectedData(), 157);
    EXPECT_FALSE(view.bandwidth_shown);
    EXPECT_EQ(view.interval, u"0");
    EXPECT_EQ(TextsOf(view.wep.auth_types), (std::vector<std::string>{"Open", "Share"}));
    EXPECT_EQ(view.wep.auth_types.selected, 0u);
    EXPECT_EQ(DataOf(view.wep.default_keys), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(view.wep.default_keys.selected, 0u);
    for (const auto& formats : view.wep.formats)
        EXPECT_EQ(formats.SelectedData(), 0);

    // A channel this country does not offer leaves the first entry chosen.
    EXPECT_EQ(FillBridgeSecurity(Device(1), AccessPoint(0, 52)).channels.selected, 0u);
}

TEST(BridgeSecurity, BandwidthBoxEntriesFollowTheDevice) {
    struct Case {
        uint32_t rf_type;
        uint32_t model;
        int mode;
        std::vector<int> data;
    };
    const std::vector<Case> cases{
        {1, 6, 0, {4, 0, 5, 1}},
        {1, 266, 2, {4, 0, 5, 1}},
        {1, 10, 1, {2, 4, 0, 5, 1}},
        {1, 11, 2, {2, 4, 0, 5, 1, 6, 7, 3}},
        {1, 13, 0, {2, 0}},
        {1, 13, 1, {2, 0, 1}},
        {1, 271, 2, {2, 0, 1, 3}},
        {1, 14, 1, {0, 1}},
        {1, 272, 2, {0, 1, 3}},
        {1, 1, 2, {0, 1}},
        {0, 12, 4, {2, 0, 1}},
        {0, 12, 3, {2, 0, 1}},
        {0, 1, 0, {0}},
        {0, 1, 2, {0}},
        {0, 1, 5, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataOf(FillBridgeBandwidths(c.rf_type, c.model, c.mode)), c.data)
            << "band " << c.rf_type << " model " << c.model << " mode " << c.mode;
    }
    EXPECT_EQ(TextsOf(FillBridgeBandwidths(1, 6, 0)),
              (std::vector<std::string>{"10MHz", "20MHz", "30MHz", "40MHz"}));
}

TEST(BridgeSecurity, TheBandwidthBoxOnlyShapesTheChannelList) {
    for (const uint32_t model : {10, 12, 13, 271})
        EXPECT_TRUE(ShowsBridgeBandwidth(model)) << model;
    for (const uint32_t model : {1, 11, 14, 273})
        EXPECT_FALSE(ShowsBridgeBandwidth(model)) << model;

    ap_info_stu device = Device(10);
    const BridgeSecurityView view = FillBridgeSecurity(device, AccessPoint(0, 165));
    EXPECT_TRUE(view.bandwidth_shown);
    // The surveyed bandwidth (40 MHz) is chosen in the box; the channels are those of the
    // device's own bandwidth (20 MHz) until the operator picks another.
    EXPECT_EQ(view.bandwidths.SelectedData(), kBandwidth40);
    EXPECT_EQ(view.channels.SelectedData(), 165);

    const auto context = MakeBridgeSecurityContext(device, AccessPoint(0, 165));
    const ListFill at80 = OnBridgeBandwidthChanged(context, kBandwidth80);
    EXPECT_EQ(DataOf(at80), (std::vector<int>{0, 36, 40, 44, 48, 149, 153, 157, 161}));
    EXPECT_EQ(at80.selected, 0u);
    EXPECT_EQ(OnBridgeBandwidthChanged(context, kBandwidthAuto).SelectedData(), 165);
}

TEST(BridgeSecurity, ModeChangesShowTheirControls) {
    EXPECT_EQ(OnBridgeModeChanged(kSecureWpaPsk, kCipherTkipAes).cipher, kCipherAes);
    EXPECT_FALSE(OnBridgeModeChanged(kSecureWpaPsk, kCipherTkipAes).tkip_aes_enabled);
    EXPECT_TRUE(OnBridgeModeChanged(kSecureWpa2Psk, kCipherAes).tkip_aes_enabled);
    EXPECT_TRUE(OnBridgeModeChanged(kSecureWep, kCipherAes).wep_page_shown);
    EXPECT_FALSE(OnBridgeModeChanged(kSecureNone, kCipherAes).psk_fields_shown);
}

BridgeSecurityInput ValidInput(int mode) {
    BridgeSecurityInput input;
    input.ssid = u"Tower-North";
    input.channel = 157;
    input.mode = mode;
    input.cipher = kCipherAes;
    input.key = u"pass-phrase";
    input.wep.auth_type = 0;
    input.wep.default_key = 0;
    input.wep.keys = {u"abcde", u"", u"", u""};
    input.wep.formats = {0, 0, 0, 0};
    return input;
}

TEST(BridgeSecurity, CheckStopsAtTheFirstFailure) {
    struct Case {
        const char* name;
        uint16_t model;
        BridgeSecurityInput input;
        std::optional<std::string> message;
        BoxKind box = BoxKind::kWarning;
    };
    const std::string strict_ssid =
        "SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, "
        "0-9 numbers";
    const std::string loose_ssid =
        "SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII characters";
    const std::string psk_message =
        "Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!";
    const std::string wep_ascii = "WEP key is invalid! Please enter 5 or 13 ASCII characters!";
    const std::string wep_hex = "WEP key is invalid! Please enter 10 or 26 HEX characters!";

    auto with = [](int mode, auto edit) {
        BridgeSecurityInput input = ValidInput(mode);
        edit(input);
        return input;
    };
    const std::vector<Case> cases{
        {"empty SSID", 1, with(0, [](auto& in) { in.ssid.clear(); }), "The ssid can not be empty!"},
        // Unlike the wireless tab, blanks alone pass the loose rule here.
        {"blank SSID", 1, with(0, [](auto& in) { in.ssid = u"   "; }), std::nullopt},
        {"space on a strict type", 4, with(0, [](auto& in) { in.ssid = u"a b"; }), strict_ssid},
        {"33 bytes", 1, with(0, [](auto& in) { in.ssid = std::u16string(33, u'x'); }), loose_ssid},
        {"64 hex digits", 1,
         with(2,
              [](auto& in) {
                  in.key = u"0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
              }),
         std::nullopt},
        {"64 characters with a g", 1,
         with(3,
              [](auto& in) {
                  in.key = u"g123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
              }),
         psk_message},
        {"7 characters", 1, with(4, [](auto& in) { in.key = u"1234567"; }), psk_message},
        {"empty interval", 1, with(2, [](auto& in) { in.interval.clear(); }),
         "The key update interval should not be empty!"},
        {"WEP ASCII key with a space", 14, with(1, [](auto& in) { in.wep.keys[0] = u"ab de"; }),
         std::nullopt},
        {"WEP ASCII key with a comma on key 2", 14,
         with(1, [](auto& in) { in.wep.keys[1] = u"a,b;c'd\"e{}|~"; }), std::nullopt},
        {"WEP 6 characters", 14, with(1, [](auto& in) { in.wep.keys[0] = u"abcdef"; }), wep_ascii,
         BoxKind::kTitledWarning},
        {"WEP leading blanks leave key 1", 14,
         with(1, [](auto& in) { in.wep.keys[0] = u"   abcde"; }), std::nullopt},
        {"WEP non-ASCII", 14, with(1, [](auto& in) { in.wep.keys[2] = u"abcd\u00e9"; }), wep_ascii,
         BoxKind::kTitledWarning},
        {"WEP hex with a g", 14,
         with(1,
              [](auto& in) {
                  in.wep.keys[1] = u"012345678g";
                  in.wep.formats[1] = 1;
              }),
         wep_hex, BoxKind::kTitledWarning},
        {"WEP default key empty", 14,
         with(1,
              [](auto& in) {
                  in.wep.keys = {u"abcde", u"0123456789", u"", u"12345"};
                  in.wep.formats = {0, 1, 0, 0};
                  in.wep.default_key = 2;
              }),
         "Please enter the WEP key3!", BoxKind::kTitledWarning},
        {"None reads no key", 1, with(0, [](auto& in) { in.key = u"x"; }), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto context = MakeBridgeSecurityContext(Device(c.model), AccessPoint(0));
        const auto result = CollectBridgeSecurity(context, c.input);
        if (!c.message) {
            EXPECT_TRUE(result.ok())
                << c.name << ": " << (result.ok() ? "" : result.failure().message);
            continue;
        }
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.failure().message, Translate(*c.message)) << c.name;
        EXPECT_EQ(result.failure().box, c.box) << c.name;
    }
}

TEST(BridgeSecurity, CollectsAWpaPskLink) {
    const auto context = MakeBridgeSecurityContext(Device(1), AccessPoint(6));
    BridgeSecurityInput input = ValidInput(kSecureWpa2Psk);
    input.cipher = kCipherTkipAes;
    const auto result = CollectBridgeSecurity(context, input);
    ASSERT_TRUE(result.ok());
    const auto bytes = test::BytesOfObject(result.output());
    // work mode, peer MAC, channel, SSID, its length, reserved, mode, cipher, key
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 56),
              Hex("02  00 90 4C 11 22 33  9D"
                  "54 6F 77 65 72 2D 4E 6F 72 74 68 00 00 00 00 00"
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                  "0B  00  03  02"
                  "70 61 73 73 2D 70 68 72 61 73 65 00"));
    EXPECT_EQ(bytes[108], 11);  // key length
    // Key interval, WEP and enterprise fields all zero.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 109, bytes.end()),
              std::vector<uint8_t>(304 - 109, 0));
}

TEST(BridgeSecurity, CollectsAWepLink) {
    const auto context = MakeBridgeSecurityContext(Device(14), AccessPoint(1));
    BridgeSecurityInput input = ValidInput(kSecureWep);
    input.key = u"not-sent-in-wep";
    input.wep.auth_type = 1;
    input.wep.default_key = 3;
    input.wep.keys = {u"  ab de", u"", u"", u"0123456789"};
    input.wep.formats = {0, 0, 0, 1};
    const auto result = CollectBridgeSecurity(context, input);
    ASSERT_TRUE(result.ok()) << result.failure().message;
    const auto bytes = test::BytesOfObject(result.output());
    EXPECT_EQ(bytes[42], 1);  // mode WEP
    EXPECT_EQ(bytes[43], 0);  // no cipher
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 44, bytes.begin() + 113),
              std::vector<uint8_t>(69, 0));  // no pass phrase
    EXPECT_EQ(bytes[113], 1);                // shared key
    EXPECT_EQ(bytes[114], 3);                // key 4
    // Key 1: ASCII, "ab de" without the blanks that the check ignored, length 5.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 115, bytes.begin() + 143),
              Hex("00  61 62 20 64 65 00 00 00 00 00 00 00 00"
                  "00 00 00 00 00 00 00 00 00 00 00 00 00  05"));
    // Key 4: hex, ten digits.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 199, bytes.begin() + 227),
              Hex("01  30 31 32 33 34 35 36 37 38 39 00 00 00"
                  "00 00 00 00 00 00 00 00 00 00 00 00 00  0A"));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 227, bytes.end()), std::vector<uint8_t>(77, 0));
}

}  // namespace
}  // namespace brelvo::core
