// The on/off pop-ups of the status page for several devices at once: the transparent bridge
// ("Set Bridge") and TDMA ("Slotwise"). Both send the same 14 switch bytes, each with its own
// byte set and every other byte zero.
#pragma once

#include <cstdint>
#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/batch_selection.h"
#include "core/rules/planned_request.h"

namespace brelvo::core {

enum class SwitchKind {
    kTransparentBridge,
    kTdma,
};

// The rows a switch applies to.
RowFilter RowFilterOf(SwitchKind kind);

// The value the pop-up starts from: the first selected device's switch.
uint8_t InitialSwitchValue(SwitchKind kind, const ap_info_stu& first_device);

class SwitchPopup {
public:
    SwitchPopup(SwitchKind kind, uint8_t initial_value);

    // Translated texts of the title and the label beside the two options.
    std::string title() const;
    std::string label() const;

    bool enable_checked() const { return enable_checked_; }
    bool disable_checked() const { return disable_checked_; }

    void ChooseEnable();
    void ChooseDisable();

    // Save: the switch bytes to send to every selected device.
    feature_block SwitchBytes() const;
    PlannedRequest Request() const;

private:
    SwitchKind kind_;
    uint8_t choice_;
    bool enable_checked_ = false;
    bool disable_checked_ = false;
};

}  // namespace brelvo::core
