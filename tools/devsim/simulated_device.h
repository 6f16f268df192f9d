// One simulated device: the record it reports and what each request does to it.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/protocol/device_record.h"

namespace brelvo::devsim {

using Clock = std::chrono::steady_clock;

struct SimulatedDevice {
    core::ap_info_stu record{};   // what the device reports (its information block)
    core::ap_info_stu factory{};  // what a factory reset brings back
    std::string mac;
    std::string ip;
    std::string system_ip;  // who searched it last; empty until then or after a leave
    bool sends_report = true;
    Clock::time_point silent_until{};  // rebooting or resetting until then
    Clock::time_point started = Clock::now();

    bool silent(Clock::time_point now) const { return now < silent_until; }

    // Payloads the device sends.
    std::vector<uint8_t> Summary(Clock::time_point now) const;  // 112 bytes
    std::vector<uint8_t> Report(Clock::time_point now) const;   // 756 bytes
};

struct DeviceSeed {
    int index = 0;
    std::string mac;
    std::string ip;
    std::string mask;
    std::string gateway;
    uint16_t model = 1;
    std::string name;
};

SimulatedDevice MakeDevice(const DeviceSeed& seed);

// The changes of the configuration requests; each reads its payload within its size only.
void ApplyAddressing(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplyWireless(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplySchedule(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplyName(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplyVlan(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplyFeatures(SimulatedDevice& device, std::span<const uint8_t> payload);
void ApplyBridge(SimulatedDevice& device, std::span<const uint8_t> payload);
void RestoreFactory(SimulatedDevice& device);

// The device as a neighbour in another device's site survey.
core::config_otherwl_basic AsSurveyEntry(const SimulatedDevice& device, int signal);

}  // namespace brelvo::devsim
