#include "core/protocol/packet.h"

#include <algorithm>
#include <cstring>

namespace brelvo::core {

namespace {

void PutLe16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

uint16_t GetLe16(const uint8_t* in) {
    return static_cast<uint16_t>(in[0] | (in[1] << 8));
}

void PutBe16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value);
}

}  // namespace

Datagram BuildMessage(uint16_t message, std::string_view mac_text, std::span<const uint8_t> payload,
                      uint8_t request_flag, uint16_t device_type) {
    Datagram datagram;
    uint8_t* out = datagram.bytes.data();
    const std::size_t length = std::min(payload.size(), kMaxPayload);
    PutLe16(out + 0, kMagic);
    PutLe16(out + 2, device_type);
    PutLe16(out + 4, message);
    out[6] = request_flag;
    out[7] = 0;
    if (!mac_text.empty()) {
        const MacBytes mac = MacTextToBytes(mac_text);
        std::copy(mac.begin(), mac.end(), out + 8);
    }
    PutLe16(out + 14, static_cast<uint16_t>(length));
    if (length > 0)
        std::memcpy(out + kHeaderSize, payload.data(), length);
    datagram.size = kHeaderSize + length;
    return datagram;
}

std::optional<ParsedHeader> ParseHeader(std::span<const uint8_t> datagram) {
    if (datagram.size() < kHeaderSize || datagram.size() > kMaxDatagram)
        return std::nullopt;
    const uint8_t* in = datagram.data();
    if (GetLe16(in) != kMagic)
        return std::nullopt;
    ParsedHeader header;
    header.device_type = GetLe16(in + 2);
    header.message = GetLe16(in + 4);
    header.request_flag = in[6];
    std::copy(in + 8, in + 14, header.mac.begin());
    header.payload_length = GetLe16(in + 14);
    return header;
}

std::span<const uint8_t> PayloadOf(std::span<const uint8_t> datagram) {
    const auto header = ParseHeader(datagram);
    if (!header)
        return {};
    const std::size_t available = datagram.size() - kHeaderSize;
    const std::size_t length =
        std::min({std::size_t{header->payload_length}, kMaxPayload, available});
    return datagram.subspan(kHeaderSize, length);
}

std::array<uint8_t, kArpFrameSize> BuildArpFrame(std::span<const uint8_t, 6> adapter_mac,
                                                 std::span<const uint8_t, 4> broadcast) {
    std::array<uint8_t, kArpFrameSize> frame{};
    uint8_t* out = frame.data();
    std::fill_n(out, 6, 0xFF);  // destination: everyone
    std::copy(adapter_mac.begin(), adapter_mac.end(), out + 6);
    PutBe16(out + 12, 0x0806);  // EtherType ARP
    PutBe16(out + 14, 1);       // hardware type Ethernet
    PutBe16(out + 16, 0x0800);  // protocol type IPv4
    out[18] = 6;
    out[19] = 4;
    PutBe16(out + 20, 1);  // request
    std::copy(adapter_mac.begin(), adapter_mac.end(), out + 22);
    std::copy(broadcast.begin(), broadcast.end(), out + 28);
    std::fill_n(out + 32, 6, 0xFF);
    std::copy(broadcast.begin(), broadcast.end(), out + 38);
    return frame;  // bytes 42 to 59 stay zero
}

DeviceSummary ReadDeviceSummary(std::span<const uint8_t> payload) {
    // Work on a zero-filled copy of at most 112 bytes, so no field is read past the payload.
    std::array<uint8_t, kSummaryMaxRead> bytes{};
    const std::size_t length = std::min(payload.size(), kSummaryMaxRead);
    std::copy_n(payload.begin(), length, bytes.begin());

    DeviceSummary summary;
    std::memcpy(summary.version, bytes.data() + 0, 32);
    summary.version_len = bytes[32];
    summary.short_form = payload.size() <= kSummaryShortForm;
    if (summary.short_form)
        return summary;
    summary.work_mode = bytes[33];
    summary.mode_btn_status = bytes[34];
    std::memcpy(&summary.up_time, bytes.data() + kSummaryUptimeOffset, 4);
    std::memcpy(summary.ap_name, bytes.data() + 40, 32);
    summary.ap_name_len = bytes[72];
    std::memcpy(summary.ssid, bytes.data() + 73, 32);
    summary.ssid_len = bytes[105];
    summary.channel = bytes[106];
    summary.bridge_transparent = bytes[107];
    summary.tdmaEn = bytes[108];
    return summary;
}

SurveyPacket ReadSurveyPacket(std::span<const uint8_t> payload) {
    SurveyPacket packet;
    if (payload.size() < sizeof(survey_packet_header))
        return packet;
    packet.packet_count = payload[0];
    packet.packet_id = payload[1];
    const std::size_t announced = payload[2];
    const std::size_t fitting =
        (payload.size() - sizeof(survey_packet_header)) / sizeof(config_otherwl_basic);
    const std::size_t count = std::min({announced, kSurveyMaxEntries, fitting});
    packet.icount = static_cast<uint8_t>(count);
    packet.entries.resize(count);
    if (count > 0) {
        std::memcpy(packet.entries.data(), payload.data() + sizeof(survey_packet_header),
                    count * sizeof(config_otherwl_basic));
    }
    return packet;
}

std::vector<uint8_t> BuildSurveyPayload(uint8_t packet_count, uint8_t packet_id,
                                        std::span<const config_otherwl_basic> entries) {
    const std::size_t count = std::min(entries.size(), kSurveyMaxEntries);
    std::vector<uint8_t> payload(sizeof(survey_packet_header) +
                                 count * sizeof(config_otherwl_basic));
    payload[0] = packet_count;
    payload[1] = packet_id;
    payload[2] = static_cast<uint8_t>(count);
    if (count > 0) {
        std::memcpy(payload.data() + sizeof(survey_packet_header), entries.data(),
                    count * sizeof(config_otherwl_basic));
    }
    return payload;
}

}  // namespace brelvo::core
