// The choice lists of the wireless settings: network modes, bandwidths, countries, channels
// and extension channels, each built from the device's model, band and current choices.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/rules/wireless/list_fill.h"

namespace brelvo::core {

// Modes the radio offers (texts translated, code as item data); the item of `network_mode` is
// selected, else the third item.
ListFill FillNetworkModes(uint32_t ap_type, uint32_t rf_type, int network_mode);

// Appends bandwidth items: the code's text as written, the code as item data.
void AppendBandwidths(std::vector<ListItem>& items, std::initializer_list<int> codes);

// Bandwidths for the model, band and mode (texts as written, code as item data); the item of
// `bandwidth` is selected, else the first.
ListFill FillBandwidths(uint32_t ap_type, uint32_t rf_type, int network_mode, int bandwidth);

// The 42 country names (translated) with their row as item data; the row whose code is the
// text of `country_code` is selected, else none.
ListFill FillCountries(uint32_t country_code);

// Channels a country row allows for the model, band and bandwidth: 0 as "Auto" (translated),
// others as their number; the channel is item data. The item of `channel` is selected, else
// the first. Without a country row (the device's code names none) only "Auto" and the current
// channel are offered, so the operator cannot move the device to a channel no table allows.
ListFill FillChannels(std::optional<int> country_row, uint32_t ap_type, uint32_t rf_type,
                      int bandwidth, int channel, bool dfs_on);

struct ExtensionChannelFill {
    ListFill list;
    bool enabled = false;

    bool operator==(const ExtensionChannelFill&) const = default;
};

// The 40 MHz partner of a 2.4 GHz channel: channel - 4 (item data 0) and/or channel + 4 (item
// data 1). `channel_item_count` is the number of items of the channel list beside it, which
// marks the top of the band. `hint` is an `expand_channel` code choosing between two items.
ExtensionChannelFill FillExtensionChannels(int channel, uint32_t rf_type, int network_mode,
                                           int bandwidth, int hint, std::size_t channel_item_count);

}  // namespace brelvo::core
