#include "core/rules/wireless/wireless_security.h"

#include <span>
#include <string>
#include <string_view>

#include "core/protocol/address_text.h"
#include "core/rules/outgoing_names.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

// Models whose radios know neither WEP nor WPA enterprise.
bool LacksWepAndEnterprise(uint32_t ap_type) {
    return ap_type == 12 || ap_type == 13 || ap_type == 271;
}

std::u16string NumberText(long long value) {
    return Utf8ToUtf16(std::to_string(value));
}

std::u16string FieldText(std::span<const char> field, uint8_t length) {
    return Utf8ToUtf16(ReadTextField(field, length));
}

// A list filled with fixed items whose item data is their position, selected by position; a
// stored value that is no position selects the first item, so a save never reads "no choice".
ListFill PositionList(std::initializer_list<std::string_view> texts, uint32_t position,
                      int first_data = 0) {
    ListFill list;
    int data = first_data;
    for (const auto text : texts)
        list.items.push_back({std::string(text), data++});
    list.selected = position < list.items.size() ? position : 0;
    return list;
}

ListFill KeyFormatList(uint8_t format) {
    return PositionList({"ASCII", "Hex"}, format);
}

// The four WEP keys of the payload, which lie as separate fields in the record's layout.
struct WepKeySlot {
    uint8_t& type;
    std::span<char> value;
    uint8_t& length;
};

std::array<WepKeySlot, 4> WepKeySlots(radio_block& b) {
    return {{
        {b.wep_key_type0, b.wep_key_value0, b.wep_key_len0},
        {b.wep_key_type1, b.wep_key_value1, b.wep_key_len1},
        {b.wep_key_type2, b.wep_key_value2, b.wep_key_len2},
        {b.wep_key_type3, b.wep_key_value3, b.wep_key_len3},
    }};
}

uint32_t IntervalValue(std::u16string_view text) {
    // An empty interval field counts as 0; the checks keep the value within 0..99999.
    return static_cast<uint32_t>(DecimalValue(text));
}

WepKeysInput WepCheckInput(const WepPageInput& wep) {
    WepKeysInput input;
    input.keys = wep.keys;
    for (std::size_t k = 0; k < 4; ++k)
        input.formats[k] = wep.formats[k].value_or(kWepAscii) == kWepHex ? kWepHex : kWepAscii;
    input.default_key = wep.default_key.value_or(1);
    return input;
}

}  // namespace

ListFill FillSecurityModes(uint32_t ap_type, uint32_t secure_mode) {
    ListFill list;
    const std::array<std::string_view, 7> texts{
        "None", "WEP", "WPA-PSK", "WPA2-PSK", "Mixed WPA/WPA2-PSK", "WPA", "WPA2"};
    for (int code = 0; code < static_cast<int>(texts.size()); ++code) {
        const bool offered = !LacksWepAndEnterprise(ap_type) ||
                             (code != kSecureWep && code != kSecureWpa && code != kSecureWpa2);
        if (offered)
            list.items.push_back({std::string(texts[static_cast<std::size_t>(code)]), code});
    }
    list.selected = FindItemData(list.items, static_cast<int>(secure_mode));
    return list;
}

SecurityFieldsView ShowSecurityFields(std::optional<int> mode, int cipher) {
    SecurityFieldsView view;
    view.cipher = cipher;
    switch (mode.value_or(-1)) {
        case kSecureWep:
            view.wep_page_shown = true;
            break;
        case kSecureWpaPsk:
            view.psk_fields_shown = view.aes_enabled = view.tkip_enabled = true;
            if (cipher == kCipherTkipAes)
                view.cipher = kCipherAes;
            break;
        case kSecureWpa2Psk:
        case kSecureWpaWpa2Psk:
            view.psk_fields_shown = view.aes_enabled = view.tkip_enabled = true;
            view.tkip_aes_enabled = true;
            break;
        case kSecureWpa:
        case kSecureWpa2:
            view.wpa_page_shown = true;
            break;
        default:
            break;
    }
    return view;
}

PskInput FillPskFields(const ap_info_stu& record) {
    return {record.wpapsk_auth_type, FieldText(record.wpapsk_key_value, record.wpapsk_key_len),
            NumberText(record.wpapsk_key_time)};
}

WepPageFill FillWepPage(const ap_info_stu& record) {
    WepPageFill fill;
    fill.auth_types = PositionList({"Open", "Share"}, record.wep_auth_type);
    fill.default_keys = PositionList({"Key 1", "Key 2", "Key 3", "Key 4"},
                                     static_cast<uint32_t>(record.wep_key_index) - 1, 1);
    fill.keys = {FieldText(record.wep_key_value0, record.wep_key_len0),
                 FieldText(record.wep_key_value1, record.wep_key_len1),
                 FieldText(record.wep_key_value2, record.wep_key_len2),
                 FieldText(record.wep_key_value3, record.wep_key_len3)};
    fill.formats = {KeyFormatList(record.wep_key_type0), KeyFormatList(record.wep_key_type1),
                    KeyFormatList(record.wep_key_type2), KeyFormatList(record.wep_key_type3)};
    return fill;
}

WpaPageFill FillWpaPage(const ap_info_stu& record) {
    WpaPageFill fill;
    fill.ciphers = PositionList({"AES", "TKIP", "AES/TKIP"}, record.wpa_auth_type);
    fill.server = Utf8ToUtf16(IpBytesToText(record.wpa_radius_ip));
    fill.port = NumberText(record.wpa_radius_port);
    fill.secret = FieldText(record.wpa_key, record.wpa_key_len);
    fill.interval = NumberText(record.wpa_key_time);
    return fill;
}

RuleResult CheckSecurity(const SecurityInput& input) {
    switch (input.mode.value_or(-1)) {
        case kSecureWep:
            return CheckWepKeys(WepCheckInput(input.wep));
        case kSecureWpaPsk:
        case kSecureWpa2Psk:
        case kSecureWpaWpa2Psk:
            if (auto failure = CheckPskKey(input.psk.key))
                return failure;
            return CheckKeyInterval(input.psk.interval);
        case kSecureWpa:
        case kSecureWpa2:
            if (auto failure = CheckRadiusServer(IpTextToBytes(input.wpa.server), input.wpa.port))
                return failure;
            if (auto failure = CheckRadiusKey(input.wpa.secret))
                return failure;
            return CheckKeyInterval(input.wpa.interval, InputField::kRadiusKeyInterval, false);
        default:
            return std::nullopt;
    }
}

void WriteSecurity(radio_block& block, const SecurityInput& input) {
    if (!input.mode)
        return;
    block.secure_mode = static_cast<uint8_t>(*input.mode);
    switch (*input.mode) {
        case kSecureWep: {
            const WepPageInput& wep = input.wep;
            block.wep_auth_type = static_cast<uint8_t>(wep.auth_type.value_or(0));
            block.wep_key_index = static_cast<uint8_t>(wep.default_key.value_or(1));
            auto slots = WepKeySlots(block);
            for (std::size_t k = 0; k < slots.size(); ++k) {
                slots[k].type = static_cast<uint8_t>(wep.formats[k].value_or(kWepAscii));
                // The first key is checked without its leading white space; the device gets
                // the key that passed.
                const std::u16string key =
                    k == 0 ? StripLeadingWhiteSpace(wep.keys[k]) : wep.keys[k];
                WriteOperatorText(slots[k].value, slots[k].length, key);
            }
            break;
        }
        case kSecureWpaPsk:
        case kSecureWpa2Psk:
        case kSecureWpaWpa2Psk:
            block.wpapsk_auth_type = static_cast<uint8_t>(input.psk.cipher == kCipherAes    ? 0
                                                          : input.psk.cipher == kCipherTkip ? 1
                                                                                            : 2);
            WriteOperatorText(block.wpapsk_key_value, block.wpapsk_key_len, input.psk.key);
            block.wpapsk_key_time = IntervalValue(input.psk.interval);
            break;
        case kSecureWpa:
        case kSecureWpa2: {
            const WpaPageInput& wpa = input.wpa;
            block.wpa_auth_type = static_cast<uint8_t>(wpa.cipher.value_or(0));
            const Ipv4Bytes server = IpTextToBytes(wpa.server);
            std::copy(server.begin(), server.end(), block.wpa_radius_ip);
            block.wpa_radius_port = static_cast<uint16_t>(DecimalValue(wpa.port));
            WriteOperatorText(block.wpa_key, block.wpa_key_len, wpa.secret);
            block.wpa_key_time = IntervalValue(wpa.interval);
            break;
        }
        default:
            break;
    }
}

}  // namespace brelvo::core
