// One IPv4 UDP socket that closes itself. Every option the engine and the simulator need is one
// call that reports whether it took; nothing throws, so callers can skip an address on failure.
#pragma once

#include <netinet/in.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace brelvo::core {

// An IPv4 socket address in host terms: the address bytes in network order and the port.
struct Endpoint {
    std::array<uint8_t, 4> address{};
    uint16_t port = 0;
};

// What one receive gave: how many bytes (the datagram may have been longer than the buffer),
// who sent it and, when packet info is on, to which local address it came.
struct ReceivedFrom {
    std::size_t size = 0;
    bool truncated = false;
    Endpoint sender;
    std::array<uint8_t, 4> destination{};
};

class UdpSocket {
public:
    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(UdpSocket&& other) noexcept;
    UdpSocket& operator=(UdpSocket&& other) noexcept;
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // A fresh, unbound socket; an invalid one (see `valid`) when the system refuses.
    static UdpSocket Open();

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    void Close();

    bool SetReuseAddress();
    bool SetBroadcast();
    bool SetSendBuffer(int bytes);
    bool SetReceiveBuffer(int bytes);
    // Asks for the local destination address of every datagram received (IP_PKTINFO).
    bool SetPacketInfo();
    // Lets datagrams go out from any source address, assigned here or not (IP_TRANSPARENT).
    bool SetTransparent();
    // Empty text binds to any address.
    bool Bind(std::string_view local_ip, uint16_t port);
    bool JoinGroup(std::string_view group, std::string_view local_ip);
    bool SetMulticastLoop(bool on);
    bool SetMulticastInterface(std::string_view local_ip);

    // True when at least one byte went out.
    bool SendTo(std::string_view ip, uint16_t port, std::span<const uint8_t> bytes) const;
    // The same with the datagram's source address chosen per send (IP_PKTINFO), so one socket
    // can speak for many local addresses.
    bool SendFrom(std::string_view source_ip, std::string_view ip, uint16_t port,
                  std::span<const uint8_t> bytes) const;

    // Blocks until a datagram arrives (or the socket fails: nothing then).
    std::optional<ReceivedFrom> Receive(std::span<uint8_t> buffer) const;

private:
    explicit UdpSocket(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Parses dotted IPv4 text strictly; nothing for anything else.
std::optional<in_addr> ParseIpv4(std::string_view text);

}  // namespace brelvo::core
