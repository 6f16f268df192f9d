// Discovery at scale: one search as the status page runs it against a simulated fleet, timed
// from the first search until every device is stored with its full report. Runs in the system
// namespace of a pair that run_discovery_bench.sh made, with brelvo-devsim on the device side.
// Prints one line of figures: key=value pairs that the driver script puts into its table.
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>

#include "core/engine/device_comm.h"
#include "core/protocol/packet.h"
#include "core/rules/timelines.h"
#include "core/store/sql_management.h"
#include "counting_store.h"

namespace {

using namespace brelvo;
using Clock = std::chrono::steady_clock;

struct Arguments {
    std::size_t devices = 0;
    std::string loss = "0";  // shown only; the simulator drops the datagrams
};

bool Parse(int argc, char** argv, Arguments& arguments) {
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string_view flag = argv[k];
        const std::string_view value = argv[k + 1];
        if (flag == "--devices") {
            const auto result =
                std::from_chars(value.data(), value.data() + value.size(), arguments.devices);
            if (result.ec != std::errc())
                return false;
        } else if (flag == "--loss") {
            arguments.loss = value;
        } else {
            return false;
        }
    }
    return arguments.devices > 0;
}

// The peak resident set of this process (the engine, its threads and the store), in KiB.
long PeakResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Datagrams that a full receive buffer dropped on this namespace's sockets of one local port
// (the engine's receivers), from /proc/net/udp; read while the sockets are still open.
long long ReceiveDrops(unsigned port) {
    std::ifstream table("/proc/net/udp");
    std::string line;
    std::getline(table, line);  // the header
    long long drops = 0;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, last;
        fields >> slot >> local;
        for (std::string field; fields >> field;)
            last = field;
        const auto colon = local.find(':');
        if (colon != std::string::npos && std::stoul(local.substr(colon + 1), nullptr, 16) == port)
            drops += std::stoll(last);
    }
    return drops;
}

long long MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!Parse(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: brelvo_discovery_bench --devices N [--loss R]\n");
        return 2;
    }
    const auto file = std::filesystem::temp_directory_path() /
                      ("brelvo-discovery-bench-" + std::to_string(::getpid()) + ".db");
    core::CSqlManagement database(file);
    bench::CountingStore store(database, arguments.devices);
    core::CDeviceComm engine(store);
    if (!database.IsOpen() || !engine.Start(3, 2000)) {
        std::fprintf(stderr, "brelvo_discovery_bench: cannot open the store or the sockets\n");
        return 1;
    }

    // The status page's search: the start sequence, then a search every third second until the
    // thirtieth.
    engine.RefreshCaptureDevices();
    engine.SendLeaveToFound();
    engine.DropFoundEntries();
    engine.PurgeStaleDevices();
    const auto started = Clock::now();
    engine.SearchDevices();
    int searches = 1;
    core::StatusSearchTimeline timeline;
    auto next_tick = started + core::StatusSearchTimeline::kTickPeriod;
    for (;;) {
        if (store.all_stored_at())
            break;
        const auto now = Clock::now();
        if (now >= next_tick) {
            next_tick += core::StatusSearchTimeline::kTickPeriod;
            const core::StatusSearchStep step = timeline.Tick();
            if (step.finished)
                break;
            if (step.search_and_refresh) {
                engine.SearchDevices();
                ++searches;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto ended = Clock::now();

    const long long drops_search = ReceiveDrops(core::kPortSearchAnswer);
    const long long drops_heartbeat = ReceiveDrops(core::kPortHeartbeat);
    const long long drops_answer = ReceiveDrops(core::kPortAnswer);
    const auto page = database.QueryDevices(core::kSortIp, true, "", 1, 1);
    const long long rows = page ? page->page_count : -1;
    const auto half = store.half_stored_at();
    const auto all = store.all_stored_at();
    std::printf(
        "devices=%zu loss=%s half_ms=%lld all_ms=%lld stored=%lld missing=%lld saves=%zu "
        "searches=%d window_ms=%lld peak_rss_kib=%ld drops_9785=%lld drops_9787=%lld "
        "drops_9788=%lld\n",
        arguments.devices, arguments.loss.c_str(), half ? MillisecondsBetween(started, *half) : -1,
        all ? MillisecondsBetween(started, *all) : -1, rows,
        static_cast<long long>(arguments.devices) - rows, store.saves(), searches,
        MillisecondsBetween(started, ended), PeakResidentKib(), drops_search, drops_heartbeat,
        drops_answer);
    return 0;
}
