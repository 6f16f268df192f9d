// Every request of the catalogue against a simulated device: the payload bytes that reach it
// and what its answer does to the stored status. And the one slow test: expiry.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/engine/device_comm.h"
#include "core/engine/request_catalogue.h"
#include "core/protocol/request_blocks.h"
#include "devsim_process.h"
#include "engine/engine_fakes.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using namespace std::chrono_literals;
using test::Ascii;
using test::DevsimProcess;
using test::Hex;

constexpr char kModel1Mac[] = "00:90:4c:77:00:00";   // device 0: model 1, access point
constexpr char kModel14Mac[] = "00:90:4c:77:00:01";  // device 1: model 14, station

class EngineRequestsNet : public ::testing::Test {
protected:
    void SetUp() override {
        const auto pair = test::NetPair::FromEnvironment();
        if (!pair)
            GTEST_SKIP() << "not inside a namespace pair: run through tests/net/netns_pair.sh";
        pair_ = *pair;
    }

    void Start(std::vector<std::string> fleet_arguments, EngineOptions options = {}) {
        fleet_ = std::make_unique<DevsimProcess>(pair_, std::move(fleet_arguments));
        ASSERT_TRUE(fleet_->ready());
        engine_ = std::make_unique<CDeviceComm>(store_, nullptr, nullptr, nullptr, options);
        ASSERT_TRUE(engine_->Start(3, 300));
        engine_->RefreshCaptureDevices();
        engine_->SearchDevices();
    }

    bool WaitForStored(std::size_t count) {
        return DevsimProcess::WaitUntil([&] { return store_.device_count() >= count; }, 10s);
    }

    // Sends the request, waits for its answer, and gives the payload the device received.
    std::vector<uint8_t> Send(const std::string& mac, uint16_t message,
                              std::span<const uint8_t> payload) {
        const auto record = store_.Find(mac);
        EXPECT_TRUE(record) << mac;
        if (!record)
            return {};
        const auto before = fleet_->Received(message).size();
        EXPECT_TRUE(engine_->SendRequest(IpBytesToText(record->ip), message, payload, mac, true));
        EXPECT_TRUE(engine_->WaitForAnswers(mac, 3s)) << "no answer to " << message;
        const bool seen =
            DevsimProcess::WaitUntil([&] { return fleet_->Received(message).size() > before; }, 2s);
        EXPECT_TRUE(seen);
        if (!seen)
            return {};
        const auto logged = fleet_->Received(message).at(before);
        EXPECT_EQ(logged.mac, mac);
        EXPECT_EQ(logged.flag, 1);
        return logged.payload;
    }

    uint32_t StatusOf(const std::string& mac) { return store_.GetDeviceStatus(mac); }

    // Re-reads the device's report, to see what the device now holds.
    ap_info_stu Reported(const std::string& mac) {
        const std::string ip = IpBytesToText(store_.Find(mac)->ip);
        engine_->SendRequest(ip, kMsgReport, {}, mac, true);
        engine_->WaitForAnswers(mac, 3s);
        std::this_thread::sleep_for(100ms);
        return *store_.Find(mac);
    }

    test::NetPair pair_;
    test::MemoryStore store_;
    std::unique_ptr<DevsimProcess> fleet_;
    std::unique_ptr<CDeviceComm> engine_;
};

TEST_F(EngineRequestsNet, EachRequestArrivesByteForByteAndItsAnswerSetsTheStatus) {
    Start({"--count", "2", "--models", "1,14", "--reboot-silence-ms", "200", "--upgrade-notice",
           "0"});
    ASSERT_TRUE(WaitForStored(2));

    // 3, set addressing: ip_mode 1, 192.168.77.120, 255.255.255.0, gateway 192.168.77.1,
    // DNS 192.168.77.1 and 0.0.0.0, apply 1.
    const auto ip = Hex("01 C0A84D78 FFFFFF00 C0A84D01 C0A84D01 00000000 01");
    engine_->NoteNewIp(kModel1Mac, pair_.DeviceIp(0), "192.168.77.120");
    EXPECT_EQ(Send(kModel1Mac, kMsgSetIp, ip), ip);
    bool moved = false;
    for (const auto& entry : engine_->OnlineEntries())
        moved = moved || (entry.mac == kModel1Mac && entry.address == "192.168.77.120");
    EXPECT_TRUE(moved);
    EXPECT_EQ(StatusOf(kModel1Mac), kStatusOnline);
    EXPECT_EQ(IpBytesToText(Reported(kModel1Mac).ip), "192.168.77.120");

    // 5, timed reboot: enabled, every day (7F), 06:00 (360 = 68 01).
    const auto schedule = Hex("01 7F 68 01");
    EXPECT_EQ(Send(kModel1Mac, kMsgSetTimedReboot, schedule), schedule);

    // 8, device name: "roof-east", zero-filled to 32 bytes, length 9.
    std::vector<uint8_t> name = Ascii("roof-east");
    name.resize(32, 0);
    name.push_back(9);
    EXPECT_EQ(Send(kModel1Mac, kMsgSetName, name), name);
    const ap_info_stu renamed = Reported(kModel1Mac);
    EXPECT_EQ(ReadTextField(renamed.ap_name, renamed.ap_name_len), "roof-east");

    // 18 and 19: transparent bridge on, TDMA off, port VLAN 1, the rest zero.
    const auto features = Hex("01 00 0100 0000 0000 00000000 00 00");
    EXPECT_EQ(Send(kModel1Mac, kMsgSetTransparentBridge, features), features);
    EXPECT_EQ(Send(kModel1Mac, kMsgSetTdma, features), features);

    // 13, VLAN: 10 bytes for model 1, 24 (with the feature block) for model 14.
    const auto vlan = Hex("01 00 6400 0100 0100 0000");
    EXPECT_EQ(Send(kModel1Mac, kMsgSetVlan, vlan), vlan);
    EXPECT_EQ(StatusOf(kModel1Mac), kStatusRestarting);
    const auto vlan_wide = Hex("01 00 6400 0100 0100 0000  00 00 0100 0000 0000 00000000 00 00");
    EXPECT_EQ(Send(kModel14Mac, kMsgSetVlan, vlan_wide), vlan_wide);

    // 4, wireless: 328 bytes for model 1, 342 for model 14, taken from the stored record with
    // a new SSID.
    for (const char* mac : {kModel1Mac, kModel14Mac}) {
        ap_info_stu record = *store_.Find(mac);
        WriteTextField(record.ssid, record.ssid_len, "backhaul");
        const auto wireless = *SlicePayload(kMsgSetWireless, record);
        const auto received = Send(mac, kMsgSetWireless, wireless);
        EXPECT_EQ(received.size(), std::string(mac) == kModel1Mac ? 328u : 342u);
        EXPECT_EQ(received, wireless);
        const ap_info_stu changed = Reported(mac);
        EXPECT_EQ(ReadTextField(changed.ssid, changed.ssid_len), "backhaul");
    }

    // 11, upgrade: "fw-2.2.bin" NUL-padded to 260 bytes, its length, 3 zeros, 1 MiB.
    std::vector<uint8_t> upgrade = Ascii("fw-2.2.bin");
    upgrade.resize(260, 0);
    for (const uint8_t b : Hex("0A 000000 00001000"))
        upgrade.push_back(b);
    ASSERT_EQ(upgrade.size(), 268u);
    EXPECT_EQ(Send(kModel14Mac, kMsgUpgrade, upgrade), upgrade);
    // The device's progress notice (12) with result 0: waiting.
    EXPECT_TRUE(DevsimProcess::WaitUntil(
        [&] { return StatusOf(kModel14Mac) == kStatusUpgradeWaiting; }, 2s));
    EXPECT_TRUE(Send(kModel14Mac, kMsgUpgradeStarted, {}).empty());
    EXPECT_EQ(StatusOf(kModel14Mac), kStatusUpgrading);

    // 7, bridge: 328 bytes; result 0 gives status 2.
    bridge_request bridge = ZeroBlock<bridge_request>();
    bridge.wireless.work_mode = kModeStation;
    std::memcpy(bridge.wireless.peer_mac, Hex("02 90 4C 77 00 00").data(), 6);
    const auto bridge_bytes = BytesOf(bridge);
    EXPECT_EQ(Send(kModel14Mac, kMsgBridge, bridge_bytes).size(), 328u);
    EXPECT_EQ(StatusOf(kModel14Mac), kStatusBridgeSucceeded);

    // 10 and 9: restore and reboot, no payload; status 5 and 4.
    EXPECT_TRUE(Send(kModel14Mac, kMsgRestore, {}).empty());
    EXPECT_EQ(StatusOf(kModel14Mac), kStatusResetting);
    std::this_thread::sleep_for(400ms);  // back from its restart
    EXPECT_TRUE(Send(kModel1Mac, kMsgReboot, {}).empty());
    EXPECT_EQ(StatusOf(kModel1Mac), kStatusRestarting);
}

TEST_F(EngineRequestsNet, SiteSurveyOverSeveralPacketsCompletesWithTheLast) {
    // Eight devices, four of them access points; a station sees all four, two per packet.
    Start({"--count", "8", "--survey-per-packet", "2"});
    ASSERT_TRUE(WaitForStored(8));
    const std::string station = "00:90:4c:77:00:01";
    ASSERT_TRUE(engine_->SendRequest(pair_.DeviceIp(1), kMsgSiteSurvey, {}, station, true));
    EXPECT_FALSE(engine_->IsPending(station, kMsgSiteSurvey));
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return engine_->SurveyComplete(); }, 3s));
    const auto packets = store_.survey_packets();
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].packet_count, 2);
    std::size_t entries = 0;
    for (const auto& packet : packets)
        entries += packet.entries.size();
    EXPECT_EQ(entries, 4u);
    EXPECT_EQ(ReadTextField(packets[0].entries[0].ssid, packets[0].entries[0].ssid_len),
              "sim-link-0");
}

TEST_F(EngineRequestsNet, ExpirySilentDeviceLeavesTheStoreThirtyToFortySecondsLater) {
    Start({"--count", "1", "--heartbeat-ms", "1000", "--silent-after-ms", "3000"});
    const auto fleet_started = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitForStored(1));
    const auto silent_from = fleet_started + 3000ms;
    ASSERT_TRUE(DevsimProcess::WaitUntil([&] { return store_.device_count() == 0; }, 50s));
    const double gone_after =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - silent_from).count();
    // The last heartbeat came up to a second before the silence began.
    EXPECT_GE(gone_after, 29.0);
    EXPECT_LE(gone_after, 41.0);
    EXPECT_TRUE(engine_->OnlineEntries().empty());
}

}  // namespace
}  // namespace brelvo::core
