// A store and an engine that answer every call with "nothing there": no rows, no adapters,
// nothing sent. Test fakes derive from them and override only what their test looks at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/device_engine.h"
#include "core/store/device_store.h"

namespace brelvo::test {

class QuietDeviceStore : public core::DeviceStore {
public:
    bool SaveDevice(const core::ap_info_stu&) override { return true; }
    bool SaveSurveyedAps(const core::SurveyPacket&) override { return true; }
    bool DeleteDevice(std::string_view) override { return true; }
    bool UpdateUptime(std::string_view, std::string_view, uint32_t) override { return true; }
    bool SetDeviceStatus(std::string_view, uint32_t) override { return true; }
    bool MarkUpgrading(std::string_view) override { return true; }
    std::optional<core::DevicePage> QueryDevices(int, bool, std::string_view, int, int) override {
        return core::DevicePage{};
    }
    std::optional<core::ap_info_stu> GetDevice(std::string_view) override {
        return core::ZeroRecord();
    }
    std::optional<std::vector<std::string>> GetAllIp() override {
        return std::vector<std::string>{};
    }
    std::optional<std::vector<std::string>> GetAllMac() override {
        return std::vector<std::string>{};
    }
    std::optional<std::vector<core::config_otherwl_basic>> QuerySurveyedAps(int, bool) override {
        return std::vector<core::config_otherwl_basic>{};
    }
    std::optional<core::config_otherwl_basic> GetSurveyedAp(std::string_view) override {
        return core::config_otherwl_basic{};
    }
    bool DeleteSurveyedAps() override { return true; }
    bool IsUpgradeWaiting(std::string_view) override { return false; }
    bool ClearUpgradeFail(std::string_view) override { return false; }
    uint32_t GetDeviceStatus(std::string_view) override { return 0; }
    bool HasBridgedStation(std::string_view) override { return false; }
    std::optional<std::string> FindBridgePeer(std::string_view) override { return std::nullopt; }
};

class QuietDeviceEngine : public core::DeviceEngine {
public:
    void SearchDevices() override {}
    bool SendRequest(std::string_view, uint16_t, std::span<const uint8_t>, std::string_view,
                     bool) override {
        return false;
    }
    bool IsPending(std::string_view, uint16_t) override { return false; }
    std::vector<core::LocalAdapter> GetAdapters() override { return {}; }
    void RefreshCaptureDevices() override {}
    void SendLeaveToFound() override {}
    void DropFoundEntries() override {}
    void PurgeStaleDevices() override {}
    std::vector<core::ap_info_stu> ListFoundDevices(std::size_t, std::string_view) override {
        return {};
    }
    void NoteNewIp(std::string_view, std::string_view, std::string_view) override {}
    bool SurveyComplete() const override { return false; }
};

}  // namespace brelvo::test
