#include "core/rules/ip_range.h"

#include <algorithm>
#include <cstdint>

namespace brelvo::core {

namespace {

void CopyAddress(uint8_t (&field)[4], const Ipv4Bytes& address) {
    std::copy(address.begin(), address.end(), field);
}

}  // namespace

std::vector<AddressAssignment> AssignRangeAddresses(std::span<const device_target> targets,
                                                    const Ipv4Bytes& first, const Ipv4Bytes& last) {
    std::vector<AddressAssignment> assignments;
    if (targets.empty())
        return assignments;
    if (targets.size() == 1) {
        assignments.push_back({targets.front(), first});
        return assignments;
    }
    // Counted in 64 bits, so that a range ending at 255.255.255.255 still ends.
    const uint64_t end = IpBytesToNumber(last);
    auto next = targets.begin();
    for (uint64_t number = IpBytesToNumber(first); number <= end && next != targets.end();
         ++number) {
        const Ipv4Bytes address = IpNumberToBytes(static_cast<uint32_t>(number));
        if (address[3] == 0 || address[3] == 255)
            continue;
        assignments.push_back({*next, address});
        ++next;
    }
    return assignments;
}

ip_block MakeIpBlock(const Ipv4Bytes& ip, const SetIpAddresses& addresses) {
    auto block = ZeroBlock<ip_block>();
    block.ip_mode = 1;
    CopyAddress(block.ip, ip);
    CopyAddress(block.ip_mask, addresses.mask);
    CopyAddress(block.ip_gateway, addresses.gateway);
    CopyAddress(block.ip_dns1, addresses.primary_dns);
    CopyAddress(block.ip_dns2, addresses.secondary_dns);
    block.apply = 1;
    return block;
}

std::vector<AddressChange> PlanApplyIpSettings(std::span<const device_target> targets,
                                               const SetIpAddresses& addresses) {
    std::vector<AddressChange> changes;
    for (const auto& [target, new_ip] :
         AssignRangeAddresses(targets, addresses.first, addresses.last)) {
        changes.push_back({target, IpBytesToText(new_ip), MakeIpBlock(new_ip, addresses)});
    }
    return changes;
}

}  // namespace brelvo::core
