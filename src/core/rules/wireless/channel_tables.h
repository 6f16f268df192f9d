// The regulatory data behind the wireless lists: which country codes a device may carry, which
// channels each country allows per band and bandwidth, the per-model channel groups of the
// newer 5 GHz models, and the model families that decide what a radio can do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include <vector>
#include "core/protocol/model_features.h"

namespace brelvo::core {

// Radio band (`rf_type`): 0 is the 2.4 GHz radio, every other value the 5 GHz radio.
inline bool Is5GHzRadio(uint32_t rf_type) {
    return rf_type != 0;
}

// Bandwidth codes (`bandwidth`).
enum BandwidthCode : int {
    kBandwidth20 = 0,
    kBandwidth40 = 1,
    kBandwidthAuto = 2,
    kBandwidth80 = 3,
    kBandwidth10 = 4,
    kBandwidth30 = 5,
    kBandwidth50 = 6,
    kBandwidth60 = 7,
};
// "20MHz", "Auto", ...; an unknown code gives "".
std::string_view BandwidthText(int code);

// Network mode codes (`network_mode`), which differ per band.
enum NetworkMode24 : int { kMode11bg = 0, kMode11b = 1, kMode11g = 2, kMode11bgn = 4 };
enum NetworkMode5 : int { kMode11a = 0, kMode11an = 1, kMode11ac = 2, kMode11n = 3 };

// Extension channel codes (`expand_channel`).
enum ExtensionChannelCode : int {
    kExtensionBelow = 0,  // channel - 4
    kExtensionAbove = 1,  // channel + 4
    kExtensionNone = 2,
};

// --- country codes: the index is the record's `country_code` ---

constexpr std::size_t kCountryCodeCount = 62;
std::span<const std::string_view, kCountryCodeCount> CountryCodes();
// The code text of a `country_code`; "" for an index past the table.
std::string_view CountryCodeText(uint32_t country_code);

// --- countries: display name and allowed channels per band and bandwidth ---

struct CountryRow {
    std::string_view code;
    std::string_view name;
    std::string_view channels_24;    // 2.4 GHz
    std::string_view channels_5_20;  // 5 GHz at 20 MHz
    std::string_view channels_5_40;  // 5 GHz at 40 MHz
    std::string_view channels_5_80;  // 5 GHz at 80 MHz
};

constexpr std::size_t kCountryRowCount = 42;
std::span<const CountryRow, kCountryRowCount> CountryRows();

// Rows the channel rules single out.
constexpr int kCountryRowCanada = 3;
constexpr int kCountryRowChina = 4;
constexpr int kCountryRowUnitedStates = 31;
constexpr int kCountryRowTest = 41;

// The first row whose code is the text of `country_code`; nothing when the code names no row
// (many codes of the code table have no row of their own).
std::optional<int> CountryRowOfCode(uint32_t country_code);
// The first index of the code table holding the row's code.
std::optional<uint8_t> CountryCodeOfRow(int row);

// A channel list text: comma-separated decimal channel numbers, 0 meaning automatic choice; a
// number may carry an "l" or "u" (half of a 40 MHz pair), which does not change the number.
std::vector<int> ParseChannelList(std::string_view text);

// --- models ---

// The 5 GHz model families, which differ in the modes and bandwidths their radios offer.
enum class RadioFamily {
    kNarrowBand,  // 6, 8, 9, 265, 266, 267: 10 to 40 MHz, no 11ac
    kWideBand,    // 10, 11, 268, 269, 270: 10 to 40 MHz, and up to 80 MHz in 11ac
    kAcOnly,      // 13, 271: 11ac without 11n
    kDfs,         // the DFS-capable models: 11ac up to 80 MHz
    kOther,
};
RadioFamily RadioFamilyOf(uint32_t ap_type);

// The 5 GHz models whose channels come from the model-group table instead of the country table.
bool UsesModelGroupChannels(uint32_t ap_type);
// The model group a country row chooses: 0 to 3.
int ModelGroupOfRow(int row);
// The channel list of a model group for a bandwidth code.
std::string_view ModelGroupChannels(int group, int bandwidth);

// The 2.4 GHz list of model 12 outside the United States and Canada: no automatic choice.
constexpr std::string_view kModel12Channels24 = "1,2,3,4,5,6,7,8,9,10,11,12,13";

// True when `ap_type` is one of `models`.
bool IsModelIn(uint32_t ap_type, std::span<const uint16_t> models);

}  // namespace brelvo::core
