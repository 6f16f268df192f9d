#include "cli/device_listing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/protocol/address_text.h"
#include "core/protocol/value_texts.h"
#include "core/rules/device_list.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::cli {

namespace {

using core::DeviceField;
using Json = nlohmann::ordered_json;

struct Column {
    std::string_view header;
    DeviceField field;
};

// The status list's columns from Location to Time.
constexpr std::array<Column, 11> kColumns{{
    {"Location", DeviceField::kName},
    {"Type", DeviceField::kType},
    {"IP", DeviceField::kIp},
    {"MAC", DeviceField::kMac},
    {"OperationMode", DeviceField::kWorkMode},
    {"SSID", DeviceField::kSsid},
    {"Channel", DeviceField::kChannel},
    {"Version", DeviceField::kVersion},
    {"Transparent bridge", DeviceField::kTransparentBridge},
    {"Slotwise", DeviceField::kTdma},
    {"Time", DeviceField::kUptime},
}};

constexpr std::string_view kFoundMark = "*";

std::string CellText(const Column& column, const core::ap_info_stu& record, bool reported) {
    if (!reported && !core::ShownForFoundDevice(column.field, record))
        return {};
    return core::DeviceFieldText(column.field, record);
}

// Numbers of the packed record go into the JSON as copies: a reference to the field itself
// would be misaligned.
template <typename T>
T Copy(T value) {
    return value;
}

template <std::size_t N>
std::string Text(const char (&field)[N], uint8_t length) {
    return core::ReadTextField(field, length);
}

void PrintTable(std::ostream& out, const DeviceListing& listing) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{""};
    for (const Column& column : kColumns)
        header.push_back(core::Translate(column.header));
    rows.push_back(std::move(header));
    auto add = [&](const core::ap_info_stu& record, bool reported) {
        std::vector<std::string> row{reported ? "" : std::string(kFoundMark)};
        for (const Column& column : kColumns)
            row.push_back(PrintableText(CellText(column, record, reported)));
        rows.push_back(std::move(row));
    };
    for (const auto& record : listing.stored)
        add(record, true);
    for (const auto& record : listing.found)
        add(record, false);

    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k)
            widths[k] = std::max(widths[k], DisplayWidth(row[k]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t k = 0; k < row.size(); ++k) {
            line += row[k];
            if (k + 1 < row.size())
                line += std::string(widths[k] - DisplayWidth(row[k]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << "\n";
    }
    if (!listing.found.empty())
        out << kFoundMark << " answered the search but has not reported yet\n";
    out << core::TranslateFormat("Online device count:%d", listing.online_count) << "\n";
}

void PrintCsv(std::ostream& out, const DeviceListing& listing) {
    std::string header;
    for (const Column& column : kColumns)
        header += CsvField(column.header) + ",";
    out << header << "Reported\r\n";
    auto add = [&](const core::ap_info_stu& record, bool reported) {
        std::string line;
        for (const Column& column : kColumns)
            line += CsvField(CellText(column, record, reported)) + ",";
        out << line << (reported ? "yes" : "no") << "\r\n";
    };
    for (const auto& record : listing.stored)
        add(record, true);
    for (const auto& record : listing.found)
        add(record, false);
}

void PrintJson(std::ostream& out, const DeviceListing& listing) {
    Json devices = Json::array();
    for (const auto& record : listing.stored)
        devices.push_back(StoredDeviceJson(record));
    for (const auto& record : listing.found)
        devices.push_back(FoundDeviceJson(record));
    // A device may send bytes that are not UTF-8; they must not end the listing.
    out << devices.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

// Code points of the wide and fullwidth blocks (CJK, Hangul, fullwidth forms).
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

void PrintListing(std::ostream& out, const DeviceListing& listing, ListingFormat format) {
    switch (format) {
        case ListingFormat::kTable:
            PrintTable(out, listing);
            break;
        case ListingFormat::kCsv:
            PrintCsv(out, listing);
            break;
        case ListingFormat::kJson:
            PrintJson(out, listing);
            break;
    }
}

Json StoredDeviceJson(const core::ap_info_stu& r) {
    using core::IpBytesToText;
    using core::MacBytesToText;
    Json j;
    j["mac"] = core::RecordMac(r);
    j["ap_type"] = Copy(r.ap_type);
    j["ap_type_str"] = core::ModelText(r.ap_type);
    j["ap_status"] = Copy(r.ap_status);
    j["ap_status_str"] = core::StatusText(r.ap_status);
    j["work_mode"] = Copy(r.work_mode);
    j["work_mode_str"] = core::WorkModeText(r.work_mode);
    j["mode_btn_status"] = Copy(r.mode_btn_status);
    j["up_time"] = Copy(r.up_time);
    j["up_time_str"] = core::UptimeText(r.up_time);
    j["ip_mode"] = Copy(r.ip_mode);
    j["ip_num"] = core::IpBytesToNumber(r.ip);
    j["ip"] = IpBytesToText(r.ip);
    j["ip_mask"] = IpBytesToText(r.ip_mask);
    j["ip_gateway"] = IpBytesToText(r.ip_gateway);
    j["ip_dns1"] = IpBytesToText(r.ip_dns1);
    j["ip_dns2"] = IpBytesToText(r.ip_dns2);
    j["ap_name"] = Text(r.ap_name, r.ap_name_len);
    j["version"] = Text(r.version, r.version_len);
    j["restart_en"] = Copy(r.restart_en);
    j["restart_type"] = Copy(r.restart_type);
    j["restart_time"] = Copy(r.restart_time);
    j["rf_count"] = Copy(r.rf_count);
    j["rf_en"] = Copy(r.rf_en);
    j["rf_type"] = Copy(r.rf_type);
    j["country_code"] = Copy(r.country_code);
    j["network_mode"] = Copy(r.network_mode);
    j["bandwidth"] = Copy(r.bandwidth);
    j["channel"] = Copy(r.channel);
    j["expand_channel"] = Copy(r.expand_channel);
    j["tx_power"] = Copy(r.tx_power);
    j["tx_power_min"] = Copy(r.tx_power_min);
    j["tx_power_max"] = Copy(r.tx_power_max);
    j["ssid_count"] = Copy(r.ssid_count);
    j["ssid_rf_type"] = Copy(r.ssid_rf_type);
    j["ssid_id"] = Copy(r.ssid_id);
    j["ssid_hide"] = Copy(r.ssid_hide);
    j["ssid_mac"] = MacBytesToText(r.ssid_mac);
    j["ssid"] = Text(r.ssid, r.ssid_len);
    j["secure_mode"] = Copy(r.secure_mode);
    j["secure_mode_str"] = core::SecurityText(r.secure_mode);
    j["wpapsk_auth_type"] = Copy(r.wpapsk_auth_type);
    j["wpapsk_key_value"] = Text(r.wpapsk_key_value, r.wpapsk_key_len);
    j["wpapsk_key_time"] = Copy(r.wpapsk_key_time);
    j["wep_auth_type"] = Copy(r.wep_auth_type);
    j["wep_key_index"] = Copy(r.wep_key_index);
    j["wep_key_value0"] = Text(r.wep_key_value0, r.wep_key_len0);
    j["wep_key_type0"] = Copy(r.wep_key_type0);
    j["wep_key_value1"] = Text(r.wep_key_value1, r.wep_key_len1);
    j["wep_key_type1"] = Copy(r.wep_key_type1);
    j["wep_key_value2"] = Text(r.wep_key_value2, r.wep_key_len2);
    j["wep_key_type2"] = Copy(r.wep_key_type2);
    j["wep_key_value3"] = Text(r.wep_key_value3, r.wep_key_len3);
    j["wep_key_type3"] = Copy(r.wep_key_type3);
    j["wpa_auth_type"] = Copy(r.wpa_auth_type);
    j["wpa_radius_ip"] = IpBytesToText(r.wpa_radius_ip);
    j["wpa_radius_port"] = Copy(r.wpa_radius_port);
    j["wpa_key"] = Text(r.wpa_key, r.wpa_key_len);
    j["wpa_key_time"] = Copy(r.wpa_key_time);
    // bridge_work_mode, bridge_mac, bridge_channel and bridge_ssid are kept by the store but
    // never read back, so a listed record cannot tell them.
    j["vlan_en"] = Copy(r.vlan_en);
    j["vlan_id"] = Copy(r.vlan_id);
    j["vlan_id_wlan"] = Copy(r.vlan_id_wlan);
    j["vlan_id_lan"] = Copy(r.vlan_id_lan);
    j["bridge_transparent"] = Copy(r.bridge_transparent);
    j["bridge_transparent_str"] =
        core::TransparentBridgeText(r.ap_type, r.work_mode, r.bridge_transparent);
    j["tdmaEn"] = Copy(r.tdmaEn);
    j["tdmaEn_str"] = core::TdmaText(r.ap_type, r.tdmaEn);
    j["vlan_pvid"] = Copy(r.vlan_pvid);
    j["vlan_id_lan3"] = Copy(r.vlan_id_lan3);
    j["vlan_id_lan4"] = Copy(r.vlan_id_lan4);
    j["wl_dfs"] = Copy(r.wl_dfs);
    return j;
}

Json FoundDeviceJson(const core::ap_info_stu& r) {
    Json j;
    j["mac"] = core::RecordMac(r);
    j["ap_type"] = Copy(r.ap_type);
    j["ap_type_str"] = core::ModelText(r.ap_type);
    j["ap_status"] = Copy(r.ap_status);
    j["ip"] = core::IpBytesToText(r.ip);
    j["version"] = Text(r.version, r.version_len);
    // A search answer of the version alone leaves the rest unknown, not zero.
    if (core::ShownForFoundDevice(DeviceField::kSsid, r)) {
        j["ap_name"] = Text(r.ap_name, r.ap_name_len);
        j["work_mode"] = Copy(r.work_mode);
        j["work_mode_str"] = core::WorkModeText(r.work_mode);
        j["mode_btn_status"] = Copy(r.mode_btn_status);
        j["up_time"] = Copy(r.up_time);
        j["up_time_str"] = core::UptimeText(r.up_time);
        j["ssid"] = Text(r.ssid, r.ssid_len);
        j["channel"] = Copy(r.channel);
        j["bridge_transparent"] = Copy(r.bridge_transparent);
        j["bridge_transparent_str"] =
            core::TransparentBridgeText(r.ap_type, r.work_mode, r.bridge_transparent);
        j["tdmaEn"] = Copy(r.tdmaEn);
        j["tdmaEn_str"] = core::TdmaText(r.ap_type, r.tdmaEn);
    }
    return j;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const char16_t unit : core::Utf8ToUtf16(utf8)) {
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            continue;  // the second half of a pair; the first half counted the character
        if (unit >= 0xD800 && unit <= 0xDBFF)
            width += 2;  // outside the basic plane: mostly wide ideographs and emoji
        else
            width += IsWide(unit) ? 2 : 1;
    }
    return width;
}

std::string PrintableText(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const bool c1_control = byte == 0xC2 && k + 1 < text.size() &&
                                static_cast<unsigned char>(text[k + 1]) >= 0x80 &&
                                static_cast<unsigned char>(text[k + 1]) <= 0x9F;
        if (c1_control) {
            printable += '?';
            ++k;
        } else if (byte < 0x20 || byte == 0x7F) {
            printable += '?';
        } else {
            printable += text[k];
        }
    }
    return printable;
}

}  // namespace brelvo::cli
