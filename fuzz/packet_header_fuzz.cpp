// The header of every datagram that reaches the three receive ports.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/protocol/packet.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> datagram(data, size);
    const auto header = core::ParseHeader(datagram);
    const bool acceptable = size >= core::kHeaderSize && size <= core::kMaxDatagram &&
                            data[0] == 0x86 && data[1] == 0x19;
    FUZZ_CHECK(header.has_value() == acceptable, "16 to 1472 bytes starting 86 19, nothing else");
    if (!header)
        return 0;
    // The fields at their offsets, little-endian.
    FUZZ_CHECK(header->device_type == (data[2] | data[3] << 8), "device type at offset 2");
    FUZZ_CHECK(header->message == (data[4] | data[5] << 8), "message at offset 4");
    FUZZ_CHECK(header->request_flag == data[6], "request flag at offset 6");
    for (std::size_t i = 0; i < 6; ++i)
        FUZZ_CHECK(header->mac[i] == data[8 + i], "MAC at offset 8");
    FUZZ_CHECK(header->payload_length == (data[14] | data[15] << 8), "payload length at offset 14");
    FUZZ_CHECK(header->mac_text().size() == 17, "MAC text of six bytes");
    return 0;
}
