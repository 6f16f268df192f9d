#include "core/rules/wireless/wireless_lists.h"

#include <array>
#include <string>
#include <string_view>

#include "core/rules/wireless/channel_tables.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

// The "Test" row offers channels 8, 179, 181 and 188, which these radios cannot tune to.
bool LacksTestExtras(uint32_t ap_type) {
    const RadioFamily family = RadioFamilyOf(ap_type);
    return family == RadioFamily::kWideBand || family == RadioFamily::kAcOnly;
}

ListItem ModeItem(std::string_view text, int code) {
    return {Translate(text), code};
}

std::string ChannelItemText(int channel) {
    return channel == 0 ? Translate("Auto") : std::to_string(channel);
}

std::string_view ChannelListText(int row, uint32_t ap_type, uint32_t rf_type, int bandwidth) {
    const CountryRow& country = CountryRows()[static_cast<std::size_t>(row)];
    if (!Is5GHzRadio(rf_type)) {
        if (ap_type == 12 && row != kCountryRowUnitedStates && row != kCountryRowCanada)
            return kModel12Channels24;
        return country.channels_24;
    }
    if (UsesModelGroupChannels(ap_type))
        return ModelGroupChannels(ModelGroupOfRow(row), bandwidth);
    switch (bandwidth) {
        case kBandwidth20:
        case kBandwidthAuto:
        case kBandwidth10:
        case kBandwidth30:
            return country.channels_5_20;
        case kBandwidth40:
            return country.channels_5_40;
        default:
            return country.channels_5_80;
    }
}

bool IsChannelOffered(int channel, int row, uint32_t ap_type, bool dfs_on) {
    if (row == kCountryRowTest) {
        const bool test_extra = channel == 8 || channel == 179 || channel == 181 || channel == 188;
        return !(test_extra && LacksTestExtras(ap_type));
    }
    if (channel >= 52 && channel <= 64)
        return false;
    if (channel >= 100 && channel <= 144)
        return IsDfsCapable(ap_type) && dfs_on;
    return true;
}

}  // namespace

void AppendBandwidths(std::vector<ListItem>& items, std::initializer_list<int> codes) {
    for (const int code : codes)
        items.push_back({std::string(BandwidthText(code)), code});
}

ListFill FillNetworkModes(uint32_t ap_type, uint32_t rf_type, int network_mode) {
    ListFill list;
    if (Is5GHzRadio(rf_type)) {
        const RadioFamily family = RadioFamilyOf(ap_type);
        list.items.push_back(ModeItem("11a", kMode11a));
        if (family != RadioFamily::kAcOnly)
            list.items.push_back(ModeItem("11n", kMode11n));
        list.items.push_back(ModeItem("11a/n", kMode11an));
        if (family == RadioFamily::kWideBand || family == RadioFamily::kAcOnly ||
            family == RadioFamily::kDfs)
            list.items.push_back(ModeItem("11ac", kMode11ac));
    } else {
        list.items.push_back(ModeItem("11b", kMode11b));
        list.items.push_back(ModeItem("11g", kMode11g));
        list.items.push_back(ModeItem("11b/g", kMode11bg));
        list.items.push_back(ModeItem("11b/g/n", kMode11bgn));
    }
    SelectData(list, network_mode, 2);
    return list;
}

ListFill FillBandwidths(uint32_t ap_type, uint32_t rf_type, int network_mode, int bandwidth) {
    ListFill list;
    auto& items = list.items;
    if (!Is5GHzRadio(rf_type)) {
        if (network_mode >= 0 && network_mode <= 2)
            AppendBandwidths(items, {kBandwidth20});
        else if (network_mode == 3 || network_mode == 4)
            AppendBandwidths(items, {kBandwidthAuto, kBandwidth20, kBandwidth40});
    } else {
        switch (RadioFamilyOf(ap_type)) {
            case RadioFamily::kNarrowBand:
                AppendBandwidths(items, {kBandwidthAuto, kBandwidth10, kBandwidth20, kBandwidth30,
                                         kBandwidth40});
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
                AppendBandwidths(items, {kBandwidthAuto, kBandwidth20, kBandwidth40});
                if (network_mode == kMode11ac)
                    AppendBandwidths(items, {kBandwidth80});
                break;
            case RadioFamily::kOther:
                AppendBandwidths(items, {kBandwidthAuto, kBandwidth20, kBandwidth40});
                break;
        }
    }
    SelectData(list, bandwidth);
    return list;
}

ListFill FillCountries(uint32_t country_code) {
    ListFill list;
    const auto rows = CountryRows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        list.items.push_back({Translate(rows[row].name), static_cast<int>(row)});
    if (const auto row = CountryRowOfCode(country_code))
        list.selected = static_cast<std::size_t>(*row);
    return list;
}

ListFill FillChannels(std::optional<int> country_row, uint32_t ap_type, uint32_t rf_type,
                      int bandwidth, int channel, bool dfs_on) {
    ListFill list;
    const bool known_row =
        country_row && *country_row >= 0 && *country_row < static_cast<int>(kCountryRowCount);
    if (!known_row) {
        list.items.push_back({ChannelItemText(0), 0});
        if (channel != 0)
            list.items.push_back({ChannelItemText(channel), channel});
    } else {
        const int row = *country_row;
        for (const int n : ParseChannelList(ChannelListText(row, ap_type, rf_type, bandwidth))) {
            if (IsChannelOffered(n, row, ap_type, dfs_on))
                list.items.push_back({ChannelItemText(n), n});
        }
    }
    SelectData(list, channel);
    return list;
}

ExtensionChannelFill FillExtensionChannels(int channel, uint32_t rf_type, int network_mode,
                                           int bandwidth, int hint,
                                           std::size_t channel_item_count) {
    ExtensionChannelFill fill;
    if (Is5GHzRadio(rf_type) || network_mode != kMode11bgn || bandwidth == kBandwidth20)
        return fill;
    if (channel == 0)
        return fill;
    fill.enabled = true;
    auto& items = fill.list.items;
    const auto below = ListItem{std::to_string(channel - 4), kExtensionBelow};
    const auto above = ListItem{std::to_string(channel + 4), kExtensionAbove};
    // Signed: a short list must not wrap the top-of-band mark around.
    const long long top = static_cast<long long>(channel_item_count) - 5;
    if (channel >= 1 && channel <= 4) {
        items.push_back(above);
    } else if (channel > top) {
        items.push_back(below);
    } else {
        items.push_back(below);
        items.push_back(above);
    }
    // With two items the hint picks one; "none" (and any code that is no position) the first.
    fill.list.selected = (items.size() == 2 && hint == kExtensionAbove) ? 1 : 0;
    return fill;
}

}  // namespace brelvo::core
