// The reboot and restore pages: one list page, two requests. What each sends and shows, and
// the order in which the devices receive it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/rules/timelines.h"

namespace brelvo::core {

enum class ResetKind {
    kReboot,
    kRestore,
};

struct ResetPageSettings {
    std::string_view button;        // caption, to be translated
    std::string_view confirmation;  // confirm box text, to be translated
    uint16_t message = 0;           // the request, sent without payload
    uint32_t waiting_status = 0;    // the status a device shows once it acknowledged
    WaitPopupSettings wait;         // shown after the confirmation
};

const ResetPageSettings& ResetSettingsOf(ResetKind kind);

// A station restarting cuts its access point off the network segment, so an access point with
// a station bridged to it is sent the request first, and the others after a short pause.
constexpr std::chrono::milliseconds kBridgedFirstPause{200};

struct ResetSendOrder {
    std::vector<device_target> first;  // devices with a bridged station, in selection order
    std::vector<device_target> rest;   // the others, in selection order, after the pause
};

ResetSendOrder BridgedFirstOrder(
    std::span<const device_target> selection,
    const std::function<bool(std::string_view mac)>& has_bridged_station);

}  // namespace brelvo::core
