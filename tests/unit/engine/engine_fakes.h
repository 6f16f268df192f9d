// Stand-ins for the engine's surroundings: a store in memory, a sender that records what would
// have gone out, fixed adapters and capture devices.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/engine_io.h"
#include "core/protocol/packet.h"
#include "core/store/device_store.h"

namespace brelvo::test {

using namespace brelvo::core;

class MemoryStore final : public DeviceStore {
public:
    bool SaveDevice(const ap_info_stu& record) override {
        std::lock_guard lock(mutex_);
        ap_info_stu copy = record;
        copy.ap_status = kStatusOnline;
        devices_[RecordMac(record)] = copy;
        return true;
    }
    bool SaveSurveyedAps(const SurveyPacket& packet) override {
        std::lock_guard lock(mutex_);
        survey_packets_.push_back(packet);
        return true;
    }
    bool DeleteDevice(std::string_view mac) override {
        std::lock_guard lock(mutex_);
        deleted_.emplace_back(mac);
        return devices_.erase(std::string(mac)) > 0;
    }
    bool UpdateUptime(std::string_view mac, std::string_view ip, uint32_t up_time) override {
        std::lock_guard lock(mutex_);
        uptime_updates_.push_back({std::string(mac), std::string(ip), up_time});
        const auto it = devices_.find(std::string(mac));
        if (it == devices_.end())
            return false;
        it->second.up_time = up_time;
        const Ipv4Bytes bytes = IpTextToBytes(ip);
        std::copy(bytes.begin(), bytes.end(), it->second.ip);
        return true;
    }
    bool SetDeviceStatus(std::string_view mac, uint32_t status) override {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(std::string(mac));
        if (it == devices_.end())
            return false;
        it->second.ap_status = status;
        return true;
    }
    bool MarkUpgrading(std::string_view mac) override {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(std::string(mac));
        if (it == devices_.end() || it->second.ap_status != kStatusUpgradeWaiting)
            return false;
        it->second.ap_status = kStatusUpgrading;
        return true;
    }
    std::optional<DevicePage> QueryDevices(int, bool, std::string_view, int, int) override {
        std::lock_guard lock(mutex_);
        DevicePage page;
        for (const auto& [mac, record] : devices_)
            page.devices.push_back(record);
        page.page_count = 1;
        page.online_count = static_cast<int>(page.devices.size());
        return page;
    }
    std::optional<ap_info_stu> GetDevice(std::string_view mac) override {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(std::string(mac));
        return it == devices_.end() ? ZeroRecord() : it->second;
    }
    std::optional<std::vector<std::string>> GetAllIp() override {
        std::lock_guard lock(mutex_);
        std::vector<std::string> ips;
        for (const auto& [mac, record] : devices_)
            ips.push_back(IpBytesToText(record.ip));
        return ips;
    }
    std::optional<std::vector<std::string>> GetAllMac() override {
        std::lock_guard lock(mutex_);
        std::vector<std::string> macs;
        for (const auto& [mac, record] : devices_)
            macs.push_back(mac);
        return macs;
    }
    std::optional<std::vector<config_otherwl_basic>> QuerySurveyedAps(int, bool) override {
        return std::vector<config_otherwl_basic>{};
    }
    std::optional<config_otherwl_basic> GetSurveyedAp(std::string_view) override {
        return config_otherwl_basic{};
    }
    bool DeleteSurveyedAps() override { return true; }
    bool IsUpgradeWaiting(std::string_view mac) override {
        return GetDeviceStatus(mac) == kStatusUpgradeWaiting;
    }
    bool ClearUpgradeFail(std::string_view) override { return true; }
    uint32_t GetDeviceStatus(std::string_view mac) override {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(std::string(mac));
        return it == devices_.end() ? 0 : it->second.ap_status;
    }
    bool HasBridgedStation(std::string_view) override { return false; }
    std::optional<std::string> FindBridgePeer(std::string_view) override { return std::nullopt; }

    // --- what the test looks at ---
    struct UptimeUpdate {
        std::string mac;
        std::string ip;
        uint32_t up_time;
    };
    std::optional<ap_info_stu> Find(const std::string& mac) {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(mac);
        if (it == devices_.end())
            return std::nullopt;
        return it->second;
    }
    void Put(const ap_info_stu& record) {
        std::lock_guard lock(mutex_);
        devices_[RecordMac(record)] = record;
    }
    std::size_t device_count() {
        std::lock_guard lock(mutex_);
        return devices_.size();
    }
    std::vector<SurveyPacket> survey_packets() {
        std::lock_guard lock(mutex_);
        return survey_packets_;
    }
    std::vector<UptimeUpdate> uptime_updates() {
        std::lock_guard lock(mutex_);
        return uptime_updates_;
    }
    std::vector<std::string> deleted() {
        std::lock_guard lock(mutex_);
        return deleted_;
    }

private:
    std::mutex mutex_;
    std::map<std::string, ap_info_stu> devices_;
    std::vector<SurveyPacket> survey_packets_;
    std::vector<UptimeUpdate> uptime_updates_;
    std::vector<std::string> deleted_;
};

// One datagram the engine would have sent.
struct SentDatagram {
    enum Kind { kGroup, kSearch, kSearchToAll } kind;
    std::string local_ip;
    std::string destination;
    std::vector<uint8_t> bytes;

    uint16_t message() const { return ParseHeader(bytes)->message; }
    std::string mac() const { return ParseHeader(bytes)->mac_text(); }
    std::vector<uint8_t> payload() const {
        return std::vector<uint8_t>(bytes.begin() + kHeaderSize, bytes.end());
    }
};

// Shared with the test after the engine took ownership of the sender.
struct SentLog {
    std::mutex mutex;
    std::vector<SentDatagram> sent;
    bool fail_sends = false;
    // Runs after a datagram is recorded, before the send returns: a device that answers at once.
    std::function<void(const SentDatagram&)> on_send;

    std::vector<SentDatagram> Take() {
        std::lock_guard lock(mutex);
        return std::exchange(sent, {});
    }
    std::vector<SentDatagram> Snapshot() {
        std::lock_guard lock(mutex);
        return sent;
    }
};

class RecordingSender final : public DatagramSender {
public:
    explicit RecordingSender(SentLog& log) : log_(log) {}
    bool Open() override { return true; }
    void Close() override {}
    bool SendToGroup(std::string_view local_ip, std::span<const uint8_t> datagram) override {
        return Record(SentDatagram::kGroup, local_ip, std::string(kMulticastGroup), datagram);
    }
    bool SendSearch(std::string_view local_ip, std::string_view broadcast_ip,
                    std::span<const uint8_t> datagram) override {
        return Record(SentDatagram::kSearch, local_ip, broadcast_ip, datagram);
    }
    bool SendSearchToAll(std::span<const uint8_t> datagram) override {
        return Record(SentDatagram::kSearchToAll, "", "255.255.255.255", datagram);
    }

private:
    bool Record(SentDatagram::Kind kind, std::string_view local, std::string_view to,
                std::span<const uint8_t> datagram) {
        SentDatagram sent{kind, std::string(local), std::string(to),
                          std::vector<uint8_t>(datagram.begin(), datagram.end())};
        std::function<void(const SentDatagram&)> on_send;
        {
            std::lock_guard lock(log_.mutex);
            if (log_.fail_sends)
                return false;
            log_.sent.push_back(sent);
            on_send = log_.on_send;
        }
        if (on_send)
            on_send(sent);
        return true;
    }
    SentLog& log_;
};

class FixedAdapters final : public AdapterSource {
public:
    explicit FixedAdapters(std::vector<LocalAdapter> adapters) : adapters_(std::move(adapters)) {}
    std::vector<LocalAdapter> ReadAdapters() override { return adapters_; }

private:
    std::vector<LocalAdapter> adapters_;
};

struct FrameLog {
    std::mutex mutex;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> frames;
};

class RecordingFrames final : public FrameSender {
public:
    RecordingFrames(std::vector<std::string> devices, FrameLog& log)
        : devices_(std::move(devices)), log_(log) {}
    std::vector<std::string> ListDevices() override { return devices_; }
    bool SendFrame(const std::string& device, std::span<const uint8_t> frame) override {
        std::lock_guard lock(log_.mutex);
        log_.frames.emplace_back(device, std::vector<uint8_t>(frame.begin(), frame.end()));
        return true;
    }

private:
    std::vector<std::string> devices_;
    FrameLog& log_;
};

inline LocalAdapter Adapter(std::string name, MacBytes mac,
                            std::vector<std::pair<std::string, std::string>> addresses) {
    LocalAdapter adapter;
    adapter.name = std::move(name);
    adapter.description = adapter.name;
    adapter.mac = mac;
    for (auto& [address, mask] : addresses)
        adapter.addresses.push_back({address, mask, {}});
    return adapter;
}

}  // namespace brelvo::test
