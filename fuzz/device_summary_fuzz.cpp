// The summary a device sends in its search answer and in every heartbeat.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/protocol/packet.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

namespace {

// The byte at an offset of the summary layout; the receiver reads zero beyond the payload.
uint8_t At(std::span<const uint8_t> payload, std::size_t offset) {
    return offset < payload.size() && offset < core::kSummaryMaxRead ? payload[offset] : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> payload(data, size);
    const core::DeviceSummary summary = core::ReadDeviceSummary(payload);
    FUZZ_CHECK(summary.short_form == (size <= 33), "33 bytes or less carry only the version");
    for (std::size_t i = 0; i < 32; ++i)
        FUZZ_CHECK(static_cast<uint8_t>(summary.version[i]) == At(payload, i), "version at 0");
    FUZZ_CHECK(summary.version_len == At(payload, 32), "version length at 32");
    if (summary.short_form) {
        core::DeviceSummary empty;
        FUZZ_CHECK(summary.work_mode == 0 && summary.up_time == 0 && summary.ap_name_len == 0 &&
                       summary.ssid_len == 0 && summary.channel == 0 && summary.tdmaEn == 0 &&
                       std::memcmp(summary.ap_name, empty.ap_name, 32) == 0,
                   "a short summary has nothing beyond the version");
        return 0;
    }
    FUZZ_CHECK(summary.work_mode == At(payload, 33), "work mode at 33");
    FUZZ_CHECK(summary.mode_btn_status == At(payload, 34), "mode button at 34");
    const uint32_t up_time = At(payload, 36) | At(payload, 37) << 8 | At(payload, 38) << 16 |
                             static_cast<uint32_t>(At(payload, 39)) << 24;
    FUZZ_CHECK(summary.up_time == up_time, "uptime at 36, little-endian");
    for (std::size_t i = 0; i < 32; ++i) {
        FUZZ_CHECK(static_cast<uint8_t>(summary.ap_name[i]) == At(payload, 40 + i), "name at 40");
        FUZZ_CHECK(static_cast<uint8_t>(summary.ssid[i]) == At(payload, 73 + i), "SSID at 73");
    }
    FUZZ_CHECK(summary.ap_name_len == At(payload, 72), "name length at 72");
    FUZZ_CHECK(summary.ssid_len == At(payload, 105), "SSID length at 105");
    FUZZ_CHECK(summary.channel == At(payload, 106), "channel at 106");
    FUZZ_CHECK(summary.bridge_transparent == At(payload, 107), "transparent bridge at 107");
    FUZZ_CHECK(summary.tdmaEn == At(payload, 108), "TDMA at 108");
    return 0;
}
