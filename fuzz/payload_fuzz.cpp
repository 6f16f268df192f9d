// The payload of a received datagram, read through its header's length field.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/protocol/packet.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> datagram(data, size);
    const std::span<const uint8_t> payload = core::PayloadOf(datagram);
    const auto header = core::ParseHeader(datagram);
    if (!header) {
        FUZZ_CHECK(payload.empty(), "no payload from a datagram that is not accepted");
        return 0;
    }
    FUZZ_CHECK(payload.empty() || payload.data() == data + core::kHeaderSize,
               "the payload starts after the header");
    const std::size_t expected = std::min<std::size_t>(
        {header->payload_length, core::kMaxPayload, size - core::kHeaderSize});
    FUZZ_CHECK(payload.size() == expected, "length field, cut to the datagram and to 1456 bytes");
    // Touch every byte, so a payload reaching outside the datagram shows under the sanitizer.
    unsigned sum = 0;
    for (const uint8_t byte : payload)
        sum += byte;
    FUZZ_CHECK(sum <= payload.size() * 255, "payload bytes readable");
    return 0;
}
