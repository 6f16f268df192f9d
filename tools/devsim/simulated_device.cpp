#include "simulated_device.h"

#include <algorithm>
#include <cstring>

#include "core/protocol/address_text.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::devsim {

using namespace brelvo::core;

namespace {

uint32_t UptimeSeconds(const SimulatedDevice& device, Clock::time_point now) {
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(now - device.started).count();
    return device.record.up_time + static_cast<uint32_t>(std::max<int64_t>(seconds, 0));
}

// Copies as much of a payload as the block holds; missing bytes stay as they were.
template <typename Block>
Block ReadBlock(const SimulatedDevice& device, std::span<const uint8_t> payload,
                std::size_t offset = 0) {
    Block block = SliceOf<Block>(device.record);
    if (payload.size() > offset) {
        const std::size_t length = std::min(sizeof block, payload.size() - offset);
        std::memcpy(&block, payload.data() + offset, length);
    }
    return block;
}

void PutIp(uint8_t (&field)[4], const std::string& text) {
    const Ipv4Bytes bytes = IpTextToBytes(text);
    std::copy(bytes.begin(), bytes.end(), field);
}

}  // namespace

std::vector<uint8_t> SimulatedDevice::Summary(Clock::time_point now) const {
    std::vector<uint8_t> bytes(112, 0);
    std::memcpy(&bytes[0], record.version, 32);
    bytes[32] = record.version_len;
    bytes[33] = record.work_mode;
    bytes[34] = record.mode_btn_status;
    const uint32_t up_time = UptimeSeconds(*this, now);
    std::memcpy(&bytes[36], &up_time, 4);
    std::memcpy(&bytes[40], record.ap_name, 32);
    bytes[72] = record.ap_name_len;
    std::memcpy(&bytes[73], record.ssid, 32);
    bytes[105] = record.ssid_len;
    bytes[106] = record.channel;
    bytes[107] = record.bridge_transparent;
    bytes[108] = record.tdmaEn;
    return bytes;
}

std::vector<uint8_t> SimulatedDevice::Report(Clock::time_point now) const {
    ap_info_stu copy = record;
    copy.up_time = UptimeSeconds(*this, now);
    const auto block = InfoBlock(copy);
    return std::vector<uint8_t>(block.begin(), block.end());
}

SimulatedDevice MakeDevice(const DeviceSeed& seed) {
    SimulatedDevice device;
    device.mac = seed.mac;
    device.ip = seed.ip;
    ap_info_stu& r = device.record;
    r = ZeroRecord();
    SetRecordMac(r, seed.mac);
    r.ap_type = seed.model;
    const bool access_point = seed.index % 2 == 0;
    r.work_mode = access_point ? kModeAccessPoint : kModeStation;
    r.mode_btn_status = access_point ? 1 : 0;
    r.up_time = 1000 + static_cast<uint32_t>(seed.index);
    r.ip_mode = 1;
    PutIp(r.ip, seed.ip);
    PutIp(r.ip_mask, seed.mask);
    PutIp(r.ip_gateway, seed.gateway);
    PutIp(r.ip_dns1, seed.gateway);
    WriteTextField(r.ap_name, r.ap_name_len, seed.name);
    WriteTextField(r.version, r.version_len, "V2.1." + std::to_string(seed.model) + " build 7");
    r.rf_count = 1;
    r.rf_en = 1;
    const bool five_ghz = seed.model >= 257;
    r.rf_type = five_ghz ? 1 : 0;
    r.country_code = 1;
    r.network_mode = five_ghz ? 4 : 2;
    r.bandwidth = 1;
    r.channel = static_cast<uint8_t>(five_ghz ? 36 + 4 * (seed.index % 8) : 1 + seed.index % 11);
    r.tx_power = 20;
    r.tx_power_min = 1;
    r.tx_power_max = 27;
    r.ssid_count = 1;
    const MacBytes mac = MacTextToBytes(seed.mac);
    std::copy(mac.begin(), mac.end(), r.ssid_mac);
    r.ssid_mac[0] |= 0x02;  // the wireless side: a locally administered twin of the MAC
    WriteTextField(r.ssid, r.ssid_len, "sim-link-" + std::to_string(seed.index / 2));
    r.secure_mode = kSecureWpa2Psk;
    r.wpapsk_auth_type = 1;
    WriteTextField(r.wpapsk_key_value, r.wpapsk_key_len, "secret-" + std::to_string(seed.index));
    r.wpapsk_key_time = 3600;
    r.vlan_id = 1;
    r.vlan_id_wlan = 1;
    r.vlan_id_lan = 1;
    r.vlan_pvid = 1;
    device.factory = r;
    return device;
}

void ApplyAddressing(SimulatedDevice& device, std::span<const uint8_t> payload) {
    ip_block block = ReadBlock<ip_block>(device, payload);
    block.apply = 0;  // a report always carries 0 here
    StoreSlice(device.record, block);
    device.ip = IpBytesToText(device.record.ip);
}

void ApplyWireless(SimulatedDevice& device, std::span<const uint8_t> payload) {
    StoreSlice(device.record, ReadBlock<radio_block>(device, payload));
    if (payload.size() > sizeof(radio_block))
        StoreSlice(device.record, ReadBlock<feature_block>(device, payload, sizeof(radio_block)));
}

void ApplySchedule(SimulatedDevice& device, std::span<const uint8_t> payload) {
    StoreSlice(device.record, ReadBlock<restart_block>(device, payload));
}

void ApplyName(SimulatedDevice& device, std::span<const uint8_t> payload) {
    StoreSlice(device.record, ReadBlock<name_block>(device, payload));
}

void ApplyVlan(SimulatedDevice& device, std::span<const uint8_t> payload) {
    vlan_block block = ReadBlock<vlan_block>(device, payload);
    block.apply = 0;
    StoreSlice(device.record, block);
    if (payload.size() > sizeof(vlan_block))
        StoreSlice(device.record, ReadBlock<feature_block>(device, payload, sizeof(vlan_block)));
}

void ApplyFeatures(SimulatedDevice& device, std::span<const uint8_t> payload) {
    StoreSlice(device.record, ReadBlock<feature_block>(device, payload));
}

void ApplyBridge(SimulatedDevice& device, std::span<const uint8_t> payload) {
    bridge_request request = ZeroBlock<bridge_request>();
    std::memcpy(&request, payload.data(), std::min(sizeof request, payload.size()));
    ap_info_stu& r = device.record;
    r.work_mode = kModeStation;
    r.bridge_work_mode = kModeAccessPoint;
    std::memcpy(r.bridge_mac, request.wireless.peer_mac, 6);
    r.bridge_channel = request.wireless.channel;
    std::memcpy(r.bridge_ssid, request.wireless.ssid, sizeof r.bridge_ssid);
    r.bridge_ssid_len = std::min<uint8_t>(request.wireless.ssid_len, 32);
}

void RestoreFactory(SimulatedDevice& device) {
    device.record = device.factory;
    device.ip = IpBytesToText(device.record.ip);
}

config_otherwl_basic AsSurveyEntry(const SimulatedDevice& device, int signal) {
    config_otherwl_basic entry{};
    std::memcpy(entry.mac, device.record.ssid_mac, 6);
    entry.signal = static_cast<int8_t>(signal);
    entry.channel = device.record.channel;
    entry.secure_mode = device.record.secure_mode;
    std::memcpy(entry.ssid, device.record.ssid, sizeof entry.ssid);
    entry.ssid_len = device.record.ssid_len;
    entry.exchannel = device.record.expand_channel;
    entry.bandwidth = device.record.bandwidth;
    return entry;
}

}  // namespace brelvo::devsim
