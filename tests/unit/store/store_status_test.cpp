#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "store_fixture.h"

namespace brelvo::test {
namespace {

using core::ap_info_stu;

constexpr std::string_view kMac = "00:90:4c:00:00:01";

using StoreStatus = StoreTest;

TEST_F(StoreStatus, GetDeviceOfAnUnknownMacIsAZeroRecord) {
    ASSERT_TRUE(store().SaveDevice(Device(kMac, "10.0.0.1")));
    const auto unknown = store().GetDevice("00:90:4c:00:00:99");
    ASSERT_TRUE(unknown.has_value());
    const ap_info_stu zero = core::ZeroRecord();
    EXPECT_EQ(std::memcmp(&*unknown, &zero, sizeof zero), 0);
    EXPECT_EQ(core::RecordMac(*unknown), "");
}

TEST_F(StoreStatus, GetDeviceOfAnEmptyMacIsTheFirstStoredRow) {
    ASSERT_TRUE(store().GetDevice("").has_value());
    EXPECT_EQ(core::RecordMac(*store().GetDevice("")), "");
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:09", "10.0.0.9")));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:01", "10.0.0.1")));
    EXPECT_EQ(core::RecordMac(*store().GetDevice("")), "00:00:00:00:00:09");
}

// Each conditional change moves a device from one status only; every other status stays.
TEST_F(StoreStatus, ConditionalChangesActOnlyFromTheirStatus) {
    struct Change {
        const char* name;
        bool (core::CSqlManagement::*operation)(std::string_view);
        uint32_t from;
        uint32_t to;
    };
    const Change changes[] = {
        {"ClearUpgradeFail", &core::CSqlManagement::ClearUpgradeFail, 9, 1},
        {"MarkUpgrading", &core::CSqlManagement::MarkUpgrading, 6, 7},
    };
    ASSERT_TRUE(store().SaveDevice(Device(kMac, "10.0.0.1")));
    for (const auto& change : changes) {
        for (uint32_t status = 0; status <= 9; ++status) {
            SCOPED_TRACE(std::string(change.name) + " from " + std::to_string(status));
            ASSERT_TRUE(store().SetDeviceStatus(kMac, status));
            const bool changed = (store().*change.operation)(kMac);
            EXPECT_EQ(changed, status == change.from);
            EXPECT_EQ(store().GetDeviceStatus(kMac), changed ? change.to : status);
        }
        EXPECT_FALSE((store().*change.operation)("00:90:4c:00:00:99"));
    }
}

TEST_F(StoreStatus, UpgradeWaitingOnlyInStatusSix) {
    ASSERT_TRUE(store().SaveDevice(Device(kMac, "10.0.0.1")));
    for (uint32_t status = 0; status <= 9; ++status) {
        ASSERT_TRUE(store().SetDeviceStatus(kMac, status));
        EXPECT_EQ(store().IsUpgradeWaiting(kMac), status == 6) << status;
    }
    EXPECT_FALSE(store().IsUpgradeWaiting("00:90:4c:00:00:99"));
}

TEST_F(StoreStatus, StatusOfAnUnknownMac) {
    EXPECT_FALSE(store().SetDeviceStatus(kMac, 4));
    EXPECT_EQ(store().GetDeviceStatus(kMac), 0u);
    EXPECT_TRUE(store().GetAllMac()->empty());
}

TEST_F(StoreStatus, StatusTextFollowsTheStatus) {
    ASSERT_TRUE(store().SaveDevice(Device(kMac, "10.0.0.1")));
    ASSERT_TRUE(store().SetDeviceStatus(kMac, 5));
    EXPECT_EQ(store().QueryDevices(core::kSortMac, true, "Reseting", 30, 1)->devices.size(), 1u);
    EXPECT_TRUE(store().QueryDevices(core::kSortMac, true, "Online", 30, 1)->devices.empty());
}

TEST_F(StoreStatus, UpdateUptimeChangesUptimeAndAddressOnly) {
    ap_info_stu r = EveryFieldRecord();
    ASSERT_TRUE(store().SaveDevice(r));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:02", "10.0.0.50")));
    const std::string mac = core::RecordMac(r);
    const ap_info_stu before = *store().GetDevice(mac);

    ASSERT_TRUE(store().UpdateUptime(mac, "10.0.0.100", 90061));

    ap_info_stu expected = before;
    expected.up_time = 90061;
    SetIp(expected.ip, "10.0.0.100");
    const ap_info_stu after = *store().GetDevice(mac);
    EXPECT_EQ(std::memcmp(&after, &expected, sizeof expected), 0);
    // The sort key and the searched uptime text follow the new values.
    const auto by_ip = store().QueryDevices(core::kSortIp, true, "", 30, 1);
    EXPECT_EQ(core::RecordMac(by_ip->devices.back()), mac);
    EXPECT_EQ(store().QueryDevices(core::kSortIp, true, "1 1:1:1", 30, 1)->devices.size(), 1u);

    EXPECT_FALSE(store().UpdateUptime("00:90:4c:00:00:99", "10.0.0.1", 5));
}

TEST_F(StoreStatus, DeleteDeviceAndTheListsOfAllRows) {
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:03", "10.0.0.3")));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:01", "10.0.0.1")));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:02", "10.0.0.2")));
    ASSERT_TRUE(store().DeleteDevice("00:00:00:00:00:01"));
    ASSERT_TRUE(store().DeleteDevice("00:00:00:00:00:99"));  // nothing to delete is no failure
    EXPECT_EQ(*store().GetAllMac(),
              (std::vector<std::string>{"00:00:00:00:00:03", "00:00:00:00:00:02"}));
    EXPECT_EQ(*store().GetAllIp(), (std::vector<std::string>{"10.0.0.3", "10.0.0.2"}));
}

// An access point and the station bridged to it; a station bridged elsewhere; a device whose
// report left its MACs zero, beside a station that is not bridged at all.
class StoreBridge : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Save("00:00:00:00:00:a1", core::kModeAccessPoint, "02:00:00:00:00:a1", nullptr);
        Save("00:00:00:00:00:51", core::kModeStation, "02:00:00:00:00:51", "02:00:00:00:00:a1");
        Save("00:00:00:00:00:52", core::kModeStation, "02:00:00:00:00:52", "02:00:00:00:00:ff");
        Save("00:00:00:00:00:a2", core::kModeAccessPoint, nullptr, nullptr);
        Save("00:00:00:00:00:53", core::kModeStation, "02:00:00:00:00:53", nullptr);
    }

    void Save(std::string_view mac, uint8_t work_mode, const char* ssid_mac,
              const char* bridge_mac) {
        ap_info_stu r = Device(mac, "10.0.0.1", "x", work_mode);
        if (ssid_mac != nullptr)
            SetMac(r.ssid_mac, ssid_mac);
        if (bridge_mac != nullptr)
            SetMac(r.bridge_mac, bridge_mac);
        ASSERT_TRUE(store().SaveDevice(r));
    }
};

TEST_F(StoreBridge, FindBridgePeerBothWays) {
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:51"), "00:00:00:00:00:a1");
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:a1"), "00:00:00:00:00:51");
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:52"), std::nullopt);
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:99"), std::nullopt);
    // Zero MACs name no interface, so they pair with nothing.
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:a2"), std::nullopt);
    EXPECT_EQ(store().FindBridgePeer("00:00:00:00:00:53"), std::nullopt);
}

TEST_F(StoreBridge, HasBridgedStation) {
    EXPECT_TRUE(store().HasBridgedStation("00:00:00:00:00:a1"));
    EXPECT_FALSE(store().HasBridgedStation("00:00:00:00:00:51"));
    EXPECT_FALSE(store().HasBridgedStation("00:00:00:00:00:a2"));
    EXPECT_FALSE(store().HasBridgedStation("00:00:00:00:00:99"));
    ASSERT_TRUE(store().DeleteDevice("00:00:00:00:00:51"));
    EXPECT_FALSE(store().HasBridgedStation("00:00:00:00:00:a1"));
}

}  // namespace
}  // namespace brelvo::test
