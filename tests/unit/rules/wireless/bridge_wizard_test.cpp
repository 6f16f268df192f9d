#include "core/rules/wireless/bridge_wizard.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/rules/wireless/bridge_addressing.h"
#include "core/rules/wireless/bridge_security.h"
#include "core/support/translation.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

TEST(BridgeWizard, OnlyAModeSwitchAtOffOrStationOpensTheWizard) {
    const std::vector<std::pair<uint8_t, bool>> cases{{0, true}, {1, false}, {2, true}, {3, false}};
    for (const auto& [position, opens] : cases) {
        ap_info_stu device = ZeroRecord();
        device.mode_btn_status = position;
        EXPECT_EQ(CanOpenBridgeWizard(device), opens) << int{position};
    }
    EXPECT_EQ(ModeSwitchMessage(),
              Translate("The Mode Switch is at AP position, please switch it to Off position to "
                        "modify to other operating mode."));
}

TEST(BridgeWizard, NextAndBackWalkTheFourPages) {
    BridgeWizardFlow flow;
    EXPECT_EQ(flow.step(), BridgeStep::kSurvey);
    EXPECT_FALSE(flow.back_visible());
    EXPECT_EQ(flow.next_caption(), Translate("Next"));

    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kFillSecurity);
    EXPECT_EQ(flow.step(), BridgeStep::kSecurity);
    EXPECT_TRUE(flow.back_visible());

    // A page that refuses its fields keeps the wizard where it is.
    EXPECT_EQ(flow.Next(false), BridgeNextOutcome::kStay);
    EXPECT_EQ(flow.step(), BridgeStep::kSecurity);
    EXPECT_EQ(flow.Next(true), BridgeNextOutcome::kFillAddressing);
    EXPECT_EQ(flow.step(), BridgeStep::kAddressing);
    EXPECT_EQ(flow.Next(false), BridgeNextOutcome::kStay);
    EXPECT_EQ(flow.Next(true), BridgeNextOutcome::kShowFinish);
    EXPECT_EQ(flow.step(), BridgeStep::kFinish);
    EXPECT_EQ(flow.next_caption(), Translate("Save"));

    // Back from the finish page relabels Save, and Next checks the addressing page again.
    flow.Back();
    EXPECT_EQ(flow.step(), BridgeStep::kAddressing);
    EXPECT_EQ(flow.next_caption(), Translate("Next"));
    EXPECT_EQ(flow.Next(false), BridgeNextOutcome::kStay);
    EXPECT_EQ(flow.Next(true), BridgeNextOutcome::kShowFinish);

    flow.Back();
    flow.Back();
    EXPECT_EQ(flow.step(), BridgeStep::kSecurity);
    flow.Back();
    EXPECT_EQ(flow.step(), BridgeStep::kSurvey);
    EXPECT_FALSE(flow.back_visible());
    flow.Back();
    EXPECT_EQ(flow.step(), BridgeStep::kSurvey);

    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kFillSecurity);
    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kFillAddressing);
    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kShowFinish);
    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kSave);
    EXPECT_TRUE(flow.finished());
    // A second press after Save sends nothing more.
    EXPECT_EQ(flow.Next(), BridgeNextOutcome::kStay);
}

// The bridge as the wizard's pages collect it for an access point without security.
bridge_request OpenBridge(std::u16string ssid) {
    ap_info_stu device = ZeroRecord();
    device.ap_type = 1;
    device.rf_type = 1;
    config_otherwl_basic entry{};
    const uint8_t mac[6] = {0x00, 0x90, 0x4C, 0x11, 0x22, 0x33};
    std::memcpy(entry.mac, mac, 6);
    entry.channel = 149;
    BridgeSecurityInput security;
    security.ssid = std::move(ssid);
    security.channel = 149;
    security.mode = kSecureNone;
    security.key = u"ignored-without-security";
    const auto wireless = CollectBridgeSecurity(MakeBridgeSecurityContext(device, entry), security);
    EXPECT_TRUE(wireless.ok());

    auto current = ZeroBlock<ip_block>();
    const BridgeAddressingInput addressing{u"192.168.1.40", u"255.255.255.0", u"192.168.1.1",
                                           u"8.8.8.8", u"8.8.4.4"};
    const auto ip = CollectBridgeAddressing(current, addressing, {});
    EXPECT_TRUE(ip.ok());
    return wireless.ok() && ip.ok() ? BuildBridgeRequest(wireless.output(), ip.output())
                                    : ZeroBlock<bridge_request>();
}

TEST(BridgeWizard, AnOpenBridgeCarriesOnlyTheLinkAndTheAddressing) {
    std::vector<uint8_t> expected =
        Hex("02"                                               // station
            "00 90 4C 11 22 33"                                // peer MAC
            "95"                                               // channel 149
            "54 6F 77 65 72 2D 4E 6F 72 74 68 00 00 00 00 00"  // "Tower-North"
            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
            "0B");  // its length
    expected.resize(304, 0);
    const auto addressing =
        Hex("01  C0 A8 01 28  FF FF FF 00  C0 A8 01 01  08 08 08 08"
            "08 08 04 04  00");
    expected.insert(expected.end(), addressing.begin(), addressing.end());
    expected.insert(expected.end(), {0x00, 0x00});
    ASSERT_EQ(expected.size(), 328u);
    EXPECT_EQ(test::BytesOfObject(OpenBridge(u"Tower-North")), expected);
}

TEST(BridgeWizard, AChineseSsidTravelsAsUtf8WithItsByteCount) {
    // "北塔" and "-1": two Chinese characters of three bytes each, then two ASCII ones.
    const auto bytes = test::BytesOfObject(OpenBridge(u"\u5317\u5854-1"));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 8, bytes.begin() + 41),
              Hex("E5 8C 97 E5 A1 94 2D 31 00 00 00 00 00 00 00 00"
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                  "08"));
}

TEST(BridgeWizard, SendingMakesTheSsidFieldWholeCharacters) {
    auto wireless = ZeroBlock<wireless_block>();
    auto ip = ZeroBlock<ip_block>();
    // A Chinese text whose last character lost its last byte: the field goes out with whole
    // characters and their byte count.
    const uint8_t text[] = {0xE5, 0x8C, 0x97, 0xE5, 0xA1};
    std::memcpy(wireless.ssid, text, sizeof text);
    wireless.ssid_len = 5;
    const bridge_request request = BuildBridgeRequest(wireless, ip);
    EXPECT_EQ(request.wireless.ssid_len, 3);
    EXPECT_EQ(std::vector<uint8_t>(request.wireless.ssid, request.wireless.ssid + 5),
              Hex("E5 8C 97 00 00"));

    // Plain ASCII goes out as it stands.
    std::memcpy(wireless.ssid, "Tower", 5);
    wireless.ssid_len = 5;
    EXPECT_EQ(test::BytesOfObject(BuildBridgeRequest(wireless, ip).wireless),
              test::BytesOfObject(wireless));
}

}  // namespace
}  // namespace brelvo::core
