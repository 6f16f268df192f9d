#include "core/rules/wireless/bridge_addressing.h"

#include <algorithm>
#include <string_view>

#include "core/protocol/address_text.h"
#include "core/rules/validation.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

std::u16string AddressText(const uint8_t (&bytes)[4]) {
    return Utf8ToUtf16(IpBytesToText(bytes));
}

RuleFailure Plain(std::string_view message, InputField field) {
    return RuleFailure{Translate(message), BoxKind::kPlain, InputField::kNone, field};
}

void CopyAddress(uint8_t (&to)[4], std::u16string_view text) {
    const Ipv4Bytes bytes = IpTextToBytes(text);
    std::copy(bytes.begin(), bytes.end(), to);
}

}  // namespace

BridgeAddressingInput FillBridgeAddressing(const ip_block& current) {
    return {AddressText(current.ip), AddressText(current.ip_mask), AddressText(current.ip_gateway),
            AddressText(current.ip_dns1), AddressText(current.ip_dns2)};
}

Collected<ip_block> CollectBridgeAddressing(const ip_block& current,
                                            const BridgeAddressingInput& input,
                                            std::span<const std::string> stored_ips) {
    // The wizard's own sequence: unlike the addressing tab it neither refuses a network
    // address nor checks the secondary DNS server on its own.
    if (!IsValidAddress(input.address, false))
        return Plain("The ip address is invalid!", InputField::kAddress);
    if (!IsValidMask(input.mask))
        return Plain("The subnet mask is invalid!", InputField::kMask);
    if (!IsValidAddress(input.gateway, true))
        return Plain("The gateway address is invalid!", InputField::kGateway);
    if (input.address == input.gateway)
        return Plain("The ip address and gateway address cannot be the same!",
                     InputField::kGateway);
    if (!IsUnsetAddress(input.gateway) &&
        !InSameSubnet(IpTextToBytes(input.gateway), IpTextToBytes(input.address),
                      IpTextToBytes(input.mask)))
        return Plain("Ip address and gateway address is not in the same subnet!",
                     InputField::kGateway);
    if (!IsValidAddress(input.primary_dns, true))
        return Plain("The primary DNS Server is invalid!", InputField::kPrimaryDns);
    if (!AddressesDiffer(input.primary_dns, input.secondary_dns))
        return Plain("The primary DNS server cannot be the same as the secondary DNS server!",
                     InputField::kSecondaryDns);
    Ipv4Bytes current_ip{};
    std::copy(std::begin(current.ip), std::end(current.ip), current_ip.begin());
    if (auto failure = CheckAddressNotInUse(input.address, current_ip, stored_ips))
        return *failure;

    auto block = ZeroBlock<ip_block>();
    block.ip_mode = 1;
    CopyAddress(block.ip, input.address);
    CopyAddress(block.ip_mask, input.mask);
    CopyAddress(block.ip_gateway, input.gateway);
    CopyAddress(block.ip_dns1, input.primary_dns);
    CopyAddress(block.ip_dns2, input.secondary_dns);
    return block;
}

}  // namespace brelvo::core
