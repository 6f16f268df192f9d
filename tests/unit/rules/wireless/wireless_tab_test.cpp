#include "core/rules/wireless/wireless_tab.h"

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

// A 5 GHz access point in China that already holds what the tab writes.
ap_info_stu AccessPoint(uint16_t ap_type = 1) {
    ap_info_stu r = ZeroRecord();
    r.ap_type = ap_type;
    r.work_mode = kModeAccessPoint;
    r.rf_count = 1;
    r.rf_en = 1;
    r.rf_type = 1;
    r.country_code = 0;
    r.network_mode = kMode11an;
    r.bandwidth = kBandwidth20;
    r.channel = 149;
    r.expand_channel = kExtensionNone;
    r.tx_power = 20;
    r.tx_power_min = 1;
    r.tx_power_max = 27;
    r.ssid_rf_type = 1;
    const uint8_t bssid[6] = {0x00, 0x90, 0x4C, 0x01, 0x02, 0x03};
    std::memcpy(r.ssid_mac, bssid, 6);
    WriteTextField(r.ssid, r.ssid_len, "Brelvo-AP");
    r.ssid_count = 1;
    r.wpapsk_key_time = 0;
    r.wep_key_index = 1;
    return r;
}

// A 2.4 GHz access point in 11b/g/n at 40 MHz on channel 6, paired above.
ap_info_stu Radio24() {
    ap_info_stu r = AccessPoint();
    r.rf_type = 0;
    r.ssid_rf_type = 0;
    r.network_mode = kMode11bgn;
    r.bandwidth = kBandwidth40;
    r.channel = 6;
    r.expand_channel = kExtensionAbove;
    return r;
}

// What the dialog reads back from its widgets when the operator changed nothing.
WirelessTabInput InputOf(const WirelessTabView& view) {
    WirelessTabInput input;
    input.ssid = view.ssid;
    input.hide_ssid = view.hide_ssid;
    input.dfs = view.dfs_checked;
    input.network_mode = view.network_modes.SelectedData();
    input.bandwidth = view.bandwidths.SelectedData();
    input.country_row = view.countries.SelectedData();
    input.channel = view.channels.SelectedData();
    input.extension_channel = view.extension_channels.list.SelectedData();
    input.tx_power = view.tx_power;
    input.security.mode = view.security_modes.SelectedData();
    input.security.psk = view.psk;
    input.security.wep.auth_type = view.wep.auth_types.SelectedData();
    input.security.wep.default_key = view.wep.default_keys.SelectedData();
    input.security.wep.keys = view.wep.keys;
    for (std::size_t k = 0; k < 4; ++k)
        input.security.wep.formats[k] = view.wep.formats[k].SelectedData();
    input.security.wpa = {view.wpa.ciphers.SelectedData(), view.wpa.server, view.wpa.port,
                          view.wpa.secret, view.wpa.interval};
    return input;
}

WirelessTabInput UntouchedInput(const ap_info_stu& record) {
    return InputOf(OpenWirelessTab(record));
}

WirelessTabOutput Saved(const ap_info_stu& record, const WirelessTabInput& input) {
    const auto result = CollectWirelessSettings(record, input);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.failure().message);
    return result.ok() ? result.output() : WirelessTabOutput{};
}

TEST(OpenWirelessTab, FillsTheTabFromTheRecord) {
    const WirelessTabView view = OpenWirelessTab(AccessPoint());
    EXPECT_EQ(view.ssid, u"Brelvo-AP");
    EXPECT_FALSE(view.dfs_shown);
    EXPECT_EQ(view.countries.selected, 4u);
    EXPECT_EQ(view.network_modes.SelectedData(), kMode11an);
    EXPECT_EQ(view.bandwidths.SelectedData(), kBandwidth20);
    EXPECT_EQ(view.channels.SelectedData(), 149);
    EXPECT_FALSE(view.extension_channels.enabled);
    EXPECT_EQ(view.tx_power, u"20");
    EXPECT_EQ(view.tx_power_range, "(1-27)");
    EXPECT_EQ(view.security_modes.SelectedData(), kSecureNone);
    EXPECT_TRUE(view.inputs_enabled);
    EXPECT_TRUE(view.country_and_channels_enabled);
}

TEST(OpenWirelessTab, ACountryCodeWithoutARowOpensWithNoCountrySelected) {
    ap_info_stu r = AccessPoint();
    r.country_code = 43;  // NZ
    const WirelessTabView view = OpenWirelessTab(r);
    EXPECT_EQ(view.countries.selected, std::nullopt);
    EXPECT_EQ(DataOf(view.channels), (std::vector<int>{0, 149}));
    EXPECT_EQ(view.channels.SelectedData(), 149);
}

TEST(OpenWirelessTab, WorkModeAndModelDecideWhatIsEnabled) {
    struct Case {
        uint16_t ap_type;
        uint8_t work_mode;
        uint8_t wl_dfs;
        bool inputs;
        bool channels;
        bool dfs_shown;
        bool dfs_checked;
    };
    const std::vector<Case> cases{
        {1, kModeAccessPoint, 1, true, true, false, false},
        {1, kModeStation, 0, false, false, false, false},
        {1, kModeUniversalRepeater, 0, false, false, false, false},
        {1, kModeWisp, 0, true, false, false, false},
        {14, kModeAccessPoint, 1, true, true, true, true},
        {14, kModeStation, 2, false, false, true, false},
    };
    for (const auto& c : cases) {
        ap_info_stu r = Radio24();
        r.ap_type = c.ap_type;
        r.work_mode = c.work_mode;
        r.wl_dfs = c.wl_dfs;
        const WirelessTabView view = OpenWirelessTab(r);
        SCOPED_TRACE(testing::Message()
                     << "model " << c.ap_type << " work mode " << int{c.work_mode});
        EXPECT_EQ(view.inputs_enabled, c.inputs);
        EXPECT_EQ(view.country_and_channels_enabled, c.channels);
        EXPECT_EQ(view.extension_channels.enabled, c.channels);
        EXPECT_EQ(view.dfs_shown, c.dfs_shown);
        EXPECT_EQ(view.dfs_enabled, c.dfs_shown);
        EXPECT_EQ(view.dfs_checked, c.dfs_checked);
    }
}

TEST(OpenWirelessTab, Model12OpensWithFourSecurityModes) {
    ap_info_stu r = AccessPoint(12);
    r.secure_mode = kSecureWpaPsk;
    r.wpapsk_auth_type = kCipherTkipAes;
    const WirelessTabView view = OpenWirelessTab(r);
    EXPECT_EQ(view.security_modes.items.size(), 4u);
    EXPECT_EQ(view.security_modes.selected, 1u);
    EXPECT_TRUE(view.security_fields.psk_fields_shown);
    EXPECT_FALSE(view.security_fields.tkip_aes_enabled);
    EXPECT_EQ(view.psk.cipher, kCipherAes);
}

TEST(OpenWirelessTab, TheExtensionChannelFollowsTheRecord) {
    const WirelessTabView view = OpenWirelessTab(Radio24());
    EXPECT_TRUE(view.extension_channels.enabled);
    EXPECT_EQ(test::TextsOf(view.extension_channels.list), (std::vector<std::string>{"2", "10"}));
    EXPECT_EQ(view.extension_channels.list.selected, 1u);
}

TEST(WirelessTabReactions, ANewModeKeepsTheBandwidthOnlyWhenItIsOffered) {
    ap_info_stu r = AccessPoint(10);
    r.network_mode = kMode11ac;
    r.bandwidth = kBandwidth80;
    r.channel = 36;
    WirelessTabInput input = UntouchedInput(r);
    ASSERT_EQ(input.bandwidth, kBandwidth80);
    input.network_mode = kMode11an;
    const WirelessTabUpdate update = OnNetworkModeChanged(r, input);
    ASSERT_TRUE(update.bandwidths && update.channels && update.extension_channels);
    EXPECT_EQ(update.bandwidths->SelectedData(), kBandwidthAuto);
    // Rebuilt for "Auto", which takes the 20 MHz list: 165 is back.
    EXPECT_EQ(DataOf(*update.channels),
              (std::vector<int>{0, 36, 40, 44, 48, 149, 153, 157, 161, 165}));
    EXPECT_EQ(update.channels->SelectedData(), 36);

    input.network_mode = kMode11ac;
    EXPECT_EQ(OnNetworkModeChanged(r, input).bandwidths->SelectedData(), kBandwidth80);

    r.work_mode = kModeWisp;
    const WirelessTabUpdate wisp = OnNetworkModeChanged(r, input);
    EXPECT_TRUE(wisp.bandwidths.has_value());
    EXPECT_FALSE(wisp.channels.has_value());
    EXPECT_FALSE(wisp.extension_channels.has_value());
}

TEST(WirelessTabReactions, ANewCountryRebuildsTheChannelsAndTheirPartner) {
    ap_info_stu r = Radio24();
    r.channel = 13;
    WirelessTabInput input = UntouchedInput(r);
    ASSERT_EQ(input.channel, 13);
    input.country_row = kCountryRowUnitedStates;
    const WirelessTabUpdate update = OnCountryChanged(r, input);
    ASSERT_TRUE(update.channels && update.extension_channels);
    EXPECT_EQ(DataOf(*update.channels), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    // 13 is gone, "Auto" is chosen, and automatic choice has no partner channel.
    EXPECT_EQ(update.channels->selected, 0u);
    EXPECT_FALSE(update.extension_channels->enabled);
}

TEST(WirelessTabReactions, ANewChannelRebuildsItsPartnerWithTheFirstChosen) {
    const ap_info_stu r = Radio24();
    WirelessTabInput input = UntouchedInput(r);
    input.channel = 9;
    const auto update = OnChannelChanged(r, input, 14);
    ASSERT_TRUE(update.extension_channels.has_value());
    EXPECT_EQ(test::TextsOf(update.extension_channels->list),
              (std::vector<std::string>{"5", "13"}));
    EXPECT_EQ(update.extension_channels->list.selected, 0u);
    EXPECT_FALSE(update.channels.has_value());
}

TEST(WirelessTabReactions, BandwidthChangesRebuildChannelsOnlyOutsideStationRepeaterAndWisp) {
    for (const uint8_t work_mode :
         {kModeAccessPoint, kModeStation, kModeUniversalRepeater, kModeWisp, kModeRouter}) {
        ap_info_stu r = AccessPoint();
        r.work_mode = work_mode;
        WirelessTabInput input = UntouchedInput(r);
        input.bandwidth = kBandwidth40;
        const bool rebuilds = work_mode == kModeAccessPoint || work_mode == kModeRouter;
        EXPECT_EQ(OnBandwidthChanged(r, input).channels.has_value(), rebuilds) << int{work_mode};
    }
}

TEST(WirelessTabReactions, TheDfsBoxAddsAndRemovesTheDfsChannels) {
    ap_info_stu r = AccessPoint(14);
    WirelessTabInput input = UntouchedInput(r);
    input.dfs = true;
    const auto on = OnDfsChanged(r, input).channels;
    input.dfs = false;
    const auto off = OnDfsChanged(r, input).channels;
    ASSERT_TRUE(on && off);
    EXPECT_EQ(DataOf(*on), (std::vector<int>{0, 36, 40, 44, 48, 100, 104, 108, 112, 116, 132, 136,
                                             140, 149, 153, 157, 161, 165}));
    EXPECT_EQ(DataOf(*off), (std::vector<int>{0, 36, 40, 44, 48, 149, 153, 157, 161, 165}));
}

TEST(WirelessTabReactions, ANewSecurityModeShowsItsFields) {
    WirelessTabInput input = UntouchedInput(AccessPoint());
    input.security.mode = kSecureWpaPsk;
    input.security.psk.cipher = kCipherTkipAes;
    const auto fields = OnSecurityModeChanged(input).security_fields;
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->cipher, kCipherAes);
    input.security.mode = kSecureWpa2Psk;
    EXPECT_TRUE(OnSecurityModeChanged(input).security_fields->tkip_aes_enabled);
}

TEST(CollectWirelessSettings, SavingWithoutEditsIsNoChange) {
    ap_info_stu paired = Radio24();
    ap_info_stu nz = AccessPoint();
    nz.country_code = 43;
    ap_info_stu secured = AccessPoint(14);
    secured.secure_mode = kSecureWpa2Psk;
    WriteTextField(secured.wpapsk_key_value, secured.wpapsk_key_len, "pass-phrase");
    secured.wl_dfs = 1;
    for (const ap_info_stu& r : {AccessPoint(), paired, nz, secured}) {
        const WirelessTabOutput settings = Saved(r, UntouchedInput(r));
        EXPECT_FALSE(settings.changed) << "model " << r.ap_type;
        // A country code without a row goes back as it came.
        EXPECT_EQ(settings.radio.country_code, r.country_code);
    }
}

TEST(CollectWirelessSettings, WhatTheTabAlwaysWritesCountsAsAChangeWhenTheRecordDiffers) {
    struct Case {
        const char* name;
        void (*edit)(ap_info_stu&);
    };
    const std::vector<Case> cases{
        {"radio off", [](ap_info_stu& r) { r.rf_en = 0; }},
        {"second SSID slot", [](ap_info_stu& r) { r.ssid_id = 1; }},
        {"extension below outside 11b/g/n at 40 MHz",
         [](ap_info_stu& r) {
             r.network_mode = kMode11bg;
             r.bandwidth = kBandwidth20;
             r.expand_channel = kExtensionBelow;
         }},
    };
    for (const auto& c : cases) {
        ap_info_stu r = Radio24();
        c.edit(r);
        EXPECT_TRUE(Saved(r, UntouchedInput(r)).changed) << c.name;
    }
    // The radio and SSID counts are set on both sides of the comparison.
    ap_info_stu counts = AccessPoint();
    counts.rf_count = 2;
    counts.ssid_count = 4;
    EXPECT_FALSE(Saved(counts, UntouchedInput(counts)).changed);
}

TEST(CollectWirelessSettings, TheDfsSwitchAloneIsAChangeAndTravelsInTheFeatureBlock) {
    const ap_info_stu r = AccessPoint(14);
    WirelessTabInput input = UntouchedInput(r);
    input.dfs = true;
    const WirelessTabOutput settings = Saved(r, input);
    EXPECT_TRUE(settings.changed);
    EXPECT_EQ(test::BytesOfObject(settings.radio),
              test::BytesOfObject(Saved(r, UntouchedInput(r)).radio));
    EXPECT_EQ(test::BytesOfObject(settings.feature), Hex("00 00 0000 0000 0000 00000000 01 00"));
}

TEST(CollectWirelessSettings, ModelsWithoutDfsSendNoDfsByte) {
    ap_info_stu r = AccessPoint(1);
    r.wl_dfs = 1;
    WirelessTabInput input = UntouchedInput(r);
    input.dfs = true;
    const WirelessTabOutput settings = Saved(r, input);
    EXPECT_FALSE(settings.changed);
    EXPECT_EQ(test::BytesOfObject(settings.feature), std::vector<uint8_t>(14, 0));
}

TEST(CollectWirelessSettings, WritesTheRadioAndSsidFields) {
    const ap_info_stu r = AccessPoint();
    WirelessTabInput input = UntouchedInput(r);
    input.ssid = u"\u6865\u63a5AP";  // two Chinese characters, then "AP"
    input.hide_ssid = true;
    input.channel = 36;
    input.tx_power = u"18";
    const WirelessTabOutput settings = Saved(r, input);
    EXPECT_TRUE(settings.changed);
    const auto bytes = test::BytesOfObject(settings.radio);
    // rf_count, rf_en, rf_type, country_code, network_mode, bandwidth, channel, expand_channel,
    // tx_power, tx_power_min, tx_power_max
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 11),
              Hex("01 01 01 00 01 00 24 02 12 01 1B"));
    // ssid_rf_type, ssid_id, ssid_hide, ssid_mac, then the SSID as UTF-8 and its byte count.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 22, bytes.begin() + 64),
              Hex("01 00 01  00 90 4C 01 02 03"
                  "E6 A1 A5 E6 8E A5 41 50  00 00 00 00 00 00 00 00"
                  "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                  "08"));
    EXPECT_EQ(bytes[326], 1);  // ssid_count
}

TEST(CollectWirelessSettings, Writes24GHzExtensionChannelOnlyWhenPaired) {
    struct Case {
        int mode;
        int bandwidth;
        int channel;
        int extension;
        int expected;
    };
    const std::vector<Case> cases{
        {kMode11bgn, kBandwidth40, 6, kExtensionBelow, kExtensionBelow},
        {kMode11bgn, kBandwidth40, 6, kExtensionAbove, kExtensionAbove},
        {kMode11bgn, kBandwidthAuto, 6, kExtensionAbove, kExtensionNone},
        {kMode11bgn, kBandwidth40, 0, kExtensionAbove, kExtensionNone},
        {kMode11bg, kBandwidth20, 6, kExtensionAbove, kExtensionNone},
    };
    for (const auto& c : cases) {
        const ap_info_stu r = Radio24();
        WirelessTabInput input = UntouchedInput(r);
        input.network_mode = c.mode;
        input.bandwidth = c.bandwidth;
        input.channel = c.channel;
        input.extension_channel = c.extension;
        EXPECT_EQ(Saved(r, input).radio.expand_channel, c.expected)
            << c.mode << "/" << c.bandwidth << "/" << c.channel;
    }
    // On 5 GHz the device's own value stays.
    ap_info_stu five = AccessPoint();
    five.expand_channel = kExtensionAbove;
    EXPECT_EQ(Saved(five, UntouchedInput(five)).radio.expand_channel, kExtensionAbove);
}

TEST(CollectWirelessSettings, ChoosingACountryWritesItsCode) {
    const ap_info_stu r = AccessPoint();
    WirelessTabInput input = UntouchedInput(r);
    input.country_row = 39;  // Austria: "AUT", the 60th code
    EXPECT_EQ(Saved(r, input).radio.country_code, 59);
}

TEST(CollectWirelessSettings, StopsAtTheFirstFailedCheck) {
    struct Case {
        const char* name;
        void (*edit)(WirelessTabInput&);
        std::string message;
    };
    const std::vector<Case> cases{
        {"empty SSID",
         [](WirelessTabInput& in) {
             in.ssid.clear();
             in.tx_power = u"99";
         },
         Translate("The ssid can not be empty!")},
        {"power above the maximum",
         [](WirelessTabInput& in) {
             in.tx_power = u"28";
             in.security.mode = kSecureWep;
         },
         TranslateFormat("Power value range:%d-%d", 1, 27)},
        {"empty power", [](WirelessTabInput& in) { in.tx_power.clear(); },
         TranslateFormat("Power value range:%d-%d", 1, 27)},
        {"WEP without its default key",
         [](WirelessTabInput& in) {
             in.security.mode = kSecureWep;
             in.security.wep.default_key = 1;
         },
         Translate("Please enter the WEP key1!")},
    };
    for (const auto& c : cases) {
        const ap_info_stu r = AccessPoint();
        WirelessTabInput input = UntouchedInput(r);
        c.edit(input);
        const auto result = CollectWirelessSettings(r, input);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.failure().message, c.message) << c.name;
    }
}

TEST(CollectWirelessSettings, EmptyKeyIntervalsBecomeZero) {
    ap_info_stu r = AccessPoint();
    r.secure_mode = kSecureWpa;
    r.wpa_radius_ip[0] = 10;
    r.wpa_radius_ip[3] = 2;
    r.wpa_radius_port = 1812;
    WriteTextField(r.wpa_key, r.wpa_key_len, "secret");
    r.wpa_key_time = 600;
    WirelessTabInput input = UntouchedInput(r);
    input.security.psk.interval.clear();
    input.security.wpa.interval = u"0";
    const WirelessTabOutput settings = Saved(r, input);
    EXPECT_EQ(uint32_t{settings.radio.wpa_key_time}, 0u);
    EXPECT_TRUE(settings.changed);
    EXPECT_EQ(SavedIntervalText(u""), u"0");
    EXPECT_EQ(SavedIntervalText(u"600"), u"600");
}

}  // namespace
}  // namespace brelvo::core
