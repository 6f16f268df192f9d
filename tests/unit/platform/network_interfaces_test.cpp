#include "core/platform/network_interfaces.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

#include <net/if.h>

namespace brelvo::core {
namespace {

// Only where the test has a network namespace of its own with nothing but loopback (as
// tests/run_isolated gives it) may it add an interface.
bool OnlyLoopbackHere() {
    // if_nameindex asks the namespace itself; /sys may still show another one.
    struct if_nameindex* names = ::if_nameindex();
    if (names == nullptr)
        return false;
    int others = 0;
    for (const struct if_nameindex* n = names; n->if_index != 0; ++n)
        others += std::string_view(n->if_name) != "lo" ? 1 : 0;
    ::if_freenameindex(names);
    return others == 0;
}

TEST(NetworkInterfaces, ListsUpInterfacesWithTheirIpv4AddressesAndMac) {
    if (!OnlyLoopbackHere())
        GTEST_SKIP() << "not in an isolated namespace";
    EXPECT_TRUE(ListIpv4Interfaces().empty());  // loopback is never listed
    if (std::system("ip link add brelvo0 address 02:11:22:33:44:55 type veth peer name brelvo1 "
                    "2>/dev/null") != 0)
        GTEST_SKIP() << "cannot add a veth pair here";
    ASSERT_EQ(std::system("ip addr add 10.77.0.1/24 dev brelvo0 && "
                          "ip addr add 10.78.0.1/16 dev brelvo0"),
              0);
    EXPECT_TRUE(ListIpv4Interfaces().empty());  // not up yet
    // brelvo1 comes up too (so brelvo0 runs) but has no IPv4 address: not listed.
    ASSERT_EQ(std::system("ip link set brelvo1 up && ip link set brelvo0 up"), 0);

    // The carrier (RUNNING) follows the link a moment later.
    auto interfaces = ListIpv4Interfaces();
    for (int wait = 0; wait < 100 && interfaces.empty(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        interfaces = ListIpv4Interfaces();
    }
    std::system("ip link del brelvo0");
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].name, "brelvo0");
    EXPECT_EQ(interfaces[0].mac, (std::array<uint8_t, 6>{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
    ASSERT_EQ(interfaces[0].addresses.size(), 2u);
    EXPECT_EQ(interfaces[0].addresses[0].address, "10.77.0.1");
    EXPECT_EQ(interfaces[0].addresses[0].mask, "255.255.255.0");
    EXPECT_EQ(interfaces[0].addresses[1].mask, "255.255.0.0");
    EXPECT_EQ(interfaces[0].description.rfind("brelvo0", 0), 0u);
}

}  // namespace
}  // namespace brelvo::core
