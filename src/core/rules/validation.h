// The input rules every configuration form checks before anything is sent. Each check returns
// the first failed rule (its translated message, the kind of message box to show it in, the
// field to put the focus on and the field that failed) or nothing when the input passes. The
// core shows no box itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/protocol/address_text.h"

namespace brelvo::core {

enum class BoxKind {
    kPlain,          // OK, no icon, the application's title
    kWarning,        // OK, warning icon, empty title
    kTitledWarning,  // OK, warning icon, the application's title
    kConfirm,        // OK and Cancel, question icon, empty title
};

// The field a failed rule points at, so the form can give it the focus.
enum class InputField {
    kNone,
    kAddress,
    kEndAddress,
    kMask,
    kGateway,
    kPrimaryDns,
    kSecondaryDns,
    kName,
    kSsid,
    kTxPower,
    kPskKey,
    kKeyInterval,
    kRadiusAddress,
    kRadiusPort,
    kRadiusKey,
    kRadiusKeyInterval,
    kWepKey1,
    kWepKey2,
    kWepKey3,
    kWepKey4,
    kWepDefaultKey,
    kManageVlan,
    kWlanVlan,
    kPvid,
    kLanVlan,
    kLan3Vlan,
    kLan4Vlan,
    kHour,
    kMinute,
    kDays,
};

struct RuleFailure {
    std::string message;  // already translated and formatted
    BoxKind box = BoxKind::kWarning;
    // Where the form puts the keyboard focus; kNone where the form leaves the focus alone.
    InputField focus = InputField::kNone;
    // The input that failed, also where the focus stays put (for callers without a focus,
    // such as the command-line tool).
    InputField field = InputField::kNone;

    bool operator==(const RuleFailure&) const = default;
};

// Nothing when the input passed, else the first failed rule.
using RuleResult = std::optional<RuleFailure>;

// --- building blocks (texts are UTF-16 code units, as the window toolkit gives them) ---

bool IsValidAddress(std::u16string_view text, bool allow_unset);
bool IsValidMask(std::u16string_view text);
bool HasFourParts(std::u16string_view text);
bool InSameSubnet(const Ipv4Bytes& first, const Ipv4Bytes& second, const Ipv4Bytes& mask);
std::string NetworkAddressText(const Ipv4Bytes& address, const Ipv4Bytes& mask);
bool AddressesDiffer(std::u16string_view first, std::u16string_view second);
// True when the text equals, ignoring letter case, one of the stored device addresses
// (the store's GetAllIp, passed in so the rule stays pure).
bool IsAddressInUse(std::u16string_view address, std::span<const std::string> stored_ips);
bool IsUnsetAddress(std::u16string_view text);  // empty or "0.0.0.0"

std::size_t Utf8Length(std::u16string_view text);
// The longest beginning of the text that takes at most `maximum` UTF-8 bytes; a surrogate pair
// is kept whole or dropped whole.
std::u16string TruncateToUtf8Length(std::u16string_view text, std::size_t maximum);
bool IsCjkCharacter(char16_t unit);
bool ContainsCjkCharacter(std::u16string_view text);
bool IsStrictName(std::u16string_view text);
bool IsLooseName(std::u16string_view text);
bool HasNonSpace(std::u16string_view text);
// Blanks, tabs, CR and LF removed from the front (the first WEP key is checked and sent so).
std::u16string StripLeadingWhiteSpace(std::u16string_view text);
// Device types 4, 17, 261 and 276, whose names and SSIDs must pass the strict rule.
bool IsRestrictedNameType(uint32_t ap_type);

// --- checks with messages ---

struct IpSettingsInput {
    std::u16string address;  // the start address in the range variant
    std::u16string end_address;
    bool range_variant = false;
    std::size_t device_count = 1;
    std::u16string mask;
    std::u16string gateway;
    std::u16string primary_dns;
    std::u16string secondary_dns;
};
RuleResult CheckIpSettings(const IpSettingsInput& input);

// When a single device's new address differs from its current one, it must not be the address
// of another stored device.
RuleResult CheckAddressNotInUse(std::u16string_view new_address, const Ipv4Bytes& current_ip,
                                std::span<const std::string> stored_ips);

RuleResult CheckDeviceName(std::u16string_view name, uint32_t ap_type);
RuleResult CheckSsid(std::u16string_view ssid, uint32_t ap_type);
// `minimum` and `maximum` are the device record's tx_power_min and tx_power_max.
RuleResult CheckTxPower(std::u16string_view power, int minimum, int maximum);
RuleResult CheckPskKey(std::u16string_view key);
// `focus` is the interval field of the form; `focus_when_empty` is false for the WPA (RADIUS)
// page, which keeps the focus where it is after the empty-text message.
RuleResult CheckKeyInterval(std::u16string_view interval,
                            InputField focus = InputField::kKeyInterval,
                            bool focus_when_empty = true);
RuleResult CheckRadiusServer(const Ipv4Bytes& address, std::u16string_view port);
RuleResult CheckRadiusKey(std::u16string_view key);

enum WepKeyFormat : uint8_t { kWepAscii = 0, kWepHex = 1 };
RuleResult CheckWepKey(WepKeyFormat format, std::u16string_view key, InputField field);

struct WepKeysInput {
    std::array<std::u16string, 4> keys;
    std::array<WepKeyFormat, 4> formats{kWepAscii, kWepAscii, kWepAscii, kWepAscii};
    int default_key = 1;  // 1 to 4
};
RuleResult CheckWepKeys(const WepKeysInput& input);

// `label` is one of "VLAN", "WLAN", "PVID", "LAN", "LAN2", "LAN3", "LAN4".
RuleResult CheckVlanId(std::string_view label, std::u16string_view text, InputField field);

RuleResult CheckRebootSchedule(std::u16string_view hour, std::u16string_view minute,
                               bool any_day_chosen);

}  // namespace brelvo::core
