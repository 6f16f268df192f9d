#include "cli/device_search.h"

#include <algorithm>
#include <limits>
#include <thread>

#include "cli/interruption.h"
#include "core/rules/timelines.h"

namespace brelvo::cli {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollPeriod{100};

void StartSearch(core::DeviceEngine& engine) {
    engine.RefreshCaptureDevices();
    engine.SendLeaveToFound();
    engine.DropFoundEntries();
    engine.PurgeStaleDevices();
    engine.SearchDevices();
}

bool IsStored(core::DeviceStore& store, const std::string& mac) {
    const auto record = store.GetDevice(mac);
    return record && core::RecordMac(*record) == mac;
}

}  // namespace

bool SearchUntil(core::DeviceEngine& engine, std::chrono::milliseconds limit,
                 const std::function<bool()>& done) {
    const auto start = Clock::now();
    const auto end = start + limit;
    StartSearch(engine);
    core::StatusSearchTimeline timeline;
    auto next_tick = start + core::StatusSearchTimeline::kTickPeriod;
    for (;;) {
        if (done())
            return true;
        const auto now = Clock::now();
        if (now >= end || Interrupted())
            return false;
        if (now >= next_tick) {
            next_tick += core::StatusSearchTimeline::kTickPeriod;
            const core::StatusSearchStep step = timeline.Tick();
            if (step.finished) {
                // The page's search is over; the tool goes on as a second press of "Search".
                timeline = core::StatusSearchTimeline();
                StartSearch(engine);
            } else if (step.search_and_refresh) {
                engine.SearchDevices();
            }
        }
        std::this_thread::sleep_until(std::min({now + kPollPeriod, next_tick, end}));
    }
}

DeviceLookup FindDevices(core::DeviceEngine& engine, core::DeviceStore& store,
                         std::span<const std::string> macs, std::chrono::milliseconds limit) {
    SearchUntil(engine, limit, [&] {
        return std::all_of(macs.begin(), macs.end(),
                           [&](const std::string& mac) { return IsStored(store, mac); });
    });
    DeviceLookup lookup;
    const auto answered = engine.ListFoundDevices(std::numeric_limits<std::size_t>::max(), "");
    for (const std::string& mac : macs) {
        const auto record = store.GetDevice(mac);
        if (record && core::RecordMac(*record) == mac) {
            lookup.found.push_back(*record);
            continue;
        }
        const bool seen = std::any_of(
            answered.begin(), answered.end(),
            [&](const core::ap_info_stu& partial) { return core::RecordMac(partial) == mac; });
        lookup.missing.push_back({mac, seen});
    }
    return lookup;
}

}  // namespace brelvo::cli
