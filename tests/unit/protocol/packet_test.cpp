#include "core/protocol/packet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

TEST(Packet, RequestHeaderBytes) {
    const auto payload = Hex("01 C0 A8 00 FE");
    const Datagram d = BuildMessage(kMsgSetIp, "00:90:4C:0A:0B:0C", payload, 1);
    ASSERT_EQ(d.size, 21u);
    // magic 86 19, device type 0, message 03 00, request flag 1, reserved 0, MAC, length 5
    EXPECT_EQ(std::vector<uint8_t>(d.bytes.begin(), d.bytes.begin() + 21),
              Hex("86 19 00 00 03 00 01 00 00 90 4C 0A 0B 0C 05 00 01 C0 A8 00 FE"));
    EXPECT_EQ(d.bytes[21], 0);  // the rest of the 1472-byte buffer is zero
}

TEST(Packet, SearchBroadcastHasNoMacAndNoFlag) {
    const Datagram d = BuildMessage(kMsgSearch, "", {}, 0);
    EXPECT_EQ(std::vector<uint8_t>(d.bytes.begin(), d.bytes.begin() + d.size),
              Hex("86 19 00 00 01 00 00 00 00 00 00 00 00 00 00 00"));
}

TEST(Packet, PayloadIsCutToWhatADatagramHolds) {
    const std::vector<uint8_t> big(2000, 0xAB);
    const Datagram d = BuildMessage(kMsgSetWireless, "", big, 1);
    EXPECT_EQ(d.size, kMaxDatagram);
    EXPECT_EQ(d.bytes[14], 0xB0);  // 1456 = 0x05B0
    EXPECT_EQ(d.bytes[15], 0x05);
}

TEST(Packet, ParseHeaderReadsTheFields) {
    const auto bytes = Hex("86 19 0E 00 02 00 00 00 00 90 4C 0A 0B 0C F4 02");
    const auto header = ParseHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->device_type, 14);
    EXPECT_EQ(header->message, 2);
    EXPECT_EQ(header->mac_text(), "00:90:4c:0a:0b:0c");
    EXPECT_EQ(header->payload_length, 756);
}

TEST(Packet, ParseHeaderRejectsWhatIsNotADatagramOfThisProtocol) {
    auto valid = Hex("86 19 00 00 01 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_TRUE(ParseHeader(valid));
    EXPECT_FALSE(ParseHeader(std::span(valid).first(15)));  // 15 bytes
    std::vector<uint8_t> too_long(kMaxDatagram + 1, 0);
    too_long[0] = 0x86;
    too_long[1] = 0x19;
    EXPECT_FALSE(ParseHeader(too_long));
    too_long.pop_back();
    EXPECT_TRUE(ParseHeader(too_long));  // exactly 1472
    auto swapped = valid;
    swapped[0] = 0x19;
    swapped[1] = 0x86;
    EXPECT_FALSE(ParseHeader(swapped));
}

TEST(Packet, PayloadNeverReachesPastTheReceivedBytes) {
    // The header claims 100 payload bytes, only 4 arrived.
    auto bytes = Hex("86 19 00 00 02 00 00 00 00 00 00 00 00 01 64 00 AA BB CC DD");
    EXPECT_EQ(PayloadOf(bytes).size(), 4u);
    bytes[14] = 2;  // claims 2 of the 4
    EXPECT_EQ(PayloadOf(bytes).size(), 2u);
    EXPECT_TRUE(PayloadOf(std::span(bytes).first(10)).empty());
}

TEST(Packet, ArpFrameAnnouncesTheSubnetBroadcast) {
    const uint8_t mac[6] = {0x02, 0x00, 0x5E, 0x10, 0x20, 0x30};
    const uint8_t broadcast[4] = {192, 168, 77, 255};
    const auto frame =
        BuildArpFrame(std::span<const uint8_t, 6>(mac), std::span<const uint8_t, 4>(broadcast));
    EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.end()),
              Hex("FF FF FF FF FF FF"  // destination
                  "02 00 5E 10 20 30"  // source
                  "08 06"              // ARP
                  "00 01 08 00 06 04"  // Ethernet, IPv4, lengths 6 and 4
                  "00 01"              // request
                  "02 00 5E 10 20 30"  // sender hardware address
                  "C0 A8 4D FF"        // sender protocol address
                  "FF FF FF FF FF FF"  // target hardware address
                  "C0 A8 4D FF"        // target protocol address
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
}

std::vector<uint8_t> SummaryFixture() {
    std::vector<uint8_t> s(112, 0);
    std::memcpy(s.data(), "V2.1", 4);
    s[32] = 4;     // version length
    s[33] = 2;     // work mode: station
    s[34] = 1;     // mode switch
    s[36] = 0x10;  // up time 0x00000310 = 784 s
    s[37] = 0x03;
    std::memcpy(s.data() + 40, "roof", 4);
    s[72] = 4;
    std::memcpy(s.data() + 73, "link", 4);
    s[105] = 4;
    s[106] = 149;  // channel
    s[107] = 1;    // transparent bridge
    s[108] = 1;    // TDMA
    return s;
}

TEST(Packet, SummaryFieldsComeFromTheirOffsets) {
    const DeviceSummary s = ReadDeviceSummary(SummaryFixture());
    EXPECT_FALSE(s.short_form);
    EXPECT_EQ(ReadTextField(s.version, s.version_len), "V2.1");
    EXPECT_EQ(s.work_mode, 2);
    EXPECT_EQ(s.mode_btn_status, 1);
    EXPECT_EQ(s.up_time, 784u);
    EXPECT_EQ(ReadTextField(s.ap_name, s.ap_name_len), "roof");
    EXPECT_EQ(ReadTextField(s.ssid, s.ssid_len), "link");
    EXPECT_EQ(s.channel, 149);
    EXPECT_EQ(s.bridge_transparent, 1);
    EXPECT_EQ(s.tdmaEn, 1);
}

TEST(Packet, ShortSummaryCarriesOnlyTheVersion) {
    auto bytes = SummaryFixture();
    bytes.resize(33);
    const DeviceSummary s = ReadDeviceSummary(bytes);
    EXPECT_TRUE(s.short_form);
    EXPECT_EQ(ReadTextField(s.version, s.version_len), "V2.1");
    EXPECT_EQ(s.work_mode, 0);
}

TEST(Packet, TruncatedSummaryReadsMissingBytesAsZero) {
    auto bytes = SummaryFixture();
    bytes.resize(50);  // ends inside the name
    const DeviceSummary s = ReadDeviceSummary(bytes);
    EXPECT_FALSE(s.short_form);
    EXPECT_EQ(s.up_time, 784u);
    EXPECT_EQ(s.ssid_len, 0);
    EXPECT_EQ(s.channel, 0);
}

std::vector<uint8_t> SurveyPayload(uint8_t count, uint8_t id, uint8_t announced,
                                   std::size_t real_entries) {
    std::vector<uint8_t> p(3 + real_entries * 44, 0);
    p[0] = count;
    p[1] = id;
    p[2] = announced;
    for (std::size_t i = 0; i < real_entries; ++i) {
        p[3 + i * 44] = static_cast<uint8_t>(i + 1);  // first MAC byte numbers the entry
        p[3 + i * 44 + 6] = 0xBA;                     // signal -70
    }
    return p;
}

TEST(Packet, SurveyPacketOfOneCompletesAtOnce) {
    const SurveyPacket p = ReadSurveyPacket(SurveyPayload(1, 0, 2, 2));
    EXPECT_TRUE(p.completes_survey());
    ASSERT_EQ(p.icount, 2);
    EXPECT_EQ(p.entries[1].mac[0], 2);
    EXPECT_EQ(p.entries[1].signal, -70);
}

TEST(Packet, SurveyPacketOnlyTheLastOfThreeCompletes) {
    EXPECT_FALSE(ReadSurveyPacket(SurveyPayload(3, 0, 1, 1)).completes_survey());
    EXPECT_FALSE(ReadSurveyPacket(SurveyPayload(3, 1, 1, 1)).completes_survey());
    EXPECT_TRUE(ReadSurveyPacket(SurveyPayload(3, 2, 1, 1)).completes_survey());
}

TEST(Packet, SurveyPacketIsClampedToWhatItHolds) {
    // Announces more entries than the datagram carries.
    EXPECT_EQ(ReadSurveyPacket(SurveyPayload(1, 0, 10, 3)).icount, 3);
    // Announces more than 32; a full payload holds 33 entries, only 32 are read.
    EXPECT_EQ(ReadSurveyPacket(SurveyPayload(1, 0, 200, 33)).icount, 32);
    // Half an entry at the end is not read.
    auto ragged = SurveyPayload(1, 0, 2, 2);
    ragged.resize(ragged.size() - 1);
    EXPECT_EQ(ReadSurveyPacket(ragged).icount, 1);
    EXPECT_EQ(ReadSurveyPacket(Hex("01 00")).icount, 0);
}

TEST(Packet, SurveyPayloadRoundTrip) {
    config_otherwl_basic entries[2]{};
    entries[0].channel = 36;
    entries[1].channel = 149;
    const auto payload = BuildSurveyPayload(2, 1, entries);
    ASSERT_EQ(payload.size(), 3u + 88u);
    EXPECT_EQ(payload[0], 2);
    EXPECT_EQ(payload[1], 1);
    EXPECT_EQ(payload[2], 2);
    EXPECT_EQ(payload[3 + 7], 36);
    EXPECT_EQ(ReadSurveyPacket(payload).entries[1].channel, 149);
}

}  // namespace
}  // namespace brelvo::core
