// Which models carry which extra settings. The requests and the tabs ask these, never a list of
// their own, so a new model is added in one place.
#pragma once

#include <cstdint>

namespace brelvo::core {

// The models with dynamic frequency selection: they show the DFS switch, send the DFS byte with
// their wireless settings and may be offered the channels 100 to 144.
bool IsDfsCapable(uint32_t ap_type);

// Models whose wireless request carries the feature block (with the DFS switch) after the
// radio block: 342 bytes instead of 328. These are the DFS models.
bool HasWirelessFeatureTail(uint32_t ap_type);

// Models whose VLAN request carries the feature block (PVID and LAN3/LAN4) after the VLAN
// block: 24 bytes instead of 10. They also have the PVID field.
bool HasVlanFeatureTail(uint32_t ap_type);

// Models without VLAN support: the configuration dialog disables their VLAN tab.
bool LacksVlanTab(uint32_t ap_type);

// Models whose VLAN settings stay editable whatever their work mode; other models edit them
// only as an access point.
bool EditsVlanInAnyMode(uint32_t ap_type);

// The rows of the VLAN tab beyond the management and wireless VLAN.
struct VlanRows {
    bool pvid = false;
    bool lan2 = false;
    bool lan2_named_lan = false;  // the single LAN port of models 11 and 270
    bool lan3_lan4 = false;
};
VlanRows VlanRowsOf(uint32_t ap_type);

}  // namespace brelvo::core
