#include "core/rules/wireless/bridge_security.h"

#include <algorithm>
#include <string_view>

#include "core/rules/outgoing_names.h"
#include "core/rules/validation.h"
#include "core/rules/wireless/channel_tables.h"
#include "core/rules/wireless/wireless_lists.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

constexpr std::array<uint16_t, 4> kBridgeBandwidthModels{10, 12, 13, 271};

constexpr std::array<InputField, 4> kWepKeyFields{InputField::kWepKey1, InputField::kWepKey2,
                                                  InputField::kWepKey3, InputField::kWepKey4};

ListFill FixedList(std::initializer_list<std::string_view> texts, int first_data = 0) {
    ListFill list;
    int data = first_data;
    for (const auto text : texts)
        list.items.push_back({std::string(text), data++});
    list.selected = 0;
    return list;
}

ListFill BridgeChannels(const BridgeSecurityContext& context, int bandwidth) {
    return FillChannels(CountryRowOfCode(context.country_code), context.ap_type, context.rf_type,
                        bandwidth, context.access_point.channel, context.wl_dfs == 1);
}

RuleFailure SsidFailure(std::string_view message) {
    return RuleFailure{Translate(message), BoxKind::kWarning, InputField::kSsid, InputField::kSsid};
}

RuleFailure WepFailure(std::string_view message, InputField field) {
    return RuleFailure{Translate(message), BoxKind::kTitledWarning, InputField::kNone, field};
}

RuleResult CheckBridgeSsid(std::u16string_view ssid, uint32_t ap_type) {
    if (ssid.empty())
        return SsidFailure("The ssid can not be empty!");
    if (IsRestrictedNameType(ap_type)) {
        if (!IsStrictName(ssid)) {
            return SsidFailure(
                "SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase "
                "letters, 0-9 numbers");
        }
    } else if (!IsLooseName(ssid)) {
        return SsidFailure(
            "SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII "
            "characters");
    }
    return std::nullopt;
}

void WriteWep(wireless_block& block, const BridgeWepInput& wep) {
    block.wep_auth_type = static_cast<uint8_t>(wep.auth_type.value_or(0));
    block.wep_default_key = static_cast<uint8_t>(wep.default_key.value_or(0));
    for (std::size_t k = 0; k < 4; ++k) {
        wep_key_field& field = block.wep_keys[k];
        field.type = static_cast<uint8_t>(wep.formats[k].value_or(kWepAscii));
        // The first key was checked without its leading white space; the device gets the key
        // that passed.
        const std::u16string key = k == 0 ? StripLeadingWhiteSpace(wep.keys[k]) : wep.keys[k];
        WriteOperatorText(field.value, field.len, key);
    }
}

}  // namespace

BridgeSecurityContext MakeBridgeSecurityContext(const ap_info_stu& device,
                                                const config_otherwl_basic& access_point) {
    return {device.ap_type, device.rf_type, device.country_code, device.wl_dfs, access_point};
}

// The DFS models are also the ones whose bridge may use WEP.
bool OffersBridgeWep(uint32_t ap_type) {
    return IsDfsCapable(ap_type);
}

bool ShowsBridgeBandwidth(uint32_t ap_type) {
    return IsModelIn(ap_type, kBridgeBandwidthModels);
}

BridgeSecurityChoice BridgeSecurityForSurveyCode(uint32_t survey_code, bool wep_offered) {
    switch (survey_code) {
        case 1:
            // Without a WEP entry the device cannot join this access point's security; the
            // page starts from "None" and the operator decides.
            return {wep_offered ? kSecureWep : kSecureNone, std::nullopt};
        case 2:
            return {kSecureWpaPsk, kCipherAes};
        case 3:
            return {kSecureWpaPsk, kCipherTkip};
        case 4:
            return {kSecureWpa2Psk, kCipherAes};
        case 5:
            return {kSecureWpa2Psk, kCipherTkip};
        case 6:
            return {kSecureWpa2Psk, kCipherTkipAes};
        case 7:
            return {kSecureWpaWpa2Psk, kCipherAes};
        case 8:
            return {kSecureWpaWpa2Psk, kCipherTkip};
        case 9:
            return {kSecureWpaWpa2Psk, kCipherTkipAes};
        case 10:
            // TKIP with AES together is no WPA-PSK cipher.
            return {kSecureWpaPsk, kCipherAes};
        default:
            return {kSecureNone, std::nullopt};
    }
}

ListFill FillBridgeModes(uint32_t ap_type) {
    ListFill list;
    list.items.push_back({"None", kSecureNone});
    if (OffersBridgeWep(ap_type))
        list.items.push_back({"WEP", kSecureWep});
    list.items.push_back({"WPA-PSK", kSecureWpaPsk});
    list.items.push_back({"WPA2-PSK", kSecureWpa2Psk});
    list.items.push_back({"Mixed WPA/WPA2-PSK", kSecureWpaWpa2Psk});
    list.selected = 0;
    return list;
}

ListFill FillBridgeBandwidths(uint32_t rf_type, uint32_t ap_type, int network_mode) {
    ListFill list;
    auto& items = list.items;
    if (!Is5GHzRadio(rf_type)) {
        if (network_mode == 3 || network_mode == 4)
            AppendBandwidths(items, {kBandwidthAuto, kBandwidth20, kBandwidth40});
        else if (network_mode >= 0 && network_mode <= 2)
            AppendBandwidths(items, {kBandwidth20});
    } else {
        // The wizard's station end has no automatic width on the older and the DFS radios.
        switch (RadioFamilyOf(ap_type)) {
            case RadioFamily::kNarrowBand:
                AppendBandwidths(items, {kBandwidth10, kBandwidth20, kBandwidth30, kBandwidth40});
                break;
            case RadioFamily::kWideBand:
                AppendBandwidths(items, {kBandwidthAuto, kBandwidth10, kBandwidth20, kBandwidth30,
                                         kBandwidth40});
                if (network_mode == kMode11ac)
                    AppendBandwidths(items, {kBandwidth50, kBandwidth60, kBandwidth80});
                break;
            case RadioFamily::kAcOnly:
                AppendBandwidths(items, {kBandwidthAuto, kBandwidth20});
                if (network_mode == kMode11an)
                    AppendBandwidths(items, {kBandwidth40});
                if (network_mode == kMode11ac)
                    AppendBandwidths(items, {kBandwidth40, kBandwidth80});
                break;
            case RadioFamily::kDfs:
                AppendBandwidths(items, {kBandwidth20, kBandwidth40});
                if (network_mode == kMode11ac)
                    AppendBandwidths(items, {kBandwidth80});
                break;
            case RadioFamily::kOther:
                AppendBandwidths(items, {kBandwidth20, kBandwidth40});
                break;
        }
    }
    if (!items.empty())
        list.selected = 0;
    return list;
}

BridgeSecurityView FillBridgeSecurity(const ap_info_stu& device,
                                      const config_otherwl_basic& access_point) {
    const BridgeSecurityContext context = MakeBridgeSecurityContext(device, access_point);
    BridgeSecurityView view;
    view.ssid = Utf8ToUtf16(ReadTextField(access_point.ssid, access_point.ssid_len));
    view.channels = BridgeChannels(context, device.bandwidth);
    view.bandwidths = FillBridgeBandwidths(device.rf_type, device.ap_type, device.network_mode);
    SelectData(view.bandwidths, access_point.bandwidth);
    view.bandwidth_shown = ShowsBridgeBandwidth(device.ap_type);

    view.modes = FillBridgeModes(device.ap_type);
    const BridgeSecurityChoice choice =
        BridgeSecurityForSurveyCode(access_point.secure_mode, OffersBridgeWep(device.ap_type));
    SelectData(view.modes, choice.mode);
    view.fields = ShowSecurityFields(choice.mode, choice.cipher.value_or(kCipherAes));

    view.wep.auth_types = FixedList({"Open", "Share"});
    view.wep.default_keys = FixedList({"Key 1", "Key 2", "Key 3", "Key 4"});
    for (auto& formats : view.wep.formats)
        formats = FixedList({"ASCII", "Hex"});
    return view;
}

ListFill OnBridgeBandwidthChanged(const BridgeSecurityContext& context, int bandwidth) {
    return BridgeChannels(context, bandwidth);
}

SecurityFieldsView OnBridgeModeChanged(std::optional<int> mode, int cipher) {
    return ShowSecurityFields(mode, cipher);
}

RuleResult CheckBridgeWepKeys(const BridgeWepInput& wep) {
    std::array<std::u16string, 4> keys = wep.keys;
    keys[0] = StripLeadingWhiteSpace(keys[0]);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const std::u16string& key = keys[k];
        if (key.empty())
            continue;
        if (wep.formats[k].value_or(kWepAscii) == kWepHex) {
            if (auto failure = CheckWepKey(kWepHex, key, kWepKeyFields[k]))
                return failure;
        } else if ((key.size() != 5 && key.size() != 13) || !IsAsciiText(key)) {
            return WepFailure("WEP key is invalid! Please enter 5 or 13 ASCII characters!",
                              kWepKeyFields[k]);
        }
    }
    static constexpr std::array<std::string_view, 4> kMissingKey{
        "Please enter the WEP key1!", "Please enter the WEP key2!", "Please enter the WEP key3!",
        "Please enter the WEP key4!"};
    const std::size_t chosen =
        static_cast<std::size_t>(std::clamp(wep.default_key.value_or(0), 0, 3));
    if (keys[chosen].empty())
        return WepFailure(kMissingKey[chosen], kWepKeyFields[chosen]);
    return std::nullopt;
}

Collected<wireless_block> CollectBridgeSecurity(const BridgeSecurityContext& context,
                                                const BridgeSecurityInput& input) {
    if (auto failure = CheckBridgeSsid(input.ssid, context.ap_type))
        return *failure;
    const int mode = input.mode.value_or(kSecureNone);
    const bool psk = mode == kSecureWpaPsk || mode == kSecureWpa2Psk || mode == kSecureWpaWpa2Psk;
    if (mode == kSecureWep) {
        if (auto failure = CheckBridgeWepKeys(input.wep))
            return *failure;
    } else if (psk) {
        if (auto failure = CheckPskKey(input.key))
            return *failure;
        if (input.interval.empty()) {
            return RuleFailure{Translate("The key update interval should not be empty!"),
                               BoxKind::kWarning, InputField::kNone, InputField::kKeyInterval};
        }
    }

    auto block = ZeroBlock<wireless_block>();
    block.work_mode = kModeStation;
    std::copy(std::begin(context.access_point.mac), std::end(context.access_point.mac),
              block.peer_mac);
    block.channel = static_cast<uint8_t>(input.channel.value_or(0));
    WriteOperatorText(block.ssid, block.ssid_len, input.ssid);
    block.secure_mode = static_cast<uint8_t>(mode);
    if (psk) {
        block.cipher = static_cast<uint8_t>(input.cipher);
        WriteOperatorText(block.key, block.key_len, input.key);
        block.key_time = static_cast<uint32_t>(DecimalValue(input.interval));
    } else if (mode == kSecureWep) {
        WriteWep(block, input.wep);
    }
    return block;
}

}  // namespace brelvo::core
