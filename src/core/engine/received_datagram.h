// One datagram as a receiver queues it for its worker.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/protocol/address_text.h"
#include "core/protocol/packet.h"

namespace brelvo::core {

struct ReceivedDatagram {
    Ipv4Bytes sender{};
    uint16_t sender_port = 0;
    std::array<uint8_t, kMaxDatagram> bytes{};  // zero after the datagram's end
    std::size_t size = 0;

    std::span<const uint8_t> view() const { return {bytes.data(), size}; }
    std::string sender_text() const { return IpBytesToText(sender); }
};

// A datagram built from raw bytes, as a receiver or a test has them; nothing when it is not
// one of this protocol (too short, too long, wrong magic).
std::optional<ReceivedDatagram> MakeReceivedDatagram(std::span<const uint8_t> bytes,
                                                     const Ipv4Bytes& sender,
                                                     uint16_t sender_port = 0);

}  // namespace brelvo::core
