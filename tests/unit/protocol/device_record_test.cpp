#include "core/protocol/device_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "core/protocol/request_blocks.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

// The expected image of a record: zeros, with the bytes of each field written at the offset
// the device record table gives for it.
struct Placed {
    std::size_t offset;
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Image(std::size_t size, const std::vector<Placed>& fields) {
    std::vector<uint8_t> image(size, 0);
    for (const auto& field : fields) {
        std::copy(field.bytes.begin(), field.bytes.end(), image.begin() + field.offset);
    }
    return image;
}

TEST(DeviceRecord, FieldsLandAtTheOffsetsDevicesUse) {
    ap_info_stu r = ZeroRecord();
    SetRecordMac(r, "00:90:4c:0a:0b:0c");
    r.ap_type = 0x0112;
    r.ap_status = 0x0A0B0C0D;
    r.work_mode = 0x21;
    r.mode_btn_status = 0x22;
    r.up_time = 0x24252627;
    r.ip_mode = 0x28;
    const uint8_t ip[4] = {192, 168, 0, 254};
    std::memcpy(r.ip, ip, 4);
    r.ip_mask[0] = 0x31;
    r.ip_gateway[0] = 0x32;
    r.ip_dns1[0] = 0x33;
    r.ip_dns2[3] = 0x34;
    r.ip_apply = 0x35;
    r.ap_name[0] = 'N';
    r.ap_name_len = 0x36;
    r.version[31] = 'V';
    r.version_len = 0x37;
    r.restart_en = 0x38;
    r.restart_type = 0x39;
    r.restart_time = 0x3A3B;
    r.rf_count = 0x40;
    r.rf_en = 0x41;
    r.rf_type = 0x42;
    r.country_code = 0x43;
    r.network_mode = 0x44;
    r.bandwidth = 0x45;
    r.channel = 0x46;
    r.expand_channel = 0x47;
    r.tx_power = 0x48;
    r.tx_power_min = 0x49;
    r.tx_power_max = 0x4A;
    r.ssid_rf_type = 0x50;
    r.ssid_id = 0x51;
    r.ssid_hide = 0x52;
    r.ssid_mac[0] = 0x53;
    r.ssid[0] = 'S';
    r.ssid_len = 0x54;
    r.secure_mode = 0x55;
    r.wpapsk_auth_type = 0x56;
    r.wpapsk_key_value[63] = 'K';
    r.wpapsk_key_len = 0x57;
    r.wpapsk_key_time = 0x58595A5B;
    r.wep_auth_type = 0x60;
    r.wep_key_index = 0x61;
    r.wep_key_type0 = 0x62;
    r.wep_key_value0[0] = 'a';
    r.wep_key_len0 = 0x63;
    r.wep_key_type1 = 0x64;
    r.wep_key_len1 = 0x65;
    r.wep_key_type2 = 0x66;
    r.wep_key_len2 = 0x67;
    r.wep_key_type3 = 0x68;
    r.wep_key_value3[25] = 'z';
    r.wep_key_len3 = 0x69;
    r.wpa_radius_ip[0] = 10;
    r.wpa_radius_port = 0x0714;  // 1812
    r.wpa_auth_type = 0x70;
    r.wpa_key[0] = 'R';
    r.wpa_key_len = 0x71;
    r.wpa_key_time = 0x72737475;
    r.ssid_count = 0x76;
    r.bridge_work_mode = 0x77;
    r.bridge_mac[5] = 0x78;
    r.bridge_channel = 0x79;
    r.bridge_ssid[0] = 'B';
    r.bridge_ssid_len = 0x7A;
    r.vlan_en = 0x80;
    r.vlan_id = 0x0181;
    r.vlan_id_wlan = 0x0182;
    r.vlan_id_lan = 0x0183;
    r.vlan_apply = 0x0184;
    r.bridge_transparent = 0x85;
    r.tdmaEn = 0x86;
    r.vlan_pvid = 0x0187;
    r.vlan_id_lan3 = 0x0188;
    r.vlan_id_lan4 = 0x0189;
    r.wl_dfs = 0x8A;

    // Offsets and sizes typed from the device record table.
    const auto expected =
        Image(780, {
                       {0, test::Ascii("00:90:4c:0a:0b:0c")},  // mac text, NUL at 17
                       {18, Hex("12 01")},                     // ap_type
                       {20, Hex("0D 0C 0B 0A")},               // ap_status
                       {24, Hex("21")},                        // work_mode
                       {25, Hex("22")},                        // mode_btn_status
                       {28, Hex("27 26 25 24")},               // up_time
                       {32, Hex("28")},                        // ip_mode
                       {33, Hex("C0 A8 00 FE")},               // ip 192.168.0.254
                       {37, Hex("31")},                        // ip_mask
                       {41, Hex("32")},                        // ip_gateway
                       {45, Hex("33")},                        // ip_dns1
                       {52, Hex("34")},                        // last byte of ip_dns2
                       {53, Hex("35")},                        // addressing apply flag
                       {54, test::Ascii("N")},                 // ap_name
                       {86, Hex("36")},                        // ap_name_len
                       {118, test::Ascii("V")},                // last byte of version
                       {119, Hex("37")},                       // version_len
                       {120, Hex("38 39 3B 3A")},  // restart_en, restart_type, restart_time
                       {124, Hex("40 41 42 43 44 45 46 47 48 49 4A")},  // rf_count .. tx_power_max
                       {146, Hex("50 51 52 53")},  // ssid_rf_type, ssid_id, ssid_hide, ssid_mac[0]
                       {155, test::Ascii("S")},    // ssid
                       {187, Hex("54 55 56")},     // ssid_len, secure_mode, wpapsk_auth_type
                       {253, test::Ascii("K")},    // last byte of wpapsk_key_value
                       {254, Hex("57 5B 5A 59 58")},  // wpapsk_key_len, wpapsk_key_time
                       {259, Hex("60 61 62")},        // wep_auth_type, wep_key_index, wep_key_type0
                       {262, test::Ascii("a")},       // wep_key_value0
                       {288, Hex("63 64")},           // wep_key_len0, wep_key_type1
                       {316, Hex("65 66")},           // wep_key_len1, wep_key_type2
                       {344, Hex("67 68")},           // wep_key_len2, wep_key_type3
                       {371, test::Ascii("z")},       // last byte of wep_key_value3
                       {372, Hex("69")},              // wep_key_len3
                       {374, Hex("0A")},              // wpa_radius_ip
                       {378, Hex("14 07 70")},        // wpa_radius_port, wpa_auth_type
                       {381, test::Ascii("R")},       // wpa_key
                       {445, Hex("71 75 74 73 72 76")},  // wpa_key_len, wpa_key_time, ssid_count
                       {452, Hex("77")},                 // bridge_work_mode
                       {458, Hex("78 79")},              // last byte of bridge_mac, bridge_channel
                       {460, test::Ascii("B")},          // bridge_ssid
                       {492, Hex("7A")},                 // bridge_ssid_len
                       {756, Hex("80 00 81 01 82 01 83 01 84 01 85 86 87 01 88 01 89 01")},
                       {778, Hex("8A")},  // wl_dfs
                   });
    EXPECT_EQ(test::BytesOfObject(r), expected);
}

TEST(DeviceRecord, SurveyEntryFieldsLandAtTheirOffsets) {
    config_otherwl_basic e{};
    const uint8_t mac[6] = {1, 2, 3, 4, 5, 6};
    std::memcpy(e.mac, mac, 6);
    e.signal = -70;
    e.channel = 0xA5;
    e.secure_mode = 9;
    e.ssid[0] = 'X';
    e.ssid_len = 1;
    e.exchannel = 2;
    e.bandwidth = 3;
    EXPECT_EQ(test::BytesOfObject(e), Image(44, {{0, Hex("01 02 03 04 05 06 BA A5 09")},
                                                 {9, test::Ascii("X")},
                                                 {41, Hex("01 02 03")}}));
}

TEST(DeviceRecord, TextFieldsReadNoMoreThanTheirArray) {
    ap_info_stu r = ZeroRecord();
    std::memset(r.ap_name, 'a', 32);  // exactly 32 characters, no terminator
    r.ap_name_len = 32;
    r.version[0] = 'x';
    EXPECT_EQ(ReadTextField(r.ap_name, r.ap_name_len), std::string(32, 'a'));

    std::memset(r.ssid, 's', 32);
    r.ssid_len = 40;  // larger than the array: read as the array size
    EXPECT_EQ(ReadTextField(r.ssid, r.ssid_len), std::string(32, 's'));

    r.ssid_len = 3;
    EXPECT_EQ(ReadTextField(r.ssid, r.ssid_len), "sss");
}

TEST(DeviceRecord, WritingATextCutsItToTheArrayAndZeroFills) {
    ap_info_stu r = ZeroRecord();
    std::memset(r.ssid, 'q', 32);
    WriteTextField(r.ssid, r.ssid_len, "abc");
    EXPECT_EQ(r.ssid_len, 3);
    EXPECT_EQ(std::string(r.ssid, 4), std::string("abc\0", 4));
    EXPECT_EQ(r.ssid[31], '\0');

    WriteTextField(r.ssid, r.ssid_len, std::string(40, 'w'));
    EXPECT_EQ(r.ssid_len, 32);
}

TEST(DeviceRecord, SlicesAreTheBytesOfTheRecord) {
    ap_info_stu r = ZeroRecord();
    r.ip_mode = 1;
    r.ip[0] = 10;
    r.ip_dns2[3] = 9;
    r.ip_apply = 1;
    const ip_block block = SliceOf<ip_block>(r);
    EXPECT_EQ(test::BytesOfObject(block),
              Hex("01 0A 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 09 01"));

    feature_block features = ZeroBlock<feature_block>();
    features.wl_dfs = 1;
    features.tdmaEn = 1;
    StoreSlice(r, features);
    EXPECT_EQ(r.wl_dfs, 1);
    EXPECT_EQ(r.tdmaEn, 1);
    EXPECT_EQ(r.bridge_transparent, 0);
}

TEST(DeviceRecord, TargetKeepsItsTextsTerminated) {
    const device_target target = MakeTarget("192.168.100.200", "00:11:22:33:44:55", 14);
    EXPECT_EQ(TargetIp(target), "192.168.100.200");
    EXPECT_EQ(TargetMac(target), "00:11:22:33:44:55");
    EXPECT_EQ(int32_t{target.type}, 14);
    const device_target too_long = MakeTarget("1234567890123456789", "", 1);
    EXPECT_EQ(TargetIp(too_long).size(), 15u);
}

}  // namespace
}  // namespace brelvo::core
