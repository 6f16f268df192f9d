// The engine's three datagram handlers (search answers, heartbeats, everything on the answer
// port) on arbitrary bytes, with the online table and a store in memory behind them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "../tests/unit/engine/engine_fakes.h"
#include "core/engine/device_comm.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

namespace {

// Sends nothing; the handlers' acknowledgements and report requests end here.
class NullSender final : public core::DatagramSender {
public:
    bool Open() override { return true; }
    void Close() override {}
    bool SendToGroup(std::string_view, std::span<const uint8_t>) override { return true; }
    bool SendSearch(std::string_view, std::string_view, std::span<const uint8_t>) override {
        return true;
    }
    bool SendSearchToAll(std::span<const uint8_t>) override { return true; }
};

struct Harness {
    brelvo::test::MemoryStore store;
    brelvo::test::FrameLog frames;
    core::CDeviceComm engine{
        store,
        std::make_unique<brelvo::test::FixedAdapters>(
            std::vector<core::LocalAdapter>{brelvo::test::Adapter(
                "eth0", {2, 0, 0, 0, 0, 1}, {{"192.168.77.1", "255.255.255.0"}})}),
        std::make_unique<NullSender>(),
        std::make_unique<brelvo::test::RecordingFrames>(std::vector<std::string>{}, frames)};
    std::size_t runs = 0;

    Harness() { engine.GetAdapters(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Harness harness;
    const auto datagram = core::MakeReceivedDatagram(std::span<const uint8_t>(data, size),
                                                     core::Ipv4Bytes{192, 168, 77, 20});
    if (!datagram)
        return 0;
    harness.engine.HandleSearchAnswerDatagram(*datagram);
    harness.engine.HandleHeartbeatDatagram(*datagram);
    harness.engine.HandleAnswerDatagram(*datagram);
    // A second look from the same device, as a report would follow its search answer.
    harness.engine.HandleAnswerDatagram(*datagram);

    const auto header = core::ParseHeader(datagram->view());
    if (const auto stored = harness.store.Find(header->mac_text())) {
        FUZZ_CHECK(core::RecordMac(*stored) == header->mac_text(),
                   "a device is stored under its MAC");
        FUZZ_CHECK(stored->ap_name_len <= sizeof stored->ap_name, "name length within its field");
        FUZZ_CHECK(stored->ssid_len <= sizeof stored->ssid, "SSID length within its field");
    }
    for (const auto& record : harness.engine.ListFoundDevices(64, ""))
        FUZZ_CHECK(record.ap_status == core::kStatusFoundOnly, "found devices are partial records");
    // Keep the table and the expiry moving, and memory bounded over a long run.
    if (++harness.runs % 512 == 0) {
        harness.engine.ExpireSilentDevices();
        harness.engine.DropFoundEntries();
    }
    return 0;
}
