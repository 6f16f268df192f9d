// The addressing page of the bridge wizard: the device's own address, mask, gateway and DNS
// servers, checked and written into the addressing part of the bridge request.
#pragma once

#include <span>
#include <string>

#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"

namespace brelvo::core {

// The five address controls as dotted texts.
struct BridgeAddressingInput {
    std::u16string address;
    std::u16string mask;
    std::u16string gateway;
    std::u16string primary_dns;
    std::u16string secondary_dns;

    bool operator==(const BridgeAddressingInput&) const = default;
};

// The controls filled from the device's current addressing.
BridgeAddressingInput FillBridgeAddressing(const ip_block& current);

// Checks the controls and gives the addressing block: static addressing, the five addresses,
// the apply flag left 0. `stored_ips` are the addresses of the stored devices; keeping the
// device's current address is always allowed.
Collected<ip_block> CollectBridgeAddressing(const ip_block& current,
                                            const BridgeAddressingInput& input,
                                            std::span<const std::string> stored_ips);

}  // namespace brelvo::core
