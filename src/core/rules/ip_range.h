// New addresses for several devices at once: one address for a single device, or consecutive
// addresses of a range handed out in the order of the selection.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::core {

// The six addresses the operator confirmed in the Set IP pop-up.
struct SetIpAddresses {
    Ipv4Bytes first{};  // the single device's address, or the start of the range
    Ipv4Bytes last{};   // the end of the range; unused for a single device
    Ipv4Bytes mask{};
    Ipv4Bytes gateway{};
    Ipv4Bytes primary_dns{};
    Ipv4Bytes secondary_dns{};
};

struct AddressAssignment {
    device_target target{};
    Ipv4Bytes new_ip{};
};

// One device gets `first`. Several devices get the addresses from `first` to `last` inclusive,
// skipping those whose last number is 0 or 255, in selection order; devices left over when the
// range runs out get nothing, and a range whose end lies below its start gives nothing.
std::vector<AddressAssignment> AssignRangeAddresses(std::span<const device_target> targets,
                                                    const Ipv4Bytes& first, const Ipv4Bytes& last);

// One addressing request: announce the new address to the engine (NoteNewIp with the target's
// MAC, its current address and `new_ip`), then send request 3 with `payload` to the target's
// current address.
struct AddressChange {
    device_target target{};
    std::string new_ip;
    ip_block payload{};
};

// The addressing requests of the Set IP action, in sending order.
std::vector<AddressChange> PlanApplyIpSettings(std::span<const device_target> targets,
                                               const SetIpAddresses& addresses);

// The addressing payload: mode 1, the addresses, apply flag 1.
ip_block MakeIpBlock(const Ipv4Bytes& ip, const SetIpAddresses& addresses);

}  // namespace brelvo::core
