// The bridge wizard's steps (survey, security, addressing, finish), what its buttons show on
// each, and the one request that carries the whole bridge to the device.
#pragma once

#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"

namespace brelvo::core {

// A device can be made a station only while its mode switch is off (0) or at station (2).
bool CanOpenBridgeWizard(const ap_info_stu& device);
// Shown instead of the wizard otherwise (translated; exclamation icon, the application title).
std::string ModeSwitchMessage();

enum class BridgeStep : int {
    kSurvey = 0,
    kSecurity = 1,
    kAddressing = 2,
    kFinish = 3,
};

// What follows a press of Next.
enum class BridgeNextOutcome {
    kStay,            // the page refused its fields and showed its message
    kFillSecurity,    // fill the security page from the device and the chosen access point
    kFillAddressing,  // fill the addressing page from the device's addressing
    kShowFinish,      // the blocks are complete
    kSave,            // send the bridge request, clear the survey, close with OK
};

// The wizard's step machine. Each step shows the page of the same number; going back keeps
// what the pages hold, and the blocks are collected again on the way forward.
class BridgeWizardFlow {
public:
    BridgeStep step() const { return step_; }
    bool back_visible() const { return step_ != BridgeStep::kSurvey; }
    // "Save" on the finish page, else "Next" (translated).
    std::string next_caption() const;
    bool finished() const { return finished_; }

    // `page_accepted`: the current page collected its fields (the survey and finish pages
    // have none to refuse).
    BridgeNextOutcome Next(bool page_accepted = true);
    void Back();

private:
    BridgeStep step_ = BridgeStep::kSurvey;
    bool finished_ = false;
};

// The payload of the bridge request, its SSID prepared for the device. The two bytes after the
// addressing block are sent as 0.
bridge_request BuildBridgeRequest(const wireless_block& wireless, const ip_block& ip);

}  // namespace brelvo::core
