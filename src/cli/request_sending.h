// Sending a batch of requests with retransmission and telling, per device, whether it answered.
//
// The engine keeps a request until its answer arrives or its repeats run out; once it no
// longer waits, the engine tells which of the two it was.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/device_results.h"
#include "core/engine/device_engine.h"
#include "core/protocol/device_record.h"
#include "core/rules/planned_request.h"
#include "core/support/settings.h"

namespace brelvo::cli {

using Clock = std::chrono::steady_clock;

// How long after its first send the engine gives an unanswered request up, at the earliest.
std::chrono::milliseconds GiveUpDelay(const core::TransportSettings& settings);

struct PlannedSend {
    core::device_target target{};
    core::PlannedRequest request;
    // For an addressing request: announced to the engine (NoteNewIp) just before it is sent.
    std::string new_ip;
    // Waited before this request goes out (the devices with a bridged station go first).
    std::chrono::milliseconds pause_before{0};
    std::string detail;  // shown beside the device's outcome
};

// Sends every request in order and waits until each is answered or given up. One result per
// request, in the same order: acknowledged, no answer, or unreachable.
std::vector<DeviceResult> SendAndWait(core::DeviceEngine& engine,
                                      const core::TransportSettings& settings,
                                      std::span<const PlannedSend> plan);

}  // namespace brelvo::cli
