#include "core/rules/wireless/bridge_addressing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/support/translation.h"
#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::Hex;

ip_block Current() {
    auto block = ZeroBlock<ip_block>();
    block.ip_mode = 0;
    const uint8_t bytes[20] = {192, 168, 1, 20, 255, 255, 255, 0, 192, 168,
                               1,   1,   8, 8,  8,   8,   0,   0, 0,   0};
    std::memcpy(block.ip, bytes, 20);
    return block;
}

BridgeAddressingInput Valid() {
    return {u"192.168.1.20", u"255.255.255.0", u"192.168.1.1", u"8.8.8.8", u""};
}

TEST(BridgeAddressing, FillsTheControlsFromTheDevicesAddressing) {
    EXPECT_EQ(FillBridgeAddressing(Current()),
              (BridgeAddressingInput{u"192.168.1.20", u"255.255.255.0", u"192.168.1.1", u"8.8.8.8",
                                     u"0.0.0.0"}));
}

TEST(BridgeAddressing, ChecksInTheWizardsOrder) {
    struct Case {
        const char* name;
        BridgeAddressingInput input;
        std::optional<std::string> message;
    };
    auto with = [](auto edit) {
        BridgeAddressingInput input = Valid();
        edit(input);
        return input;
    };
    const std::vector<Case> cases{
        {"valid", Valid(), std::nullopt},
        {"no address", with([](auto& in) { in.address = u"0.0.0.0"; }),
         "The ip address is invalid!"},
        {"loopback address", with([](auto& in) { in.address = u"127.0.0.1"; }),
         "The ip address is invalid!"},
        {"broken mask", with([](auto& in) { in.mask = u"255.0.255.0"; }),
         "The subnet mask is invalid!"},
        {"gateway ends in 255", with([](auto& in) { in.gateway = u"192.168.1.255"; }),
         "The gateway address is invalid!"},
        {"address is the gateway", with([](auto& in) { in.gateway = u"192.168.1.20"; }),
         "The ip address and gateway address cannot be the same!"},
        {"gateway elsewhere", with([](auto& in) { in.gateway = u"192.168.2.1"; }),
         "Ip address and gateway address is not in the same subnet!"},
        {"no gateway", with([](auto& in) { in.gateway = u""; }), std::nullopt},
        {"unset gateway", with([](auto& in) { in.gateway = u"0.0.0.0"; }), std::nullopt},
        {"bad primary DNS", with([](auto& in) { in.primary_dns = u"224.0.0.1"; }),
         "The primary DNS Server is invalid!"},
        {"equal DNS servers", with([](auto& in) { in.secondary_dns = u"8.8.8.8"; }),
         "The primary DNS server cannot be the same as the secondary DNS server!"},
        {"two unset DNS servers", with([](auto& in) {
             in.primary_dns = u"0.0.0.0";
             in.secondary_dns = u"0.0.0.0";
         }),
         std::nullopt},
        // A network address is not refused by the wizard, unlike the addressing tab.
        {"network address", with([](auto& in) {
             in.address = u"192.168.1.128";
             in.mask = u"255.255.255.128";
             in.gateway = u"192.168.1.129";
         }),
         std::nullopt},
        {"secondary DNS not checked alone", with([](auto& in) { in.secondary_dns = u"127.0.0.1"; }),
         std::nullopt},
        {"taken by another device", with([](auto& in) { in.address = u"192.168.1.30"; }),
         "The ip address is already in use, please respecify!"},
    };
    const std::vector<std::string> stored{"192.168.1.20", "192.168.1.30"};
    for (const auto& c : cases) {
        const auto result = CollectBridgeAddressing(Current(), c.input, stored);
        if (!c.message) {
            EXPECT_TRUE(result.ok())
                << c.name << ": " << (result.ok() ? "" : result.failure().message);
            continue;
        }
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.failure().message, Translate(*c.message)) << c.name;
        EXPECT_EQ(result.failure().box, BoxKind::kPlain) << c.name;
    }
}

TEST(BridgeAddressing, KeepingTheCurrentAddressPassesEvenWhenAnotherDeviceShowsIt) {
    const std::vector<std::string> stored{"192.168.1.20", "192.168.1.20"};
    EXPECT_TRUE(CollectBridgeAddressing(Current(), Valid(), stored).ok());
}

TEST(BridgeAddressing, CollectsStaticAddressingWithoutTheApplyFlag) {
    BridgeAddressingInput input = Valid();
    input.address = u"192.168.1.40";
    input.secondary_dns = u"1.1.1.1";
    const auto result = CollectBridgeAddressing(Current(), input, {});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(test::BytesOfObject(result.output()),
              Hex("01  C0 A8 01 28  FF FF FF 00  C0 A8 01 01  08 08 08 08  01 01 01 01  00"));
}

}  // namespace
}  // namespace brelvo::core
