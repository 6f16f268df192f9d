// The security section of the wireless settings: the mode list, which fields each mode shows,
// the WEP and WPA enterprise sub-pages, their checks and what they write into the wireless
// settings payload.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/validation.h"
#include "core/rules/wireless/list_fill.h"

namespace brelvo::core {

// WPA-PSK cipher codes (`wpapsk_auth_type`), also the cipher buttons of the bridge wizard.
enum PskCipher : int { kCipherAes = 0, kCipherTkip = 1, kCipherTkipAes = 2 };

// "None" .. "WPA2" with the `secure_mode` codes; the modes models 12, 13 and 271 lack are
// left out. The item of `secure_mode` is selected; a mode the list does not offer selects none.
ListFill FillSecurityModes(uint32_t ap_type, uint32_t secure_mode);

// Which security controls one mode shows. Shown controls are also enabled.
struct SecurityFieldsView {
    bool psk_fields_shown = false;  // cipher buttons, key and interval with their labels
    bool aes_enabled = false;
    bool tkip_enabled = false;
    bool tkip_aes_enabled = false;
    int cipher = kCipherAes;  // the cipher button to have chosen now
    bool wep_page_shown = false;
    bool wpa_page_shown = false;

    bool operator==(const SecurityFieldsView&) const = default;
};

// `mode` is the item data of the chosen mode (nothing: no mode chosen, every field hidden);
// `cipher` is the cipher button chosen now. TKIP with AES together is no WPA-PSK cipher.
SecurityFieldsView ShowSecurityFields(std::optional<int> mode, int cipher);

// --- the fields as the operator left them ---

struct PskInput {
    int cipher = kCipherAes;
    std::u16string key;
    std::u16string interval;

    bool operator==(const PskInput&) const = default;
};

struct WepPageInput {
    std::optional<int> auth_type;    // item data: 0 open, 1 shared
    std::optional<int> default_key;  // item data: 1 to 4
    std::array<std::u16string, 4> keys;
    std::array<std::optional<int>, 4> formats;  // item data: 0 ASCII, 1 hex

    bool operator==(const WepPageInput&) const = default;
};

struct WpaPageInput {
    std::optional<int> cipher;  // item data: 0 AES, 1 TKIP, 2 AES and TKIP
    std::u16string server;      // dotted address text
    std::u16string port;
    std::u16string secret;
    std::u16string interval;

    bool operator==(const WpaPageInput&) const = default;
};

// --- filling from the device's record ---

PskInput FillPskFields(const ap_info_stu& record);

struct WepPageFill {
    ListFill auth_types;
    ListFill default_keys;
    std::array<std::u16string, 4> keys;
    std::array<ListFill, 4> formats;

    bool operator==(const WepPageFill&) const = default;
};
WepPageFill FillWepPage(const ap_info_stu& record);

struct WpaPageFill {
    ListFill ciphers;
    std::u16string server;
    std::u16string port;
    std::u16string secret;
    std::u16string interval;

    bool operator==(const WpaPageFill&) const = default;
};
WpaPageFill FillWpaPage(const ap_info_stu& record);

// --- saving ---

struct SecurityInput {
    std::optional<int> mode;  // item data of the chosen mode
    PskInput psk;
    WepPageInput wep;
    WpaPageInput wpa;
};

// The checks of the chosen mode; nothing when they pass.
RuleResult CheckSecurity(const SecurityInput& input);

// Writes the chosen mode and its fields into a payload that starts as the device's record, so
// the fields of the other modes keep their stored values. Call after CheckSecurity passed.
// Without a chosen mode the record's security goes out unchanged.
void WriteSecurity(radio_block& block, const SecurityInput& input);

}  // namespace brelvo::core
