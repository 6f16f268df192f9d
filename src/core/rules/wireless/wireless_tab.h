// The wireless settings of one device: what the tab shows when it opens, how its lists follow
// the operator's choices, and the save step that checks the fields and builds the wireless
// settings request.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"
#include "core/rules/save_plan.h"
#include "core/rules/wireless/list_fill.h"
#include "core/rules/wireless/wireless_lists.h"
#include "core/rules/wireless/wireless_security.h"

namespace brelvo::core {

// The tab's fields as the operator left them: texts as typed, choices as item data (nothing
// where a list has no selection).
struct WirelessTabInput {
    std::u16string ssid;
    bool hide_ssid = false;
    bool dfs = false;
    std::optional<int> network_mode;
    std::optional<int> bandwidth;
    std::optional<int> country_row;
    std::optional<int> channel;
    std::optional<int> extension_channel;
    std::u16string tx_power;
    SecurityInput security;
};

// Everything the tab shows when it opens.
struct WirelessTabView {
    std::u16string ssid;
    bool hide_ssid = false;
    bool dfs_shown = false;  // the DFS label and check box
    bool dfs_checked = false;
    bool dfs_enabled = false;
    ListFill countries;
    ListFill network_modes;
    ListFill bandwidths;
    ListFill channels;
    ExtensionChannelFill extension_channels;
    std::u16string tx_power;
    std::string tx_power_range;  // "(min-max)" beside the power field
    ListFill security_modes;
    SecurityFieldsView security_fields;
    PskInput psk;
    WepPageFill wep;
    WpaPageFill wpa;
    // Every input control of the tab; off while the device is a station or a repeater.
    bool inputs_enabled = true;
    // The country, channel and extension channel lists; also off in WISP mode.
    bool country_and_channels_enabled = true;
};

WirelessTabView OpenWirelessTab(const ap_info_stu& record);

// The lists an operator's change rebuilds; a list left empty here keeps what it shows.
struct WirelessTabUpdate {
    std::optional<ListFill> bandwidths;
    std::optional<ListFill> channels;
    std::optional<ExtensionChannelFill> extension_channels;
    std::optional<SecurityFieldsView> security_fields;
};

// Each takes the form with the operator's new choice already in it.
WirelessTabUpdate OnCountryChanged(const ap_info_stu& record, const WirelessTabInput& input);
// `channel_item_count` is the number of items the channel list holds.
WirelessTabUpdate OnChannelChanged(const ap_info_stu& record, const WirelessTabInput& input,
                                   std::size_t channel_item_count);
WirelessTabUpdate OnNetworkModeChanged(const ap_info_stu& record, const WirelessTabInput& input);
WirelessTabUpdate OnBandwidthChanged(const ap_info_stu& record, const WirelessTabInput& input);
WirelessTabUpdate OnDfsChanged(const ap_info_stu& record, const WirelessTabInput& input);
WirelessTabUpdate OnSecurityModeChanged(const WirelessTabInput& input);

// An interval field left empty shows "0" once the tab has been saved.
std::u16string SavedIntervalText(std::u16string_view text);

// Checks the tab's fields (SSID, transmit power, then the chosen security mode) and builds the
// radio block and, for the DFS-capable models, the DFS switch of the feature block from the
// device's record. `changed` is false when the device already holds these settings.
Collected<WirelessTabOutput> CollectWirelessSettings(const ap_info_stu& record,
                                                     const WirelessTabInput& input);

}  // namespace brelvo::core
