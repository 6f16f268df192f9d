#include "core/rules/switch_settings.h"

#include "core/protocol/packet.h"
#include "core/support/translation.h"

namespace brelvo::core {

RowFilter RowFilterOf(SwitchKind kind) {
    return kind == SwitchKind::kTransparentBridge ? RowFilter::kHasTransparentBridge
                                                  : RowFilter::kHasTdma;
}

uint8_t InitialSwitchValue(SwitchKind kind, const ap_info_stu& first_device) {
    return kind == SwitchKind::kTransparentBridge ? first_device.bridge_transparent
                                                  : first_device.tdmaEn;
}

SwitchPopup::SwitchPopup(SwitchKind kind, uint8_t initial_value) : kind_(kind) {
    if (kind == SwitchKind::kTransparentBridge) {
        // The bridge pop-up shows the current state as its selection.
        choice_ = initial_value != 0 ? 1 : 0;
        enable_checked_ = choice_ == 1;
        disable_checked_ = choice_ == 0;
    } else {
        // The TDMA pop-up opens with neither option ticked and keeps the device's value.
        choice_ = initial_value;
    }
}

std::string SwitchPopup::title() const {
    return Translate(kind_ == SwitchKind::kTransparentBridge ? "Set Bridge" : "Slotwise");
}

std::string SwitchPopup::label() const {
    return title();
}

void SwitchPopup::ChooseEnable() {
    choice_ = 1;
    enable_checked_ = true;
    disable_checked_ = false;
}

void SwitchPopup::ChooseDisable() {
    choice_ = 0;
    enable_checked_ = false;
    disable_checked_ = true;
}

feature_block SwitchPopup::SwitchBytes() const {
    auto bytes = ZeroBlock<feature_block>();
    const uint8_t value = choice_ != 0 ? 1 : 0;
    if (kind_ == SwitchKind::kTransparentBridge)
        bytes.bridge_transparent = value;
    else
        bytes.tdmaEn = value;
    return bytes;
}

PlannedRequest SwitchPopup::Request() const {
    const uint16_t message =
        kind_ == SwitchKind::kTransparentBridge ? kMsgSetTransparentBridge : kMsgSetTdma;
    return {message, PayloadOf(SwitchBytes())};
}

}  // namespace brelvo::core
