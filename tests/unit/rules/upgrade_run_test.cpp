#include "core/rules/upgrade_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/rules/upgrade_setup.h"

namespace brelvo::core {
namespace {

constexpr std::string_view kA = "00:00:00:00:00:0a";      // model 14
constexpr std::string_view kB = "00:00:00:00:00:0b";      // model 14
constexpr std::string_view kOther = "00:00:00:00:00:0c";  // model 1, not upgraded

// The dialog, the store and the engine as the run sees them: statuses the test scripts, and a
// log of everything the run asked for, stamped with the second it happened in.
class FakeHost : public UpgradeRunHost {
public:
    int now = 0;
    std::map<std::string, uint32_t, std::less<>> status;
    std::vector<std::string> log;
    std::vector<std::pair<int, UpgradeProgress>> progress;
    std::map<int, int> mirrored_rows;                      // second -> rows shown
    std::map<int, std::map<std::string, uint32_t>> shown;  // second -> mac -> status shown
    // How a device answers the type-16 request.
    uint32_t status_after_go_ahead = kStatusUpgrading;

    uint32_t DeviceStatus(std::string_view mac) override {
        const auto it = status.find(mac);
        return it == status.end() ? 0 : it->second;
    }
    void ClearUpgradeFail(std::string_view mac) override {
        Log("clear " + std::string(mac));
        auto it = status.find(mac);
        if (it != status.end() && it->second == kStatusUpgradeFailed)
            it->second = kStatusOnline;
    }
    void SendRequest(const device_target& target, uint16_t message,
                     std::span<const uint8_t> payload) override {
        Log("send " + std::to_string(message) + " " + TargetMac(target) + " " +
            std::to_string(payload.size()));
        last_payload.assign(payload.begin(), payload.end());
        if (message == 16 && status[TargetMac(target)] == kStatusUpgradeWaiting)
            status[TargetMac(target)] = status_after_go_ahead;
    }
    void SearchDevices() override { Log("search"); }
    void ShowProgress(const UpgradeProgress& p) override { progress.emplace_back(now, p); }
    void ShowDeviceStatus(std::string_view mac, uint32_t s) override {
        ++mirrored_rows[now];
        shown[now][std::string(mac)] = s;
    }
    void SetRunning(bool running) override { Log(running ? "running" : "idle"); }
    void StartFileServer() override { Log("start server"); }
    void StopFileServer() override { Log("stop server"); }
    void StartWorker() override { Log("start worker"); }
    void Close() override { Log("close"); }

    std::vector<uint8_t> last_payload;

    std::vector<std::string> Entries(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const auto& entry : log) {
            if (entry.find(prefix) != std::string::npos)
                out.push_back(entry);
        }
        return out;
    }

private:
    void Log(const std::string& what) { log.push_back(std::to_string(now) + ": " + what); }
};

std::vector<device_target> Targets() {
    return {MakeTarget("10.0.0.10", std::string(kA), 14),
            MakeTarget("10.0.0.12", std::string(kOther), 1),
            MakeTarget("10.0.0.11", std::string(kB), 14)};
}

// Runs the dialog's second-by-second life: the worker finds the file server at once and sends
// the batch 3 s after the start; `script` changes device statuses at the start of a second.
void Drive(FakeHost& host, UpgradeRun& run, const std::function<void(int)>& script,
           int seconds = 400) {
    host.now = 0;
    run.Start();
    for (int t = 1; t <= seconds && !run.finished(); ++t) {
        host.now = t;
        script(t);
        run.Tick();
        if (t == 3)
            run.SendBatch();
    }
}

UpgradeRun MakeRun(FakeHost& host) {
    host.status = {{std::string(kA), kStatusOnline},
                   {std::string(kB), kStatusOnline},
                   {std::string(kOther), kStatusOnline}};
    return UpgradeRun(host, Targets(), 14, MakeUpgradeFileInfo("fw.bin", 7'340'032));
}

TEST(UpgradeRun, StartShowsTheTransferPhase) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    run.Start();
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"0: running", "0: start server", "0: start worker"}));
    ASSERT_EQ(host.progress.size(), 1u);
    EXPECT_EQ(host.progress[0].second,
              (UpgradeProgress{1, 120, 0, "Upgrade file transfer progress"}));
    EXPECT_EQ(run.type_targets().size(), 2u);
}

TEST(UpgradeRun, NoDeviceAnswers) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    Drive(host, run, [](int) {});

    // Only the devices of the chosen type are asked, each cleared of an old failure first.
    EXPECT_EQ(host.Entries("send"), (std::vector<std::string>{"3: send 11 00:00:00:00:00:0a 268",
                                                              "3: send 11 00:00:00:00:00:0b 268"}));
    EXPECT_EQ(host.Entries("clear"), (std::vector<std::string>{"3: clear 00:00:00:00:00:0a",
                                                               "3: clear 00:00:00:00:00:0b"}));
    // The transfer phase runs its full 120 s, the installation its full 130 s; the batch
    // closes during the installation without a go-ahead.
    EXPECT_EQ(host.Entries("search"),
              (std::vector<std::string>{"244: search", "247: search", "250: search"}));
    EXPECT_EQ(host.Entries("close"), (std::vector<std::string>{"250: close"}));
    EXPECT_EQ(host.Entries("stop server"), (std::vector<std::string>{"250: stop server"}));
    EXPECT_EQ(host.Entries("idle"), (std::vector<std::string>{"250: idle"}));
    EXPECT_TRUE(run.done());

    std::map<int, UpgradeProgress> at(host.progress.begin(), host.progress.end());
    EXPECT_EQ(at[1], (UpgradeProgress{1, 120, 1, "Upgrade file transfer progress"}));
    EXPECT_EQ(at[119], (UpgradeProgress{1, 120, 119, "Upgrade file transfer progress"}));
    EXPECT_EQ(at[120], (UpgradeProgress{2, 130, 0, "Firmware upgrading progress"}));
    EXPECT_EQ(at[121], (UpgradeProgress{2, 130, 1, "Firmware upgrading progress"}));
    EXPECT_EQ(at[250], (UpgradeProgress{2, 130, 130, "Firmware upgrading progress"}));
    // The Status column follows every ticked device, the other model's too, every second.
    EXPECT_EQ(host.mirrored_rows[1], 3);
    EXPECT_EQ(host.mirrored_rows[250], 0);
    EXPECT_EQ(host.mirrored_rows[249], 3);
}

TEST(UpgradeRun, TwoDevicesSucceed) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    Drive(host, run, [&host](int t) {
        if (t == 8) {  // both upgrade notices carried result 0
            host.status[std::string(kA)] = kStatusUpgradeWaiting;
            host.status[std::string(kB)] = kStatusUpgradeWaiting;
        }
        if (t == 100) {
            host.status[std::string(kA)] = kStatusUpgradeSucceeded;
            host.status[std::string(kB)] = kStatusUpgradeSucceeded;
        }
    });
    // The batch closes at the next batch tick and both are told to go ahead; the transfer
    // phase ends at its next tick and the bar restarts at 0 of 130.
    EXPECT_EQ(host.Entries("send 16"),
              (std::vector<std::string>{"8: send 16 00:00:00:00:00:0a 0",
                                        "8: send 16 00:00:00:00:00:0b 0"}));
    std::map<int, UpgradeProgress> at(host.progress.begin(), host.progress.end());
    EXPECT_EQ(at[7], (UpgradeProgress{1, 120, 7, "Upgrade file transfer progress"}));
    EXPECT_EQ(at[8], (UpgradeProgress{2, 130, 0, "Firmware upgrading progress"}));
    EXPECT_EQ(host.Entries("search"),
              (std::vector<std::string>{"132: search", "135: search", "138: search"}));
    EXPECT_EQ(host.Entries("close"), (std::vector<std::string>{"138: close"}));
    EXPECT_EQ(host.shown[9][std::string(kA)], kStatusUpgrading);
    EXPECT_EQ(host.shown[100][std::string(kB)], kStatusUpgradeSucceeded);
    EXPECT_EQ(host.shown[100][std::string(kOther)], kStatusOnline);
}

TEST(UpgradeRun, EveryDeviceFails) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    // A device that failed an earlier upgrade is online again before it is asked.
    host.status[std::string(kA)] = kStatusUpgradeFailed;
    Drive(host, run, [&host](int t) {
        if (t == 3) {
            EXPECT_EQ(host.status[std::string(kA)], kStatusUpgradeFailed);
        }
        if (t == 4) {
            EXPECT_EQ(host.status[std::string(kA)], kStatusOnline);
        }
        if (t == 10) {
            host.status[std::string(kA)] = kStatusUpgradeFailed;
            host.status[std::string(kB)] = kStatusUpgradeFailed;
        }
    });
    EXPECT_TRUE(host.Entries("send 16").empty());
    EXPECT_TRUE(host.Entries("search").empty());
    EXPECT_EQ(host.Entries("stop server"), (std::vector<std::string>{"10: stop server"}));
    EXPECT_EQ(host.Entries("close"), (std::vector<std::string>{"10: close"}));
    // The bar never reaches the installation phase.
    EXPECT_TRUE(std::none_of(host.progress.begin(), host.progress.end(),
                             [](const auto& p) { return p.second.phase == 2; }));
}

TEST(UpgradeRun, OneFailsOneWaits) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    Drive(host, run, [&host](int t) {
        if (t == 20)
            host.status[std::string(kA)] = kStatusUpgradeFailed;
        if (t == 30)
            host.status[std::string(kB)] = kStatusUpgradeWaiting;
    });
    EXPECT_EQ(host.Entries("send 16"),
              (std::vector<std::string>{"30: send 16 00:00:00:00:00:0b 0"}));
    EXPECT_EQ(host.Entries("close"), (std::vector<std::string>{"160: close"}));
}

TEST(UpgradeRun, ADeviceLeavingTheStoreSettlesTheBatch) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    Drive(host, run, [&host](int t) {
        if (t == 50) {
            host.status.erase(std::string(kA));
            host.status[std::string(kB)] = kStatusUpgradeSucceeded;
        }
    });
    EXPECT_TRUE(host.Entries("send 16").empty());
    // Phase 1 ends with the closed batch at 50, so the run closes 130 s later.
    EXPECT_EQ(host.Entries("close"), (std::vector<std::string>{"180: close"}));
}

TEST(UpgradeRun, TheRequestNamesTheImage) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    run.Start();
    run.SendBatch();
    ASSERT_EQ(host.last_payload.size(), 268u);
    EXPECT_EQ(std::string(host.last_payload.begin(), host.last_payload.begin() + 6), "fw.bin");
    EXPECT_EQ(host.last_payload[260], 6);
    EXPECT_EQ(std::vector<uint8_t>(host.last_payload.end() - 4, host.last_payload.end()),
              (std::vector<uint8_t>{0x00, 0x00, 0x70, 0x00}));
}

TEST(UpgradeRun, NothingHappensAfterTheEnd) {
    FakeHost host;
    UpgradeRun run = MakeRun(host);
    Drive(host, run, [](int) {});
    ASSERT_TRUE(run.finished());
    const std::size_t entries = host.log.size();
    const std::size_t shown = host.progress.size();
    run.Tick();
    run.TickBatchWatch();
    run.TickTransfer();
    run.TickInstall();
    run.TickStatusMirror();
    run.SendBatch();
    EXPECT_EQ(host.log.size(), entries);
    EXPECT_EQ(host.progress.size(), shown);
}

TEST(UpgradeRun, WorkerWaitsForTheFileServer) {
    struct Case {
        int found_at_look;  // 0: never
        std::vector<int> sleeps;
        int looks;
    };
    const Case cases[] = {
        {1, {3000}, 1},
        {2, {3000, 1000}, 2},
        {3, {3000, 1000, 1000}, 3},
        {0, {3000, 1000, 1000}, 3},
    };
    for (const auto& c : cases) {
        std::vector<int> sleeps;
        int looks = 0;
        const bool go_on =
            UpgradeRun::WaitForFileServer([&] { return ++looks == c.found_at_look; },
                                          [&](std::chrono::milliseconds ms) {
                                              sleeps.push_back(static_cast<int>(ms.count()));
                                              return true;
                                          });
        EXPECT_TRUE(go_on);
        EXPECT_EQ(sleeps, c.sleeps) << c.found_at_look;
        EXPECT_EQ(looks, c.looks) << c.found_at_look;
    }

    int looks = 0;
    EXPECT_FALSE(UpgradeRun::WaitForFileServer([&] { return ++looks > 0; },
                                               [](std::chrono::milliseconds) { return false; }));
    EXPECT_EQ(looks, 0);
}

}  // namespace
}  // namespace brelvo::core
