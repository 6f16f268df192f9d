#include "core/engine/online_table.h"

#include <algorithm>
#include <cstring>

#include "core/protocol/address_text.h"

namespace brelvo::core {

namespace {

// Block offsets of the report fields the table keeps.
constexpr std::size_t kBlockUptime = 4;
constexpr std::size_t kBlockVersion = 63;
constexpr std::size_t kBlockVersionLen = 95;
constexpr std::size_t kBlockTransparentBridge = 742;
constexpr std::size_t kBlockTdma = 743;

uint8_t ByteAt(std::span<const uint8_t> block, std::size_t offset) {
    return offset < block.size() ? block[offset] : 0;
}

void CopyVersion(OnlineEntry& entry, const DeviceSummary& summary) {
    std::memcpy(entry.version, summary.version, sizeof entry.version);
    entry.version_len = summary.version_len;
}

template <std::size_t N>
bool Contains(const char (&field)[N], uint8_t length, std::string_view needle) {
    return ReadTextField(field, length).find(needle) != std::string::npos;
}

}  // namespace

bool OnlineTable::NoteSearchAnswer(std::string_view sender, std::string_view mac,
                                   uint16_t device_type, const DeviceSummary& summary) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const OnlineEntry& e) { return e.mac == mac; });
    if (it != entries_.end()) {
        it->device_type = device_type;
        it->countdown = kLifeTicks;
        CopyVersion(*it, summary);
    } else {
        OnlineEntry entry;
        entry.address = std::string(sender);
        entry.mac = std::string(mac);
        entry.device_type = device_type;
        CopyVersion(entry, summary);
        if (!summary.short_form) {
            entry.work_mode = summary.work_mode;
            entry.mode_btn_status = summary.mode_btn_status;
            entry.up_time = summary.up_time;
            std::memcpy(entry.name, summary.ap_name, sizeof entry.name);
            entry.name_len = summary.ap_name_len;
            std::memcpy(entry.ssid, summary.ssid, sizeof entry.ssid);
            entry.ssid_len = summary.ssid_len;
            entry.channel = summary.channel;
            entry.bridge_transparent = summary.bridge_transparent;
            entry.tdmaEn = summary.tdmaEn;
        }
        entries_.push_back(std::move(entry));
    }
    const bool reported_here = std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) {
        return e.address == sender && e.state == EntryState::kReported && e.mac == mac;
    });
    return !reported_here;
}

bool OnlineTable::NoteHeartbeat(std::string_view sender, std::string_view mac,
                                const DeviceSummary& summary) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const OnlineEntry& e) { return e.mac == mac; });
    if (it == entries_.end())
        return false;
    it->countdown = kLifeTicks;
    it->up_time = summary.up_time;
    CopyVersion(*it, summary);
    it->address = std::string(sender);
    return true;
}

bool OnlineTable::AcceptReport(std::string_view sender, std::string_view mac, uint16_t device_type,
                               std::span<const uint8_t> block) {
    std::lock_guard lock(mutex_);
    OnlineEntry* address_holder = nullptr;
    OnlineEntry* mac_holder = nullptr;
    for (auto& entry : entries_) {
        if (entry.address == sender && entry.state == EntryState::kReported)
            address_holder = &entry;
        if (entry.mac == mac)
            mac_holder = &entry;
    }
    if (mac_holder == nullptr || (address_holder != nullptr && address_holder != mac_holder))
        return false;
    mac_holder->device_type = device_type;
    mac_holder->state = EntryState::kReported;
    uint32_t up_time = 0;
    for (std::size_t k = 0; k < 4; ++k)
        up_time |= static_cast<uint32_t>(ByteAt(block, kBlockUptime + k)) << (8 * k);
    mac_holder->up_time = up_time;
    mac_holder->address = std::string(sender);
    for (std::size_t k = 0; k < sizeof mac_holder->version; ++k)
        mac_holder->version[k] = static_cast<char>(ByteAt(block, kBlockVersion + k));
    mac_holder->version_len = ByteAt(block, kBlockVersionLen);
    mac_holder->bridge_transparent = ByteAt(block, kBlockTransparentBridge);
    mac_holder->tdmaEn = ByteAt(block, kBlockTdma);
    return true;
}

void OnlineTable::ApplyAddressChange(std::string_view sender, std::string_view mac) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const OnlineEntry& e) {
        return e.mac == mac && e.address == sender;
    });
    if (it != entries_.end() && !it->new_address.empty() && it->new_address != it->address) {
        it->address = it->new_address;
        it->new_address.clear();
    }
}

void OnlineTable::NoteNewIp(std::string_view mac, std::string_view current_ip,
                            std::string_view new_ip) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const OnlineEntry& e) {
        return e.mac == mac && e.address == current_ip && e.state == EntryState::kReported;
    });
    if (it == entries_.end())
        return;
    if (new_ip == current_ip)
        it->new_address.clear();
    else
        it->new_address = std::string(new_ip);
}

std::vector<std::string> OnlineTable::Expire() {
    std::vector<std::string> expired;
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [&](OnlineEntry& entry) {
        if (entry.countdown == 0) {
            expired.push_back(entry.mac);
            return true;
        }
        if (entry.state != EntryState::kFound)
            --entry.countdown;
        return false;
    });
    return expired;
}

std::vector<DeviceAddress> OnlineTable::FoundDevices() const {
    std::lock_guard lock(mutex_);
    std::vector<DeviceAddress> found;
    for (const auto& entry : entries_) {
        if (entry.state == EntryState::kFound)
            found.push_back({entry.address, entry.mac});
    }
    return found;
}

std::vector<DeviceAddress> OnlineTable::AllDevices() const {
    std::lock_guard lock(mutex_);
    std::vector<DeviceAddress> all;
    for (const auto& entry : entries_)
        all.push_back({entry.address, entry.mac});
    return all;
}

void OnlineTable::DropFound() {
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [](const OnlineEntry& e) { return e.state == EntryState::kFound; });
}

std::vector<std::string> OnlineTable::AllMacs() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> macs;
    for (const auto& entry : entries_)
        macs.push_back(entry.mac);
    return macs;
}

std::vector<ap_info_stu> OnlineTable::ListFound(std::size_t max_count,
                                                std::string_view filter) const {
    std::lock_guard lock(mutex_);
    std::vector<ap_info_stu> records;
    std::size_t examined = 0;
    for (const auto& entry : entries_) {
        if (entry.state != EntryState::kFound)
            continue;
        if (examined++ >= max_count)
            break;
        if (!filter.empty() && entry.address.find(filter) == std::string::npos &&
            entry.mac.find(filter) == std::string::npos &&
            !Contains(entry.version, entry.version_len, filter))
            continue;
        ap_info_stu record = ZeroRecord();
        SetRecordMac(record, entry.mac);
        record.ap_type = entry.device_type;
        record.ap_status = kStatusFoundOnly;
        const Ipv4Bytes ip = IpTextToBytes(entry.address);
        std::memcpy(record.ip, ip.data(), ip.size());
        std::string version = ReadTextField(entry.version, entry.version_len);
        version = version.substr(0, version.find('\n'));
        WriteTextField(record.version, record.version_len, version);
        std::memcpy(record.ap_name, entry.name, sizeof record.ap_name);
        record.ap_name_len = entry.name_len;
        record.up_time = entry.up_time;
        record.work_mode = entry.work_mode;
        record.mode_btn_status = entry.mode_btn_status;
        std::memcpy(record.ssid, entry.ssid, sizeof record.ssid);
        record.ssid_len = entry.ssid_len;
        record.channel = entry.channel;
        record.bridge_transparent = entry.bridge_transparent;
        record.tdmaEn = entry.tdmaEn;
        records.push_back(record);
    }
    return records;
}

std::vector<OnlineEntry> OnlineTable::Snapshot() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

}  // namespace brelvo::core
