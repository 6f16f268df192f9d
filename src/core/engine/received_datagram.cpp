#include "core/engine/received_datagram.h"

#include <algorithm>

namespace brelvo::core {

std::optional<ReceivedDatagram> MakeReceivedDatagram(std::span<const uint8_t> bytes,
                                                     const Ipv4Bytes& sender,
                                                     uint16_t sender_port) {
    if (!ParseHeader(bytes))
        return std::nullopt;
    ReceivedDatagram datagram;
    datagram.sender = sender;
    datagram.sender_port = sender_port;
    std::copy(bytes.begin(), bytes.end(), datagram.bytes.begin());
    datagram.size = bytes.size();
    return datagram;
}

}  // namespace brelvo::core
