// Payload layouts of the configuration requests. Most are slices of the device information
// block: a page takes the device's stored record, changes the fields the operator edited and
// sends the slice. Each slice layout below is checked field by field against the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/protocol/device_record.h"

namespace brelvo::core {

#pragma pack(push, 1)

// Request 3, record bytes ip_mode .. ip_apply (block offsets 8 to 29).
struct ip_block {
    uint8_t ip_mode;
    uint8_t ip[4];
    uint8_t ip_mask[4];
    uint8_t ip_gateway[4];
    uint8_t ip_dns1[4];
    uint8_t ip_dns2[4];
    uint8_t apply;
};

// Request 8, record bytes ap_name .. ap_name_len (block offsets 30 to 62).
struct name_block {
    char ap_name[32];
    uint8_t ap_name_len;
};

// Request 5, record bytes restart_en .. restart_time (block offsets 96 to 99).
struct restart_block {
    uint8_t restart_en;
    uint8_t restart_type;   // weekday mask
    uint16_t restart_time;  // minutes after midnight
};

// Request 4, record bytes rf_count .. the reserved byte after ssid_count (block 100 to 427).
struct radio_block {
    uint8_t rf_count;
    uint8_t rf_en;
    uint8_t rf_type;
    uint8_t country_code;
    uint8_t network_mode;
    uint8_t bandwidth;
    uint8_t channel;
    uint8_t expand_channel;
    uint8_t tx_power;
    uint8_t tx_power_min;
    uint8_t tx_power_max;
    uint8_t reserved_11[11];
    uint8_t ssid_rf_type;
    uint8_t ssid_id;
    uint8_t ssid_hide;
    uint8_t ssid_mac[6];
    char ssid[32];
    uint8_t ssid_len;
    uint8_t secure_mode;
    uint8_t wpapsk_auth_type;
    char wpapsk_key_value[64];
    uint8_t wpapsk_key_len;
    uint32_t wpapsk_key_time;
    uint8_t wep_auth_type;
    uint8_t wep_key_index;
    uint8_t wep_key_type0;
    char wep_key_value0[26];
    uint8_t wep_key_len0;
    uint8_t wep_key_type1;
    char wep_key_value1[26];
    uint8_t wep_key_len1;
    uint8_t wep_key_type2;
    char wep_key_value2[26];
    uint8_t wep_key_len2;
    uint8_t wep_key_type3;
    char wep_key_value3[26];
    uint8_t wep_key_len3;
    uint8_t reserved_249;
    uint8_t wpa_radius_ip[4];
    uint16_t wpa_radius_port;
    uint8_t wpa_auth_type;
    char wpa_key[64];
    uint8_t wpa_key_len;
    uint32_t wpa_key_time;
    uint8_t ssid_count;
    uint8_t reserved_327;
};

// Request 13, record bytes vlan_en .. vlan_apply (block offsets 732 to 741).
struct vlan_block {
    uint8_t vlan_en;
    uint8_t reserved_1;
    uint16_t vlan_id;
    uint16_t vlan_id_wlan;
    uint16_t vlan_id_lan;
    uint16_t apply;
};

// Requests 18 and 19, and the tail of requests 4 and 13 for some models: record bytes
// bridge_transparent .. the last reserved byte (block offsets 742 to 755).
struct feature_block {
    uint8_t bridge_transparent;
    uint8_t tdmaEn;
    uint16_t vlan_pvid;
    uint16_t vlan_id_lan3;
    uint16_t vlan_id_lan4;
    uint8_t reserved_8[4];
    uint8_t wl_dfs;
    uint8_t reserved_13;
};

// Link settings of the bridge request; follows the bridge part of the information block.
struct wireless_block {
    uint8_t work_mode;  // always station
    uint8_t peer_mac[6];
    uint8_t channel;
    char ssid[32];
    uint8_t ssid_len;
    uint8_t reserved_41;
    uint8_t secure_mode;
    uint8_t cipher;
    char key[64];
    uint8_t key_len;
    uint32_t key_time;
    uint8_t wep_auth_type;
    uint8_t wep_default_key;  // 0 to 3
    wep_key_field wep_keys[4];
    uint8_t reserved_227;
    uint8_t radius_ip[4];
    uint16_t radius_port;
    uint8_t radius_cipher;
    char radius_key[64];
    uint8_t radius_key_len;
    uint32_t radius_key_time;
};

// Request 7: the whole bridge in one payload.
struct bridge_request {
    wireless_block wireless;
    ip_block ip;
    uint8_t reserved_326[2];
};

// Request 11: which image the device fetches from the system's file server.
struct upgrade_file_info {
    char file_name[260];  // name only, NUL-terminated
    uint8_t name_length;
    uint8_t reserved_261[3];
    uint32_t file_size;
};

// Header of a site-survey answer (message 6 from a device); entries follow it.
struct survey_packet_header {
    uint8_t packet_count;
    uint8_t packet_id;
    uint8_t icount;
};

#pragma pack(pop)

static_assert(sizeof(ip_block) == 22);
static_assert(sizeof(name_block) == 33);
static_assert(sizeof(restart_block) == 4);
static_assert(sizeof(radio_block) == 328);
static_assert(sizeof(vlan_block) == 10);
static_assert(sizeof(feature_block) == 14);
static_assert(sizeof(wireless_block) == 304);
static_assert(sizeof(bridge_request) == 328);
static_assert(sizeof(upgrade_file_info) == 268);
static_assert(sizeof(survey_packet_header) == 3);

static_assert(offsetof(wireless_block, channel) == 7);
static_assert(offsetof(wireless_block, ssid) == 8);
static_assert(offsetof(wireless_block, ssid_len) == 40);
static_assert(offsetof(wireless_block, secure_mode) == 42);
static_assert(offsetof(wireless_block, cipher) == 43);
static_assert(offsetof(wireless_block, key) == 44);
static_assert(offsetof(wireless_block, key_len) == 108);
static_assert(offsetof(wireless_block, key_time) == 109);
static_assert(offsetof(wireless_block, wep_auth_type) == 113);
static_assert(offsetof(wireless_block, wep_default_key) == 114);
static_assert(offsetof(wireless_block, wep_keys) == 115);
static_assert(offsetof(wireless_block, reserved_227) == 227);
static_assert(offsetof(wireless_block, radius_ip) == 228);
static_assert(offsetof(bridge_request, ip) == 304);
static_assert(offsetof(bridge_request, reserved_326) == 326);
static_assert(offsetof(upgrade_file_info, name_length) == 260);
static_assert(offsetof(upgrade_file_info, file_size) == 264);

// A slice layout matches the record when each of its fields sits at the same distance from the
// slice's first field as in the record.
#define BRELVO_SLICE(block, first, field)                                                      \
    static_assert(                                                                             \
        offsetof(block, field) == offsetof(ap_info_stu, field) - offsetof(ap_info_stu, first), \
        #field)
BRELVO_SLICE(ip_block, ip_mode, ip);
BRELVO_SLICE(ip_block, ip_mode, ip_mask);
BRELVO_SLICE(ip_block, ip_mode, ip_gateway);
BRELVO_SLICE(ip_block, ip_mode, ip_dns1);
BRELVO_SLICE(ip_block, ip_mode, ip_dns2);
static_assert(offsetof(ip_block, apply) ==
              offsetof(ap_info_stu, ip_apply) - offsetof(ap_info_stu, ip_mode));
BRELVO_SLICE(name_block, ap_name, ap_name_len);
BRELVO_SLICE(restart_block, restart_en, restart_type);
BRELVO_SLICE(restart_block, restart_en, restart_time);
BRELVO_SLICE(radio_block, rf_count, tx_power_max);
BRELVO_SLICE(radio_block, rf_count, ssid_rf_type);
BRELVO_SLICE(radio_block, rf_count, ssid_mac);
BRELVO_SLICE(radio_block, rf_count, ssid);
BRELVO_SLICE(radio_block, rf_count, ssid_len);
BRELVO_SLICE(radio_block, rf_count, secure_mode);
BRELVO_SLICE(radio_block, rf_count, wpapsk_key_value);
BRELVO_SLICE(radio_block, rf_count, wpapsk_key_time);
BRELVO_SLICE(radio_block, rf_count, wep_key_type0);
BRELVO_SLICE(radio_block, rf_count, wep_key_value3);
BRELVO_SLICE(radio_block, rf_count, wep_key_len3);
BRELVO_SLICE(radio_block, rf_count, wpa_radius_ip);
BRELVO_SLICE(radio_block, rf_count, wpa_radius_port);
BRELVO_SLICE(radio_block, rf_count, wpa_key);
BRELVO_SLICE(radio_block, rf_count, wpa_key_time);
BRELVO_SLICE(radio_block, rf_count, ssid_count);
BRELVO_SLICE(vlan_block, vlan_en, vlan_id);
BRELVO_SLICE(vlan_block, vlan_en, vlan_id_wlan);
BRELVO_SLICE(vlan_block, vlan_en, vlan_id_lan);
static_assert(offsetof(vlan_block, apply) ==
              offsetof(ap_info_stu, vlan_apply) - offsetof(ap_info_stu, vlan_en));
BRELVO_SLICE(feature_block, bridge_transparent, tdmaEn);
BRELVO_SLICE(feature_block, bridge_transparent, vlan_pvid);
BRELVO_SLICE(feature_block, bridge_transparent, vlan_id_lan3);
BRELVO_SLICE(feature_block, bridge_transparent, vlan_id_lan4);
BRELVO_SLICE(feature_block, bridge_transparent, wl_dfs);
#undef BRELVO_SLICE

namespace detail {
template <typename Block>
constexpr std::size_t kSliceStart = 0;
template <>
inline constexpr std::size_t kSliceStart<ip_block> = offsetof(ap_info_stu, ip_mode);
template <>
inline constexpr std::size_t kSliceStart<name_block> = offsetof(ap_info_stu, ap_name);
template <>
inline constexpr std::size_t kSliceStart<restart_block> = offsetof(ap_info_stu, restart_en);
template <>
inline constexpr std::size_t kSliceStart<radio_block> = offsetof(ap_info_stu, rf_count);
template <>
inline constexpr std::size_t kSliceStart<vlan_block> = offsetof(ap_info_stu, vlan_en);
template <>
inline constexpr std::size_t kSliceStart<feature_block> = offsetof(ap_info_stu, bridge_transparent);
}  // namespace detail

// The slice of a record as a request block, and the block written back into a record.
template <typename Block>
Block SliceOf(const ap_info_stu& record) {
    static_assert(detail::kSliceStart<Block> != 0, "not a slice of the device record");
    Block block;
    std::memcpy(&block, reinterpret_cast<const uint8_t*>(&record) + detail::kSliceStart<Block>,
                sizeof block);
    return block;
}

template <typename Block>
void StoreSlice(ap_info_stu& record, const Block& block) {
    static_assert(detail::kSliceStart<Block> != 0, "not a slice of the device record");
    std::memcpy(reinterpret_cast<uint8_t*>(&record) + detail::kSliceStart<Block>, &block,
                sizeof block);
}

// The bytes of any packed block, for sending.
template <typename Block>
std::span<const uint8_t, sizeof(Block)> BytesOf(const Block& block) {
    return std::span<const uint8_t, sizeof(Block)>(reinterpret_cast<const uint8_t*>(&block),
                                                   sizeof(Block));
}

template <typename Block>
Block ZeroBlock() {
    Block block;
    std::memset(&block, 0, sizeof block);
    return block;
}

}  // namespace brelvo::core
