#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/protocol/packet.h"
#include "raw_database.h"
#include "store_fixture.h"

namespace brelvo::test {
namespace {

using core::ap_info_stu;
using core::config_otherwl_basic;

// The offsets at which two records differ, so a failing round trip names its fields.
std::string DifferingOffsets(const ap_info_stu& a, const ap_info_stu& b) {
    const auto* x = reinterpret_cast<const uint8_t*>(&a);
    const auto* y = reinterpret_cast<const uint8_t*>(&b);
    std::string offsets;
    for (std::size_t i = 0; i < sizeof(ap_info_stu); ++i) {
        if (x[i] != y[i])
            offsets += std::to_string(i) + " ";
    }
    return offsets;
}

// What a record read back from the store must hold: the saved record with the status online,
// and zero in every byte the store does not keep.
ap_info_stu AsReadBack(ap_info_stu r) {
    r.ap_status = 1;
    std::memset(r.reserved_26, 0, sizeof r.reserved_26);
    r.ip_apply = 0;
    std::memset(r.reserved_135, 0, sizeof r.reserved_135);
    r.reserved_373 = 0;
    r.reserved_451 = 0;
    r.bridge_work_mode = 0;
    std::memset(r.bridge_mac, 0, sizeof r.bridge_mac);
    r.bridge_channel = 0;
    std::memset(r.bridge_ssid, 0, sizeof r.bridge_ssid);
    r.bridge_ssid_len = 0;
    std::memset(r.reserved_493, 0, sizeof r.reserved_493);
    r.reserved_757 = 0;
    r.vlan_apply = 0;
    std::memset(r.reserved_774, 0, sizeof r.reserved_774);
    r.reserved_779 = 0;
    return r;
}

using StoreSave = StoreTest;

TEST_F(StoreSave, EveryReadBackColumnComesBackInItsField) {
    const ap_info_stu saved = EveryFieldRecord();
    ASSERT_TRUE(store().SaveDevice(saved));
    const ap_info_stu expected = AsReadBack(saved);

    const auto device = store().GetDevice("00:90:4c:0a:0b:0c");
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(std::memcmp(&*device, &expected, sizeof expected), 0)
        << "differing offsets: " << DifferingOffsets(*device, expected);

    // The list pages read through the other path; it must give the same record.
    const auto page = store().QueryDevices(core::kSortIp, true, "", 30, 1);
    ASSERT_TRUE(page.has_value());
    ASSERT_EQ(page->devices.size(), 1u);
    EXPECT_EQ(std::memcmp(&page->devices[0], &expected, sizeof expected), 0)
        << "differing offsets: " << DifferingOffsets(page->devices[0], expected);
}

TEST_F(StoreSave, ColumnsNotReadBackHoldTheirTextsAndNumbers) {
    ASSERT_TRUE(store().SaveDevice(EveryFieldRecord()));
    const auto rows = RawQuery(
        folder_ / "data.db",
        "SELECT ap_type_str,ap_status_str,work_mode_str,up_time_str,ip_num,secure_mode_str,"
        "bridge_work_mode,bridge_mac,bridge_channel,bridge_ssid,bridge_transparent_str,"
        "tdmaEn_str,ip,ssid_mac,typeof(channel),channel FROM ap_info");
    ASSERT_EQ(rows.size(), 1u);
    const RawRow expected{"NV-211",
                          "Online",
                          "Station",
                          "46824 7:29:43",  // 0xF1234567 seconds
                          "3232238334.0",   // 192.168.10.254
                          "WPA2_PSK",
                          "28",
                          "02:66:77:88:99:aa",
                          "29",
                          "peer-ssid",
                          "On2",  // no language loaded: the key itself
                          "On2",
                          "192.168.10.254",
                          "02:11:22:33:44:55",
                          "integer",
                          "165"};
    EXPECT_EQ(rows[0], expected);
}

TEST_F(StoreSave, IpNumberIsTheAddressAsAnUnsignedNumber) {
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:01", "10.0.0.1")));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:02", "255.255.255.255")));
    ASSERT_TRUE(store().SaveDevice(Device("00:00:00:00:00:03", "0.0.0.0")));
    const auto rows = RawQuery(folder_ / "data.db", "SELECT ip_num FROM ap_info ORDER BY ID");
    const std::vector<RawRow> expected{{"167772161.0"}, {"4294967295.0"}, {"0.0"}};
    EXPECT_EQ(rows, expected);
}

TEST_F(StoreSave, SecondReportOverwritesTheRowAndMarksItOnline) {
    ASSERT_TRUE(store().SaveDevice(EveryFieldRecord()));
    ASSERT_TRUE(store().SetDeviceStatus("00:90:4c:0a:0b:0c", 6));
    ASSERT_EQ(store().GetDeviceStatus("00:90:4c:0a:0b:0c"), 6u);

    ap_info_stu second = Device("00:90:4c:0a:0b:0c", "10.1.2.3", "renamed", 7);
    second.ap_type = 4;
    ASSERT_TRUE(store().SaveDevice(second));

    EXPECT_EQ(store().GetAllMac(), std::vector<std::string>{"00:90:4c:0a:0b:0c"});
    const auto device = store().GetDevice("00:90:4c:0a:0b:0c");
    ASSERT_TRUE(device.has_value());
    const ap_info_stu expected = AsReadBack(second);
    EXPECT_EQ(std::memcmp(&*device, &expected, sizeof expected), 0)
        << "differing offsets: " << DifferingOffsets(*device, expected);
    const auto texts = RawQuery(folder_ / "data.db",
                                "SELECT ap_status_str,work_mode_str,bridge_transparent_str,"
                                "bridge_mac FROM ap_info");
    const std::vector<RawRow> expected_texts{{"Online", "Router", "N/A", "00:00:00:00:00:00"}};
    EXPECT_EQ(texts, expected_texts);
}

// Length bytes beyond the array are read as the array size; the full array is kept.
TEST_F(StoreSave, TextsAreCutToTheirFieldSize) {
    ap_info_stu r = Device("00:00:00:00:00:01", "10.0.0.1");
    const std::string name32(32, 'n');
    const std::string key64 = std::string(63, 'k') + "K";
    std::memcpy(r.ap_name, name32.data(), 32);
    r.ap_name_len = 40;
    std::memcpy(r.ssid, name32.data(), 32);
    r.ssid_len = 255;
    std::memcpy(r.wpapsk_key_value, key64.data(), 64);
    r.wpapsk_key_len = 64;
    std::memcpy(r.wep_key_value2, key64.data(), 26);
    r.wep_key_len2 = 30;
    r.version_len = 12;  // a length over an array of zero bytes

    ASSERT_TRUE(store().SaveDevice(r));
    const auto device = store().GetDevice("00:00:00:00:00:01");
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(device->ap_name_len, 32);
    EXPECT_EQ(core::ReadTextField(device->ap_name, device->ap_name_len), name32);
    EXPECT_EQ(device->ssid_len, 32);
    EXPECT_EQ(device->wpapsk_key_len, 64);
    EXPECT_EQ(core::ReadTextField(device->wpapsk_key_value, device->wpapsk_key_len), key64);
    EXPECT_EQ(device->wep_key_len2, 26);
    EXPECT_EQ(core::ReadTextField(device->wep_key_value2, device->wep_key_len2),
              key64.substr(0, 26));
    // The twelve zero bytes are a text of NULs; they are kept, not taken for an end.
    EXPECT_EQ(device->version_len, 12);
}

struct HostileText {
    const char* label;
    std::string text;
};

// Texts a device may send: quotes and SQL, wildcard characters, bytes that are not UTF-8,
// and a name that fills its 32 bytes with multi-byte characters.
const std::vector<HostileText>& HostileTexts() {
    static const std::vector<HostileText> texts{
        {"apostrophe", "O'Brien's link"},
        {"double quotes", "\"quoted\" name"},
        {"sql", "x'); DROP TABLE ap_info; --"},
        {"wildcards", "100%_\\*?[a]"},
        {"control bytes", "\x01\x1f'\x7f\xff\"\x80\x02"},
        {"high bytes", std::string("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e"
                                   "\x8f\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d"
                                   "\xfe\xff")},
        {"utf-8 32 bytes",
         "\xe8\xae\xbe\xe5\xa4\x87\xe5\x90\x8d\xe7\xa7\xb0-\xc3\x85ngstr\xc3\xb6m-"
         "\xd0\x9c\xd0\xbe\xd1\x81\xd1\x82"},
    };
    return texts;
}

TEST_F(StoreSave, HostileDeviceTextsAreStoredByteForByte) {
    int index = 0;
    for (const auto& [label, text] : HostileTexts()) {
        SCOPED_TRACE(label);
        ASSERT_LE(text.size(), 32u);
        const std::string mac = "00:00:00:00:01:" + std::string(1, '0') + std::to_string(index++);
        ap_info_stu r = Device(mac, "10.0.0.1");
        core::WriteTextField(r.ap_name, r.ap_name_len, text);
        core::WriteTextField(r.ssid, r.ssid_len, text);
        core::WriteTextField(r.wpa_key, r.wpa_key_len, text);
        ASSERT_TRUE(store().SaveDevice(r));

        const auto device = store().GetDevice(mac);
        ASSERT_TRUE(device.has_value());
        EXPECT_EQ(core::ReadTextField(device->ap_name, device->ap_name_len), text);
        EXPECT_EQ(core::ReadTextField(device->ssid, device->ssid_len), text);
        EXPECT_EQ(core::ReadTextField(device->wpa_key, device->wpa_key_len), text);

        const auto found = store().QueryDevices(core::kSortMac, true, text, 30, 1);
        ASSERT_TRUE(found.has_value());
        ASSERT_EQ(found->devices.size(), 1u);
        EXPECT_EQ(core::RecordMac(found->devices[0]), mac);
    }
    EXPECT_EQ(store().GetAllMac()->size(), HostileTexts().size());
}

TEST_F(StoreSave, TextsAreTrimmedOnTheWayBack) {
    ap_info_stu r = Device("00:00:00:00:00:01", "10.0.0.1", "  padded name \t");
    ASSERT_TRUE(store().SaveDevice(r));
    const auto device = store().GetDevice("00:00:00:00:00:01");
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(core::ReadTextField(device->ap_name, device->ap_name_len), "padded name");
}

config_otherwl_basic SurveyEntry(std::string_view mac, uint8_t signal, uint8_t channel,
                                 std::string_view ssid) {
    config_otherwl_basic entry;
    std::memset(&entry, 0, sizeof entry);
    SetMac(entry.mac, mac);
    entry.signal = static_cast<int8_t>(signal);
    entry.channel = channel;
    entry.secure_mode = 4;
    core::WriteTextField(entry.ssid, entry.ssid_len, ssid);
    entry.exchannel = 2;
    entry.bandwidth = 3;
    return entry;
}

core::SurveyPacket Packet(std::vector<config_otherwl_basic> entries, uint8_t packet_count = 1,
                          uint8_t packet_id = 0) {
    core::SurveyPacket packet;
    packet.packet_count = packet_count;
    packet.packet_id = packet_id;
    packet.icount = static_cast<uint8_t>(entries.size());
    packet.entries = std::move(entries);
    return packet;
}

TEST_F(StoreSave, SurveySignalIsSignedAndChannelUnsigned) {
    ASSERT_TRUE(store().SaveSurveyedAps(Packet({SurveyEntry("02:00:00:00:00:01", 0xBA, 0xA5, "a"),
                                                SurveyEntry("02:00:00:00:00:02", 10, 36, "b"),
                                                SurveyEntry("02:00:00:00:00:03", 0xD8, 100, "c")},
                                               2, 1)));
    const auto rows = RawQuery(folder_ / "data.db",
                               "SELECT packet_count,packet_id,icount,mac,ssid,signal,channel,"
                               "secure_mode,exchannel,bandwidth FROM ap_other_info ORDER BY ID");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              (RawRow{"2", "1", "3", "02:00:00:00:00:01", "a", "-70", "165", "4", "2", "3"}));

    const auto by_signal = store().QuerySurveyedAps(core::kSurveySortSignal, true);
    ASSERT_TRUE(by_signal.has_value());
    ASSERT_EQ(by_signal->size(), 3u);
    EXPECT_EQ((*by_signal)[0].signal, -70);
    EXPECT_EQ((*by_signal)[1].signal, -40);
    EXPECT_EQ((*by_signal)[2].signal, 10);

    const auto by_channel = store().QuerySurveyedAps(core::kSurveySortChannel, false);
    ASSERT_TRUE(by_channel.has_value());
    EXPECT_EQ((*by_channel)[0].channel, 165);
    EXPECT_EQ((*by_channel)[2].channel, 36);
}

TEST_F(StoreSave, SurveyEntryRoundTripsAndIsUpdatedByMac) {
    const config_otherwl_basic first = SurveyEntry("02:aa:bb:cc:dd:ee", 0xC4, 149, "tower's ap");
    ASSERT_TRUE(store().SaveSurveyedAps(Packet({first})));
    config_otherwl_basic again = first;
    again.channel = 44;
    core::WriteTextField(again.ssid, again.ssid_len, "renamed");
    ASSERT_TRUE(store().SaveSurveyedAps(Packet({again})));

    const auto all = store().QuerySurveyedAps(core::kSurveySortMac, true);
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 1u);
    const auto entry = store().GetSurveyedAp("02:aa:bb:cc:dd:ee");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(std::memcmp(&*entry, &again, sizeof again), 0);

    const auto unknown = store().GetSurveyedAp("02:00:00:00:00:99");
    ASSERT_TRUE(unknown.has_value());
    const config_otherwl_basic zero{};
    EXPECT_EQ(std::memcmp(&*unknown, &zero, sizeof zero), 0);

    ASSERT_TRUE(store().DeleteSurveyedAps());
    EXPECT_TRUE(store().QuerySurveyedAps(core::kSurveySortMac, true)->empty());
}

TEST_F(StoreSave, SurveyCountBeyondTheEntriesPresentWritesOnlyThoseEntries) {
    core::SurveyPacket packet = Packet({SurveyEntry("02:00:00:00:00:01", 1, 1, "a")});
    packet.icount = 32;
    store().SaveSurveyedAps(packet);
    EXPECT_EQ(store().QuerySurveyedAps(core::kSurveySortMac, true)->size(), 1u);
}

TEST_F(StoreSave, SurveySortKeysPickTheirColumns) {
    ASSERT_TRUE(
        store().SaveSurveyedAps(Packet({SurveyEntry("02:00:00:00:00:02", 5, 9, "beta"),
                                        SurveyEntry("02:00:00:00:00:03", 3, 100, "Alpha"),
                                        SurveyEntry("02:00:00:00:00:01", 4, 36, "gamma")})));
    auto ssids = [&](int key, bool ascending) {
        std::vector<std::string> out;
        const auto entries = store().QuerySurveyedAps(key, ascending);
        for (const auto& entry : entries.value())
            out.push_back(core::ReadTextField(entry.ssid, entry.ssid_len));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(ssids(core::kSurveySortMac, true), (V{"gamma", "beta", "Alpha"}));
    EXPECT_EQ(ssids(core::kSurveySortSsid, true), (V{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(ssids(core::kSurveySortChannel, true), (V{"beta", "gamma", "Alpha"}));
    EXPECT_EQ(ssids(core::kSurveySortSecureMode, false), (V{"beta", "Alpha", "gamma"}));
    EXPECT_EQ(ssids(core::kSurveySortSignal, false), (V{"beta", "gamma", "Alpha"}));
    EXPECT_FALSE(store().QuerySurveyedAps(5, true).has_value());
}

}  // namespace
}  // namespace brelvo::test
