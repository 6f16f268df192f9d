#include "core/rules/save_plan.h"

#include "core/protocol/model_features.h"
#include "core/protocol/packet.h"
#include "core/rules/outgoing_names.h"

namespace brelvo::core {

SavePlan PlanSave(uint32_t ap_type, SaveInputs inputs) {
    // With a VLAN change in the same save the device must not apply its new address on its
    // own: the VLAN request carries the go-ahead for both.
    if (inputs.ip.addressing_changed && inputs.vlan.changed) {
        inputs.ip.addressing.apply = 0;
        inputs.vlan.vlan.apply = 1;
    }

    SavePlan plan;
    if (inputs.ip.name_changed) {
        PrepareOutgoingName(inputs.ip.name);
        plan.steps.push_back({{kMsgSetName, PayloadOf(inputs.ip.name)}, std::nullopt});
    }
    if (inputs.wireless.changed) {
        PrepareOutgoingSsid(inputs.wireless.radio);
        std::vector<uint8_t> payload =
            HasWirelessFeatureTail(ap_type)
                ? PayloadOf(inputs.wireless.radio, inputs.wireless.feature)
                : PayloadOf(inputs.wireless.radio);
        plan.steps.push_back({{kMsgSetWireless, std::move(payload)}, std::nullopt});
    }
    if (inputs.reboot.changed) {
        plan.steps.push_back(
            {{kMsgSetTimedReboot, PayloadOf(inputs.reboot.schedule)}, std::nullopt});
    }
    if (inputs.vlan.changed) {
        plan.steps.push_back(
            {{kMsgSetVlan, VlanRequestPayload(ap_type, inputs.vlan.vlan, inputs.vlan.feature)},
             std::nullopt});
    }
    // Last, because the device leaves its current address with it.
    if (inputs.ip.addressing_changed) {
        plan.steps.push_back(
            {{kMsgSetIp, PayloadOf(inputs.ip.addressing)}, IpBytesToText(inputs.ip.addressing.ip)});
    }

    if (inputs.vlan.changed)
        plan.wait = WaitPopupSettings{60, false, 3};
    else if (inputs.ip.addressing_changed)
        plan.wait = WaitPopupSettings{15, true, 3};
    return plan;
}

Collected<SavePlan> CollectAndPlanSave(uint32_t ap_type, const SaveCollectors& collectors) {
    SaveInputs inputs;
    auto wireless = collectors.wireless();
    if (!wireless)
        return wireless.failure();
    inputs.wireless = wireless.output();
    auto ip = collectors.ip();
    if (!ip)
        return ip.failure();
    inputs.ip = ip.output();
    auto vlan = collectors.vlan();
    if (!vlan)
        return vlan.failure();
    inputs.vlan = vlan.output();
    auto reboot = collectors.reboot();
    if (!reboot)
        return reboot.failure();
    inputs.reboot = reboot.output();
    return PlanSave(ap_type, std::move(inputs));
}

}  // namespace brelvo::core
