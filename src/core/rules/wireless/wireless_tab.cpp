#include "core/rules/wireless/wireless_tab.h"

#include <cstring>

#include "core/rules/outgoing_names.h"
#include "core/rules/validation.h"
#include "core/rules/wireless/channel_tables.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

bool IsStationOrRepeater(uint32_t work_mode) {
    return work_mode == kModeStation || work_mode == kModeUniversalRepeater;
}

bool DfsOn(const ap_info_stu& record) {
    return record.wl_dfs == 1;
}

// The bandwidth that shapes the channel list: the chosen one, else the device's own (the
// bandwidth list is empty for a 2.4 GHz mode it has no entry for).
int ChosenBandwidth(const ap_info_stu& record, const WirelessTabInput& input) {
    return input.bandwidth.value_or(record.bandwidth);
}

ListFill ChannelsFor(const ap_info_stu& record, const WirelessTabInput& input, int bandwidth) {
    return FillChannels(input.country_row, record.ap_type, record.rf_type, bandwidth,
                        input.channel.value_or(0), input.dfs);
}

ExtensionChannelFill ExtensionFor(const ap_info_stu& record, int network_mode, int bandwidth,
                                  const ListFill& channels) {
    return FillExtensionChannels(channels.SelectedData().value_or(0), record.rf_type, network_mode,
                                 bandwidth, kExtensionNone, channels.items.size());
}

// Channels and extension channels again, after a choice that shapes them.
void RebuildChannels(WirelessTabUpdate& update, const ap_info_stu& record,
                     const WirelessTabInput& input, int bandwidth) {
    update.channels = ChannelsFor(record, input, bandwidth);
    update.extension_channels = ExtensionFor(
        record, input.network_mode.value_or(record.network_mode), bandwidth, *update.channels);
}

}  // namespace

std::u16string SavedIntervalText(std::u16string_view text) {
    return text.empty() ? std::u16string(u"0") : std::u16string(text);
}

WirelessTabView OpenWirelessTab(const ap_info_stu& record) {
    WirelessTabView view;
    const bool dfs_capable = IsDfsCapable(record.ap_type);
    view.dfs_shown = dfs_capable;
    view.dfs_checked = dfs_capable && DfsOn(record);
    view.dfs_enabled = dfs_capable;
    view.ssid = Utf8ToUtf16(ReadTextField(record.ssid, record.ssid_len));
    view.hide_ssid = record.ssid_hide != 0;

    view.countries = FillCountries(record.country_code);
    view.network_modes = FillNetworkModes(record.ap_type, record.rf_type, record.network_mode);
    view.security_modes = FillSecurityModes(record.ap_type, record.secure_mode);
    view.psk = FillPskFields(record);
    view.wep = FillWepPage(record);
    view.wpa = FillWpaPage(record);
    view.tx_power = Utf8ToUtf16(std::to_string(record.tx_power));
    view.tx_power_range =
        "(" + std::to_string(record.tx_power_min) + "-" + std::to_string(record.tx_power_max) + ")";

    // Each list is built for what the list before it shows, so the lists agree with each other
    // even where the record holds a value a list does not offer.
    const int mode = view.network_modes.SelectedData().value_or(record.network_mode);
    view.bandwidths = FillBandwidths(record.ap_type, record.rf_type, mode, record.bandwidth);
    const int bandwidth = view.bandwidths.SelectedData().value_or(record.bandwidth);
    view.channels = FillChannels(view.countries.SelectedData(), record.ap_type, record.rf_type,
                                 bandwidth, record.channel, DfsOn(record));
    view.extension_channels =
        FillExtensionChannels(view.channels.SelectedData().value_or(0), record.rf_type, mode,
                              bandwidth, record.expand_channel, view.channels.items.size());
    view.security_fields = ShowSecurityFields(view.security_modes.SelectedData(), view.psk.cipher);
    view.psk.cipher = view.security_fields.cipher;

    view.inputs_enabled = !IsStationOrRepeater(record.work_mode);
    view.country_and_channels_enabled = view.inputs_enabled && record.work_mode != kModeWisp;
    if (!view.country_and_channels_enabled)
        view.extension_channels.enabled = false;
    return view;
}

WirelessTabUpdate OnCountryChanged(const ap_info_stu& record, const WirelessTabInput& input) {
    WirelessTabUpdate update;
    RebuildChannels(update, record, input, ChosenBandwidth(record, input));
    return update;
}

WirelessTabUpdate OnChannelChanged(const ap_info_stu& record, const WirelessTabInput& input,
                                   std::size_t channel_item_count) {
    WirelessTabUpdate update;
    update.extension_channels = FillExtensionChannels(
        input.channel.value_or(0), record.rf_type, input.network_mode.value_or(record.network_mode),
        ChosenBandwidth(record, input), kExtensionNone, channel_item_count);
    return update;
}

WirelessTabUpdate OnNetworkModeChanged(const ap_info_stu& record, const WirelessTabInput& input) {
    WirelessTabUpdate update;
    const int mode = input.network_mode.value_or(record.network_mode);
    update.bandwidths =
        FillBandwidths(record.ap_type, record.rf_type, mode, ChosenBandwidth(record, input));
    if (record.work_mode != kModeWisp) {
        const int bandwidth = update.bandwidths->SelectedData().value_or(record.bandwidth);
        RebuildChannels(update, record, input, bandwidth);
    }
    return update;
}

WirelessTabUpdate OnBandwidthChanged(const ap_info_stu& record, const WirelessTabInput& input) {
    WirelessTabUpdate update;
    if (!IsStationOrRepeater(record.work_mode) && record.work_mode != kModeWisp)
        RebuildChannels(update, record, input, ChosenBandwidth(record, input));
    return update;
}

WirelessTabUpdate OnDfsChanged(const ap_info_stu& record, const WirelessTabInput& input) {
    WirelessTabUpdate update;
    update.channels = ChannelsFor(record, input, ChosenBandwidth(record, input));
    return update;
}

WirelessTabUpdate OnSecurityModeChanged(const WirelessTabInput& input) {
    WirelessTabUpdate update;
    update.security_fields = ShowSecurityFields(input.security.mode, input.security.psk.cipher);
    return update;
}

Collected<WirelessTabOutput> CollectWirelessSettings(const ap_info_stu& record,
                                                     const WirelessTabInput& input) {
    if (auto failure = CheckSsid(input.ssid, record.ap_type))
        return *failure;
    if (auto failure = CheckTxPower(input.tx_power, record.tx_power_min, record.tx_power_max))
        return *failure;
    if (auto failure = CheckSecurity(input.security))
        return *failure;

    WirelessTabOutput settings;
    SecurityInput security = input.security;
    security.psk.interval = SavedIntervalText(security.psk.interval);
    security.wpa.interval = SavedIntervalText(security.wpa.interval);

    // The device reports how many radios and SSIDs it has; the request always sets the one.
    ap_info_stu copy = record;
    copy.rf_count = 1;
    copy.ssid_count = 1;
    const radio_block stored = SliceOf<radio_block>(copy);
    radio_block& radio = settings.radio;
    radio = stored;

    radio.rf_count = 1;
    radio.rf_en = 1;
    // A device whose code names no country row keeps its code: no choice of the operator's
    // may move it to another country's rules.
    if (input.country_row) {
        if (const auto code = CountryCodeOfRow(*input.country_row))
            radio.country_code = *code;
    }
    if (input.network_mode)
        radio.network_mode = static_cast<uint8_t>(*input.network_mode);
    if (input.bandwidth)
        radio.bandwidth = static_cast<uint8_t>(*input.bandwidth);
    if (input.channel)
        radio.channel = static_cast<uint8_t>(*input.channel);
    radio.tx_power = static_cast<uint8_t>(DecimalValue(input.tx_power));
    if (!Is5GHzRadio(record.rf_type)) {
        const bool paired = radio.network_mode == kMode11bgn && radio.bandwidth == kBandwidth40 &&
                            radio.channel != 0;
        radio.expand_channel = static_cast<uint8_t>(
            paired ? input.extension_channel.value_or(kExtensionNone) : kExtensionNone);
    }

    WriteOperatorText(radio.ssid, radio.ssid_len, input.ssid);
    radio.ssid_rf_type = record.rf_type;
    radio.ssid_id = 0;
    radio.ssid_hide = input.hide_ssid ? 1 : 0;
    radio.ssid_count = 1;
    WriteSecurity(radio, security);

    settings.feature = ZeroBlock<feature_block>();
    const bool dfs_capable = IsDfsCapable(record.ap_type);
    if (dfs_capable)
        settings.feature.wl_dfs = input.dfs ? 1 : 0;

    settings.changed = std::memcmp(&radio, &stored, sizeof radio) != 0 ||
                       (dfs_capable && settings.feature.wl_dfs != record.wl_dfs);
    return settings;
}

}  // namespace brelvo::core
