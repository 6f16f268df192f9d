#include "core/rules/ip_range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;
using test::Hex;

std::vector<device_target> Devices(std::size_t count) {
    std::vector<device_target> targets;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 1);
        targets.push_back(MakeTarget("192.168.0." + n, "00:00:00:00:00:0" + n, 1));
    }
    return targets;
}

std::vector<std::string> Addresses(const std::vector<AddressAssignment>& assignments) {
    std::vector<std::string> texts;
    for (const auto& a : assignments)
        texts.push_back(TargetMac(a.target) + "=" + IpBytesToText(a.new_ip));
    return texts;
}

TEST(IpRange, AssignmentOverARange) {
    struct Case {
        std::string_view what;
        std::size_t devices;
        Ipv4Bytes first;
        Ipv4Bytes last;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"the .255 and .0 addresses are skipped; the fourth device gets nothing",
         4,
         {192, 168, 0, 254},
         {192, 168, 1, 2},
         {"00:00:00:00:00:01=192.168.0.254", "00:00:00:00:00:02=192.168.1.1",
          "00:00:00:00:00:03=192.168.1.2"}},
        {"one device takes the start, the end is unused",
         1,
         {10, 0, 0, 5},
         {10, 0, 0, 9},
         {"00:00:00:00:00:01=10.0.0.5"}},
        {"one device with no end at all",
         1,
         {10, 0, 0, 5},
         {0, 0, 0, 0},
         {"00:00:00:00:00:01=10.0.0.5"}},
        {"more addresses than devices",
         2,
         {10, 0, 0, 5},
         {10, 0, 0, 9},
         {"00:00:00:00:00:01=10.0.0.5", "00:00:00:00:00:02=10.0.0.6"}},
        {"an end below the start gives nothing", 3, {10, 0, 0, 9}, {10, 0, 0, 5}, {}},
        {"the range may be a single address",
         2,
         {10, 0, 0, 7},
         {10, 0, 0, 7},
         {"00:00:00:00:00:01=10.0.0.7"}},
        {"a range up to the last address ends",
         9,
         {255, 255, 255, 252},
         {255, 255, 255, 255},
         {"00:00:00:00:00:01=255.255.255.252", "00:00:00:00:00:02=255.255.255.253",
          "00:00:00:00:00:03=255.255.255.254"}},
        {"no device", 0, {10, 0, 0, 5}, {10, 0, 0, 9}, {}},
    };
    for (const auto& c : cases) {
        const auto targets = Devices(c.devices);
        EXPECT_EQ(Addresses(AssignRangeAddresses(targets, c.first, c.last)), c.expected) << c.what;
    }
}

TEST(IpRange, RequestsCarryTheNewAddressAndGoToTheCurrentOne) {
    SetIpAddresses addresses;
    addresses.first = {192, 168, 0, 254};
    addresses.last = {192, 168, 1, 2};
    addresses.mask = {255, 255, 0, 0};
    addresses.gateway = {192, 168, 0, 1};
    addresses.primary_dns = {8, 8, 8, 8};
    addresses.secondary_dns = {8, 8, 4, 4};
    const auto targets = Devices(4);

    const std::vector<AddressChange> changes = PlanApplyIpSettings(targets, addresses);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(TargetIp(changes[0].target), "192.168.0.1");
    EXPECT_EQ(TargetMac(changes[0].target), "00:00:00:00:00:01");
    EXPECT_EQ(changes[0].new_ip, "192.168.0.254");
    EXPECT_EQ(BytesOfObject(changes[0].payload),
              Hex("01"           // ip_mode
                  "c0 a8 00 fe"  // new address
                  "ff ff 00 00"  // mask
                  "c0 a8 00 01"  // gateway
                  "08 08 08 08"  // primary DNS
                  "08 08 04 04"  // secondary DNS
                  "01"));        // apply
    EXPECT_EQ(TargetIp(changes[2].target), "192.168.0.3");
    EXPECT_EQ(changes[2].new_ip, "192.168.1.2");
    EXPECT_EQ(changes[2].payload.ip[2], 1);
    EXPECT_EQ(changes[2].payload.ip[3], 2);
}

}  // namespace
}  // namespace brelvo::core
