#include "core/protocol/device_record.h"

#include <algorithm>
#include <cstring>

namespace brelvo::core {

// Every field at the offset the devices use; a slip here would shift every field after it.
#define BRELVO_AT(type, field, offset) static_assert(offsetof(type, field) == (offset), #field)
BRELVO_AT(ap_info_stu, mac, 0);
BRELVO_AT(ap_info_stu, ap_type, 18);
BRELVO_AT(ap_info_stu, ap_status, 20);
BRELVO_AT(ap_info_stu, work_mode, 24);
BRELVO_AT(ap_info_stu, mode_btn_status, 25);
BRELVO_AT(ap_info_stu, reserved_26, 26);
BRELVO_AT(ap_info_stu, up_time, 28);
BRELVO_AT(ap_info_stu, ip_mode, 32);
BRELVO_AT(ap_info_stu, ip, 33);
BRELVO_AT(ap_info_stu, ip_mask, 37);
BRELVO_AT(ap_info_stu, ip_gateway, 41);
BRELVO_AT(ap_info_stu, ip_dns1, 45);
BRELVO_AT(ap_info_stu, ip_dns2, 49);
BRELVO_AT(ap_info_stu, ip_apply, 53);
BRELVO_AT(ap_info_stu, ap_name, 54);
BRELVO_AT(ap_info_stu, ap_name_len, 86);
BRELVO_AT(ap_info_stu, version, 87);
BRELVO_AT(ap_info_stu, version_len, 119);
BRELVO_AT(ap_info_stu, restart_en, 120);
BRELVO_AT(ap_info_stu, restart_type, 121);
BRELVO_AT(ap_info_stu, restart_time, 122);
BRELVO_AT(ap_info_stu, rf_count, 124);
BRELVO_AT(ap_info_stu, rf_en, 125);
BRELVO_AT(ap_info_stu, rf_type, 126);
BRELVO_AT(ap_info_stu, country_code, 127);
BRELVO_AT(ap_info_stu, network_mode, 128);
BRELVO_AT(ap_info_stu, bandwidth, 129);
BRELVO_AT(ap_info_stu, channel, 130);
BRELVO_AT(ap_info_stu, expand_channel, 131);
BRELVO_AT(ap_info_stu, tx_power, 132);
BRELVO_AT(ap_info_stu, tx_power_min, 133);
BRELVO_AT(ap_info_stu, tx_power_max, 134);
BRELVO_AT(ap_info_stu, reserved_135, 135);
BRELVO_AT(ap_info_stu, ssid_rf_type, 146);
BRELVO_AT(ap_info_stu, ssid_id, 147);
BRELVO_AT(ap_info_stu, ssid_hide, 148);
BRELVO_AT(ap_info_stu, ssid_mac, 149);
BRELVO_AT(ap_info_stu, ssid, 155);
BRELVO_AT(ap_info_stu, ssid_len, 187);
BRELVO_AT(ap_info_stu, secure_mode, 188);
BRELVO_AT(ap_info_stu, wpapsk_auth_type, 189);
BRELVO_AT(ap_info_stu, wpapsk_key_value, 190);
BRELVO_AT(ap_info_stu, wpapsk_key_len, 254);
BRELVO_AT(ap_info_stu, wpapsk_key_time, 255);
BRELVO_AT(ap_info_stu, wep_auth_type, 259);
BRELVO_AT(ap_info_stu, wep_key_index, 260);
BRELVO_AT(ap_info_stu, wep_key_type0, 261);
BRELVO_AT(ap_info_stu, wep_key_value0, 262);
BRELVO_AT(ap_info_stu, wep_key_len0, 288);
BRELVO_AT(ap_info_stu, wep_key_type1, 289);
BRELVO_AT(ap_info_stu, wep_key_value1, 290);
BRELVO_AT(ap_info_stu, wep_key_len1, 316);
BRELVO_AT(ap_info_stu, wep_key_type2, 317);
BRELVO_AT(ap_info_stu, wep_key_value2, 318);
BRELVO_AT(ap_info_stu, wep_key_len2, 344);
BRELVO_AT(ap_info_stu, wep_key_type3, 345);
BRELVO_AT(ap_info_stu, wep_key_value3, 346);
BRELVO_AT(ap_info_stu, wep_key_len3, 372);
BRELVO_AT(ap_info_stu, reserved_373, 373);
BRELVO_AT(ap_info_stu, wpa_radius_ip, 374);
BRELVO_AT(ap_info_stu, wpa_radius_port, 378);
BRELVO_AT(ap_info_stu, wpa_auth_type, 380);
BRELVO_AT(ap_info_stu, wpa_key, 381);
BRELVO_AT(ap_info_stu, wpa_key_len, 445);
BRELVO_AT(ap_info_stu, wpa_key_time, 446);
BRELVO_AT(ap_info_stu, ssid_count, 450);
BRELVO_AT(ap_info_stu, reserved_451, 451);
BRELVO_AT(ap_info_stu, bridge_work_mode, 452);
BRELVO_AT(ap_info_stu, bridge_mac, 453);
BRELVO_AT(ap_info_stu, bridge_channel, 459);
BRELVO_AT(ap_info_stu, bridge_ssid, 460);
BRELVO_AT(ap_info_stu, bridge_ssid_len, 492);
BRELVO_AT(ap_info_stu, reserved_493, 493);
BRELVO_AT(ap_info_stu, vlan_en, 756);
BRELVO_AT(ap_info_stu, reserved_757, 757);
BRELVO_AT(ap_info_stu, vlan_id, 758);
BRELVO_AT(ap_info_stu, vlan_id_wlan, 760);
BRELVO_AT(ap_info_stu, vlan_id_lan, 762);
BRELVO_AT(ap_info_stu, vlan_apply, 764);
BRELVO_AT(ap_info_stu, bridge_transparent, 766);
BRELVO_AT(ap_info_stu, tdmaEn, 767);
BRELVO_AT(ap_info_stu, vlan_pvid, 768);
BRELVO_AT(ap_info_stu, vlan_id_lan3, 770);
BRELVO_AT(ap_info_stu, vlan_id_lan4, 772);
BRELVO_AT(ap_info_stu, reserved_774, 774);
BRELVO_AT(ap_info_stu, wl_dfs, 778);
BRELVO_AT(ap_info_stu, reserved_779, 779);

BRELVO_AT(config_otherwl_basic, mac, 0);
BRELVO_AT(config_otherwl_basic, signal, 6);
BRELVO_AT(config_otherwl_basic, channel, 7);
BRELVO_AT(config_otherwl_basic, secure_mode, 8);
BRELVO_AT(config_otherwl_basic, ssid, 9);
BRELVO_AT(config_otherwl_basic, ssid_len, 41);
BRELVO_AT(config_otherwl_basic, exchannel, 42);
BRELVO_AT(config_otherwl_basic, bandwidth, 43);

BRELVO_AT(device_target, ip, 0);
BRELVO_AT(device_target, mac, 16);
BRELVO_AT(device_target, type, 34);
#undef BRELVO_AT

ap_info_stu ZeroRecord() {
    ap_info_stu record;
    std::memset(&record, 0, sizeof record);
    return record;
}

std::string ReadTextField(std::span<const char> field, uint8_t length) {
    const std::size_t count = std::min<std::size_t>(length, field.size());
    return std::string(field.data(), count);
}

void WriteTextField(std::span<char> field, uint8_t& length, std::string_view text) {
    const std::size_t count = std::min(text.size(), field.size());
    std::fill(field.begin(), field.end(), '\0');
    std::copy_n(text.data(), count, field.data());
    length = static_cast<uint8_t>(count);
}

namespace {

// Copies text into a NUL-terminated fixed array, cut so that the NUL always fits.
void CopyTerminated(std::span<char> out, std::string_view text) {
    std::fill(out.begin(), out.end(), '\0');
    std::copy_n(text.data(), std::min(text.size(), out.size() - 1), out.data());
}

std::string TerminatedText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

}  // namespace

std::string RecordMac(const ap_info_stu& record) {
    return TerminatedText(record.mac);
}

void SetRecordMac(ap_info_stu& record, std::string_view mac_text) {
    CopyTerminated(record.mac, mac_text);
}

device_target MakeTarget(std::string_view ip_text, std::string_view mac_text, int32_t type) {
    device_target target{};
    CopyTerminated(target.ip, ip_text);
    CopyTerminated(target.mac, mac_text);
    target.type = type;
    return target;
}

std::string TargetIp(const device_target& target) {
    return TerminatedText(target.ip);
}
std::string TargetMac(const device_target& target) {
    return TerminatedText(target.mac);
}

}  // namespace brelvo::core
