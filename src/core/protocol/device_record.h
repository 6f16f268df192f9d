// The fixed-size records every layer shares: a device as it reports itself, one access point
// of a site survey, and the way a page names one selected device to the engine.
//
// The records are byte-exact images of what the devices send (packed, little-endian), so a
// record can be filled from a datagram or a database row and sliced into request payloads
// without any per-field translation.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brelvo::core {

static_assert(std::endian::native == std::endian::little,
              "the records mirror the little-endian wire layout");

// Status of a device as the system sees it (the `ap_status` column and record field).
enum ApStatus : uint32_t {
    kStatusOffline = 0,
    kStatusOnline = 1,
    kStatusBridgeSucceeded = 2,
    kStatusBridgeFailed = 3,
    kStatusRestarting = 4,
    kStatusResetting = 5,
    kStatusUpgradeWaiting = 6,
    kStatusUpgrading = 7,
    kStatusUpgradeSucceeded = 8,
    kStatusUpgradeFailed = 9,
    // Not stored: the list pages mark rows of devices that answered a search but have not yet
    // sent their full report.
    kStatusFoundOnly = 10,
};

enum WorkMode : uint8_t {
    kModeAccessPoint = 1,
    kModeStation = 2,
    kModeUniversalRepeater = 3,
    kModeRepeater = 4,
    kModeP2mp = 5,
    kModeWisp = 6,
    kModeRouter = 7,
};

enum SecureMode : uint8_t {
    kSecureNone = 0,
    kSecureWep = 1,
    kSecureWpaPsk = 2,
    kSecureWpa2Psk = 3,
    kSecureWpaWpa2Psk = 4,
    kSecureWpa = 5,
    kSecureWpa2 = 6,
};

constexpr std::size_t kMacTextSize = 18;  // 17 characters and the NUL
constexpr std::size_t kIpTextSize = 16;   // 15 characters and the NUL
constexpr std::size_t kInfoBlockSize = 756;
constexpr std::size_t kInfoBlockOffset = 24;  // where the device information block starts

#pragma pack(push, 1)

struct wep_key_field {
    uint8_t type;  // 0 ASCII, 1 hex
    char value[26];
    uint8_t len;
};
static_assert(sizeof(wep_key_field) == 28);

// A device: 24 bytes filled by the receiving side or the store, then the 756-byte device
// information block exactly as the device sent it in its report (message 2).
struct ap_info_stu {
    char mac[kMacTextSize];  // display text, the record's key
    uint16_t ap_type;        // model code, from the message header
    uint32_t ap_status;      // ApStatus; 0 in a record built from a report
    // --- device information block (block offset = record offset - 24) ---
    uint8_t work_mode;
    uint8_t mode_btn_status;
    uint8_t reserved_26[2];
    uint32_t up_time;
    uint8_t ip_mode;
    uint8_t ip[4];
    uint8_t ip_mask[4];
    uint8_t ip_gateway[4];
    uint8_t ip_dns1[4];
    uint8_t ip_dns2[4];
    uint8_t ip_apply;  // apply flag of the addressing request; 0 in a report
    char ap_name[32];
    uint8_t ap_name_len;
    char version[32];
    uint8_t version_len;
    uint8_t restart_en;
    uint8_t restart_type;
    uint16_t restart_time;
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
    uint8_t reserved_135[11];
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
    uint8_t reserved_373;
    uint8_t wpa_radius_ip[4];
    uint16_t wpa_radius_port;
    uint8_t wpa_auth_type;
    char wpa_key[64];
    uint8_t wpa_key_len;
    uint32_t wpa_key_time;
    uint8_t ssid_count;
    uint8_t reserved_451;
    uint8_t bridge_work_mode;
    uint8_t bridge_mac[6];
    uint8_t bridge_channel;
    char bridge_ssid[32];
    uint8_t bridge_ssid_len;
    uint8_t reserved_493[263];
    uint8_t vlan_en;
    uint8_t reserved_757;
    uint16_t vlan_id;
    uint16_t vlan_id_wlan;
    uint16_t vlan_id_lan;
    uint16_t vlan_apply;  // apply flag of the VLAN request; 0 in a report
    uint8_t bridge_transparent;
    uint8_t tdmaEn;
    uint16_t vlan_pvid;
    uint16_t vlan_id_lan3;
    uint16_t vlan_id_lan4;
    uint8_t reserved_774[4];
    uint8_t wl_dfs;
    uint8_t reserved_779;
};

// One access point that a device saw in a site survey.
struct config_otherwl_basic {
    uint8_t mac[6];  // BSSID
    int8_t signal;
    uint8_t channel;
    uint8_t secure_mode;  // survey security code (see the survey texts)
    char ssid[32];
    uint8_t ssid_len;
    uint8_t exchannel;
    uint8_t bandwidth;
};

// How a page names one selected device to the engine. Copied by value.
struct device_target {
    char ip[kIpTextSize];    // dotted text, NUL-terminated
    char mac[kMacTextSize];  // MAC text, NUL-terminated
    int32_t type;            // ap_type
};

#pragma pack(pop)

static_assert(sizeof(ap_info_stu) == 780);
static_assert(sizeof(config_otherwl_basic) == 44);
static_assert(sizeof(device_target) == 38);

// The device information block of a record, as the device sends it.
inline std::span<uint8_t, kInfoBlockSize> InfoBlock(ap_info_stu& record) {
    return std::span<uint8_t, kInfoBlockSize>(
        reinterpret_cast<uint8_t*>(&record) + kInfoBlockOffset, kInfoBlockSize);
}
inline std::span<const uint8_t, kInfoBlockSize> InfoBlock(const ap_info_stu& record) {
    return std::span<const uint8_t, kInfoBlockSize>(
        reinterpret_cast<const uint8_t*>(&record) + kInfoBlockOffset, kInfoBlockSize);
}

// A zeroed record; records are plain bytes, so zero is the empty state of every field.
ap_info_stu ZeroRecord();

// The text of a length-prefixed field: the smaller of the length byte and the array size.
std::string ReadTextField(std::span<const char> field, uint8_t length);

template <std::size_t N>
std::string ReadTextField(const char (&field)[N], uint8_t length) {
    return ReadTextField(std::span<const char>(field, N), length);
}

// Writes text into a fixed array and its length byte, cut to the array size, zero-filled.
void WriteTextField(std::span<char> field, uint8_t& length, std::string_view text);

template <std::size_t N>
void WriteTextField(char (&field)[N], uint8_t& length, std::string_view text) {
    WriteTextField(std::span<char>(field, N), length, text);
}

// The MAC key text of a record (up to its NUL).
std::string RecordMac(const ap_info_stu& record);
void SetRecordMac(ap_info_stu& record, std::string_view mac_text);

device_target MakeTarget(std::string_view ip_text, std::string_view mac_text, int32_t type);
std::string TargetIp(const device_target& target);
std::string TargetMac(const device_target& target);

}  // namespace brelvo::core
