#include "core/rules/vlan_settings.h"

#include <cstring>

#include "core/rules/validation.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

std::u16string NumberField(uint16_t value) {
    return Utf8ToUtf16(std::to_string(value));
}

// Checked to lie in 1..4094 before it is read.
uint16_t IdentifierOf(std::u16string_view text) {
    return static_cast<uint16_t>(DecimalValue(text));
}

template <typename Block>
bool SameBytes(const Block& first, const Block& second) {
    return std::memcmp(&first, &second, sizeof(Block)) == 0;
}

// The dialog disables the VLAN tab of a model without VLAN support, and the tab disables its
// inputs on a device whose mode carries no VLAN.
bool CanEditVlan(const ap_info_stu& record) {
    if (LacksVlanTab(record.ap_type))
        return false;
    return record.work_mode == kModeAccessPoint || EditsVlanInAnyMode(record.ap_type);
}

}  // namespace

VlanTabView OpenVlanTab(const ap_info_stu& record) {
    VlanTabView view;
    view.fields.enabled = record.vlan_en != 0;
    view.fields.manage = NumberField(record.vlan_id);
    view.fields.wlan = NumberField(record.vlan_id_wlan);
    view.fields.pvid = NumberField(record.vlan_pvid);
    view.fields.lan2 = NumberField(record.vlan_id_lan);
    view.fields.lan3 = NumberField(record.vlan_id_lan3);
    view.fields.lan4 = NumberField(record.vlan_id_lan4);
    view.rows = VlanRowsOf(record.ap_type);
    view.lan2_label = Translate(view.rows.lan2_named_lan ? "LAN" : "LAN2");
    view.fields_enabled = view.fields.enabled;
    // Only an access point carries VLANs, except on the models that tag in every mode.
    if (!CanEditVlan(record)) {
        view.check_box_enabled = false;
        view.fields_enabled = false;
    }
    return view;
}

void OnVlanBoxToggled(VlanTabView& view, bool ticked) {
    view.fields.enabled = ticked;
    view.fields_enabled = ticked;
}

Collected<VlanTabOutput> CollectVlanSettings(const ap_info_stu& record, const VlanTabInput& input) {
    const vlan_block stored_vlan = SliceOf<vlan_block>(record);
    const feature_block stored_feature = SliceOf<feature_block>(record);
    vlan_block vlan = stored_vlan;
    feature_block feature = stored_feature;
    const VlanRows rows = VlanRowsOf(record.ap_type);

    if (!CanEditVlan(record)) {
        // Nothing here could have been edited: what the device reported stays, and a stored
        // identifier out of range must not block the save of the other tabs with a message
        // about a field the operator cannot reach.
    } else if (!input.enabled) {
        vlan.vlan_en = 0;
    } else {
        vlan.vlan_en = 1;
        if (auto failure = CheckVlanId("VLAN", input.manage, InputField::kManageVlan))
            return *failure;
        if (auto failure = CheckVlanId("WLAN", input.wlan, InputField::kWlanVlan))
            return *failure;
        vlan.vlan_id = IdentifierOf(input.manage);
        vlan.vlan_id_wlan = IdentifierOf(input.wlan);
        if (rows.pvid) {
            if (auto failure = CheckVlanId("PVID", input.pvid, InputField::kPvid))
                return *failure;
        }
        if (rows.pvid && !rows.lan2)
            feature.vlan_pvid = IdentifierOf(input.pvid);
        if (rows.lan2) {
            if (auto failure = CheckVlanId(rows.lan2_named_lan ? "LAN" : "LAN2", input.lan2,
                                           InputField::kLanVlan)) {
                return *failure;
            }
            vlan.vlan_id_lan = IdentifierOf(input.lan2);
            feature.vlan_pvid = IdentifierOf(input.pvid);
        }
        if (rows.lan3_lan4) {
            if (auto failure = CheckVlanId("LAN3", input.lan3, InputField::kLan3Vlan))
                return *failure;
            if (auto failure = CheckVlanId("LAN4", input.lan4, InputField::kLan4Vlan))
                return *failure;
            feature.vlan_id_lan3 = IdentifierOf(input.lan3);
            feature.vlan_id_lan4 = IdentifierOf(input.lan4);
        }
    }

    VlanTabOutput output;
    output.changed = !SameBytes(vlan, stored_vlan) ||
                     (HasVlanFeatureTail(record.ap_type) && !SameBytes(feature, stored_feature));
    output.vlan = vlan;
    output.vlan.apply = 0;
    // The request carries the switches and the VLAN identifiers of the feature block; its last
    // four bytes go out as zero.
    output.feature = feature;
    output.feature.reserved_8[2] = 0;
    output.feature.reserved_8[3] = 0;
    output.feature.wl_dfs = 0;
    output.feature.reserved_13 = 0;
    return output;
}

std::vector<uint8_t> VlanRequestPayload(uint32_t ap_type, const vlan_block& vlan,
                                        const feature_block& feature) {
    return HasVlanFeatureTail(ap_type) ? PayloadOf(vlan, feature) : PayloadOf(vlan);
}

}  // namespace brelvo::core
