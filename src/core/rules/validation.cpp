#include "core/rules/validation.h"

#include <algorithm>
#include <regex>

#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

constexpr std::u16string_view kUnsetAddress = u"0.0.0.0";

// The punctuation of Chinese text that names and SSIDs may carry besides the ideographs.
constexpr std::array<char16_t, 33> kCjkMarks{
    0x00B7, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026, 0x3001, 0x3002, 0x3008, 0x3009,
    0x300A, 0x300B, 0x300C, 0x300D, 0x300E, 0x300F, 0x3010, 0x3011, 0x3014, 0x3015, 0xFE43,
    0xFE44, 0xFE4F, 0xFF01, 0xFF08, 0xFF09, 0xFF0C, 0xFF1A, 0xFF1B, 0xFF1F, 0xFF5E, 0xFFE5,
};

constexpr std::u16string_view kStrictMarks = u"<>./~!@#$%^&*()_+-=?";

constexpr std::size_t kMaxNameBytes = 32;

bool IsAsciiLetterOrDigit(char16_t unit) {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'0' && unit <= u'9');
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsWhiteSpace(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

RuleFailure Plain(std::string_view message, InputField field) {
    return RuleFailure{Translate(message), BoxKind::kPlain, InputField::kNone, field};
}

RuleFailure Warning(std::string message, InputField focus, InputField field) {
    return RuleFailure{std::move(message), BoxKind::kWarning, focus, field};
}

RuleFailure TitledWarning(std::string_view message, InputField field) {
    return RuleFailure{Translate(message), BoxKind::kTitledWarning, InputField::kNone, field};
}

// A host address as its first number highest, for ordering a range.
uint32_t AddressNumber(std::u16string_view text) {
    return IpBytesToNumber(IpTextToBytes(text));
}

}  // namespace

bool IsUnsetAddress(std::u16string_view text) {
    return text.empty() || text == kUnsetAddress;
}

bool HasFourParts(std::u16string_view text) {
    // With a "." appended, every "." ends one part, empty parts included.
    return std::count(text.begin(), text.end(), u'.') + 1 == 4;
}

bool IsValidAddress(std::u16string_view text, bool allow_unset) {
    if (IsUnsetAddress(text))
        return allow_unset;
    if (!HasFourParts(text))
        return false;
    const Ipv4Bytes bytes = IpTextToBytes(text);
    const uint8_t first = bytes[0];
    const uint8_t last = bytes[3];
    return first != 0 && first != 127 && first < 224 && last != 0 && last != 255;
}

bool IsValidMask(std::u16string_view text) {
    if (!HasFourParts(text))
        return false;
    // The dots stay unescaped: with exactly three dots in the text each of them can only meet
    // one of the pattern's three wildcards, so the pattern matches the contiguous masks only.
    static const std::regex kMaskPattern(
        "^(254|252|248|240|224|192|128).0.0.0$|"
        "^(255.(254|252|248|240|224|192|128|0).0.0)$|"
        "^(255.255.(254|252|248|240|224|192|128|0).0)$|"
        "^(255.255.255.(254|252|248|240|224|192|128|0))$",
        std::regex::ECMAScript);
    return std::regex_match(Utf16ToUtf8(text), kMaskPattern);
}

bool InSameSubnet(const Ipv4Bytes& first, const Ipv4Bytes& second, const Ipv4Bytes& mask) {
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if ((first[i] & mask[i]) != (second[i] & mask[i]))
            return false;
    }
    return true;
}

std::string NetworkAddressText(const Ipv4Bytes& address, const Ipv4Bytes& mask) {
    Ipv4Bytes network{};
    for (std::size_t i = 0; i < network.size(); ++i)
        network[i] = static_cast<uint8_t>(address[i] & mask[i]);
    return IpBytesToText(network);
}

bool AddressesDiffer(std::u16string_view first, std::u16string_view second) {
    if (IsUnsetAddress(first) || IsUnsetAddress(second))
        return true;
    return first != second;
}

bool IsAddressInUse(std::u16string_view address, std::span<const std::string> stored_ips) {
    const std::string wanted = AsciiLower(Utf16ToUtf8(address));
    return std::any_of(stored_ips.begin(), stored_ips.end(),
                       [&](const std::string& ip) { return AsciiLower(TrimBlanks(ip)) == wanted; });
}

std::size_t Utf8Length(std::u16string_view text) {
    std::size_t length = 0;
    for (const char16_t unit : text)
        length += unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
    return length;
}

std::u16string TruncateToUtf8Length(std::u16string_view text, std::size_t maximum) {
    std::size_t length = 0;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t unit_length = Utf8Length(text.substr(end, 1));
        if (length + unit_length > maximum)
            break;
        length += unit_length;
        ++end;
    }
    // Never keep half of a surrogate pair: it would reach the device as a replacement mark.
    if (end > 0 && end < text.size() && IsHighSurrogate(text[end - 1]))
        --end;
    return std::u16string(text.substr(0, end));
}

bool IsCjkCharacter(char16_t unit) {
    if (unit >= 0x4E00 && unit <= 0x9FA5)
        return true;
    return std::find(kCjkMarks.begin(), kCjkMarks.end(), unit) != kCjkMarks.end();
}

bool ContainsCjkCharacter(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), IsCjkCharacter);
}

bool IsStrictName(std::u16string_view text) {
    const bool characters_allowed = std::all_of(text.begin(), text.end(), [](char16_t unit) {
        return IsAsciiLetterOrDigit(unit) || IsCjkCharacter(unit) ||
               kStrictMarks.find(unit) != std::u16string_view::npos;
    });
    return characters_allowed && Utf8Length(text) <= kMaxNameBytes;
}

bool IsLooseName(std::u16string_view text) {
    const bool characters_allowed = std::all_of(text.begin(), text.end(), [](char16_t unit) {
        return (unit >= 0x0001 && unit <= 0x007F) || IsCjkCharacter(unit);
    });
    return characters_allowed && Utf8Length(text) <= kMaxNameBytes;
}

bool HasNonSpace(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit != u' '; });
}

bool IsRestrictedNameType(uint32_t ap_type) {
    return ap_type == 4 || ap_type == 17 || ap_type == 261 || ap_type == 276;
}

std::u16string StripLeadingWhiteSpace(std::u16string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start]))
        ++start;
    return std::u16string(text.substr(start));
}

RuleResult CheckIpSettings(const IpSettingsInput& input) {
    constexpr std::string_view kInvalidAddress = "The ip address is invalid!";
    constexpr std::string_view kSameAsGateway =
        "The ip address and gateway address cannot be the same!";
    constexpr std::string_view kNotInSubnet =
        "Ip address and gateway address is not in the same subnet!";
    const bool several = input.range_variant && input.device_count > 1;

    if (!IsValidAddress(input.address, false))
        return Plain(kInvalidAddress, InputField::kAddress);
    if (!IsValidMask(input.mask))
        return Plain("The subnet mask is invalid!", InputField::kMask);
    if (!IsValidAddress(input.gateway, true))
        return Plain("The gateway address is invalid!", InputField::kGateway);
    if (input.address == input.gateway)
        return Plain(kSameAsGateway, InputField::kGateway);
    if (several) {
        if (!IsValidAddress(input.end_address, false))
            return Plain(kInvalidAddress, InputField::kEndAddress);
        if (AddressNumber(input.address) >= AddressNumber(input.end_address))
            return Plain(kInvalidAddress, InputField::kEndAddress);
        if (input.end_address == input.gateway)
            return Plain(kSameAsGateway, InputField::kGateway);
    }
    const Ipv4Bytes address = IpTextToBytes(input.address);
    const Ipv4Bytes mask = IpTextToBytes(input.mask);
    if (NetworkAddressText(address, mask) == Utf16ToUtf8(input.address))
        return Plain("IP Address can't be the network segment!", InputField::kAddress);
    if (!IsUnsetAddress(input.gateway)) {
        const Ipv4Bytes gateway = IpTextToBytes(input.gateway);
        if (!InSameSubnet(gateway, address, mask))
            return Plain(kNotInSubnet, InputField::kGateway);
        if (several && !InSameSubnet(gateway, IpTextToBytes(input.end_address), mask))
            return Plain(kNotInSubnet, InputField::kEndAddress);
    }
    if (!IsValidAddress(input.primary_dns, true))
        return Plain("The primary DNS Server is invalid!", InputField::kPrimaryDns);
    if (!IsValidAddress(input.secondary_dns, true))
        return Plain("The secondary DNS Server is invalid!", InputField::kSecondaryDns);
    if (!AddressesDiffer(input.primary_dns, input.secondary_dns)) {
        return Plain("Primary DNS Server and Secondary DNS Server can't be the same!",
                     InputField::kSecondaryDns);
    }
    return std::nullopt;
}

RuleResult CheckAddressNotInUse(std::u16string_view new_address, const Ipv4Bytes& current_ip,
                                std::span<const std::string> stored_ips) {
    const std::string wanted =
        IsUnsetAddress(new_address) ? std::string("0.0.0.0") : Utf16ToUtf8(new_address);
    if (wanted == IpBytesToText(current_ip))
        return std::nullopt;
    if (IsAddressInUse(new_address, stored_ips))
        return Plain("The ip address is already in use, please respecify!", InputField::kAddress);
    return std::nullopt;
}

RuleResult CheckDeviceName(std::u16string_view name, uint32_t ap_type) {
    const auto fail = [](std::string_view message) {
        return Warning(Translate(message), InputField::kName, InputField::kName);
    };
    if (name.empty())
        return fail("The device name can not be empty!");
    if (IsRestrictedNameType(ap_type)) {
        if (!IsStrictName(name)) {
            return fail(
                "Device name maximum allowed 32 bytes, only support combination of Chinese, "
                "lowercase letters, 0-9 numbers");
        }
    } else if (!IsLooseName(name)) {
        return fail(
            "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII "
            "characters");
    }
    return std::nullopt;
}

RuleResult CheckSsid(std::u16string_view ssid, uint32_t ap_type) {
    const auto fail = [](std::string_view message) {
        return Warning(Translate(message), InputField::kSsid, InputField::kSsid);
    };
    if (ssid.empty())
        return fail("The ssid can not be empty!");
    if (!HasNonSpace(ssid))
        return fail("Please enter 1 to 32 byte ASCII charaters or chinese characters!");
    if (IsRestrictedNameType(ap_type)) {
        if (!IsStrictName(ssid)) {
            return fail(
                "SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase "
                "letters, 0-9 numbers");
        }
    } else if (!IsLooseName(ssid)) {
        return fail(
            "SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII "
            "characters");
    }
    return std::nullopt;
}

RuleResult CheckTxPower(std::u16string_view power, int minimum, int maximum) {
    const long long value = DecimalValue(power);
    if (power.empty() || value < minimum || value > maximum) {
        return Warning(TranslateFormat("Power value range:%d-%d", minimum, maximum),
                       InputField::kTxPower, InputField::kTxPower);
    }
    return std::nullopt;
}

RuleResult CheckPskKey(std::u16string_view key) {
    const std::size_t length = key.size();
    const bool valid =
        (length == 64 && IsHexText(key)) || (length >= 8 && length <= 63 && IsAsciiText(key));
    if (!valid) {
        return Warning(
            Translate("Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!"),
            InputField::kNone, InputField::kPskKey);
    }
    return std::nullopt;
}

RuleResult CheckKeyInterval(std::u16string_view interval, InputField focus, bool focus_when_empty) {
    if (interval.empty()) {
        return Warning(Translate("The key update interval should not be empty!"),
                       focus_when_empty ? focus : InputField::kNone, focus);
    }
    const long long value = DecimalValue(interval);
    if (value != 0 && (value < 60 || value > 99999))
        return Warning(Translate("The key update interval range: 60~99999 or 0!"), focus, focus);
    return std::nullopt;
}

RuleResult CheckRadiusServer(const Ipv4Bytes& address, std::u16string_view port) {
    const uint8_t first = address[0];
    const uint8_t last = address[3];
    if (first == 0 || first == 127 || first >= 224 || last == 0 || last == 255) {
        return Warning(Translate("Please enter a valid RADIUS Server address!"), InputField::kNone,
                       InputField::kRadiusAddress);
    }
    const long long value = DecimalValue(port.empty() ? std::u16string_view(u"0") : port);
    if (value < 1 || value > 65535) {
        return Warning(Translate("Please specify a valid RADIUS Port!"), InputField::kNone,
                       InputField::kRadiusPort);
    }
    return std::nullopt;
}

RuleResult CheckRadiusKey(std::u16string_view key) {
    if (key.empty() || key.size() > 64 || !IsAsciiText(key)) {
        return Warning(Translate("Please enter a key for 1~64 ASCII characters!"),
                       InputField::kNone, InputField::kRadiusKey);
    }
    return std::nullopt;
}

RuleResult CheckWepKey(WepKeyFormat format, std::u16string_view key, InputField field) {
    const std::size_t length = key.size();
    if (format == kWepHex) {
        if ((length != 10 && length != 26) || !IsHexText(key))
            return TitledWarning("WEP key is invalid! Please enter 10 or 26 HEX characters!",
                                 field);
        return std::nullopt;
    }
    if (length != 5 && length != 13)
        return TitledWarning("WEP key is invalid! Please enter 5 or 13 ASCII characters!", field);
    const bool characters_allowed = std::all_of(key.begin(), key.end(), [](char16_t unit) {
        return IsAsciiLetterOrDigit(unit) || unit == u'@' || unit == u'*' || unit == u'-' ||
               unit == u'_';
    });
    if (!characters_allowed) {
        return TitledWarning(
            "WEP key includes invalid characters (It should only include 0-9,a-z,A-Z,@,*,- and "
            "_.)!",
            field);
    }
    return std::nullopt;
}

RuleResult CheckWepKeys(const WepKeysInput& input) {
    static constexpr std::array<InputField, 4> kKeyFields{
        InputField::kWepKey1, InputField::kWepKey2, InputField::kWepKey3, InputField::kWepKey4};
    static constexpr std::array<std::string_view, 4> kMissingKey{
        "Please enter the WEP key1!", "Please enter the WEP key2!", "Please enter the WEP key3!",
        "Please enter the WEP key4!"};

    std::array<std::u16string, 4> keys = input.keys;
    keys[0] = StripLeadingWhiteSpace(keys[0]);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].empty())
            continue;
        if (auto failure = CheckWepKey(input.formats[i], keys[i], kKeyFields[i]))
            return failure;
    }
    // A default outside 1 to 4 names no key; the form's list cannot produce one.
    if (input.default_key >= 1 && input.default_key <= 4) {
        const auto index = static_cast<std::size_t>(input.default_key - 1);
        if (keys[index].empty())
            return TitledWarning(kMissingKey[index], kKeyFields[index]);
    }
    return std::nullopt;
}

RuleResult CheckVlanId(std::string_view label, std::u16string_view text, InputField field) {
    const long long value = DecimalValue(text);
    if (text.empty() || value < 1 || value > 4094)
        return Warning(Translate(label) + " " + Translate("range:1-4094"), field, field);
    return std::nullopt;
}

RuleResult CheckRebootSchedule(std::u16string_view hour, std::u16string_view minute,
                               bool any_day_chosen) {
    if (hour.empty() || minute.empty()) {
        return Warning(Translate("The time can not be empty!"), InputField::kNone,
                       hour.empty() ? InputField::kHour : InputField::kMinute);
    }
    const long long hour_value = DecimalValue(hour);
    const long long minute_value = DecimalValue(minute);
    // A negative value cannot come from the digit fields, but would wrap into a wrong time.
    if (hour_value < 0 || hour_value > 23 || minute_value < 0 || minute_value > 59) {
        return Warning(Translate("The time is error!"), InputField::kNone,
                       hour_value < 0 || hour_value > 23 ? InputField::kHour : InputField::kMinute);
    }
    if (!any_day_chosen) {
        return Warning(Translate("Please selectting the day that you want to reboot!"),
                       InputField::kNone, InputField::kDays);
    }
    return std::nullopt;
}

}  // namespace brelvo::core
