#include "core/rules/device_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace brelvo::core {
namespace {

// A station of model NV-114 (code 14) as it reports itself.
ap_info_stu Station() {
    ap_info_stu record = ZeroRecord();
    SetRecordMac(record, "00:1a:2b:3c:4d:5e");
    record.ap_type = 14;
    record.ap_status = kStatusRestarting;
    record.work_mode = kModeStation;
    record.up_time = 90061;  // 1 day, 1 hour, 1 minute, 1 second
    const uint8_t ip[4] = {192, 168, 0, 254};
    std::memcpy(record.ip, ip, 4);
    WriteTextField(record.ap_name, record.ap_name_len, "tower-north");
    WriteTextField(record.version, record.version_len, "V2.1.7");
    WriteTextField(record.ssid, record.ssid_len, "backhaul");
    record.channel = 149;
    record.tx_power = 27;
    record.secure_mode = kSecureWpa2Psk;
    record.bridge_transparent = 1;
    record.tdmaEn = 0;
    return record;
}

TEST(DeviceList, FieldTextsOfAStoredDevice) {
    const struct {
        DeviceField field;
        std::string expected;
    } cases[] = {
        {DeviceField::kCheck, ""},
        {DeviceField::kSerial, ""},
        {DeviceField::kPicture, ""},
        {DeviceField::kName, "tower-north"},
        {DeviceField::kType, "NV-114"},
        {DeviceField::kIp, "192.168.0.254"},
        {DeviceField::kMac, "00:1a:2b:3c:4d:5e"},
        {DeviceField::kWorkMode, "Station"},
        {DeviceField::kSsid, "backhaul"},
        {DeviceField::kChannel, "149"},
        {DeviceField::kVersion, "V2.1.7"},
        {DeviceField::kTransparentBridge, "On2"},
        {DeviceField::kTdma, "Off2"},
        {DeviceField::kUptime, "1 1:1:1"},
        {DeviceField::kSecureMode, "WPA2_PSK"},
        {DeviceField::kTxPower, "27"},
        {DeviceField::kStatus, "Restarting"},
    };
    const ap_info_stu record = Station();
    for (const auto& c : cases)
        EXPECT_EQ(DeviceFieldText(c.field, record), c.expected) << c.expected;
}

TEST(DeviceList, SwitchColumnsOfModelsWithoutTheSwitch) {
    ap_info_stu record = Station();
    record.ap_type = 4;  // no transparent bridge, no TDMA
    EXPECT_EQ(DeviceFieldText(DeviceField::kTransparentBridge, record), "N/A");
    EXPECT_EQ(DeviceFieldText(DeviceField::kTdma, record), "N/A");
    record.channel = 0;
    EXPECT_EQ(DeviceFieldText(DeviceField::kChannel, record), "Auto");
}

TEST(DeviceList, FoundDeviceShowsWhatItKnows) {
    ap_info_stu with_ssid = Station();
    ap_info_stu without_ssid = Station();
    WriteTextField(without_ssid.ssid, without_ssid.ssid_len, "");

    for (const DeviceField always : {DeviceField::kCheck, DeviceField::kSerial, DeviceField::kType,
                                     DeviceField::kIp, DeviceField::kMac, DeviceField::kVersion}) {
        EXPECT_TRUE(ShownForFoundDevice(always, without_ssid));
        EXPECT_TRUE(ShownForFoundDevice(always, with_ssid));
    }
    for (const DeviceField known_later :
         {DeviceField::kName, DeviceField::kWorkMode, DeviceField::kSsid, DeviceField::kChannel,
          DeviceField::kTransparentBridge, DeviceField::kTdma, DeviceField::kUptime}) {
        EXPECT_FALSE(ShownForFoundDevice(known_later, without_ssid));
        EXPECT_TRUE(ShownForFoundDevice(known_later, with_ssid));
    }
    // A found device cannot be opened in the browser.
    EXPECT_FALSE(ShownForFoundDevice(DeviceField::kPicture, with_ssid));
}

TEST(DeviceList, SerialNumbersCountOnAcrossPages) {
    EXPECT_EQ(RowSerial(0, 1, 30), 1);
    EXPECT_EQ(RowSerial(0, 2, 30), 31);
    EXPECT_EQ(RowSerial(0, 3, 15), 31);
    EXPECT_EQ(RowSerial(14, 3, 15), 45);
}

TEST(DeviceList, FoundDevicesOnlyFillTheLastPage) {
    const struct {
        std::size_t stored;
        int page_size, page, page_count;
        std::size_t room;
    } cases[] = {
        {30, 30, 1, 2, 0},   // 45 stored, page 1: full
        {15, 30, 2, 2, 15},  // 45 stored, page 2: the last page
        {30, 30, 1, 1, 0},   // exactly one full page
        {0, 30, 1, 0, 30},   // nothing stored
        {0, 15, 3, 0, 15},   // nothing stored, any page
        {0, 30, 3, 2, 0},    // beyond the last page
        {10, 15, 1, 2, 0},   // fewer than a page, but not the last one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoundDeviceRoom(c.stored, c.page_size, c.page, c.page_count), c.room)
            << c.stored << " stored, page " << c.page << " of " << c.page_count;
    }
}

TEST(DeviceList, EveryHeaderClickReversesTheDirection) {
    SortToggle toggle;
    EXPECT_FALSE(toggle.RefreshAscending());  // a new list is ordered highest first
    EXPECT_TRUE(toggle.HeaderClick());        // the first click sorts ascending
    EXPECT_TRUE(toggle.RefreshAscending());   // and refreshes keep it
    EXPECT_FALSE(toggle.HeaderClick());
    EXPECT_FALSE(toggle.RefreshAscending());
    EXPECT_TRUE(toggle.HeaderClick());
}

}  // namespace
}  // namespace brelvo::core
