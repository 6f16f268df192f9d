#include "cli/request_sending.h"

#include <algorithm>
#include <thread>

#include "cli/interruption.h"
#include "core/protocol/address_text.h"

namespace brelvo::cli {

namespace {

// Short, so that an answer just before the give-up moment is still seen as one.
constexpr std::chrono::milliseconds kPollPeriod{5};
// Beyond the give-up moment, for a retransmitter that runs late on a busy machine.
constexpr std::chrono::milliseconds kGiveUpGrace{2000};

struct Watched {
    DeviceResult result;
    std::string mac;
    uint16_t message = 0;
    Clock::time_point sent_at{};
    bool settled = false;
};

}  // namespace

std::chrono::milliseconds GiveUpDelay(const core::TransportSettings& settings) {
    const int64_t tries = int64_t{std::max(settings.retransmission_max, 0)} + 1;
    return std::chrono::milliseconds(tries * std::max(settings.retransmission_interval, 0));
}

std::vector<DeviceResult> SendAndWait(core::DeviceEngine& engine,
                                      const core::TransportSettings& settings,
                                      std::span<const PlannedSend> plan) {
    std::vector<Watched> watched;
    watched.reserve(plan.size());
    for (const PlannedSend& send : plan) {
        if (send.pause_before.count() > 0)
            std::this_thread::sleep_for(send.pause_before);
        Watched entry;
        entry.mac = core::TargetMac(send.target);
        entry.message = send.request.message;
        entry.result = {entry.mac, core::TargetIp(send.target), DeviceOutcome::kNoAnswer,
                        send.detail};
        if (!send.new_ip.empty())
            engine.NoteNewIp(entry.mac, entry.result.ip, send.new_ip);
        entry.sent_at = Clock::now();
        if (!engine.SendRequest(entry.result.ip, send.request.message, send.request.payload,
                                entry.mac, true)) {
            entry.result.outcome = DeviceOutcome::kUnreachable;
            entry.result.detail = "no local address in its subnet";
            entry.settled = true;
        }
        watched.push_back(std::move(entry));
    }

    const auto give_up = GiveUpDelay(settings);
    for (;;) {
        bool waiting = false;
        const auto now = Clock::now();
        for (Watched& entry : watched) {
            if (entry.settled)
                continue;
            if (!engine.IsPending(entry.mac, entry.message)) {
                entry.settled = true;
                if (!engine.WasGivenUp(entry.mac, entry.message))
                    entry.result.outcome = DeviceOutcome::kAcknowledged;
            } else if (now - entry.sent_at > give_up + kGiveUpGrace || Interrupted()) {
                entry.settled = true;
            } else {
                waiting = true;
            }
        }
        if (!waiting)
            break;
        std::this_thread::sleep_for(kPollPeriod);
    }

    std::vector<DeviceResult> results;
    results.reserve(watched.size());
    for (Watched& entry : watched)
        results.push_back(std::move(entry.result));
    return results;
}

}  // namespace brelvo::cli
