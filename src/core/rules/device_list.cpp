#include "core/rules/device_list.h"

#include "core/protocol/address_text.h"
#include "core/protocol/value_texts.h"

namespace brelvo::core {

std::string DeviceFieldText(DeviceField field, const ap_info_stu& record) {
    switch (field) {
        case DeviceField::kCheck:
        case DeviceField::kSerial:
        case DeviceField::kPicture:
            return {};
        case DeviceField::kName:
            return ReadTextField(record.ap_name, record.ap_name_len);
        case DeviceField::kType:
            return ModelText(record.ap_type);
        case DeviceField::kIp:
            return IpBytesToText(record.ip);
        case DeviceField::kMac:
            return RecordMac(record);
        case DeviceField::kWorkMode:
            return WorkModeText(record.work_mode);
        case DeviceField::kSsid:
            return ReadTextField(record.ssid, record.ssid_len);
        case DeviceField::kChannel:
            return ChannelText(record.channel);
        case DeviceField::kVersion:
            return ReadTextField(record.version, record.version_len);
        case DeviceField::kTransparentBridge:
            return TransparentBridgeText(record.ap_type, record.work_mode,
                                         record.bridge_transparent);
        case DeviceField::kTdma:
            return TdmaText(record.ap_type, record.tdmaEn);
        case DeviceField::kUptime:
            return UptimeText(record.up_time);
        case DeviceField::kSecureMode:
            return SecurityText(record.secure_mode);
        case DeviceField::kTxPower:
            return std::to_string(record.tx_power);
        case DeviceField::kStatus:
            return StatusText(record.ap_status);
    }
    return {};
}

bool ShownForFoundDevice(DeviceField field, const ap_info_stu& record) {
    switch (field) {
        case DeviceField::kName:
        case DeviceField::kWorkMode:
        case DeviceField::kSsid:
        case DeviceField::kChannel:
        case DeviceField::kTransparentBridge:
        case DeviceField::kTdma:
        case DeviceField::kUptime:
            return !ReadTextField(record.ssid, record.ssid_len).empty();
        case DeviceField::kPicture:
            return false;
        default:
            return true;
    }
}

int RowSerial(int row_index, int page, int page_size) {
    return row_index + 1 + (page - 1) * page_size;
}

std::size_t FoundDeviceRoom(std::size_t stored_rows, int page_size, int page, int page_count) {
    if (page_size <= 0 || stored_rows >= static_cast<std::size_t>(page_size))
        return 0;
    if (page != page_count && page_count != 0)
        return 0;
    return static_cast<std::size_t>(page_size) - stored_rows;
}

}  // namespace brelvo::core
