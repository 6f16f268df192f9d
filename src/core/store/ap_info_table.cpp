#include "core/store/ap_info_table.h"

#include <algorithm>
#include <cstring>

#include "core/protocol/address_text.h"
#include "core/protocol/value_texts.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

using Kind = DeviceColumnKind;

std::string TypeText(const ap_info_stu& r) {
    return ModelText(r.ap_type);
}
// A save always marks the device online, whatever status the record carries.
std::string OnlineText(const ap_info_stu&) {
    return StatusText(kStatusOnline);
}
std::string WorkModeTextOf(const ap_info_stu& r) {
    return WorkModeText(r.work_mode);
}
std::string UptimeTextOf(const ap_info_stu& r) {
    return UptimeText(r.up_time);
}
std::string SecurityTextOf(const ap_info_stu& r) {
    return SecurityText(r.secure_mode);
}
std::string TransparentTextOf(const ap_info_stu& r) {
    return TransparentBridgeText(r.ap_type, r.work_mode, r.bridge_transparent);
}
std::string TdmaTextOf(const ap_info_stu& r) {
    return TdmaText(r.ap_type, r.tdmaEn);
}

// clang-format off
#define BRELVO_FIELD(field) offsetof(ap_info_stu, field), sizeof(ap_info_stu::field)
#define NUMBER(field) {#field, "long", Kind::kNumber, BRELVO_FIELD(field), 0, true, nullptr}
#define ADDRESS(field) {#field, "char(16)", Kind::kAddress, BRELVO_FIELD(field), 0, true, nullptr}
#define TEXT(field, length, type, limit, read) \
    {#field, type, Kind::kText, offsetof(ap_info_stu, field), limit, \
     offsetof(ap_info_stu, length), read, nullptr}
#define DISPLAY(name, function) {name, "char(33)", Kind::kDisplayText, 0, 0, 0, false, function}
// clang-format on

const std::array<DeviceColumn, kApInfoValueColumns> kColumns{{
    {"mac", "char(18)", Kind::kKeyMac, BRELVO_FIELD(mac), 0, true, nullptr},
    NUMBER(ap_type),
    DISPLAY("ap_type_str", TypeText),
    {"ap_status", "long", Kind::kStatus, BRELVO_FIELD(ap_status), 0, true, nullptr},
    DISPLAY("ap_status_str", OnlineText),
    NUMBER(work_mode),
    DISPLAY("work_mode_str", WorkModeTextOf),
    NUMBER(mode_btn_status),
    NUMBER(up_time),
    DISPLAY("up_time_str", UptimeTextOf),
    NUMBER(ip_mode),
    {"ip_num", "double", Kind::kIpNumber, BRELVO_FIELD(ip), 0, false, nullptr},
    ADDRESS(ip),
    ADDRESS(ip_mask),
    ADDRESS(ip_gateway),
    ADDRESS(ip_dns1),
    ADDRESS(ip_dns2),
    TEXT(ap_name, ap_name_len, "char(33)", 32, true),
    TEXT(version, version_len, "char(33)", 32, true),
    NUMBER(restart_en),
    NUMBER(restart_type),
    NUMBER(restart_time),
    NUMBER(rf_count),
    NUMBER(rf_en),
    NUMBER(rf_type),
    NUMBER(country_code),
    NUMBER(network_mode),
    NUMBER(bandwidth),
    NUMBER(channel),
    NUMBER(expand_channel),
    NUMBER(tx_power),
    NUMBER(tx_power_min),
    NUMBER(tx_power_max),
    NUMBER(ssid_count),
    NUMBER(ssid_rf_type),
    NUMBER(ssid_id),
    NUMBER(ssid_hide),
    {"ssid_mac", "char(18)", Kind::kMacBytes, BRELVO_FIELD(ssid_mac), 0, true, nullptr},
    TEXT(ssid, ssid_len, "char(33)", 32, true),
    NUMBER(secure_mode),
    DISPLAY("secure_mode_str", SecurityTextOf),
    NUMBER(wpapsk_auth_type),
    TEXT(wpapsk_key_value, wpapsk_key_len, "char(65)", 64, true),
    NUMBER(wpapsk_key_time),
    NUMBER(wep_auth_type),
    NUMBER(wep_key_index),
    TEXT(wep_key_value0, wep_key_len0, "char(65)", 26, true),
    NUMBER(wep_key_type0),
    TEXT(wep_key_value1, wep_key_len1, "char(65)", 26, true),
    NUMBER(wep_key_type1),
    TEXT(wep_key_value2, wep_key_len2, "char(65)", 26, true),
    NUMBER(wep_key_type2),
    TEXT(wep_key_value3, wep_key_len3, "char(65)", 26, true),
    NUMBER(wep_key_type3),
    NUMBER(wpa_auth_type),
    ADDRESS(wpa_radius_ip),
    NUMBER(wpa_radius_port),
    TEXT(wpa_key, wpa_key_len, "char(65)", 64, true),
    NUMBER(wpa_key_time),
    {"bridge_work_mode", "long", Kind::kNumber, BRELVO_FIELD(bridge_work_mode), 0, false, nullptr},
    {"bridge_mac", "char(18)", Kind::kMacBytes, BRELVO_FIELD(bridge_mac), 0, false, nullptr},
    {"bridge_channel", "long", Kind::kNumber, BRELVO_FIELD(bridge_channel), 0, false, nullptr},
    TEXT(bridge_ssid, bridge_ssid_len, "char(33)", 32, false),
    NUMBER(vlan_en),
    NUMBER(vlan_id),
    NUMBER(vlan_id_wlan),
    NUMBER(vlan_id_lan),
    NUMBER(bridge_transparent),
    DISPLAY("bridge_transparent_str", TransparentTextOf),
    NUMBER(tdmaEn),
    DISPLAY("tdmaEn_str", TdmaTextOf),
    NUMBER(vlan_pvid),
    NUMBER(vlan_id_lan3),
    NUMBER(vlan_id_lan4),
    NUMBER(wl_dfs),
}};

#undef DISPLAY
#undef TEXT
#undef ADDRESS
#undef NUMBER
#undef BRELVO_FIELD

const uint8_t* FieldOf(const ap_info_stu& record, std::size_t offset) {
    return reinterpret_cast<const uint8_t*>(&record) + offset;
}
uint8_t* FieldOf(ap_info_stu& record, std::size_t offset) {
    return reinterpret_cast<uint8_t*>(&record) + offset;
}

// The records are little-endian like this machine (device_record.h checks it), so the low
// bytes of a 64-bit value are the field's bytes.
int64_t ReadNumber(const ap_info_stu& record, std::size_t offset, std::size_t size) {
    uint64_t value = 0;
    std::memcpy(&value, FieldOf(record, offset), size);
    return static_cast<int64_t>(value);
}
void WriteNumber(ap_info_stu& record, std::size_t offset, std::size_t size, int64_t value) {
    const auto bits = static_cast<uint64_t>(value);
    std::memcpy(FieldOf(record, offset), &bits, size);
}

std::string ReadText(const ap_info_stu& record, const DeviceColumn& column) {
    const auto* field = reinterpret_cast<const char*>(FieldOf(record, column.offset));
    const uint8_t length = *FieldOf(record, column.length_offset);
    return ReadTextField(std::span<const char>(field, column.size), length);
}

std::string JoinedNames(bool read_back_only, std::string_view separator, std::string_view suffix) {
    std::string text;
    for (const auto& column : kColumns) {
        if (read_back_only && !column.read_back)
            continue;
        if (!text.empty())
            text += separator;
        text += column.name;
        text += suffix;
    }
    return text;
}

std::string BuildCreateStatement() {
    std::string text = "CREATE TABLE ap_info(ID INTEGER PRIMARY KEY AUTOINCREMENT";
    for (const auto& column : kColumns) {
        text += ',';
        text += column.name;
        text += ' ';
        text += column.type;
    }
    return text + ")";
}

std::string BuildInsertStatement() {
    std::string text = "INSERT INTO ap_info(" + JoinedNames(false, ",", "") + ") VALUES(";
    for (std::size_t i = 1; i <= kColumns.size(); ++i)
        text += (i > 1 ? ",?" : "?") + std::to_string(i);
    return text + ")";
}

std::string BuildUpdateStatement() {
    std::string text = "UPDATE ap_info SET ";
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::string(kColumns[i].name) + "=?" + std::to_string(i + 1);
    }
    return text + " WHERE ID=?" + std::to_string(kColumns.size() + 1);
}

}  // namespace

const std::array<DeviceColumn, kApInfoValueColumns>& ApInfoColumns() {
    return kColumns;
}

const std::string& ApInfoCreateStatement() {
    static const std::string text = BuildCreateStatement();
    return text;
}

const std::string& ApInfoInsertStatement() {
    static const std::string text = BuildInsertStatement();
    return text;
}

const std::string& ApInfoUpdateByIdStatement() {
    static const std::string text = BuildUpdateStatement();
    return text;
}

const std::string& ApInfoReadBackColumnList() {
    static const std::string text = JoinedNames(true, ",", "");
    return text;
}

std::vector<SqlValue> DeviceRowValues(const ap_info_stu& record) {
    std::vector<SqlValue> values;
    values.reserve(kColumns.size());
    for (const auto& column : kColumns) {
        switch (column.kind) {
            case Kind::kKeyMac:
                values.emplace_back(RecordMac(record));
                break;
            case Kind::kNumber:
                values.emplace_back(ReadNumber(record, column.offset, column.size));
                break;
            case Kind::kStatus:
                values.emplace_back(int64_t{kStatusOnline});
                break;
            case Kind::kAddress:
                values.emplace_back(
                    IpBytesToText(std::span<const uint8_t, 4>(FieldOf(record, column.offset), 4)));
                break;
            case Kind::kMacBytes:
                values.emplace_back(
                    MacBytesToText(std::span<const uint8_t, 6>(FieldOf(record, column.offset), 6)));
                break;
            case Kind::kText:
                values.emplace_back(ReadText(record, column));
                break;
            case Kind::kIpNumber:
                values.emplace_back(static_cast<double>(IpBytesToNumber(record.ip)));
                break;
            case Kind::kDisplayText:
                values.emplace_back(column.display(record));
                break;
        }
    }
    return values;
}

ap_info_stu ReadDeviceRow(const CADORecordset& row, int first_column) {
    ap_info_stu record = ZeroRecord();
    int index = first_column;
    for (const auto& column : kColumns) {
        if (!column.read_back)
            continue;
        const int at = index++;
        switch (column.kind) {
            case Kind::kKeyMac:
                SetRecordMac(record, TrimBlanks(row.GetText(at)));
                break;
            case Kind::kNumber:
            case Kind::kStatus:
                WriteNumber(record, column.offset, column.size, row.GetInt(at));
                break;
            case Kind::kAddress: {
                const auto bytes = IpTextToBytes(TrimBlanks(row.GetText(at)));
                std::memcpy(FieldOf(record, column.offset), bytes.data(), bytes.size());
                break;
            }
            case Kind::kMacBytes: {
                const auto bytes = MacTextToBytes(TrimBlanks(row.GetText(at)));
                std::memcpy(FieldOf(record, column.offset), bytes.data(), bytes.size());
                break;
            }
            case Kind::kText: {
                const std::string_view text = TrimBlanks(row.GetText(at));
                const std::size_t count = std::min(text.size(), column.size);
                std::copy_n(text.data(), count,
                            reinterpret_cast<char*>(FieldOf(record, column.offset)));
                *FieldOf(record, column.length_offset) = static_cast<uint8_t>(count);
                break;
            }
            case Kind::kIpNumber:
            case Kind::kDisplayText:
                break;
        }
    }
    return record;
}

}  // namespace brelvo::core
