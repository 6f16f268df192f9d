#include "core/platform/udp_socket.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <thread>
#include <vector>

#include "core/platform/wake_event.h"

namespace brelvo::core {
namespace {

// Tests run in a namespace of their own (tests/run_isolated), so loopback ports are free.
constexpr uint16_t kPort = 47001;

TEST(UdpSocket, ReceiveTellsSenderDestinationAndTruncation) {
    UdpSocket receiver = UdpSocket::Open();
    ASSERT_TRUE(receiver.SetReuseAddress());
    ASSERT_TRUE(receiver.SetPacketInfo());
    ASSERT_TRUE(receiver.Bind("", kPort));
    UdpSocket sender = UdpSocket::Open();
    ASSERT_TRUE(sender.Bind("127.0.0.1", kPort + 1));

    const std::vector<uint8_t> bytes{1, 2, 3, 4, 5};
    ASSERT_TRUE(sender.SendTo("127.0.0.1", kPort, bytes));
    std::array<uint8_t, 3> small{};
    const auto received = receiver.Receive(small);
    ASSERT_TRUE(received);
    EXPECT_TRUE(received->truncated);  // five bytes into three
    EXPECT_EQ(received->sender.port, kPort + 1);
    EXPECT_EQ(received->sender.address, (std::array<uint8_t, 4>{127, 0, 0, 1}));
    EXPECT_EQ(received->destination, (std::array<uint8_t, 4>{127, 0, 0, 1}));
}

TEST(UdpSocket, SendFromChoosesTheSourceAddressPerDatagram) {
    UdpSocket receiver = UdpSocket::Open();
    ASSERT_TRUE(receiver.SetReuseAddress());
    ASSERT_TRUE(receiver.Bind("127.0.0.1", kPort + 2));
    UdpSocket sender = UdpSocket::Open();
    ASSERT_TRUE(sender.Bind("", 0));
    const std::vector<uint8_t> bytes{9};
    for (const char* source : {"127.0.0.5", "127.0.0.9"}) {
        ASSERT_TRUE(sender.SendFrom(source, "127.0.0.1", kPort + 2, bytes)) << source;
        std::array<uint8_t, 16> buffer{};
        const auto received = receiver.Receive(buffer);
        ASSERT_TRUE(received);
        EXPECT_EQ(received->sender.address[3], source[8] - '0');
    }
}

TEST(UdpSocket, BadAddressesFailWithoutSending) {
    UdpSocket socket = UdpSocket::Open();
    EXPECT_FALSE(socket.Bind("300.1.1.1", kPort + 3));
    EXPECT_FALSE(socket.SendTo("not an address", kPort, std::vector<uint8_t>{1}));
    EXPECT_FALSE(socket.JoinGroup("239.255.255.250", "1.2.3"));
    UdpSocket closed;
    EXPECT_FALSE(closed.valid());
    EXPECT_FALSE(closed.SendTo("127.0.0.1", kPort, std::vector<uint8_t>{1}));
    EXPECT_FALSE(ParseIpv4("192.168.1"));
    EXPECT_TRUE(ParseIpv4("192.168.1.1"));
}

TEST(UdpSocket, BuffersGetTheSizeAskedForWhereThatIsAllowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may set buffers beyond net.core.rmem_max";
    UdpSocket socket = UdpSocket::Open();
    ASSERT_TRUE(socket.valid());
    constexpr int kTenMiB = 10 * 1024 * 1024;
    ASSERT_TRUE(socket.SetReceiveBuffer(kTenMiB));
    ASSERT_TRUE(socket.SetSendBuffer(kTenMiB));
    int size = 0;
    socklen_t length = sizeof size;
    ASSERT_EQ(::getsockopt(socket.fd(), SOL_SOCKET, SO_RCVBUF, &size, &length), 0);
    EXPECT_GE(size, kTenMiB);  // the kernel reports twice the size, for its bookkeeping
    ASSERT_EQ(::getsockopt(socket.fd(), SOL_SOCKET, SO_SNDBUF, &size, &length), 0);
    EXPECT_GE(size, kTenMiB);
}

TEST(WakeEvent, SignalWakesAWaiterAtOnce) {
    UdpSocket socket = UdpSocket::Open();
    ASSERT_TRUE(socket.Bind("127.0.0.1", kPort + 4));
    WakeEvent stop;
    ASSERT_TRUE(stop.valid());
    bool readable = true;
    std::thread waiter([&] { readable = WaitReadable(socket.fd(), stop); });
    stop.Signal();
    waiter.join();
    EXPECT_FALSE(readable);
}

}  // namespace
}  // namespace brelvo::core
