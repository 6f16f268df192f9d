#include "core/rules/batch_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/reset_actions.h"
#include "core/rules/switch_settings.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

// The status page's rows: a station with both switches, an access point without TDMA, a model
// without a transparent bridge, and an unticked row.
std::vector<DeviceRowTexts> StatusRows() {
    return {
        {true, "192.168.1.10", "00:00:00:00:00:0a", "NV-114", "On", "Off"},
        {true, "192.168.1.11", "00:00:00:00:00:0b", "NV-101", "Off", "N/A"},
        {false, "192.168.1.12", "00:00:00:00:00:0c", "NV-114", "On", "On"},
        {true, "192.168.1.13", "00:00:00:00:00:0d", "NV-101", "N/A", "N/A"},
    };
}

std::vector<std::string> Macs(const std::vector<device_target>& targets) {
    std::vector<std::string> macs;
    for (const auto& t : targets)
        macs.push_back(TargetMac(t));
    return macs;
}

TEST(BatchSelection, TickedRowsInRowOrder) {
    const auto rows = StatusRows();
    const auto all = CollectTickedDevices(rows, RowFilter::kAll);
    EXPECT_EQ(Macs(all), (std::vector<std::string>{"00:00:00:00:00:0a", "00:00:00:00:00:0b",
                                                   "00:00:00:00:00:0d"}));
    EXPECT_EQ(TargetIp(all[0]), "192.168.1.10");
    EXPECT_EQ(int{all[0].type}, 14);
    EXPECT_EQ(int{all[1].type}, 1);

    EXPECT_EQ(Macs(CollectTickedDevices(rows, RowFilter::kHasTransparentBridge)),
              (std::vector<std::string>{"00:00:00:00:00:0a", "00:00:00:00:00:0b"}));
    EXPECT_EQ(Macs(CollectTickedDevices(rows, RowFilter::kHasTdma)),
              (std::vector<std::string>{"00:00:00:00:00:0a"}));
}

TEST(BatchSelection, NothingToActOn) {
    std::vector<DeviceRowTexts> rows = StatusRows();
    for (auto& row : rows)
        row.ticked = false;
    const auto none = SelectDevices(rows);
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.failure().message, "Please select the devices!");
    EXPECT_EQ(none.failure().box, BoxKind::kWarning);

    // Only rows whose switch column shows "N/A" are ticked.
    rows[3].ticked = true;
    const auto bridge = SelectConfigurableDevices(rows, RowFilter::kHasTransparentBridge);
    ASSERT_FALSE(bridge.ok());
    EXPECT_EQ(bridge.failure().message, "Please select configurable devices!");
    EXPECT_EQ(bridge.failure().box, BoxKind::kWarning);
    EXPECT_TRUE(SelectDevices(rows).ok());
}

// --- the switch pop-ups ---

TEST(SwitchPopup, TransparentBridge) {
    struct Case {
        uint8_t initial;
        int clicks;  // 0 none, 1 Enable, 2 Disable_off
        bool enable_checked;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {2, 0, true, Hex("01 00 0000 0000 0000 00000000 00 00")},
        {1, 0, true, Hex("01 00 0000 0000 0000 00000000 00 00")},
        {0, 0, false, Hex("00 00 0000 0000 0000 00000000 00 00")},
        {0, 1, true, Hex("01 00 0000 0000 0000 00000000 00 00")},
        {1, 2, false, Hex("00 00 0000 0000 0000 00000000 00 00")},
    };
    for (const auto& c : cases) {
        SwitchPopup popup(SwitchKind::kTransparentBridge, c.initial);
        if (c.clicks == 1)
            popup.ChooseEnable();
        if (c.clicks == 2)
            popup.ChooseDisable();
        EXPECT_EQ(popup.enable_checked(), c.enable_checked) << int(c.initial);
        EXPECT_EQ(popup.disable_checked(), !c.enable_checked) << int(c.initial);
        const PlannedRequest request = popup.Request();
        EXPECT_EQ(request.message, 18);
        EXPECT_EQ(request.payload, c.bytes) << int(c.initial) << " clicks " << c.clicks;
    }
    EXPECT_EQ(SwitchPopup(SwitchKind::kTransparentBridge, 0).title(), "Set Bridge");
}

TEST(SwitchPopup, Tdma) {
    SwitchPopup untouched(SwitchKind::kTdma, 5);
    EXPECT_FALSE(untouched.enable_checked());
    EXPECT_FALSE(untouched.disable_checked());
    EXPECT_EQ(untouched.Request(),
              (PlannedRequest{19, Hex("00 01 0000 0000 0000 00000000 00 00")}));

    SwitchPopup off(SwitchKind::kTdma, 1);
    off.ChooseDisable();
    EXPECT_TRUE(off.disable_checked());
    EXPECT_EQ(off.Request(), (PlannedRequest{19, Hex("00 00 0000 0000 0000 00000000 00 00")}));

    SwitchPopup on(SwitchKind::kTdma, 0);
    on.ChooseDisable();
    on.ChooseEnable();
    EXPECT_TRUE(on.enable_checked());
    EXPECT_FALSE(on.disable_checked());
    EXPECT_EQ(on.Request(), (PlannedRequest{19, Hex("00 01 0000 0000 0000 00000000 00 00")}));
    EXPECT_EQ(on.title(), "Slotwise");
}

TEST(SwitchPopup, StartsFromTheFirstDevice) {
    ap_info_stu record = ZeroRecord();
    record.bridge_transparent = 1;
    record.tdmaEn = 0;
    EXPECT_EQ(InitialSwitchValue(SwitchKind::kTransparentBridge, record), 1);
    EXPECT_EQ(InitialSwitchValue(SwitchKind::kTdma, record), 0);
    EXPECT_EQ(RowFilterOf(SwitchKind::kTdma), RowFilter::kHasTdma);
}

// --- reboot and restore ---

TEST(ResetActions, PageSettings) {
    const ResetPageSettings& reboot = ResetSettingsOf(ResetKind::kReboot);
    EXPECT_EQ(reboot.button, "Reboot");
    EXPECT_EQ(reboot.confirmation, "Are you sure you want to restart?");
    EXPECT_EQ(reboot.message, 9);
    EXPECT_EQ(reboot.waiting_status, 4u);
    EXPECT_EQ(reboot.wait, (WaitPopupSettings{60, true, 3}));

    const ResetPageSettings& restore = ResetSettingsOf(ResetKind::kRestore);
    EXPECT_EQ(restore.button, "Restore");
    EXPECT_EQ(restore.confirmation, "Are you sure you want to reset?");
    EXPECT_EQ(restore.message, 10);
    EXPECT_EQ(restore.waiting_status, 5u);
    EXPECT_EQ(restore.wait, (WaitPopupSettings{60, true, 5}));
}

TEST(ResetActions, DevicesWithABridgedStationGoFirst) {
    const std::vector<device_target> selection{
        MakeTarget("10.0.0.1", "00:00:00:00:00:01", 1),  // station
        MakeTarget("10.0.0.2", "00:00:00:00:00:02", 1),  // its access point
        MakeTarget("10.0.0.3", "00:00:00:00:00:03", 1),
        MakeTarget("10.0.0.4", "00:00:00:00:00:04", 1),  // another access point
    };
    const auto order = BridgedFirstOrder(selection, [](std::string_view mac) {
        return mac == "00:00:00:00:00:02" || mac == "00:00:00:00:00:04";
    });
    EXPECT_EQ(Macs(order.first),
              (std::vector<std::string>{"00:00:00:00:00:02", "00:00:00:00:00:04"}));
    EXPECT_EQ(Macs(order.rest),
              (std::vector<std::string>{"00:00:00:00:00:01", "00:00:00:00:00:03"}));
    EXPECT_EQ(kBridgedFirstPause, std::chrono::milliseconds(200));
}

}  // namespace
}  // namespace brelvo::core
