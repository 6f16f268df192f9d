#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "store_fixture.h"

namespace brelvo::test {
namespace {

std::string Mac(int writer, int n) {
    char text[18];
    std::snprintf(text, sizeof text, "00:00:00:%02x:%02x:%02x", writer, n / 256, n % 256);
    return text;
}

// The engine's workers save, update and delete while the window pages through the list. Every
// answer must be whole: no page longer than asked, no MAC twice, counts that fit each other.
using StoreConcurrency = StoreTest;

TEST_F(StoreConcurrency, WritersAndAPagingReader) {
    constexpr int kWriters = 2;
    constexpr int kDevices = 60;
    constexpr int kRounds = 4;
    std::atomic<int> writers_left{kWriters};
    std::atomic<int> failures{0};

    std::vector<std::thread> threads;
    for (int writer = 0; writer < kWriters; ++writer) {
        threads.emplace_back([&, writer] {
            for (int round = 0; round < kRounds; ++round) {
                for (int n = 0; n < kDevices; ++n) {
                    auto r = Device(Mac(writer, n),
                                    "10.0." + std::to_string(writer) + "." + std::to_string(n));
                    r.up_time = static_cast<uint32_t>(round);
                    if (!store().SaveDevice(r))
                        ++failures;
                }
            }
            --writers_left;
        });
    }
    threads.emplace_back([&] {  // heartbeats and acknowledgements
        while (writers_left > 0) {
            for (int n = 0; n < kDevices; n += 7) {
                store().UpdateUptime(Mac(0, n), "10.0.0.200", 99);
                store().SetDeviceStatus(Mac(1, n), 6);
                store().MarkUpgrading(Mac(1, n));
            }
        }
    });
    threads.emplace_back([&] {  // devices that age out
        while (writers_left > 0) {
            for (int n = 0; n < kDevices; n += 5) {
                if (!store().DeleteDevice(Mac(0, n)))
                    ++failures;
            }
        }
    });
    threads.emplace_back([&] {  // the status page
        while (writers_left > 0) {
            for (int page = 1; page <= 5; ++page) {
                const auto rows = store().QueryDevices(core::kSortIp, page % 2 == 0,
                                                       page == 3 ? "10.0" : "", 30, page);
                if (!rows) {
                    ++failures;
                    continue;
                }
                std::set<std::string> macs;
                for (const auto& device : rows->devices)
                    macs.insert(core::RecordMac(device));
                const bool whole = rows->devices.size() <= 30 &&
                                   macs.size() == rows->devices.size() &&
                                   rows->online_count <= rows->page_count * 30 &&
                                   rows->online_count > (rows->page_count - 1) * 30;
                if (!whole)
                    ++failures;
            }
            const auto all = store().GetAllMac();
            if (!all || std::set<std::string>(all->begin(), all->end()).size() != all->size())
                ++failures;
        }
    });
    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ(failures, 0);
    // Whatever interleaving happened, every writer's devices are there once each, except the
    // ones that were deleted after their last save.
    for (int n = 0; n < kDevices; n += 5)
        ASSERT_TRUE(store().DeleteDevice(Mac(0, n)));
    std::set<std::string> expected;
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int n = 0; n < kDevices; ++n) {
            if (writer != 0 || n % 5 != 0)
                expected.insert(Mac(writer, n));
        }
    }
    const auto all = store().GetAllMac();
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->size(), expected.size());
    EXPECT_EQ(std::set<std::string>(all->begin(), all->end()), expected);
}

}  // namespace
}  // namespace brelvo::test
