// Where the engine meets the machine: the local adapters, the datagrams it sends and the raw
// frames of a search. Tests replace any of them to watch or steer the engine without a network.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/device_engine.h"

namespace brelvo::core {

class AdapterSource {
public:
    virtual ~AdapterSource() = default;
    virtual std::vector<LocalAdapter> ReadAdapters() = 0;
};

class DatagramSender {
public:
    virtual ~DatagramSender() = default;
    // Opens what the sender keeps for the life of the engine (the broadcast socket on port
    // 9786); false when it cannot.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // A request or acknowledgement to the multicast group, from one local address and port
    // 9787. True when at least one byte went out.
    virtual bool SendToGroup(std::string_view local_ip, std::span<const uint8_t> datagram) = 0;
    // A search to one subnet's broadcast address, from the local address and port 9786.
    virtual bool SendSearch(std::string_view local_ip, std::string_view broadcast_ip,
                            std::span<const uint8_t> datagram) = 0;
    // A search to 255.255.255.255, from the broadcast socket.
    virtual bool SendSearchToAll(std::span<const uint8_t> datagram) = 0;
};

class FrameSender {
public:
    virtual ~FrameSender() = default;
    virtual std::vector<std::string> ListDevices() = 0;
    virtual bool SendFrame(const std::string& device, std::span<const uint8_t> frame) = 0;
};

// The machine's own: getifaddrs, UDP sockets with the engine's options, libpcap.
std::unique_ptr<AdapterSource> MakeSystemAdapterSource();
std::unique_ptr<DatagramSender> MakeUdpDatagramSender();
std::unique_ptr<FrameSender> MakePcapFrameSender();

}  // namespace brelvo::core
