#include "core/rules/ip_settings.h"

#include <cstring>

#include "core/rules/outgoing_names.h"
#include "core/rules/validation.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

std::u16string AddressField(const uint8_t (&address)[4]) {
    return Utf8ToUtf16(IpBytesToText(address));
}

void ReadAddress(uint8_t (&field)[4], std::u16string_view text) {
    const Ipv4Bytes bytes = IpTextToBytes(text);
    std::memcpy(field, bytes.data(), bytes.size());
}

bool SameBytes(const ip_block& first, const ip_block& second) {
    return std::memcmp(&first, &second, sizeof first) == 0;
}

}  // namespace

IpTabFields FillIpTab(const ap_info_stu& record) {
    IpTabFields fields;
    fields.address = AddressField(record.ip);
    fields.mask = AddressField(record.ip_mask);
    fields.gateway = AddressField(record.ip_gateway);
    fields.primary_dns = AddressField(record.ip_dns1);
    fields.secondary_dns = AddressField(record.ip_dns2);
    fields.name = Utf8ToUtf16(ReadTextField(record.ap_name, record.ap_name_len));
    return fields;
}

Collected<IpTabOutput> CollectIpSettings(const ap_info_stu& record, const IpTabFields& fields,
                                         std::span<const std::string> stored_ips) {
    IpTabOutput output;

    // The pages only ever send mode 1, so a device reporting another mode is not a change.
    ip_block current = SliceOf<ip_block>(record);
    current.ip_mode = 1;

    ip_block candidate = current;
    ReadAddress(candidate.ip, fields.address);
    ReadAddress(candidate.ip_mask, fields.mask);
    ReadAddress(candidate.ip_gateway, fields.gateway);
    ReadAddress(candidate.ip_dns1, fields.primary_dns);
    ReadAddress(candidate.ip_dns2, fields.secondary_dns);

    if (!SameBytes(candidate, current)) {
        output.addressing_changed = true;
        IpSettingsInput check;
        check.address = fields.address;
        check.mask = fields.mask;
        check.gateway = fields.gateway;
        check.primary_dns = fields.primary_dns;
        check.secondary_dns = fields.secondary_dns;
        if (auto failure = CheckIpSettings(check))
            return *failure;
        Ipv4Bytes current_ip{};
        std::memcpy(current_ip.data(), record.ip, current_ip.size());
        if (auto failure = CheckAddressNotInUse(fields.address, current_ip, stored_ips))
            return *failure;
    }
    output.addressing = candidate;
    output.addressing.apply = 1;

    if (auto failure = CheckDeviceName(fields.name, record.ap_type))
        return *failure;
    const std::string name = Utf16ToUtf8(fields.name);
    output.name = MakeNameBlock(name);
    output.name_changed = name != ReadTextField(record.ap_name, record.ap_name_len);
    return output;
}

SetIpLayout SetIpPopupLayout(std::size_t device_count) {
    SetIpLayout layout;
    layout.end_label = Translate("IP_Address_End");
    if (device_count <= 1) {
        layout.end_row_shown = false;
        layout.start_label = Translate("IP_Address");
        layout.start_row_shift = 33;
    } else {
        layout.start_label = Translate("IP_Address_Begin");
    }
    return layout;
}

SetIpFields FillSetIpPopup(const ip_block& first_device) {
    SetIpFields fields;
    fields.start = AddressField(first_device.ip);
    fields.mask = AddressField(first_device.ip_mask);
    fields.gateway = AddressField(first_device.ip_gateway);
    fields.primary_dns = AddressField(first_device.ip_dns1);
    fields.secondary_dns = AddressField(first_device.ip_dns2);
    return fields;
}

Collected<SetIpAddresses> SaveSetIpPopup(const SetIpFields& fields, std::size_t device_count) {
    IpSettingsInput check;
    check.address = fields.start;
    check.end_address = fields.end;
    check.range_variant = true;
    check.device_count = device_count;
    check.mask = fields.mask;
    check.gateway = fields.gateway;
    check.primary_dns = fields.primary_dns;
    check.secondary_dns = fields.secondary_dns;
    if (auto failure = CheckIpSettings(check))
        return *failure;

    SetIpAddresses addresses;
    addresses.first = IpTextToBytes(fields.start);
    addresses.last = IpTextToBytes(fields.end);
    addresses.mask = IpTextToBytes(fields.mask);
    addresses.gateway = IpTextToBytes(fields.gateway);
    addresses.primary_dns = IpTextToBytes(fields.primary_dns);
    addresses.secondary_dns = IpTextToBytes(fields.secondary_dns);
    return addresses;
}

}  // namespace brelvo::core
