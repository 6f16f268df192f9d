// Sending a batch of requests with retransmission and telling, per device, whether it answered.
//
// The engine keeps a request until its answer arrives or its repeats run out, and says only
// whether it still waits. It gives a request up no earlier than one interval after its last
// repeat, (retransmission_max + 1) intervals after the first send; a request that stops waiting
// before that moment was answered.
//
// The engine registers a request only after it went out, so an answer that is handled before
// that is lost to the pending list, and the request is repeated. Most devices answer the repeat
// as well; one that has acted on the first (moved to its new address, begun to restart) does
// not. For those the request carries a test of the answer's own effect.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
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

// Whether a request that stopped waiting `settled_after` its first send was answered.
bool SettledByAnswer(std::chrono::steady_clock::duration settled_after,
                     const core::TransportSettings& settings);

struct PlannedSend {
    core::device_target target{};
    core::PlannedRequest request;
    // For an addressing request: announced to the engine (NoteNewIp) just before it is sent.
    std::string new_ip;
    // Waited before this request goes out (the devices with a bridged station go first).
    std::chrono::milliseconds pause_before{0};
    std::string detail;  // shown beside the device's outcome
    // True once the answer's effect shows (the stored status, the device's online entry);
    // empty where the device answers every repeat.
    std::function<bool()> answer_seen;
};

// Sends every request in order and waits until each is answered or given up. One result per
// request, in the same order: acknowledged, no answer, or unreachable.
std::vector<DeviceResult> SendAndWait(core::DeviceEngine& engine,
                                      const core::TransportSettings& settings,
                                      std::span<const PlannedSend> plan);

}  // namespace brelvo::cli
