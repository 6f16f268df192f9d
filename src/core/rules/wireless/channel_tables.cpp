#include "core/rules/wireless/channel_tables.h"

#include <algorithm>
#include <array>

#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

// The devices' regulatory code table: a record's `country_code` indexes it.
constexpr std::array<std::string_view, kCountryCodeCount> kCountryCodes{
    "CN", "US", "GB", "ES", "IT", "FR", "DE", "NL",  "CZ",  "PL",   "EE", "RU", "TR",
    "SE", "CH", "DK", "BE", "BG", "AM", "FI", "SI",  "SK",  "RO",   "PT", "AT", "GR",
    "CA", "MX", "BR", "AR", "CL", "CO", "PE", "LV",  "IN",  "ID",   "PH", "VN", "TH",
    "KR", "HK", "TW", "MY", "NZ", "AU", "PK", "AE",  "IQ",  "SA",   "ZA", "EG", "MA",
    "IL", "BD", "IR", "NP", "UA", "VE", "HU", "AUT", "CHL", "Test",
};

// Channel lists, kept as the texts the devices' firmware uses.
// clang-format off
constexpr std::string_view kL1 = "0,1,2,3,4,5,6,7,8,9,10,11,12,13";
constexpr std::string_view kL2 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165";
constexpr std::string_view kL3 = "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,120u,128u,132l,136u,140l,149l,153u,157l,161u";
constexpr std::string_view kL4 = "0,36,40,44,48,52,56,60,64,100,104,108,112,132,136,140,144,149,153,157,161";
constexpr std::string_view kL5 = "0,52,56,60,64,149,153,157,161,165";
constexpr std::string_view kL6 = "0,52l,56u,60l,64u,149l,153u,157l,161u";
constexpr std::string_view kL7 = "0,52,56,60,64,149,153,157,161";
constexpr std::string_view kL8 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,149,153,157,161";
constexpr std::string_view kL9 = "0,1,2,3,4,5,6,7,8,9,10,11";
constexpr std::string_view kL10 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,144,149,153,157,161,165";
constexpr std::string_view kL11 = "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u,140l,144u,149l,153u,157l,161u";
constexpr std::string_view kL12 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,144,149,153,157,161";
constexpr std::string_view kL13 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140";
constexpr std::string_view kL14 = "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u";
constexpr std::string_view kL15 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128";
constexpr std::string_view kL16 = "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161";
constexpr std::string_view kL17 = "0,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165";
constexpr std::string_view kL18 = "0,52l,56u,60l,64u,100l,104u,108l,112u,120u,128u,132l,136u,140l,149l,153u,157l,161u";
constexpr std::string_view kL19 = "0,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161";
constexpr std::string_view kL20 = "0,36,40,44,48,149,153,157,161,165";
constexpr std::string_view kL21 = "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u,149,153,157,161";
constexpr std::string_view kL22 = "0,149,153,157,161,165";
constexpr std::string_view kL23 = "0,149,153,157,161";
constexpr std::string_view kL24 = "0,36,40,44,48,149,153,157,161";
constexpr std::string_view kL25 = "0,36,40,44,48";
constexpr std::string_view kL26 = "0,8,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165,179,181,188";
constexpr std::string_view kL27 = "0,8,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,179,181,188";
constexpr std::string_view kL28 = "0,36,40,44,48,100,104,108,112,116,132,136,140";
constexpr std::string_view kL29 = "0,36l,40u,44l,48u,100l,104u,108l,112u,116l,132l,136u";
constexpr std::string_view kL30 = "0,36,40,44,48,100,104,108,112,116";
constexpr std::string_view kL31 = "0,149l,153u,157l,161u";
constexpr std::string_view kL32 = "0,36,40,44,48,100,104,108,112,116,132,136,140,149,153,157,161,165";
constexpr std::string_view kL33 = "0,36l,40u,44l,48u,100l,104u,108l,112u,116l,132l,136u,149l,153u,157l,161u";
constexpr std::string_view kL34 = "0,36,40,44,48,100,104,108,112,116,149,153,157,161";
// clang-format on

// clang-format off
constexpr std::array<CountryRow, kCountryRowCount> kCountryRows{{
    {"AU", "Australia", kL1, kL2, kL3, kL4},  // 0
    {"AR", "Argentina", kL1, kL5, kL6, kL7},  // 1
    {"BR", "Brazil", kL1, kL2, kL3, kL8},  // 2
    {"CA", "Canada", kL9, kL10, kL11, kL12},  // 3
    {"CN", "China", kL1, kL10, kL11, kL12},  // 4
    {"CO", "Colombia", kL9, kL10, kL11, kL12},  // 5
    {"CZ", "CzechRepublic", kL1, kL13, kL14, kL15},  // 6
    {"EG", "Egypt", kL1, kL13, kL14, kL15},  // 7
    {"GB", "England", kL1, kL13, kL14, kL15},  // 8
    {"FR", "France", kL1, kL13, kL14, kL15},  // 9
    {"DE", "Germany", kL1, kL13, kL14, kL15},  // 10
    {"HK", "Hong Kong", kL1, kL2, kL3, kL16},  // 11
    {"IN", "India", kL1, kL2, kL3, kL16},  // 12
    {"ID", "Indonesia", kL1, kL2, kL3, kL16},  // 13
    {"IR", "Iran", kL1, kL17, kL18, kL19},  // 14
    {"IQ", "Iraq", kL1, kL2, kL3, kL16},  // 15
    {"MY", "Malaysia", kL1, kL17, kL18, kL19},  // 16
    {"MX", "Mexico", kL9, kL2, kL3, kL16},  // 17
    {"PE", "Peru", kL1, kL17, kL18, kL19},  // 18
    {"PK", "Pakistan", kL1, kL17, kL18, kL19},  // 19
    {"PH", "Philippines", kL1, kL2, kL3, kL16},  // 20
    {"PL", "Poland", kL1, kL13, kL14, kL15},  // 21
    {"RO", "Romania", kL1, kL13, kL14, kL15},  // 22
    {"RU", "Russia", kL1, kL20, kL21, kL8},  // 23
    {"SA", "Saudi Arabia", kL1, kL2, kL3, kL16},  // 24
    {"ZA", "South Afica", kL1, kL2, kL3, kL8},  // 25
    {"ES", "Spain", kL1, kL13, kL14, kL15},  // 26
    {"TW", "Taiwan", kL9, kL17, kL18, kL19},  // 27
    {"TH", "Thailand", kL1, kL2, kL3, kL16},  // 28
    {"TR", "Turkey", kL1, kL13, kL14, kL15},  // 29
    {"AE", "United Arab Emirates", kL1, kL22, kL23, kL23},  // 30
    {"US", "United States", kL9, kL2, kL3, kL16},  // 31
    {"UA", "Ukraine", kL1, kL20, kL21, kL24},  // 32
    {"VE", "Venezuela", kL1, kL17, kL18, kL19},  // 33
    {"VN", "Vietnam", kL1, kL13, kL14, kL15},  // 34
    {"IT", "Italy", kL1, kL25, kL25, kL25},  // 35
    {"AM", "Armenia", kL1, kL25, kL25, kL25},  // 36
    {"HU", "Hungary", kL1, kL25, kL25, kL25},  // 37
    {"KR", "Korea", kL1, kL20, kL24, kL24},  // 38
    {"AUT", "Austria", kL1, kL20, kL24, kL24},  // 39
    {"CHL", "Chile", kL1, kL20, kL24, kL24},  // 40
    {"Test", "Test", kL1, kL26, kL27, kL27},  // 41
}};
// clang-format on

// Model-group channel lists: per group, the lists for 20 MHz (or Auto), 40 MHz and the rest.
constexpr std::array<std::array<std::string_view, 3>, 4> kModelGroupChannels{{
    {kL28, kL29, kL30},
    {kL22, kL31, kL23},
    {kL32, kL33, kL34},
    {kL26, kL27, kL27},
}};

// The fixed-size text fields the devices keep these in.
constexpr std::size_t kCodeFieldSize = 8;
constexpr std::size_t kNameFieldSize = 33;
constexpr std::size_t kChannelFieldSize = 256;

constexpr bool FitsFields() {
    for (const auto& code : kCountryCodes) {
        if (code.size() >= kCodeFieldSize)
            return false;
    }
    for (const auto& row : kCountryRows) {
        if (row.code.size() >= kCodeFieldSize || row.name.size() >= kNameFieldSize)
            return false;
        for (const auto list :
             {row.channels_24, row.channels_5_20, row.channels_5_40, row.channels_5_80}) {
            if (list.size() >= kChannelFieldSize)
                return false;
        }
    }
    return true;
}
static_assert(FitsFields(), "a table text outgrows the device's field");

constexpr std::array<uint16_t, 7> kModelGroupModels{13, 14, 15, 18, 271, 272, 273};
constexpr std::array<uint16_t, 6> kNarrowBandModels{6, 8, 9, 265, 266, 267};
constexpr std::array<uint16_t, 5> kWideBandModels{10, 11, 268, 269, 270};
constexpr std::array<uint16_t, 2> kAcOnlyModels{13, 271};

}  // namespace

std::string_view BandwidthText(int code) {
    switch (code) {
        case kBandwidth20:
            return "20MHz";
        case kBandwidth40:
            return "40MHz";
        case kBandwidthAuto:
            return "Auto";
        case kBandwidth80:
            return "80MHz";
        case kBandwidth10:
            return "10MHz";
        case kBandwidth30:
            return "30MHz";
        case kBandwidth50:
            return "50MHz";
        case kBandwidth60:
            return "60MHz";
        default:
            return "";
    }
}

std::span<const std::string_view, kCountryCodeCount> CountryCodes() {
    return kCountryCodes;
}

std::string_view CountryCodeText(uint32_t country_code) {
    return country_code < kCountryCodes.size() ? kCountryCodes[country_code] : std::string_view{};
}

std::span<const CountryRow, kCountryRowCount> CountryRows() {
    return kCountryRows;
}

std::optional<int> CountryRowOfCode(uint32_t country_code) {
    const std::string_view code = CountryCodeText(country_code);
    if (code.empty())
        return std::nullopt;
    for (std::size_t row = 0; row < kCountryRows.size(); ++row) {
        if (kCountryRows[row].code == code)
            return static_cast<int>(row);
    }
    return std::nullopt;
}

std::optional<uint8_t> CountryCodeOfRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= kCountryRows.size())
        return std::nullopt;
    const auto found =
        std::find(kCountryCodes.begin(), kCountryCodes.end(), kCountryRows[row].code);
    if (found == kCountryCodes.end())
        return std::nullopt;
    return static_cast<uint8_t>(found - kCountryCodes.begin());
}

std::vector<int> ParseChannelList(std::string_view text) {
    std::vector<int> channels;
    if (text.empty())
        return channels;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        // The decimal reading stops at the half-pair suffix.
        channels.push_back(static_cast<int>(DecimalValue(text.substr(start, comma - start))));
        start = comma + 1;
    }
    return channels;
}

bool IsModelIn(uint32_t ap_type, std::span<const uint16_t> models) {
    return std::find(models.begin(), models.end(), ap_type) != models.end();
}

RadioFamily RadioFamilyOf(uint32_t ap_type) {
    if (IsModelIn(ap_type, kNarrowBandModels))
        return RadioFamily::kNarrowBand;
    if (IsModelIn(ap_type, kWideBandModels))
        return RadioFamily::kWideBand;
    if (IsModelIn(ap_type, kAcOnlyModels))
        return RadioFamily::kAcOnly;
    if (IsDfsCapable(ap_type))
        return RadioFamily::kDfs;
    return RadioFamily::kOther;
}

bool UsesModelGroupChannels(uint32_t ap_type) {
    return IsModelIn(ap_type, kModelGroupModels);
}

int ModelGroupOfRow(int row) {
    switch (row) {
        case 1:
        case 14:
        case 16:
        case 18:
        case 19:
        case 30:
        case 33:
            return 1;
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
        case 21:
        case 22:
        case 26:
        case 29:
        case 34:
        case 35:
        case 36:
        case 37:
            return 0;
        case kCountryRowTest:
            return 3;
        default:
            return 2;
    }
}

std::string_view ModelGroupChannels(int group, int bandwidth) {
    const auto& lists = kModelGroupChannels[static_cast<std::size_t>(std::clamp(group, 0, 3))];
    if (bandwidth == kBandwidth20 || bandwidth == kBandwidthAuto)
        return lists[0];
    if (bandwidth == kBandwidth40)
        return lists[1];
    return lists[2];
}

}  // namespace brelvo::core
