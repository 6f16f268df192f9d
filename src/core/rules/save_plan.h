// The Save of the configuration dialog: the order in which its four tabs are consulted, which
// requests go out and in what order, and which wait follows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"
#include "core/rules/ip_settings.h"
#include "core/rules/planned_request.h"
#include "core/rules/reboot_schedule.h"
#include "core/rules/timelines.h"
#include "core/rules/vlan_settings.h"

namespace brelvo::core {

// What the wireless tab's save step gives: the radio block, the feature block that follows it
// for some models, and whether anything changed.
struct WirelessTabOutput {
    radio_block radio = ZeroBlock<radio_block>();
    feature_block feature = ZeroBlock<feature_block>();
    bool changed = false;
};

struct SaveInputs {
    WirelessTabOutput wireless;
    IpTabOutput ip;
    VlanTabOutput vlan;
    RebootScheduleOutput reboot;
};

// One request of the save, to the device's current address and MAC. When `note_new_ip` is set,
// the engine is first told (NoteNewIp: MAC, current address, this new address).
struct SaveStep {
    PlannedRequest request;
    std::optional<std::string> note_new_ip;
};

struct SavePlan {
    std::vector<SaveStep> steps;            // in sending order; empty when nothing changed
    std::optional<WaitPopupSettings> wait;  // the wait pop-up shown while they go out
};

// `ap_type` is the model stored for the device.
SavePlan PlanSave(uint32_t ap_type, SaveInputs inputs);

// The four tabs' save steps, called in the order wireless, addressing, VLAN, timed reboot;
// the first that fails ends the save and nothing is sent, even for the tabs already accepted.
struct SaveCollectors {
    std::function<Collected<WirelessTabOutput>()> wireless;
    std::function<Collected<IpTabOutput>()> ip;
    std::function<Collected<VlanTabOutput>()> vlan;
    std::function<Collected<RebootScheduleOutput>()> reboot;
};

Collected<SavePlan> CollectAndPlanSave(uint32_t ap_type, const SaveCollectors& collectors);

}  // namespace brelvo::core
