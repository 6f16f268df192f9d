#include "core/rules/vlan_settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;
using test::Hex;

ap_info_stu VlanDevice(uint16_t ap_type, uint8_t work_mode = kModeAccessPoint) {
    ap_info_stu record = ZeroRecord();
    record.ap_type = ap_type;
    record.work_mode = work_mode;
    record.vlan_en = 1;
    record.vlan_id = 100;
    record.vlan_id_wlan = 200;
    record.vlan_id_lan = 300;
    record.vlan_pvid = 1;
    record.vlan_id_lan3 = 400;
    record.vlan_id_lan4 = 500;
    record.bridge_transparent = 1;
    record.tdmaEn = 1;
    record.wl_dfs = 1;
    return record;
}

TEST(VlanTab, RowsByModel) {
    struct Case {
        uint32_t ap_type;
        bool pvid, lan2, lan3_lan4;
        std::string lan2_label;
    };
    const Case cases[] = {
        {10, true, true, true, "LAN2"},    {268, true, true, true, "LAN2"},
        {269, true, true, true, "LAN2"},   {11, true, true, false, "LAN"},
        {270, true, true, false, "LAN"},   {14, true, false, false, "LAN2"},
        {15, true, false, false, "LAN2"},  {18, true, false, false, "LAN2"},
        {272, true, false, false, "LAN2"}, {273, true, false, false, "LAN2"},
        {1, false, false, false, "LAN2"},  {271, false, false, false, "LAN2"},
    };
    for (const auto& c : cases) {
        const VlanTabView view = OpenVlanTab(VlanDevice(static_cast<uint16_t>(c.ap_type)));
        EXPECT_EQ(view.rows.pvid, c.pvid) << c.ap_type;
        EXPECT_EQ(view.rows.lan2, c.lan2) << c.ap_type;
        EXPECT_EQ(view.rows.lan3_lan4, c.lan3_lan4) << c.ap_type;
        EXPECT_EQ(view.lan2_label, c.lan2_label) << c.ap_type;
    }
}

TEST(VlanTab, OpeningShowsTheRecord) {
    const VlanTabView view = OpenVlanTab(VlanDevice(10));
    EXPECT_TRUE(view.fields.enabled);
    EXPECT_EQ(view.fields.manage, u"100");
    EXPECT_EQ(view.fields.wlan, u"200");
    EXPECT_EQ(view.fields.pvid, u"1");
    EXPECT_EQ(view.fields.lan2, u"300");
    EXPECT_EQ(view.fields.lan3, u"400");
    EXPECT_EQ(view.fields.lan4, u"500");
    EXPECT_TRUE(view.check_box_enabled);
    EXPECT_TRUE(view.fields_enabled);

    ap_info_stu off = VlanDevice(1);
    off.vlan_en = 0;
    VlanTabView cleared = OpenVlanTab(off);
    EXPECT_TRUE(cleared.check_box_enabled);
    EXPECT_FALSE(cleared.fields_enabled);
    OnVlanBoxToggled(cleared, true);
    EXPECT_TRUE(cleared.fields_enabled);
    EXPECT_TRUE(cleared.fields.enabled);
}

TEST(VlanTab, OnlyAccessPointsEditVlanExceptSomeModels) {
    const VlanTabView station = OpenVlanTab(VlanDevice(1, kModeStation));
    EXPECT_FALSE(station.check_box_enabled);
    EXPECT_FALSE(station.fields_enabled);
    const VlanTabView pvid_station = OpenVlanTab(VlanDevice(14, kModeStation));
    EXPECT_TRUE(pvid_station.check_box_enabled);
    EXPECT_TRUE(pvid_station.fields_enabled);
}

TEST(VlanTab, ClearingTheBoxKeepsTheIdentifiersAndRunsNoRule) {
    const ap_info_stu record = VlanDevice(10);
    VlanTabInput input{false, u"", u"0", u"x", u"99999", u"", u""};
    const auto result = CollectVlanSettings(record, input);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.output().changed);
    EXPECT_EQ(BytesOfObject(result.output().vlan),
              Hex("00"        // vlan_en
                  "00"        // reserved
                  "64 00"     // vlan_id 100
                  "c8 00"     // vlan_id_wlan 200
                  "2c 01"     // vlan_id_lan 300
                  "00 00"));  // apply
    EXPECT_EQ(VlanRequestPayload(record.ap_type, result.output().vlan, result.output().feature),
              Hex("00 00 64 00 c8 00 2c 01 00 00"
                  "01 01"        // bridge_transparent, tdmaEn
                  "01 00"        // vlan_pvid 1
                  "90 01"        // vlan_id_lan3 400
                  "f4 01"        // vlan_id_lan4 500
                  "00 00"        // reserved, sent as stored
                  "00 00 00 00"  // last four bytes, dfs included, sent as zero
                  ));
}

TEST(VlanTab, FourPortModelStoresEveryIdentifier) {
    const ap_info_stu record = VlanDevice(268);
    const VlanTabInput input{true, u"10", u"20", u"30", u"40", u"50", u"4094"};
    const auto result = CollectVlanSettings(record, input);
    ASSERT_TRUE(result.ok()) << result.failure().message;
    EXPECT_TRUE(result.output().changed);
    EXPECT_EQ(VlanRequestPayload(record.ap_type, result.output().vlan, result.output().feature),
              Hex("01 00"
                  "0a 00"  // manage 10
                  "14 00"  // wlan 20
                  "28 00"  // LAN2 40
                  "00 00"  // apply 0
                  "01 01"
                  "1e 00"  // pvid 30
                  "32 00"  // LAN3 50
                  "fe 0f"  // LAN4 4094
                  "00 00 00 00 00 00"));
}

TEST(VlanTab, ModelsReadOnlyTheirFields) {
    // Model 1 has only Manage VLAN and WLAN: its hidden fields hold garbage that is never read.
    const ap_info_stu plain = VlanDevice(1);
    const auto result =
        CollectVlanSettings(plain, VlanTabInput{true, u"7", u"8", u"", u"", u"", u""});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(VlanRequestPayload(plain.ap_type, result.output().vlan, result.output().feature),
              Hex("01 00 07 00 08 00 2c 01 00 00"));

    // Model 14 stores its PVID, but has no LAN fields.
    const ap_info_stu pvid = VlanDevice(14);
    const auto pvid_result =
        CollectVlanSettings(pvid, VlanTabInput{true, u"100", u"200", u"9", u"", u"", u""});
    ASSERT_TRUE(pvid_result.ok());
    EXPECT_TRUE(pvid_result.output().changed);  // only the PVID differs
    EXPECT_EQ(int{pvid_result.output().feature.vlan_pvid}, 9);
    EXPECT_EQ(int{pvid_result.output().vlan.vlan_id_lan}, 300);
}

TEST(VlanTab, FirstFailingIdentifier) {
    struct Case {
        uint16_t ap_type;
        VlanTabInput input;
        std::string_view message;
        InputField focus;
    };
    const Case cases[] = {
        {1, {true, u"0", u"", u"", u"", u"", u""}, "VLAN range:1-4094", InputField::kManageVlan},
        {1, {true, u"1", u"4095", u"", u"", u"", u""}, "WLAN range:1-4094", InputField::kWlanVlan},
        {14, {true, u"1", u"2", u"", u"", u"", u""}, "PVID range:1-4094", InputField::kPvid},
        {11, {true, u"1", u"2", u"3", u"", u"", u""}, "LAN range:1-4094", InputField::kLanVlan},
        {10, {true, u"1", u"2", u"3", u"", u"", u""}, "LAN2 range:1-4094", InputField::kLanVlan},
        {10,
         {true, u"1", u"2", u"3", u"4", u"0", u"0"},
         "LAN3 range:1-4094",
         InputField::kLan3Vlan},
        {269,
         {true, u"1", u"2", u"3", u"4", u"5", u""},
         "LAN4 range:1-4094",
         InputField::kLan4Vlan},
        {10, {true, u"", u"2", u"", u"", u"", u""}, "VLAN range:1-4094", InputField::kManageVlan},
    };
    for (const auto& c : cases) {
        const auto result = CollectVlanSettings(VlanDevice(c.ap_type), c.input);
        ASSERT_FALSE(result.ok()) << c.message;
        EXPECT_EQ(result.failure().message, c.message);
        EXPECT_EQ(result.failure().focus, c.focus) << c.message;
        EXPECT_EQ(result.failure().box, BoxKind::kWarning);
    }
}

TEST(VlanTab, ATabThatCannotBeEditedNeverBlocksTheSave) {
    // A model without VLAN support, and a station of a model that edits VLAN only as an access
    // point, reporting VLAN on with an identifier out of range: the fields are out of the
    // operator's reach, so their stored values are no reason to refuse the dialog's Save.
    for (const auto& [model, mode] : {std::pair<uint16_t, uint8_t>{13, kModeAccessPoint},
                                      {271, kModeAccessPoint},
                                      {1, kModeStation}}) {
        ap_info_stu record = VlanDevice(model, mode);
        record.vlan_id = 0;
        const VlanTabView view = OpenVlanTab(record);
        EXPECT_FALSE(view.check_box_enabled) << model;
        const auto result = CollectVlanSettings(record, view.fields);
        ASSERT_TRUE(result.ok()) << model;
        EXPECT_FALSE(result.output().changed) << model;
        EXPECT_EQ(result.output().vlan.vlan_en, 1) << model;
    }
}

TEST(VlanTab, UnchangedValuesAreNoChange) {
    for (const uint16_t model : {1, 10, 11, 14}) {
        const ap_info_stu record = VlanDevice(model);
        const auto result = CollectVlanSettings(record, OpenVlanTab(record).fields);
        ASSERT_TRUE(result.ok()) << model;
        // The feature block goes out with its last bytes zeroed, which is no change either.
        EXPECT_FALSE(result.output().changed) << model;
    }
}

}  // namespace
}  // namespace brelvo::core
