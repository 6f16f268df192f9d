// The engine against the device simulator, over real sockets, inside the namespace pair that
// tests/net/netns_pair.sh made for this run (the test binary runs on its system side).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include <unistd.h>

#include "core/engine/device_comm.h"
#include "core/engine/request_catalogue.h"
#include "core/protocol/request_blocks.h"
#include "core/store/sql_management.h"
#include "devsim_process.h"
#include "engine/engine_fakes.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using namespace std::chrono_literals;
using test::DevsimProcess;
using test::Hex;
using test::LoggedDatagram;

// The simulator numbers its devices' MACs up from here.
constexpr char kFirstMac[] = "00:90:4c:77:00:00";
std::string MacOf(int k) {
    char text[18];
    std::snprintf(text, sizeof text, "00:90:4c:77:00:%02x", k);
    return text;
}

class EngineNet : public ::testing::Test {
protected:
    void SetUp() override {
        const auto pair = test::NetPair::FromEnvironment();
        if (!pair)
            GTEST_SKIP() << "not inside a namespace pair: run through tests/net/netns_pair.sh";
        pair_ = *pair;
    }

    void StartFleet(std::vector<std::string> arguments) {
        fleet_ = std::make_unique<DevsimProcess>(pair_, std::move(arguments));
        ASSERT_TRUE(fleet_->ready()) << "the simulator did not start";
    }

    void StartEngine(int retransmission_max = 3, int interval_ms = 300,
                     EngineOptions options = {}) {
        engine_ = std::make_unique<CDeviceComm>(store_, nullptr, nullptr, nullptr, options);
        ASSERT_TRUE(engine_->Start(retransmission_max, interval_ms));
    }

    // The search as the status page starts it.
    void Search() {
        engine_->RefreshCaptureDevices();
        engine_->SendLeaveToFound();
        engine_->DropFoundEntries();
        engine_->PurgeStaleDevices();
        engine_->SearchDevices();
    }

    bool WaitForStored(std::size_t count, std::chrono::milliseconds limit = 10s) {
        return DevsimProcess::WaitUntil([&] { return store_.device_count() >= count; }, limit);
    }

    test::NetPair pair_;
    test::MemoryStore store_;
    std::unique_ptr<DevsimProcess> fleet_;
    std::unique_ptr<CDeviceComm> engine_;
};

TEST_F(EngineNet, SearchFindsAFleetOfSeveralModelsAndStoresWhatEachReported) {
    StartFleet({"--count", "6", "--models", "1,14,272,3", "--names", "north,south"});
    StartEngine();
    Search();
    ASSERT_TRUE(WaitForStored(6)) << store_.device_count() << " of 6 stored";

    const uint16_t models[] = {1, 14, 272, 3, 1, 14};
    for (int k = 0; k < 6; ++k) {
        const auto record = store_.Find(MacOf(k));
        ASSERT_TRUE(record) << MacOf(k);
        EXPECT_EQ(record->ap_type, models[k]);
        EXPECT_EQ(record->ap_status, kStatusOnline);
        EXPECT_EQ(IpBytesToText(record->ip), pair_.DeviceIp(k));
        EXPECT_EQ(IpBytesToText(record->ip_mask), "255.255.255.0");
        const std::string name = k == 0   ? "north"
                                 : k == 1 ? "south"
                                          : "Sim-000" + std::to_string(k + 1);
        EXPECT_EQ(ReadTextField(record->ap_name, record->ap_name_len), name);
        EXPECT_EQ(ReadTextField(record->version, record->version_len),
                  "V2.1." + std::to_string(models[k]) + " build 7");
        EXPECT_EQ(ReadTextField(record->ssid, record->ssid_len),
                  "sim-link-" + std::to_string(k / 2));
        EXPECT_EQ(record->work_mode, k % 2 == 0 ? kModeAccessPoint : kModeStation);
        EXPECT_EQ(record->secure_mode, kSecureWpa2Psk);
    }

    // The search itself: message 1, no flag, no MAC, from the local address and port 9786 to
    // the subnet's broadcast address.
    const auto searches = fleet_->Received(kMsgSearch);
    ASSERT_FALSE(searches.empty());
    EXPECT_EQ(searches[0].port, kPortSearch);
    EXPECT_EQ(searches[0].from, pair_.system_ip);
    EXPECT_EQ(searches[0].to, "192.168.77.255");
    EXPECT_EQ(searches[0].flag, 0);
    EXPECT_EQ(searches[0].mac, "00:00:00:00:00:00");

    // The ARP announcement of the subnet: from the system side's MAC 02:42:72:00:00:01, sender
    // and target protocol address both 192.168.77.255.
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return !fleet_->ArpFrames().empty(); }, 3s));
    const auto expected =
        Hex("FF FF FF FF FF FF  02 42 72 00 00 01  08 06"  // Ethernet: broadcast, source, ARP
            "00 01  08 00  06  04  00 01"                  // Ethernet/IPv4, lengths, request
            "02 42 72 00 00 01  C0 A8 4D FF"               // sender MAC and address
            "FF FF FF FF FF FF  C0 A8 4D FF"               // target MAC and address
            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    bool seen = false;
    for (const auto& frame : fleet_->ArpFrames())
        seen = seen || frame == expected;
    EXPECT_TRUE(seen) << "no ARP frame with the expected 60 bytes";

    // Every device was acknowledged and asked for its report once the search was answered.
    EXPECT_EQ(fleet_->Received(kMsgReport).size(), 6u);
}

TEST_F(EngineNet, SearchFillsTheDeviceDatabase) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("brelvo-net-" + std::to_string(::getpid()) + ".db");
    CSqlManagement database(file);
    ASSERT_TRUE(database.IsOpen());
    StartFleet({"--count", "20", "--models", "1,14,272,3,18"});
    engine_ = std::make_unique<CDeviceComm>(database);
    ASSERT_TRUE(engine_->Start(3, 300));
    engine_->SearchDevices();
    ASSERT_TRUE(DevsimProcess::WaitUntil(
        [&] {
            const auto page = database.QueryDevices(kSortIp, true, "", 100, 1);
            return page && page->devices.size() == 20;
        },
        10s));
    const auto page = database.QueryDevices(kSortIp, true, "", 100, 1);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->online_count, 20);
    EXPECT_EQ(RecordMac(page->devices.front()), MacOf(0));
    EXPECT_EQ(IpBytesToText(page->devices.back().ip), pair_.DeviceIp(19));
    EXPECT_EQ(page->devices.back().ap_type, 18);
    EXPECT_EQ(page->devices.back().ap_status, kStatusOnline);
    engine_.reset();  // before the database goes
}

TEST_F(EngineNet, MalformedDatagramsAreDroppedAndTheRestStillWorks) {
    StartFleet({"--count", "2", "--malformed"});
    StartEngine();
    Search();
    ASSERT_TRUE(WaitForStored(2));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(store_.device_count(), 2u);
    EXPECT_FALSE(store_.Find("00:90:4c:ee:ee:ee"));
}

TEST_F(EngineNet, UnansweredRequestIsSentFourTimesAboutTwoSecondsApart) {
    StartFleet({"--count", "1", "--mute", "9"});
    StartEngine(3, 2000);
    ASSERT_TRUE(engine_->SendRequest(pair_.DeviceIp(0), kMsgReboot, {}, kFirstMac, true));
    EXPECT_TRUE(engine_->WaitForAnswers(kFirstMac, 12s));  // given up after about 8 s
    std::this_thread::sleep_for(2500ms);
    const auto seen = fleet_->Received(kMsgReboot);
    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t k = 1; k < seen.size(); ++k) {
        const auto gap = seen[k].t_ms - seen[k - 1].t_ms;
        EXPECT_GE(gap, 1800) << k;
        EXPECT_LE(gap, 2600) << k;
    }
}

TEST_F(EngineNet, NoRetransmissionMeansExactlyOneSend) {
    StartFleet({"--count", "1", "--mute", "9"});
    StartEngine(0, 300);
    ASSERT_TRUE(engine_->SendRequest(pair_.DeviceIp(0), kMsgReboot, {}, kFirstMac, true));
    EXPECT_TRUE(engine_->WaitForAnswers(kFirstMac, 3s));
    std::this_thread::sleep_for(1000ms);
    EXPECT_EQ(fleet_->Received(kMsgReboot).size(), 1u);
}

TEST_F(EngineNet, AnswerAfterTheFirstSendStopsTheRepeats) {
    StartFleet({"--count", "1"});
    StartEngine(3, 300);
    const std::vector<uint8_t> schedule = Hex("01 7F 68 01");
    ASSERT_TRUE(
        engine_->SendRequest(pair_.DeviceIp(0), kMsgSetTimedReboot, schedule, kFirstMac, true));
    EXPECT_TRUE(engine_->WaitForAnswers(kFirstMac, 2s));
    std::this_thread::sleep_for(1200ms);  // four intervals
    EXPECT_EQ(fleet_->Received(kMsgSetTimedReboot).size(), 1u);
}

TEST_F(EngineNet, HeartbeatOfAnUnknownDeviceIsNeitherAnsweredNorStored) {
    // Two devices that answer the search but never report, then are forgotten: their
    // heartbeats keep coming.
    StartFleet({"--count", "2", "--no-report", "2", "--heartbeat-ms", "200"});
    StartEngine();
    Search();
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return engine_->OnlineEntries().size() == 2; }, 5s));
    engine_->DropFoundEntries();
    std::this_thread::sleep_for(100ms);  // a heartbeat already on its way may still be handled
    const auto acks_before = fleet_->Received(kMsgHeartbeat).size();
    const auto updates_before = store_.uptime_updates().size();
    std::this_thread::sleep_for(1000ms);  // about ten heartbeats
    EXPECT_EQ(fleet_->Received(kMsgHeartbeat).size(), acks_before);
    EXPECT_EQ(store_.uptime_updates().size(), updates_before);
    EXPECT_EQ(store_.device_count(), 0u);
    EXPECT_TRUE(engine_->OnlineEntries().empty());
}

TEST_F(EngineNet, KnownDeviceHeartbeatsAreAnsweredAndRefreshTheStore) {
    StartFleet({"--count", "1", "--heartbeat-ms", "200"});
    StartEngine();
    Search();
    ASSERT_TRUE(WaitForStored(1));
    ASSERT_TRUE(
        DevsimProcess::WaitUntil([&] { return fleet_->Received(kMsgHeartbeat).size() >= 2; }, 3s));
    const auto updates = store_.uptime_updates();
    ASSERT_FALSE(updates.empty());
    EXPECT_EQ(updates.back().ip, pair_.DeviceIp(0));
    EXPECT_GE(updates.back().up_time, 1000u);
}

TEST_F(EngineNet, TwoDevicesClaimingOneAddressTheFirstKeepsIt) {
    StartFleet({"--count", "2", "--duplicate-ip"});
    StartEngine(3, 300);
    auto asked_second = [&] {
        int asked = 0;
        for (const auto& d : fleet_->Received(kMsgReport))
            asked += d.mac == MacOf(1);
        return asked;
    };
    engine_->RefreshCaptureDevices();
    engine_->SearchDevices();
    ASSERT_TRUE(WaitForStored(1));
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return asked_second() >= 1; }, 3s));
    // The rejected device is asked again after its next search answer, and rejected again.
    engine_->SearchDevices();
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return asked_second() >= 2; }, 3s));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(store_.device_count(), 1u);
    EXPECT_TRUE(store_.Find(MacOf(0)));
    const auto entries = engine_->OnlineEntries();
    ASSERT_EQ(entries.size(), 2u);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.address, pair_.DeviceIp(0));
        EXPECT_EQ(entry.state, entry.mac == MacOf(0) ? EntryState::kReported : EntryState::kFound)
            << entry.mac;
    }
}

TEST_F(EngineNet, RequestsReachOnlyDevicesInALocalSubnetOncePerLocalAddress) {
    StartFleet({"--count", "1"});
    StartEngine();
    EXPECT_FALSE(engine_->SendRequest("10.20.30.40", kMsgReboot, {}, kFirstMac, true));
    EXPECT_FALSE(engine_->SendRequest("0.0.0.0", kMsgReboot, {}, kFirstMac, true));
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(fleet_->Received(kMsgReboot).empty());

    // A second address of the system side in the same subnet.
    const std::string add = "ip addr add 192.168.77.250/24 dev " + pair_.system_interface;
    ASSERT_EQ(std::system(add.c_str()), 0);
    engine_->GetAdapters();
    EXPECT_TRUE(engine_->SendRequest(pair_.DeviceIp(0), kMsgReboot, {}, kFirstMac, false));
    const bool both =
        DevsimProcess::WaitUntil([&] { return fleet_->Received(kMsgReboot).size() >= 2; }, 3s);
    const std::string del = "ip addr del 192.168.77.250/24 dev " + pair_.system_interface;
    ASSERT_EQ(std::system(del.c_str()), 0);
    ASSERT_TRUE(both);
    const auto seen = fleet_->Received(kMsgReboot);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].from, pair_.system_ip);
    EXPECT_EQ(seen[1].from, "192.168.77.250");
    for (const auto& d : seen) {
        EXPECT_EQ(d.port, kPortRequest);
        EXPECT_EQ(d.to, std::string(kMulticastGroup));
        EXPECT_EQ(d.flag, 1);
    }
}

TEST_F(EngineNet, ShutDownTellsEveryKnownDeviceThatTheSystemLeaves) {
    StartFleet({"--count", "3", "--no-report", "1"});
    StartEngine();
    Search();
    ASSERT_TRUE(WaitForStored(2));
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return engine_->OnlineEntries().size() == 3; }, 3s));
    engine_.reset();
    ASSERT_TRUE(
        DevsimProcess::WaitUntil([&] { return fleet_->Received(kMsgLeave).size() >= 3; }, 3s));
    std::vector<std::string> told;
    for (const auto& d : fleet_->Received(kMsgLeave))
        told.push_back(d.mac);
    std::sort(told.begin(), told.end());
    EXPECT_EQ(told, (std::vector<std::string>{MacOf(0), MacOf(1), MacOf(2)}));
}

}  // namespace
}  // namespace brelvo::core
