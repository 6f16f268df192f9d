#include "core/protocol/value_texts.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/support/translation.h"

namespace brelvo::core {

namespace {

constexpr std::array<std::string_view, 10> kStatusTexts{
    "Outline",  "Online",       "Bridge success", "Bridge fail",     "Restarting",
    "Reseting", "Upgrade wait", "Upgrading",      "Upgrade success", "Upgrade fail"};

constexpr std::array<std::string_view, 7> kWorkModeTexts{
    "AP", "Station", "Universal Repeater", "Repeater", "P2MP", "WISP", "Router"};

constexpr std::array<std::string_view, 7> kSecurityTexts{
    "Disable", "WEP", "WPA_PSK", "WPA2_PSK", "WPAWPA2_PSK", "WPA", "WPA2"};

// Codes 1 to 18 are one family, 257 to 276 another; 274 has no row.
constexpr std::array<std::pair<uint16_t, std::string_view>, 37> kModels{{
    {1, "NV-101"},   {2, "NV-102"},   {3, "NV-103"},   {4, "NV-104"},   {5, "NV-105"},
    {6, "NV-106"},   {7, "NV-107"},   {8, "NV-108"},   {9, "NV-109"},   {10, "NV-110"},
    {11, "NV-111"},  {12, "NV-112"},  {13, "NV-113"},  {14, "NV-114"},  {15, "NV-115"},
    {16, "NV-116"},  {17, "NV-117"},  {18, "NV-118"},  {257, "NV-201"}, {258, "NV-202"},
    {259, "NV-203"}, {260, "NV-204"}, {261, "NV-205"}, {262, "NV-206"}, {263, "NV-207"},
    {264, "NV-208"}, {265, "NV-209"}, {266, "NV-210"}, {267, "NV-211"}, {268, "NV-212"},
    {269, "NV-213"}, {270, "NV-214"}, {271, "NV-215"}, {272, "NV-216"}, {273, "NV-217"},
    {275, "NV-219"}, {276, "NV-220"},
}};

constexpr std::array<uint16_t, 16> kTdmaModels{6,   8,   9,   10,  11,  14,  15,  18,
                                               265, 266, 267, 268, 269, 270, 272, 273};

template <std::size_t N>
std::string TranslatedOrEmpty(const std::array<std::string_view, N>& texts, uint32_t index) {
    return index < N ? Translate(texts[index]) : std::string{};
}

std::string OnOffText(uint32_t value) {
    return Translate(value != 0 ? "On2" : "Off2");
}

}  // namespace

std::string StatusText(uint32_t ap_status) {
    return TranslatedOrEmpty(kStatusTexts, ap_status);
}

std::string ModelText(uint32_t ap_type) {
    for (const auto& [code, text] : kModels) {
        if (code == ap_type)
            return std::string(text);
    }
    return std::string(kModels.front().second);
}

uint16_t ModelCode(std::string_view model_text) {
    for (const auto& [code, text] : kModels) {
        if (text == model_text)
            return code;
    }
    return kUnknownModelCode;
}

std::string WorkModeText(uint32_t work_mode) {
    return work_mode >= 1 ? TranslatedOrEmpty(kWorkModeTexts, work_mode - 1) : std::string{};
}

std::string SecurityText(uint32_t secure_mode) {
    return TranslatedOrEmpty(kSecurityTexts, secure_mode);
}

std::string ChannelText(uint32_t channel) {
    return channel == 0 ? Translate("Auto") : std::to_string(channel);
}

bool HasTransparentBridge(uint32_t ap_type, uint32_t work_mode) {
    return ap_type != 4 && ap_type != 261 && (work_mode < 4 || work_mode > 7);
}

bool HasTdma(uint32_t ap_type) {
    return std::find(kTdmaModels.begin(), kTdmaModels.end(), ap_type) != kTdmaModels.end();
}

std::string TransparentBridgeText(uint32_t ap_type, uint32_t work_mode,
                                  uint32_t bridge_transparent) {
    return HasTransparentBridge(ap_type, work_mode) ? OnOffText(bridge_transparent)
                                                    : std::string(kNotApplicable);
}

std::string TdmaText(uint32_t ap_type, uint32_t tdma_en) {
    return HasTdma(ap_type) ? OnOffText(tdma_en) : std::string(kNotApplicable);
}

std::string UptimeText(uint32_t up_time_seconds) {
    const uint32_t days = up_time_seconds / 86400;
    const uint32_t hours = up_time_seconds % 86400 / 3600;
    const uint32_t minutes = up_time_seconds % 3600 / 60;
    const uint32_t seconds = up_time_seconds % 60;
    std::string clock =
        std::to_string(hours) + ":" + std::to_string(minutes) + ":" + std::to_string(seconds);
    return days > 0 ? std::to_string(days) + " " + clock : clock;
}

}  // namespace brelvo::core
