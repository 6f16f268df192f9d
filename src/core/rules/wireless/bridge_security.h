// The security page of the bridge wizard: the link's SSID, channel and security, preset from
// the access point the operator chose in the site survey, checked and written into the
// wireless part of the bridge request.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"
#include "core/rules/wireless/list_fill.h"
#include "core/rules/wireless/wireless_security.h"

namespace brelvo::core {

// What the page keeps of the device and of the chosen access point.
struct BridgeSecurityContext {
    uint32_t ap_type = 0;
    uint32_t rf_type = 0;
    uint32_t country_code = 0;
    uint32_t wl_dfs = 0;
    config_otherwl_basic access_point{};
};
BridgeSecurityContext MakeBridgeSecurityContext(const ap_info_stu& device,
                                                const config_otherwl_basic& access_point);

// The mode and cipher that a surveyed access point's security code calls for, on a device
// whose mode list does or does not offer WEP.
struct BridgeSecurityChoice {
    int mode = kSecureNone;
    std::optional<int> cipher;  // only for the WPA-PSK modes

    bool operator==(const BridgeSecurityChoice&) const = default;
};
BridgeSecurityChoice BridgeSecurityForSurveyCode(uint32_t survey_code, bool wep_offered);

// Whether a device type can bridge with WEP.
bool OffersBridgeWep(uint32_t ap_type);
// Whether the page shows the bandwidth box (it only shapes the channel list).
bool ShowsBridgeBandwidth(uint32_t ap_type);

ListFill FillBridgeModes(uint32_t ap_type);
ListFill FillBridgeBandwidths(uint32_t rf_type, uint32_t ap_type, int network_mode);

// The WEP sub-page of the wizard. Its default key list counts from 0.
struct BridgeWepInput {
    std::optional<int> auth_type;    // 0 open, 1 shared
    std::optional<int> default_key;  // 0 to 3
    std::array<std::u16string, 4> keys;
    std::array<std::optional<int>, 4> formats;  // 0 ASCII, 1 hex

    bool operator==(const BridgeWepInput&) const = default;
};

struct BridgeWepFill {
    ListFill auth_types;
    ListFill default_keys;
    std::array<ListFill, 4> formats;

    bool operator==(const BridgeWepFill&) const = default;
};

// Everything the page shows once filled.
struct BridgeSecurityView {
    std::u16string ssid;
    ListFill channels;
    ListFill bandwidths;
    bool bandwidth_shown = false;  // the box and its label, shown and enabled, or neither
    ListFill modes;
    // The cipher buttons and key box; the key update interval box stays hidden in every mode.
    SecurityFieldsView fields;
    BridgeWepFill wep;
    std::u16string interval = u"0";
};

BridgeSecurityView FillBridgeSecurity(const ap_info_stu& device,
                                      const config_otherwl_basic& access_point);

// A new bandwidth rebuilds the channel list, again choosing the access point's channel.
ListFill OnBridgeBandwidthChanged(const BridgeSecurityContext& context, int bandwidth);
// A new mode shows its controls; `cipher` is the cipher button chosen now.
SecurityFieldsView OnBridgeModeChanged(std::optional<int> mode, int cipher);

struct BridgeSecurityInput {
    std::u16string ssid;
    std::optional<int> channel;
    std::optional<int> mode;
    int cipher = kCipherAes;
    std::u16string key;
    std::u16string interval = u"0";
    BridgeWepInput wep;
};

// The WEP keys of the wizard: like the wireless tab's, but an ASCII key may hold any ASCII
// character.
RuleResult CheckBridgeWepKeys(const BridgeWepInput& wep);

// Checks the page and, when it passes, gives the wireless part of the bridge request.
Collected<wireless_block> CollectBridgeSecurity(const BridgeSecurityContext& context,
                                                const BridgeSecurityInput& input);

}  // namespace brelvo::core
