// How fast the device store takes reports and answers the list pages when the segment holds
// thousands of devices. Targets: 20,000 saves a second into a table of 10,000 devices; a page
// of 30 sorted by address with a search text within 5 ms at 10,000 rows.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "core/protocol/address_text.h"
#include "core/protocol/device_record.h"
#include "core/store/sql_management.h"

namespace {

using brelvo::core::ap_info_stu;
using brelvo::core::CSqlManagement;

std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("brelvo-store-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// A device of a fleet as a report leaves it: every searched text filled in.
ap_info_stu FleetDevice(int n) {
    ap_info_stu r = brelvo::core::ZeroRecord();
    char text[40];
    std::snprintf(text, sizeof text, "00:90:4c:%02x:%02x:%02x", (n >> 16) & 0xFF, (n >> 8) & 0xFF,
                  n & 0xFF);
    brelvo::core::SetRecordMac(r, text);
    r.ap_type = static_cast<uint16_t>(n % 3 == 0 ? 267 : 1 + n % 18);
    r.work_mode = static_cast<uint8_t>(1 + n % 3);
    r.up_time = static_cast<uint32_t>(n * 37);
    std::snprintf(text, sizeof text, "192.168.%d.%d", n / 250 % 256, n % 250 + 1);
    const auto ip = brelvo::core::IpTextToBytes(text);
    std::memcpy(r.ip, ip.data(), 4);
    std::snprintf(text, sizeof text, "site-%05d tower", n);
    brelvo::core::WriteTextField(r.ap_name, r.ap_name_len, text);
    brelvo::core::WriteTextField(r.version, r.version_len, "V2.3.7 build 0419");
    std::snprintf(text, sizeof text, "backhaul-%03d", n % 500);
    brelvo::core::WriteTextField(r.ssid, r.ssid_len, text);
    brelvo::core::WriteTextField(r.wpapsk_key_value, r.wpapsk_key_len, "a-long-pass-phrase-1234");
    r.channel = static_cast<uint8_t>(36 + (n % 8) * 4);
    r.tx_power = static_cast<uint8_t>(10 + n % 18);
    r.secure_mode = static_cast<uint8_t>(n % 7);
    r.bridge_transparent = static_cast<uint8_t>(n % 2);
    r.tdmaEn = static_cast<uint8_t>(n % 2);
    return r;
}

// One store per fleet size, filled once and kept for every benchmark of that size.
CSqlManagement& FleetStore(int rows) {
    static std::map<int, std::unique_ptr<CSqlManagement>> stores;
    auto& store = stores[rows];
    if (!store) {
        store = std::make_unique<CSqlManagement>(BenchFolder() /
                                                 ("fleet-" + std::to_string(rows) + ".db"));
        for (int n = 0; n < rows; ++n)
            store->SaveDevice(FleetDevice(n));
    }
    return *store;
}

// A device that reports again: the row exists and every column is rewritten.
void BM_SaveDeviceReportAgain(benchmark::State& state) {
    CSqlManagement& store = FleetStore(10000);
    int n = 0;
    for (auto _ : state) {
        ap_info_stu r = FleetDevice(n % 10000);
        r.up_time += 1;
        if (!store.SaveDevice(r))
            state.SkipWithError("save failed");
        ++n;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveDeviceReportAgain);

// A device seen for the first time, into a table that already holds 10,000.
void BM_SaveDeviceNew(benchmark::State& state) {
    CSqlManagement store(BenchFolder() / "new-devices.db");
    for (int n = 0; n < 10000; ++n)
        store.SaveDevice(FleetDevice(n));
    int n = 10000;
    for (auto _ : state) {
        if (!store.SaveDevice(FleetDevice(n++)))
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveDeviceNew);

// The status page: page 1 of 30 rows sorted by address, with no search, a search that finds
// some rows, and one that finds none (every column of every row is compared).
void BM_QueryDevicesPage(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const char* const searches[] = {"", "192.168.3", "no-such-device"};
    const char* search = searches[state.range(1)];
    CSqlManagement& store = FleetStore(rows);
    for (auto _ : state) {
        auto page = store.QueryDevices(brelvo::core::kSortIp, true, search, 30, 1);
        if (!page)
            state.SkipWithError("query failed");
        benchmark::DoNotOptimize(page);
    }
    state.SetLabel(*search == '\0' ? "no search" : search);
}
BENCHMARK(BM_QueryDevicesPage)
    ->ArgNames({"rows", "search"})
    ->ArgsProduct({{1000, 10000}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);

// A page deep in the list, where the offset makes the engine walk the sorted rows before it.
void BM_QueryDevicesLastPage(benchmark::State& state) {
    CSqlManagement& store = FleetStore(10000);
    for (auto _ : state) {
        auto page = store.QueryDevices(brelvo::core::kSortName, false, "", 30, 334);
        if (!page || page->devices.size() != 10)
            state.SkipWithError("unexpected page");
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_QueryDevicesLastPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(BenchFolder(), ignored);
    return 0;
}
