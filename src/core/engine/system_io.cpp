#include <optional>

#include "core/engine/engine_io.h"
#include "core/platform/network_interfaces.h"
#include "core/platform/packet_capture.h"
#include "core/platform/udp_socket.h"
#include "core/protocol/packet.h"

namespace brelvo::core {

namespace {

constexpr int kSocketBuffer = 1 << 20;  // 1 MiB

class SystemAdapterSource final : public AdapterSource {
public:
    std::vector<LocalAdapter> ReadAdapters() override {
        std::vector<LocalAdapter> adapters;
        for (const NetworkInterface& found : ListIpv4Interfaces()) {
            LocalAdapter adapter;
            adapter.name = found.name;
            adapter.description = found.description;
            adapter.mac = found.mac;
            for (const auto& address : found.addresses)
                adapter.addresses.push_back({address.address, address.mask, {}});
            adapters.push_back(std::move(adapter));
        }
        return adapters;
    }
};

class UdpDatagramSender final : public DatagramSender {
public:
    bool Open() override {
        UdpSocket socket = UdpSocket::Open();
        if (!socket.valid() || !socket.SetReuseAddress() || !socket.SetBroadcast() ||
            !socket.SetSendBuffer(kSocketBuffer) || !socket.SetReceiveBuffer(kSocketBuffer) ||
            !socket.Bind("", kPortSearch))
            return false;
        broadcast_socket_ = std::move(socket);
        return true;
    }

    void Close() override { broadcast_socket_.Close(); }

    bool SendToGroup(std::string_view local_ip, std::span<const uint8_t> datagram) override {
        UdpSocket socket = UdpSocket::Open();
        // Linux picks the outgoing interface of a multicast datagram from IP_MULTICAST_IF, not
        // from the membership, so both are set to the local address.
        if (!socket.valid() || !socket.SetReuseAddress() ||
            !socket.JoinGroup(kMulticastGroup, local_ip) || !socket.SetMulticastLoop(false) ||
            !socket.SetSendBuffer(kSocketBuffer) || !socket.SetReceiveBuffer(kSocketBuffer) ||
            !socket.SetMulticastInterface(local_ip) || !socket.Bind(local_ip, kPortRequest))
            return false;
        return socket.SendTo(kMulticastGroup, kPortRequest, datagram);
    }

    bool SendSearch(std::string_view local_ip, std::string_view broadcast_ip,
                    std::span<const uint8_t> datagram) override {
        UdpSocket socket = UdpSocket::Open();
        if (!socket.valid() || !socket.SetReuseAddress() || !socket.SetBroadcast() ||
            !socket.SetSendBuffer(kSocketBuffer) || !socket.SetReceiveBuffer(kSocketBuffer) ||
            !socket.Bind(local_ip, kPortSearch))
            return false;
        return socket.SendTo(broadcast_ip, kPortSearch, datagram);
    }

    bool SendSearchToAll(std::span<const uint8_t> datagram) override {
        return broadcast_socket_.SendTo("255.255.255.255", kPortSearch, datagram);
    }

private:
    UdpSocket broadcast_socket_;
};

class PcapFrameSender final : public FrameSender {
public:
    std::vector<std::string> ListDevices() override { return ListCaptureDevices(); }
    bool SendFrame(const std::string& device, std::span<const uint8_t> frame) override {
        return SendRawFrame(device, frame);
    }
};

}  // namespace

std::unique_ptr<AdapterSource> MakeSystemAdapterSource() {
    return std::make_unique<SystemAdapterSource>();
}

std::unique_ptr<DatagramSender> MakeUdpDatagramSender() {
    return std::make_unique<UdpDatagramSender>();
}

std::unique_ptr<FrameSender> MakePcapFrameSender() {
    return std::make_unique<PcapFrameSender>();
}

}  // namespace brelvo::core
