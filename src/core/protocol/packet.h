// The bytes on the wire: the 16-byte message header, the datagrams built from it, the raw ARP
// frame of a search, and the readers of what devices send (summary and site-survey packets).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::core {

constexpr uint16_t kMagic = 0x1986;
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kMaxPayload = 1456;
constexpr std::size_t kMaxDatagram = kHeaderSize + kMaxPayload;  // 1472
constexpr std::size_t kArpFrameSize = 60;

constexpr uint16_t kPortSearch = 9786;        // system -> devices: search broadcasts
constexpr uint16_t kPortSearchAnswer = 9785;  // devices -> system: search answers
constexpr uint16_t kPortRequest =
    9787;  // system -> devices: requests; devices -> system: heartbeats
constexpr uint16_t kPortHeartbeat = 9787;
constexpr uint16_t kPortAnswer = 9788;  // devices -> system: every other answer
constexpr std::string_view kMulticastGroup = "239.255.255.250";

enum Message : uint16_t {
    kMsgSearch = 1,
    kMsgReport = 2,
    kMsgSetIp = 3,
    kMsgSetWireless = 4,
    kMsgSetTimedReboot = 5,
    kMsgSiteSurvey = 6,
    kMsgBridge = 7,
    kMsgSetName = 8,
    kMsgReboot = 9,
    kMsgRestore = 10,
    kMsgUpgrade = 11,
    kMsgUpgradeNotice = 12,
    kMsgSetVlan = 13,
    kMsgHeartbeat = 15,
    kMsgUpgradeStarted = 16,
    kMsgLeave = 17,
    kMsgSetTransparentBridge = 18,
    kMsgSetTdma = 19,
};

#pragma pack(push, 1)
struct message_header {
    uint16_t magic;
    uint16_t device_type;  // model code from a device; 0 from the system
    uint16_t message;
    uint8_t request_flag;  // 1 to the multicast group, 0 in search broadcasts
    uint8_t reserved;
    uint8_t mac[6];  // the device's, or the target device's (zero in a search)
    uint16_t payload_length;
};
#pragma pack(pop)
static_assert(sizeof(message_header) == kHeaderSize);
static_assert(offsetof(message_header, device_type) == 2);
static_assert(offsetof(message_header, message) == 4);
static_assert(offsetof(message_header, request_flag) == 6);
static_assert(offsetof(message_header, reserved) == 7);
static_assert(offsetof(message_header, mac) == 8);
static_assert(offsetof(message_header, payload_length) == 14);

// A datagram in a zeroed 1472-byte buffer; `size` bytes of it are sent.
struct Datagram {
    std::array<uint8_t, kMaxDatagram> bytes{};
    std::size_t size = 0;

    std::span<const uint8_t> view() const { return {bytes.data(), size}; }
};

// Header and payload; the MAC text (empty for none) is turned into bytes. A payload longer than
// the 1456 bytes a datagram holds is cut. The system sends device type 0; the simulator sends
// its model code.
Datagram BuildMessage(uint16_t message, std::string_view mac_text, std::span<const uint8_t> payload,
                      uint8_t request_flag, uint16_t device_type = 0);

// The fields of a valid header, or nothing when the datagram is shorter than 16 or longer than
// 1472 bytes or does not start with the magic.
struct ParsedHeader {
    uint16_t device_type = 0;
    uint16_t message = 0;
    uint8_t request_flag = 0;
    MacBytes mac{};
    uint16_t payload_length = 0;

    std::string mac_text() const { return MacBytesToText(mac); }
};
std::optional<ParsedHeader> ParseHeader(std::span<const uint8_t> datagram);

// The payload of a received datagram as the receive path reads it: through the header's
// length, but never beyond the 1456 bytes after the header nor the bytes actually received.
std::span<const uint8_t> PayloadOf(std::span<const uint8_t> datagram);

// The ARP request that announces a search on one subnet: sender and target protocol addresses
// are both the subnet's broadcast address.
std::array<uint8_t, kArpFrameSize> BuildArpFrame(std::span<const uint8_t, 6> adapter_mac,
                                                 std::span<const uint8_t, 4> broadcast);

// What a search answer or a heartbeat carries (the system reads at most 112 bytes of it).
struct DeviceSummary {
    bool short_form = true;  // 33 bytes or less: only the version
    char version[32]{};
    uint8_t version_len = 0;
    uint8_t work_mode = 0;
    uint8_t mode_btn_status = 0;
    uint32_t up_time = 0;
    char ap_name[32]{};
    uint8_t ap_name_len = 0;
    char ssid[32]{};
    uint8_t ssid_len = 0;
    uint8_t channel = 0;
    uint8_t bridge_transparent = 0;
    uint8_t tdmaEn = 0;
};
constexpr std::size_t kSummaryMaxRead = 112;
constexpr std::size_t kSummaryShortForm = 33;
constexpr std::size_t kSummaryUptimeOffset = 36;

// Reads a summary; bytes beyond the payload read as zero. Texts are taken raw (the device text
// conversion is the caller's step).
DeviceSummary ReadDeviceSummary(std::span<const uint8_t> payload);

// A site-survey packet. `icount` is clamped to the 32 entries a packet can hold and to the
// entries that lie wholly inside the payload.
struct SurveyPacket {
    uint8_t packet_count = 0;
    uint8_t packet_id = 0;
    uint8_t icount = 0;  // entries actually read
    std::vector<config_otherwl_basic> entries;

    bool completes_survey() const { return packet_id + 1 == packet_count; }
};
constexpr std::size_t kSurveyMaxEntries = 32;
SurveyPacket ReadSurveyPacket(std::span<const uint8_t> payload);

// Builds a survey payload from entries (the simulator's side and the tests').
std::vector<uint8_t> BuildSurveyPayload(uint8_t packet_count, uint8_t packet_id,
                                        std::span<const config_otherwl_basic> entries);

}  // namespace brelvo::core
