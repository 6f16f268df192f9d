// A request a form has decided to send: the message number and its payload bytes. The sender
// adds the device's address and MAC and always asks for retransmission.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::core {

struct PlannedRequest {
    uint16_t message = 0;
    std::vector<uint8_t> payload;

    bool operator==(const PlannedRequest&) const = default;
};

// The same for one device of a batch.
struct TargetedRequest {
    device_target target{};
    PlannedRequest request;
};

// The bytes of one or more request blocks, one after the other.
template <typename... Blocks>
std::vector<uint8_t> PayloadOf(const Blocks&... blocks) {
    std::vector<uint8_t> payload((sizeof(Blocks) + ...));
    std::size_t offset = 0;
    ((std::memcpy(payload.data() + offset, BytesOf(blocks).data(), sizeof(Blocks)),
      offset += sizeof(Blocks)),
     ...);
    return payload;
}

}  // namespace brelvo::core
