// The engine on fake surroundings: what it sends, to where, and what reaches the store.
#include "core/engine/device_comm.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine_fakes.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;
using test::SentDatagram;

constexpr char kMac[] = "00:90:4c:0a:0b:0c";
constexpr char kDeviceIp[] = "192.168.77.20";
const Ipv4Bytes kDeviceIpBytes{192, 168, 77, 20};
const MacBytes kAdapterMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

// A datagram from the device 00:90:4c:0a:0b:0c, model 14 (0x0E), with this message number.
std::vector<uint8_t> FromDevice(uint8_t message, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> bytes = Hex("86 19 0E 00");
    bytes.push_back(message);
    for (const uint8_t b : Hex("00 00 00 00 90 4C 0A 0B 0C"))
        bytes.push_back(b);
    bytes.push_back(static_cast<uint8_t>(payload.size()));
    bytes.push_back(static_cast<uint8_t>(payload.size() >> 8));
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return bytes;
}

ReceivedDatagram Received(const std::vector<uint8_t>& bytes, Ipv4Bytes sender = kDeviceIpBytes) {
    return *MakeReceivedDatagram(bytes, sender);
}

// A device summary laid out field by field: version "V2.1" at 0 (length at 32), work mode at
// 33, up time at 36, name at 40 (length at 72), SSID at 73 (length at 105), channel at 106,
// transparent bridge at 107, TDMA at 108.
std::vector<uint8_t> Summary(std::string_view name = "mast") {
    std::vector<uint8_t> bytes(112, 0);
    std::memcpy(&bytes[0], "V2.1", 4);
    bytes[32] = 4;
    bytes[33] = 2;
    bytes[36] = 0x2C;  // 300 s
    bytes[37] = 0x01;
    std::memcpy(&bytes[40], name.data(), name.size());
    bytes[72] = static_cast<uint8_t>(name.size());
    std::memcpy(&bytes[73], "link", 4);
    bytes[105] = 4;
    bytes[106] = 149;
    bytes[107] = 1;
    return bytes;
}

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        MakeEngine({test::Adapter("eth0", kAdapterMac, {{"192.168.77.1", "255.255.255.0"}})});
    }

    void MakeEngine(std::vector<LocalAdapter> adapters, std::vector<std::string> capture = {}) {
        engine_.reset();
        log_.Take();
        engine_ = std::make_unique<CDeviceComm>(
            store_, std::make_unique<test::FixedAdapters>(std::move(adapters)),
            std::make_unique<test::RecordingSender>(log_),
            std::make_unique<test::RecordingFrames>(std::move(capture), frames_));
        engine_->GetAdapters();  // what Start does last
    }

    // Search answer, then the report the engine asks for.
    void BringOnline() {
        engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary())));
        std::vector<uint8_t> block(kInfoBlockSize, 0);
        block[0] = kModeStation;
        std::memcpy(&block[30], "mast", 4);
        block[62] = 4;
        engine_->HandleAnswerDatagram(Received(FromDevice(2, block)));
        log_.Take();
    }

    test::MemoryStore store_;
    test::SentLog log_;
    test::FrameLog frames_;
    std::unique_ptr<CDeviceComm> engine_;
};

TEST_F(EngineTest, SearchAnswerIsAcknowledgedAndTheReportRequested) {
    engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary())));
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 2u);
    // Acknowledgement: message 1, request flag 1, the device's MAC, no payload.
    EXPECT_EQ(sent[0].bytes, Hex("86 19 00 00 01 00 01 00 00 90 4C 0A 0B 0C 00 00"));
    EXPECT_EQ(sent[0].kind, SentDatagram::kGroup);
    EXPECT_EQ(sent[0].local_ip, "192.168.77.1");
    EXPECT_EQ(sent[1].bytes, Hex("86 19 00 00 02 00 01 00 00 90 4C 0A 0B 0C 00 00"));
    EXPECT_TRUE(engine_->IsPending(kMac, kMsgReport));
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgSearch));

    const auto found = engine_->ListFoundDevices(100, "");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(ReadTextField(found[0].ap_name, found[0].ap_name_len), "mast");
    EXPECT_EQ(found[0].up_time, 300u);
    EXPECT_EQ(found[0].channel, 149);
    EXPECT_EQ(found[0].bridge_transparent, 1);
}

TEST_F(EngineTest, SearchAnswerWithZeroMacIsIgnored) {
    auto bytes = FromDevice(1, Summary());
    std::fill(bytes.begin() + 8, bytes.begin() + 14, 0);
    engine_->HandleSearchAnswerDatagram(Received(bytes));
    EXPECT_TRUE(log_.Take().empty());
    EXPECT_TRUE(engine_->OnlineEntries().empty());
}

TEST_F(EngineTest, ReportIsStoredWithConvertedTextsAndStopsTheRepeats) {
    engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary())));
    std::vector<uint8_t> block(kInfoBlockSize, 0);
    block[0] = kModeAccessPoint;
    block[9] = 192;  // ip
    block[10] = 168;
    block[11] = 77;
    block[12] = 20;
    // Name: 31 ASCII bytes and the first byte of a cut three-byte character (E4 B8 AD).
    std::memset(&block[30], 'n', 31);
    block[61] = static_cast<uint8_t>(0xE4);
    block[62] = 32;
    std::memcpy(&block[131], "\xE5\x8C\x97", 3);  // SSID: one whole Chinese character
    block[163] = 3;
    block[469] = 0xAA;  // a reserved byte is carried unchanged
    engine_->HandleAnswerDatagram(Received(FromDevice(2, block)));

    EXPECT_FALSE(engine_->IsPending(kMac, kMsgReport));
    const auto stored = store_.Find(kMac);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->ap_type, 14);
    EXPECT_EQ(stored->ap_status, kStatusOnline);
    EXPECT_EQ(IpBytesToText(stored->ip), kDeviceIp);
    EXPECT_EQ(stored->ap_name_len, 31);
    EXPECT_EQ(ReadTextField(stored->ssid, stored->ssid_len), "\xE5\x8C\x97");
    EXPECT_EQ(stored->reserved_493[0], 0xAA);
    EXPECT_EQ(engine_->OnlineEntries().at(0).state, EntryState::kReported);
}

TEST_F(EngineTest, ShortReportLeavesTheRestOfTheRecordZero) {
    engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary())));
    std::vector<uint8_t> block(40, 0x11);
    engine_->HandleAnswerDatagram(Received(FromDevice(2, block)));
    const auto stored = store_.Find(kMac);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->ip_dns2[0], 0x11);  // block byte 25
    EXPECT_EQ(stored->ap_name_len, 0);    // block byte 62, beyond the payload
    EXPECT_EQ(stored->vlan_en, 0);
}

TEST_F(EngineTest, TruncatedReportIsNeverReadPastTheDatagram) {
    engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary())));
    // The header claims 756 bytes but only 10 arrived.
    auto bytes = FromDevice(2, std::vector<uint8_t>(10, 0x22));
    bytes[14] = 0xF4;
    bytes[15] = 0x02;
    engine_->HandleAnswerDatagram(Received(bytes));
    const auto stored = store_.Find(kMac);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->ip[0], 0x22);  // block byte 9, the last one received
    EXPECT_EQ(stored->ip[1], 0);     // block byte 10 is beyond the ten: zero
    EXPECT_EQ(stored->ap_name_len, 0);
}

TEST_F(EngineTest, HeartbeatOfAKnownDeviceIsAnsweredAndStoredOfAStrangerIgnored) {
    engine_->HandleHeartbeatDatagram(Received(FromDevice(15, Summary())));
    EXPECT_TRUE(log_.Take().empty());
    EXPECT_TRUE(store_.uptime_updates().empty());

    BringOnline();
    engine_->HandleHeartbeatDatagram(Received(FromDevice(15, Summary()), {192, 168, 77, 21}));
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].bytes, Hex("86 19 00 00 0F 00 01 00 00 90 4C 0A 0B 0C 00 00"));
    ASSERT_EQ(store_.uptime_updates().size(), 1u);
    EXPECT_EQ(store_.uptime_updates()[0].ip, "192.168.77.21");
    EXPECT_EQ(store_.uptime_updates()[0].up_time, 300u);
}

TEST_F(EngineTest, AnswersChangeTheStoredStatusAsTheCatalogueSays) {
    struct Case {
        uint8_t message;
        uint8_t result;
        uint32_t before;
        uint32_t after;
    };
    const Case cases[] = {
        {7, 0, kStatusOnline, kStatusBridgeSucceeded},
        {7, 5, kStatusOnline, kStatusBridgeFailed},
        {9, 0, kStatusOnline, kStatusRestarting},
        {9, 1, kStatusOnline, kStatusOnline},
        {13, 0, kStatusOnline, kStatusRestarting},
        {13, 2, kStatusOnline, kStatusOnline},
        {10, 0, kStatusOnline, kStatusResetting},
        {10, 1, kStatusOnline, kStatusOnline},
        {12, 0, kStatusOnline, kStatusUpgradeWaiting},
        {12, 1, kStatusUpgradeWaiting, kStatusUpgradeFailed},
        {12, 2, kStatusUpgrading, kStatusUpgradeSucceeded},
        {16, 0, kStatusUpgradeWaiting, kStatusUpgrading},
        {16, 0, kStatusOnline, kStatusOnline},
        {4, 0, kStatusOnline, kStatusOnline},
        {8, 1, kStatusOnline, kStatusOnline},
        {18, 0, kStatusOnline, kStatusOnline},
    };
    BringOnline();
    for (const Case& c : cases) {
        store_.SetDeviceStatus(kMac, c.before);
        engine_->HandleAnswerDatagram(Received(FromDevice(c.message, {c.result})));
        EXPECT_EQ(store_.GetDeviceStatus(kMac), c.after)
            << "message " << int(c.message) << " result " << int(c.result);
    }
}

TEST_F(EngineTest, AnswerStopsTheRepeatsOfItsRequestOnly) {
    BringOnline();
    const std::vector<uint8_t> payload(4, 0);
    ASSERT_TRUE(engine_->SendRequest(kDeviceIp, kMsgSetTimedReboot, payload, kMac, true));
    ASSERT_TRUE(engine_->SendRequest(kDeviceIp, kMsgReboot, {}, kMac, true));
    engine_->HandleAnswerDatagram(Received(FromDevice(5, {0})));
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgSetTimedReboot));
    EXPECT_TRUE(engine_->IsPending(kMac, kMsgReboot));
    // The same answer from another address does not match.
    engine_->HandleAnswerDatagram(Received(FromDevice(9, {0}), {192, 168, 77, 99}));
    EXPECT_TRUE(engine_->IsPending(kMac, kMsgReboot));
}

TEST_F(EngineTest, AddressChangeAnswerMovesTheOnlineEntry) {
    BringOnline();
    engine_->NoteNewIp(kMac, kDeviceIp, "192.168.77.120");
    engine_->HandleAnswerDatagram(Received(FromDevice(3, {0})));
    EXPECT_EQ(engine_->OnlineEntries().at(0).address, "192.168.77.120");
}

TEST_F(EngineTest, SurveyIsCompleteOnlyWithItsLastPacket) {
    engine_->SendRequest(kDeviceIp, kMsgSiteSurvey, {}, kMac, true);
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgSiteSurvey));  // never repeated
    for (uint8_t id = 0; id < 3; ++id) {
        // packet_count 3, packet_id, icount 1, then one 44-byte entry with a 2-byte SSID
        std::vector<uint8_t> payload = Hex("03");
        payload.push_back(id);
        payload.push_back(1);
        std::vector<uint8_t> entry(44, 0);
        entry[0] = 0x00;
        entry[5] = id;
        entry[6] = static_cast<uint8_t>(-60);
        entry[7] = 11;
        entry[9] = 'A';
        entry[10] = 'P';
        entry[41] = 2;
        payload.insert(payload.end(), entry.begin(), entry.end());
        engine_->HandleAnswerDatagram(Received(FromDevice(6, payload)));
        EXPECT_EQ(engine_->SurveyComplete(), id == 2) << int(id);
    }
    const auto packets = store_.survey_packets();
    ASSERT_EQ(packets.size(), 3u);
    EXPECT_EQ(packets[2].entries.at(0).signal, -60);
    EXPECT_EQ(ReadTextField(packets[2].entries.at(0).ssid, packets[2].entries.at(0).ssid_len),
              "AP");
    engine_->SendRequest(kDeviceIp, kMsgSiteSurvey, {}, kMac, true);
    EXPECT_FALSE(engine_->SurveyComplete());
}

TEST_F(EngineTest, SendRequestReachesOnlyDevicesInALocalSubnet) {
    const std::vector<uint8_t> name(33, 0);
    EXPECT_FALSE(engine_->SendRequest("10.0.0.5", kMsgSetName, name, kMac, true));
    EXPECT_FALSE(engine_->SendRequest("0.0.0.0", kMsgSetName, name, kMac, true));
    EXPECT_FALSE(engine_->SendRequest("", kMsgSetName, name, kMac, true));
    EXPECT_TRUE(log_.Take().empty());
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgSetName));

    EXPECT_TRUE(engine_->SendRequest(kDeviceIp, kMsgSetName, name, kMac, true));
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].payload().size(), 33u);
    EXPECT_EQ(sent[0].bytes[6], 1);  // request flag
    EXPECT_TRUE(engine_->IsPending(kMac, kMsgSetName));
}

TEST_F(EngineTest, TwoLocalAddressesInTheDeviceSubnetSendTwice) {
    MakeEngine({test::Adapter("eth0", kAdapterMac,
                              {{"192.168.77.1", "255.255.255.0"}, {"10.1.1.1", "255.0.0.0"}}),
                test::Adapter("eth1", {2, 0, 0, 0, 0, 2}, {{"192.168.77.200", "255.255.0.0"}})});
    EXPECT_TRUE(engine_->SendRequest(kDeviceIp, kMsgReboot, {}, kMac, true));
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].local_ip, "192.168.77.1");
    EXPECT_EQ(sent[1].local_ip, "192.168.77.200");
    EXPECT_EQ(engine_->PendingCount(), 1u);  // one pending entry, not one per send
}

TEST_F(EngineTest, AnAnswerHandledBeforeTheSendReturnsStillEndsTheRequest) {
    BringOnline();
    // The device answers while the request is still being sent, as a fast device on a quiet
    // link does; the answer must find its request waiting, or it would be repeated to a device
    // that is already restarting.
    log_.on_send = [this](const test::SentDatagram&) {
        engine_->HandleAnswerDatagram(Received(FromDevice(9, {0})));
    };
    ASSERT_TRUE(engine_->SendRequest(kDeviceIp, kMsgReboot, {}, kMac, true));
    log_.on_send = nullptr;
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgReboot));
    EXPECT_FALSE(engine_->WasGivenUp(kMac, kMsgReboot));
    EXPECT_EQ(store_.GetDeviceStatus(kMac), kStatusRestarting);
}

TEST_F(EngineTest, FailedSendIsNotWaitedFor) {
    log_.fail_sends = true;
    EXPECT_FALSE(engine_->SendRequest(kDeviceIp, kMsgReboot, {}, kMac, true));
    EXPECT_FALSE(engine_->IsPending(kMac, kMsgReboot));
}

TEST_F(EngineTest, EngineMessagesAreNeverWaitedFor) {
    for (const uint16_t message : {kMsgSearch, kMsgSiteSurvey, kMsgHeartbeat, kMsgLeave})
        engine_->SendRequest(kDeviceIp, message, {}, kMac, true);
    EXPECT_EQ(engine_->PendingCount(), 0u);
}

TEST_F(EngineTest, SearchWithoutAdaptersGoesToTheLimitedBroadcast) {
    MakeEngine({});
    engine_->SearchDevices();
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].kind, SentDatagram::kSearchToAll);
    EXPECT_EQ(sent[0].bytes, Hex("86 19 00 00 01 00 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(EngineTest, SearchSendsOneFrameAndOneBroadcastPerSubnet) {
    MakeEngine({test::Adapter("eth0", kAdapterMac,
                              {{"192.168.77.1", "255.255.255.0"},
                               {"192.168.77.7", "255.255.255.0"},  // same subnet: one route
                               {"0.0.0.0", "255.0.0.0"},
                               {"172.16.5.1", "255.255.0.0"}}),
                test::Adapter("veth0", {2, 0, 0, 0, 0, 9}, {{"10.9.0.1", "255.255.255.252"}})},
               {"veth0", "eth0"});
    engine_->RefreshCaptureDevices();
    engine_->SearchDevices();
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].local_ip, "192.168.77.1");
    EXPECT_EQ(sent[0].destination, "192.168.77.255");
    EXPECT_EQ(sent[1].destination, "172.16.255.255");
    EXPECT_EQ(sent[2].destination, "10.9.0.3");
    for (const auto& s : sent)
        EXPECT_EQ(s.kind, SentDatagram::kSearch);

    std::lock_guard lock(frames_.mutex);
    ASSERT_EQ(frames_.frames.size(), 3u);
    EXPECT_EQ(frames_.frames[0].first, "eth0");  // by exact name, not "veth0"
    EXPECT_EQ(frames_.frames[2].first, "veth0");
    EXPECT_EQ(frames_.frames[0].second,
              Hex("FF FF FF FF FF FF 02 00 00 00 00 01 08 06 00 01 08 00 06 04 00 01"
                  "02 00 00 00 00 01 C0 A8 4D FF FF FF FF FF FF FF C0 A8 4D FF"
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(EngineTest, SearchWithoutCaptureDeviceStillBroadcasts) {
    engine_->SearchDevices();  // capture list never read: empty
    EXPECT_EQ(log_.Take().size(), 1u);
    std::lock_guard lock(frames_.mutex);
    EXPECT_TRUE(frames_.frames.empty());
}

TEST_F(EngineTest, LocalAddressListKeepsOrderAndDropsVanishedAddresses) {
    auto adapters = std::vector<LocalAdapter>{
        test::Adapter("eth0", kAdapterMac, {{"192.168.77.1", "255.255.255.0"}})};
    MakeEngine(adapters);
    EXPECT_EQ(engine_->LocalAddresses().size(), 1u);
    MakeEngine({test::Adapter("eth0", kAdapterMac, {{"0.0.0.0", "255.255.255.0"}})});
    EXPECT_TRUE(engine_->LocalAddresses().empty());  // first address 0.0.0.0: unused adapter
}

TEST_F(EngineTest, SearchStartCleanupForgetsDevicesThatNeverReported) {
    BringOnline();
    auto other = FromDevice(1, Summary());
    other[13] = 0x0D;  // MAC 00:90:4c:0a:0b:0d
    engine_->HandleSearchAnswerDatagram(Received(other, {192, 168, 77, 30}));
    ap_info_stu gone = ZeroRecord();
    SetRecordMac(gone, "00:90:4c:00:00:99");
    store_.Put(gone);
    log_.Take();

    engine_->SendLeaveToFound();
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].message(), kMsgLeave);
    EXPECT_EQ(sent[0].mac(), "00:90:4c:0a:0b:0d");
    engine_->DropFoundEntries();
    EXPECT_EQ(engine_->OnlineEntries().size(), 1u);
    engine_->PurgeStaleDevices();
    EXPECT_TRUE(store_.Find(kMac));
    EXPECT_FALSE(store_.Find("00:90:4c:00:00:99"));
}

TEST_F(EngineTest, ExpiryDeletesTheSilentDeviceFromTheStore) {
    BringOnline();
    for (int tick = 0; tick < 3; ++tick)
        engine_->ExpireSilentDevices();
    EXPECT_TRUE(store_.Find(kMac));
    engine_->ExpireSilentDevices();
    EXPECT_FALSE(store_.Find(kMac));
    EXPECT_TRUE(engine_->OnlineEntries().empty());
}

TEST_F(EngineTest, ShutDownTellsEveryKnownDeviceThatTheSystemLeaves) {
    BringOnline();
    engine_->HandleSearchAnswerDatagram(Received(FromDevice(1, Summary()), {192, 168, 77, 31}));
    auto other = FromDevice(1, Summary());
    other[13] = 0x0D;
    engine_->HandleSearchAnswerDatagram(Received(other, {192, 168, 77, 30}));
    log_.Take();
    engine_.reset();
    const auto sent = log_.Take();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes, Hex("86 19 00 00 11 00 01 00 00 90 4C 0A 0B 0C 00 00"));
    EXPECT_EQ(sent[1].mac(), "00:90:4c:0a:0b:0d");
}

}  // namespace
}  // namespace brelvo::core

namespace brelvo::core {
namespace {

// Real sockets from here on: the test binary has a network namespace of its own with only
// loopback (tests/run_isolated), so the engine's fixed ports are free and nothing leaves.
TEST(EngineSockets, StartFailsWhenAReceivePortIsTaken) {
    UdpSocket squatter = UdpSocket::Open();
    ASSERT_TRUE(squatter.Bind("", kPortAnswer));  // without address reuse: nobody else binds
    test::MemoryStore store;
    test::SentLog log;
    CDeviceComm engine(store, std::make_unique<test::FixedAdapters>(std::vector<LocalAdapter>{}),
                       std::make_unique<test::RecordingSender>(log));
    EXPECT_FALSE(engine.Start(3, 2000));
}

TEST(EngineSockets, StopWakesTheSleepingThreadsAtOnce) {
    test::MemoryStore store;
    test::SentLog log;
    auto engine = std::make_unique<CDeviceComm>(
        store, std::make_unique<test::FixedAdapters>(std::vector<LocalAdapter>{}),
        std::make_unique<test::RecordingSender>(log));
    ASSERT_TRUE(engine->Start(3, 60000));
    ASSERT_TRUE(engine->Start(3, 60000));  // a second start replaces the first cleanly
    const auto before = std::chrono::steady_clock::now();
    engine.reset();
    // The monitor sleeps 10 s and the retransmitter a minute between passes; neither may
    // hold the shut-down up.
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
}

}  // namespace
}  // namespace brelvo::core
