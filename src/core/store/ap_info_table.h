// The ap_info table: one row per device. Its columns, in table order, and the conversion of a
// device record into the values of a row and of a row back into a record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/store/ado_recordset.h"

namespace brelvo::core {

enum class DeviceColumnKind : uint8_t {
    kKeyMac,       // the record's mac text, the key every writer looks rows up by
    kNumber,       // an unsigned field of `size` bytes, zero-extended
    kStatus,       // ap_status: read back like a number, but every save writes "online"
    kAddress,      // four address bytes as dotted text
    kMacBytes,     // six MAC bytes as MAC text
    kText,         // a length-prefixed text, at most `size` bytes
    kIpNumber,     // the numeric sort key of ip
    kDisplayText,  // a value text shown for a code; stored only so the search can match it
};

struct DeviceColumn {
    std::string_view name;
    std::string_view type;  // declared type
    DeviceColumnKind kind;
    std::size_t offset;         // of the field in ap_info_stu
    std::size_t size;           // field width in bytes, or a text's limit
    std::size_t length_offset;  // of a text's length byte
    bool read_back;
    std::string (*display)(const ap_info_stu&);  // for kDisplayText
};

// Every column after ID, in table order.
constexpr std::size_t kApInfoValueColumns = 75;
const std::array<DeviceColumn, kApInfoValueColumns>& ApInfoColumns();

// Statement texts built from the column table (names only, never values).
const std::string& ApInfoCreateStatement();
const std::string& ApInfoInsertStatement();      // ?1..?75 in table order
const std::string& ApInfoUpdateByIdStatement();  // ?1..?75 in table order, ?76 the ID
const std::string& ApInfoReadBackColumnList();   // "mac,ap_type,..." of the read-back columns

// The values of a save, in table order: what the row will hold (status online).
std::vector<SqlValue> DeviceRowValues(const ap_info_stu& record);

// A zeroed record filled from the read-back columns, which start at `first_column` of the
// current row in the order of ApInfoReadBackColumnList.
ap_info_stu ReadDeviceRow(const CADORecordset& row, int first_column);

}  // namespace brelvo::core
