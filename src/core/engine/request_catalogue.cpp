#include "core/engine/request_catalogue.h"

#include <algorithm>
#include <array>

#include "core/protocol/model_features.h"
#include "core/protocol/packet.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::core {

namespace {

using E = AnswerEffect;

constexpr uint16_t kRadio = sizeof(radio_block);
constexpr uint16_t kFeature = sizeof(feature_block);
constexpr uint16_t kVlan = sizeof(vlan_block);

// clang-format off
constexpr std::array kCatalogue{
    RequestKind{kMsgSearch,               "search",                 0,                       0,                0,    E::kNone},
    RequestKind{kMsgReport,               "device report",          0,                       0,                true, E::kReport},
    RequestKind{kMsgSetIp,                "set addressing",         sizeof(ip_block),        0,                true, E::kMoveAddress},
    RequestKind{kMsgSetWireless,          "set wireless settings",  kRadio,                  kRadio + kFeature, true, E::kNone},
    RequestKind{kMsgSetTimedReboot,       "set timed reboot",       sizeof(restart_block),   0,                true, E::kNone},
    RequestKind{kMsgSiteSurvey,           "site survey",            0,                       0,                false, E::kSurveyPacket},
    RequestKind{kMsgBridge,               "bridge",                 sizeof(bridge_request),  0,                true, E::kBridgeResult},
    RequestKind{kMsgSetName,              "set device name",        sizeof(name_block),      0,                true, E::kNone},
    RequestKind{kMsgReboot,               "reboot",                 0,                       0,                true, E::kRestartOnOk},
    RequestKind{kMsgRestore,              "restore factory settings", 0,                     0,                true, E::kResetOnOk},
    RequestKind{kMsgUpgrade,              "upgrade",                sizeof(upgrade_file_info), 0,              true, E::kNone},
    RequestKind{kMsgUpgradeNotice,        "upgrade progress",       0,                       0,                false, E::kUpgradeNotice},
    RequestKind{kMsgSetVlan,              "set VLAN",               kVlan,                   kVlan + kFeature, true, E::kRestartOnOk},
    RequestKind{kMsgHeartbeat,            "heartbeat",              0,                       0,                false, E::kNone},
    RequestKind{kMsgUpgradeStarted,       "upgrade started?",       0,                       0,                true, E::kUpgradeStarted},
    RequestKind{kMsgLeave,                "leave",                  0,                       0,                false, E::kNone},
    RequestKind{kMsgSetTransparentBridge, "set transparent bridge", kFeature,                0,                true, E::kNone},
    RequestKind{kMsgSetTdma,              "set TDMA",               kFeature,                0,                true, E::kNone},
};
// clang-format on

template <typename Block>
void Append(std::vector<uint8_t>& out, const Block& block) {
    const auto bytes = BytesOf(block);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::span<const RequestKind> RequestCatalogue() {
    return kCatalogue;
}

const RequestKind* FindRequest(uint16_t message) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [&](const RequestKind& kind) { return kind.message == message; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

bool IsRetransmittable(uint16_t message) {
    // Searches, surveys, heartbeats and leaves are never waited for, whatever the caller asks;
    // a number outside the catalogue is treated like any request.
    const RequestKind* kind = FindRequest(message);
    return kind == nullptr || kind->retransmitted;
}

std::size_t WirelessPayloadSize(uint16_t ap_type) {
    return HasWirelessFeatureTail(ap_type) ? kRadio + kFeature : kRadio;
}

std::size_t VlanPayloadSize(uint16_t ap_type) {
    return HasVlanFeatureTail(ap_type) ? kVlan + kFeature : kVlan;
}

std::size_t PayloadSizeFor(uint16_t message, uint16_t ap_type) {
    switch (message) {
        case kMsgSetWireless:
            return WirelessPayloadSize(ap_type);
        case kMsgSetVlan:
            return VlanPayloadSize(ap_type);
        default: {
            const RequestKind* kind = FindRequest(message);
            return kind == nullptr ? 0 : kind->payload_size;
        }
    }
}

std::optional<uint32_t> StatusAfterAnswer(AnswerEffect effect, uint8_t result) {
    switch (effect) {
        case E::kBridgeResult:
            return result == 0 ? kStatusBridgeSucceeded : kStatusBridgeFailed;
        case E::kRestartOnOk:
            return result == 0 ? std::optional<uint32_t>(kStatusRestarting) : std::nullopt;
        case E::kResetOnOk:
            return result == 0 ? std::optional<uint32_t>(kStatusResetting) : std::nullopt;
        case E::kUpgradeNotice:
            if (result == 0)
                return kStatusUpgradeWaiting;
            return result == 1 ? kStatusUpgradeFailed : kStatusUpgradeSucceeded;
        default:
            return std::nullopt;
    }
}

std::optional<std::vector<uint8_t>> SlicePayload(uint16_t message, const ap_info_stu& record) {
    std::vector<uint8_t> payload;
    switch (message) {
        case kMsgSetIp:
            Append(payload, SliceOf<ip_block>(record));
            break;
        case kMsgSetWireless:
            Append(payload, SliceOf<radio_block>(record));
            if (HasWirelessFeatureTail(record.ap_type))
                Append(payload, SliceOf<feature_block>(record));
            break;
        case kMsgSetTimedReboot:
            Append(payload, SliceOf<restart_block>(record));
            break;
        case kMsgSetName:
            Append(payload, SliceOf<name_block>(record));
            break;
        case kMsgSetVlan:
            Append(payload, SliceOf<vlan_block>(record));
            if (HasVlanFeatureTail(record.ap_type))
                Append(payload, SliceOf<feature_block>(record));
            break;
        case kMsgSetTransparentBridge:
        case kMsgSetTdma:
            Append(payload, SliceOf<feature_block>(record));
            break;
        default:
            return std::nullopt;
    }
    return payload;
}

}  // namespace brelvo::core
