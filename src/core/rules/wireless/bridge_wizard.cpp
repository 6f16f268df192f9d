#include "core/rules/wireless/bridge_wizard.h"

#include "core/rules/outgoing_names.h"
#include "core/support/translation.h"

namespace brelvo::core {

bool CanOpenBridgeWizard(const ap_info_stu& device) {
    return device.mode_btn_status == 0 || device.mode_btn_status == 2;
}

std::string ModeSwitchMessage() {
    return Translate(
        "The Mode Switch is at AP position, please switch it to Off position to modify to other "
        "operating mode.");
}

std::string BridgeWizardFlow::next_caption() const {
    return Translate(step_ == BridgeStep::kFinish ? "Save" : "Next");
}

BridgeNextOutcome BridgeWizardFlow::Next(bool page_accepted) {
    if (finished_)
        return BridgeNextOutcome::kStay;
    switch (step_) {
        case BridgeStep::kSurvey:
            step_ = BridgeStep::kSecurity;
            return BridgeNextOutcome::kFillSecurity;
        case BridgeStep::kSecurity:
            if (!page_accepted)
                return BridgeNextOutcome::kStay;
            step_ = BridgeStep::kAddressing;
            return BridgeNextOutcome::kFillAddressing;
        case BridgeStep::kAddressing:
            if (!page_accepted)
                return BridgeNextOutcome::kStay;
            step_ = BridgeStep::kFinish;
            return BridgeNextOutcome::kShowFinish;
        case BridgeStep::kFinish:
            finished_ = true;
            return BridgeNextOutcome::kSave;
    }
    return BridgeNextOutcome::kStay;
}

void BridgeWizardFlow::Back() {
    if (finished_ || step_ == BridgeStep::kSurvey)
        return;
    step_ = static_cast<BridgeStep>(static_cast<int>(step_) - 1);
}

bridge_request BuildBridgeRequest(const wireless_block& wireless, const ip_block& ip) {
    auto request = ZeroBlock<bridge_request>();
    request.wireless = wireless;
    request.ip = ip;
    PrepareOutgoingField(request.wireless.ssid, request.wireless.ssid_len);
    return request;
}

}  // namespace brelvo::core
