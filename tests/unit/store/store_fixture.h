// A store of its own for each test, on a file in a fresh folder, and the records the tests
// save into it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/protocol/address_text.h"
#include "core/protocol/device_record.h"
#include "core/store/sql_management.h"

namespace brelvo::test {

inline std::filesystem::path FreshFolder(std::string_view purpose) {
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::path(testing::TempDir()) /
                        ("store-" + std::string(purpose) + "-" + std::to_string(::getpid()) + "-" +
                         std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class StoreTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = FreshFolder("unit");
        store_ = std::make_unique<core::CSqlManagement>(folder_ / "data.db");
        ASSERT_TRUE(store_->IsOpen());
    }
    void TearDown() override {
        store_.reset();
        std::filesystem::remove_all(folder_);
    }

    core::CSqlManagement& store() { return *store_; }

    std::filesystem::path folder_;
    std::unique_ptr<core::CSqlManagement> store_;
};

inline void SetIp(uint8_t (&field)[4], std::string_view text) {
    const auto bytes = core::IpTextToBytes(text);
    std::memcpy(field, bytes.data(), bytes.size());
}

inline void SetMac(uint8_t (&field)[6], std::string_view text) {
    const auto bytes = core::MacTextToBytes(text);
    std::memcpy(field, bytes.data(), bytes.size());
}

// A record as a device report leaves it: mac, model, address, name; everything else zero.
inline core::ap_info_stu Device(std::string_view mac, std::string_view ip,
                                std::string_view name = "dev", uint8_t work_mode = 1) {
    core::ap_info_stu record = core::ZeroRecord();
    core::SetRecordMac(record, mac);
    record.ap_type = 1;
    record.work_mode = work_mode;
    SetIp(record.ip, ip);
    core::WriteTextField(record.ap_name, record.ap_name_len, name);
    return record;
}

// A record in which every field the store keeps holds its own non-zero value, so a column
// written into the wrong field, or a field narrowed or sign-extended on the way, shows.
inline core::ap_info_stu EveryFieldRecord() {
    core::ap_info_stu r = core::ZeroRecord();
    core::SetRecordMac(r, "00:90:4c:0a:0b:0c");
    r.ap_type = 267;
    r.ap_status = 6;  // a save marks the device online whatever it carries
    r.work_mode = 2;
    r.mode_btn_status = 3;
    std::memset(r.reserved_26, 0x5A, sizeof r.reserved_26);
    r.up_time = 0xF1234567;  // above the largest signed 32-bit number
    r.ip_mode = 4;
    SetIp(r.ip, "192.168.10.254");
    SetIp(r.ip_mask, "255.255.252.0");
    SetIp(r.ip_gateway, "192.168.10.1");
    SetIp(r.ip_dns1, "8.8.4.4");
    SetIp(r.ip_dns2, "1.0.0.1");
    r.ip_apply = 1;
    core::WriteTextField(r.ap_name, r.ap_name_len, "roof-north");
    core::WriteTextField(r.version, r.version_len, "V2.3.7 build 0419");
    r.restart_en = 5;
    r.restart_type = 6;
    r.restart_time = 0xBEEF;
    r.rf_count = 7;
    r.rf_en = 8;
    r.rf_type = 9;
    r.country_code = 10;
    r.network_mode = 11;
    r.bandwidth = 12;
    r.channel = 165;
    r.expand_channel = 13;
    r.tx_power = 27;
    r.tx_power_min = 14;
    r.tx_power_max = 250;
    std::memset(r.reserved_135, 0x5A, sizeof r.reserved_135);
    r.ssid_rf_type = 15;
    r.ssid_id = 16;
    r.ssid_hide = 17;
    SetMac(r.ssid_mac, "02:11:22:33:44:55");
    core::WriteTextField(r.ssid, r.ssid_len, "link-ssid");
    r.secure_mode = 3;
    r.wpapsk_auth_type = 18;
    core::WriteTextField(r.wpapsk_key_value, r.wpapsk_key_len, "psk-pass-phrase");
    r.wpapsk_key_time = 0xE0000001;
    r.wep_auth_type = 19;
    r.wep_key_index = 20;
    r.wep_key_type0 = 21;
    core::WriteTextField(r.wep_key_value0, r.wep_key_len0, "wep0-11111");
    r.wep_key_type1 = 22;
    core::WriteTextField(r.wep_key_value1, r.wep_key_len1, "wep1-2222");
    r.wep_key_type2 = 23;
    core::WriteTextField(r.wep_key_value2, r.wep_key_len2, "wep2-333");
    r.wep_key_type3 = 24;
    core::WriteTextField(r.wep_key_value3, r.wep_key_len3, "wep3-44");
    r.reserved_373 = 0x5A;
    SetIp(r.wpa_radius_ip, "10.20.30.40");
    r.wpa_radius_port = 0xFFEE;
    r.wpa_auth_type = 25;
    core::WriteTextField(r.wpa_key, r.wpa_key_len, "radius-secret");
    r.wpa_key_time = 0x80000002;
    r.ssid_count = 26;
    r.reserved_451 = 0x5A;
    r.bridge_work_mode = 28;
    SetMac(r.bridge_mac, "02:66:77:88:99:aa");
    r.bridge_channel = 29;
    core::WriteTextField(r.bridge_ssid, r.bridge_ssid_len, "peer-ssid");
    std::memset(r.reserved_493, 0x5A, sizeof r.reserved_493);
    r.vlan_en = 30;
    r.reserved_757 = 0x5A;
    r.vlan_id = 4094;
    r.vlan_id_wlan = 4093;
    r.vlan_id_lan = 4092;
    r.vlan_apply = 0xABCD;
    r.bridge_transparent = 31;
    r.tdmaEn = 32;
    r.vlan_pvid = 4091;
    r.vlan_id_lan3 = 0xFFFF;
    r.vlan_id_lan4 = 0x8001;
    std::memset(r.reserved_774, 0x5A, sizeof r.reserved_774);
    r.wl_dfs = 33;
    r.reserved_779 = 0x5A;
    return r;
}

}  // namespace brelvo::test
