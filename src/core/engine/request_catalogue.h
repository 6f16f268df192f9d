// The configuration requests in one table: payload size(s), whether the engine repeats them
// until answered, and what their answer does to the stored status.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"

namespace brelvo::core {

enum class AnswerEffect : uint8_t {
    kNone,
    kReport,          // 2: the device report is stored
    kMoveAddress,     // 3: the online entry moves to the new address
    kSurveyPacket,    // 6: survey entries are stored
    kBridgeResult,    // 7: status 2 on success, else 3
    kRestartOnOk,     // 9, 13: status 4 on success
    kResetOnOk,       // 10: status 5 on success
    kUpgradeNotice,   // 12: 0 waiting (6), 1 failed (9), else succeeded (8)
    kUpgradeStarted,  // 16: status 6 becomes 7
};

struct RequestKind {
    uint16_t message;
    std::string_view name;
    uint16_t payload_size;           // bytes the system sends
    uint16_t extended_payload_size;  // for the models that take more (0: none)
    bool retransmitted;              // repeated by the engine until answered
    AnswerEffect effect;
};

std::span<const RequestKind> RequestCatalogue();
// Nothing for a number that is not in the catalogue.
const RequestKind* FindRequest(uint16_t message);

// Whether the engine keeps a sent request of this number until it is answered.
bool IsRetransmittable(uint16_t message);

// Payload sizes that depend on the model.
std::size_t WirelessPayloadSize(uint16_t ap_type);  // 328 or 342
std::size_t VlanPayloadSize(uint16_t ap_type);      // 10 or 24
std::size_t PayloadSizeFor(uint16_t message, uint16_t ap_type);

// The status an answer's result byte leads to; nothing for no change. Status 7 from answer 16
// depends on the stored status and is left to the store (`MarkUpgrading`).
std::optional<uint32_t> StatusAfterAnswer(AnswerEffect effect, uint8_t result);

// The payload of a request that is a slice of the device information block, taken from the
// record as it stands (apply flags included); nothing for a request that is not such a slice.
std::optional<std::vector<uint8_t>> SlicePayload(uint16_t message, const ap_info_stu& record);

}  // namespace brelvo::core
