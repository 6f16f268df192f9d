#include "core/platform/udp_socket.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

namespace brelvo::core {

namespace {

template <typename T>
bool SetOption(int fd, int level, int name, const T& value) {
    return fd >= 0 && ::setsockopt(fd, level, name, &value, sizeof value) == 0;
}

std::optional<sockaddr_in> MakeAddress(std::string_view ip, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (ip.empty()) {
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        return address;
    }
    const auto parsed = ParseIpv4(ip);
    if (!parsed)
        return std::nullopt;
    address.sin_addr = *parsed;
    return address;
}

}  // namespace

std::optional<in_addr> ParseIpv4(std::string_view text) {
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    const std::string copy(text);
    in_addr address{};
    if (::inet_pton(AF_INET, copy.c_str(), &address) != 1)
        return std::nullopt;
    return address;
}

UdpSocket::~UdpSocket() {
    Close();
}

UdpSocket::UdpSocket(UdpSocket&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

UdpSocket& UdpSocket::operator=(UdpSocket&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

UdpSocket UdpSocket::Open() {
    return UdpSocket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP));
}

void UdpSocket::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool UdpSocket::SetReuseAddress() {
    return SetOption(fd_, SOL_SOCKET, SO_REUSEADDR, 1);
}

bool UdpSocket::SetBroadcast() {
    return SetOption(fd_, SOL_SOCKET, SO_BROADCAST, 1);
}

// The kernel caps a plain buffer request at net.core.[rw]mem_max (about 200 KiB by default),
// far below what a burst of answers from a large fleet needs; a process allowed to (root, or
// CAP_NET_ADMIN) gets the size asked for, any other gets the capped size.
bool UdpSocket::SetSendBuffer(int bytes) {
    return SetOption(fd_, SOL_SOCKET, SO_SNDBUFFORCE, bytes) ||
           SetOption(fd_, SOL_SOCKET, SO_SNDBUF, bytes);
}

bool UdpSocket::SetReceiveBuffer(int bytes) {
    return SetOption(fd_, SOL_SOCKET, SO_RCVBUFFORCE, bytes) ||
           SetOption(fd_, SOL_SOCKET, SO_RCVBUF, bytes);
}

bool UdpSocket::SetPacketInfo() {
    return SetOption(fd_, IPPROTO_IP, IP_PKTINFO, 1);
}

bool UdpSocket::SetTransparent() {
    return SetOption(fd_, IPPROTO_IP, IP_TRANSPARENT, 1);
}

bool UdpSocket::Bind(std::string_view local_ip, uint16_t port) {
    const auto address = MakeAddress(local_ip, port);
    return fd_ >= 0 && address &&
           ::bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
}

bool UdpSocket::JoinGroup(std::string_view group, std::string_view local_ip) {
    const auto group_address = ParseIpv4(group);
    if (!group_address)
        return false;
    ip_mreq request{};
    request.imr_multiaddr = *group_address;
    if (local_ip.empty()) {
        request.imr_interface.s_addr = htonl(INADDR_ANY);
    } else {
        const auto local = ParseIpv4(local_ip);
        if (!local)
            return false;
        request.imr_interface = *local;
    }
    return SetOption(fd_, IPPROTO_IP, IP_ADD_MEMBERSHIP, request);
}

bool UdpSocket::SetMulticastLoop(bool on) {
    const unsigned char value = on ? 1 : 0;
    return SetOption(fd_, IPPROTO_IP, IP_MULTICAST_LOOP, value);
}

bool UdpSocket::SetMulticastInterface(std::string_view local_ip) {
    const auto local = ParseIpv4(local_ip);
    return local && SetOption(fd_, IPPROTO_IP, IP_MULTICAST_IF, *local);
}

bool UdpSocket::SendTo(std::string_view ip, uint16_t port, std::span<const uint8_t> bytes) const {
    const auto address = MakeAddress(ip, port);
    if (fd_ < 0 || !address)
        return false;
    const ssize_t sent = ::sendto(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    return sent > 0;
}

bool UdpSocket::SendFrom(std::string_view source_ip, std::string_view ip, uint16_t port,
                         std::span<const uint8_t> bytes) const {
    const auto address = MakeAddress(ip, port);
    const auto source = ParseIpv4(source_ip);
    if (fd_ < 0 || !address || !source)
        return false;
    iovec part{const_cast<uint8_t*>(bytes.data()), bytes.size()};
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(in_pktinfo))> control{};
    msghdr message{};
    message.msg_name = const_cast<sockaddr_in*>(&*address);
    message.msg_namelen = sizeof *address;
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst = *source;
    std::memcpy(CMSG_DATA(header), &info, sizeof info);
    return ::sendmsg(fd_, &message, MSG_NOSIGNAL) > 0;
}

std::optional<ReceivedFrom> UdpSocket::Receive(std::span<uint8_t> buffer) const {
    if (fd_ < 0)
        return std::nullopt;
    sockaddr_in sender{};
    iovec part{buffer.data(), buffer.size()};
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(in_pktinfo))> control{};
    msghdr message{};
    message.msg_name = &sender;
    message.msg_namelen = sizeof sender;
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();
    ssize_t received = 0;
    do {
        received = ::recvmsg(fd_, &message, 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0)
        return std::nullopt;

    ReceivedFrom result;
    result.size = static_cast<std::size_t>(received);
    result.truncated = (message.msg_flags & MSG_TRUNC) != 0;
    std::memcpy(result.sender.address.data(), &sender.sin_addr, 4);
    result.sender.port = ntohs(sender.sin_port);
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header != nullptr;
         header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(header), sizeof info);
            std::memcpy(result.destination.data(), &info.ipi_addr, 4);
        }
    }
    return result;
}

}  // namespace brelvo::core
