// The VLAN tab of the configuration dialog: which identifiers a model has, and the save step
// that checks them and builds the VLAN request.
#pragma once

#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/model_features.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"
#include "core/rules/planned_request.h"

namespace brelvo::core {

// The tab's fields as the operator left them.
struct VlanTabInput {
    bool enabled = false;  // the "Enable" check box
    std::u16string manage;
    std::u16string wlan;
    std::u16string pvid;
    std::u16string lan2;  // labelled "LAN" on the single-port models
    std::u16string lan3;
    std::u16string lan4;
};

struct VlanTabView {
    VlanTabInput fields;
    VlanRows rows;           // the rows shown beyond Manage VLAN and WLAN
    std::string lan2_label;  // translated "LAN2", or "LAN" on the single-port models
    bool check_box_enabled = true;
    bool fields_enabled = false;
};

VlanTabView OpenVlanTab(const ap_info_stu& record);

// Ticking or clearing the box: the fields follow it.
void OnVlanBoxToggled(VlanTabView& view, bool ticked);

struct VlanTabOutput {
    vlan_block vlan = ZeroBlock<vlan_block>();  // apply flag 0
    feature_block feature = ZeroBlock<feature_block>();
    bool changed = false;
};

Collected<VlanTabOutput> CollectVlanSettings(const ap_info_stu& record, const VlanTabInput& input);

// The payload of the VLAN request for a model: the VLAN block, and the feature block after it
// for the models with PVID and LAN ports.
std::vector<uint8_t> VlanRequestPayload(uint32_t ap_type, const vlan_block& vlan,
                                        const feature_block& feature);

}  // namespace brelvo::core
