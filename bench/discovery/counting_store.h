// The real device store with a tally on top: when each device's first report was stored, and
// how many reports were stored in all (repeats included).
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_set>

#include "core/store/device_store.h"

namespace brelvo::bench {

class CountingStore final : public core::DeviceStore {
public:
    using Clock = std::chrono::steady_clock;

    CountingStore(core::DeviceStore& store, std::size_t expected)
        : store_(store), expected_(expected) {}

    std::size_t distinct() const;
    std::size_t saves() const;
    // When half of, and all of, the expected devices had been stored; nothing before.
    std::optional<Clock::time_point> half_stored_at() const;
    std::optional<Clock::time_point> all_stored_at() const;

    bool SaveDevice(const core::ap_info_stu& record) override;
    bool SaveSurveyedAps(const core::SurveyPacket& packet) override {
        return store_.SaveSurveyedAps(packet);
    }
    bool DeleteDevice(std::string_view mac) override { return store_.DeleteDevice(mac); }
    bool UpdateUptime(std::string_view mac, std::string_view ip, uint32_t up_time) override {
        return store_.UpdateUptime(mac, ip, up_time);
    }
    bool SetDeviceStatus(std::string_view mac, uint32_t status) override {
        return store_.SetDeviceStatus(mac, status);
    }
    bool MarkUpgrading(std::string_view mac) override { return store_.MarkUpgrading(mac); }
    std::optional<core::DevicePage> QueryDevices(int sort_key, bool ascending,
                                                 std::string_view search, int page_size,
                                                 int page) override {
        return store_.QueryDevices(sort_key, ascending, search, page_size, page);
    }
    std::optional<core::ap_info_stu> GetDevice(std::string_view mac) override {
        return store_.GetDevice(mac);
    }
    std::optional<std::vector<std::string>> GetAllIp() override { return store_.GetAllIp(); }
    std::optional<std::vector<std::string>> GetAllMac() override { return store_.GetAllMac(); }
    std::optional<std::vector<core::config_otherwl_basic>> QuerySurveyedAps(
        int sort_key, bool ascending) override {
        return store_.QuerySurveyedAps(sort_key, ascending);
    }
    std::optional<core::config_otherwl_basic> GetSurveyedAp(std::string_view mac) override {
        return store_.GetSurveyedAp(mac);
    }
    bool DeleteSurveyedAps() override { return store_.DeleteSurveyedAps(); }
    bool IsUpgradeWaiting(std::string_view mac) override { return store_.IsUpgradeWaiting(mac); }
    bool ClearUpgradeFail(std::string_view mac) override { return store_.ClearUpgradeFail(mac); }
    uint32_t GetDeviceStatus(std::string_view mac) override { return store_.GetDeviceStatus(mac); }
    bool HasBridgedStation(std::string_view mac) override { return store_.HasBridgedStation(mac); }
    std::optional<std::string> FindBridgePeer(std::string_view mac) override {
        return store_.FindBridgePeer(mac);
    }

private:
    core::DeviceStore& store_;
    const std::size_t expected_;
    mutable std::mutex mutex_;
    std::unordered_set<std::string> stored_;
    std::size_t saves_ = 0;
    std::optional<Clock::time_point> half_stored_at_;
    std::optional<Clock::time_point> all_stored_at_;
};

}  // namespace brelvo::bench
