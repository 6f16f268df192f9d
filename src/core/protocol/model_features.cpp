#include "core/protocol/model_features.h"

#include <algorithm>
#include <array>

namespace brelvo::core {

namespace {

template <std::size_t N>
bool IsOneOf(uint32_t ap_type, const std::array<uint32_t, N>& models) {
    return std::find(models.begin(), models.end(), ap_type) != models.end();
}

// The five models with DFS and PVID but no extra LAN ports.
constexpr std::array<uint32_t, 5> kPvidOnlyModels{14, 15, 18, 272, 273};
constexpr std::array<uint32_t, 2> kSingleLanModels{11, 270};
constexpr std::array<uint32_t, 3> kFourLanModels{10, 268, 269};
constexpr std::array<uint32_t, 3> kNoVlanModels{12, 13, 271};

}  // namespace

bool IsDfsCapable(uint32_t ap_type) {
    return IsOneOf(ap_type, kPvidOnlyModels);
}

bool HasWirelessFeatureTail(uint32_t ap_type) {
    return IsDfsCapable(ap_type);
}

bool HasVlanFeatureTail(uint32_t ap_type) {
    return IsOneOf(ap_type, kPvidOnlyModels) || IsOneOf(ap_type, kSingleLanModels) ||
           IsOneOf(ap_type, kFourLanModels);
}

bool LacksVlanTab(uint32_t ap_type) {
    return IsOneOf(ap_type, kNoVlanModels);
}

bool EditsVlanInAnyMode(uint32_t ap_type) {
    return IsOneOf(ap_type, kPvidOnlyModels);
}

VlanRows VlanRowsOf(uint32_t ap_type) {
    VlanRows rows;
    rows.pvid = HasVlanFeatureTail(ap_type);
    rows.lan2 = IsOneOf(ap_type, kSingleLanModels) || IsOneOf(ap_type, kFourLanModels);
    rows.lan2_named_lan = IsOneOf(ap_type, kSingleLanModels);
    rows.lan3_lan4 = IsOneOf(ap_type, kFourLanModels);
    return rows;
}

}  // namespace brelvo::core
