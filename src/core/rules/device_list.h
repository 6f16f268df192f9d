// What a device list page shows of each device and how it pages and orders the list. Every
// list page (status, management, bridge, reboot, restore, upgrade) declares its columns as
// fields of the device record; the texts, the serial numbers, the sort direction and the room
// left for devices that have only been found are decided here.
#pragma once

#include <cstddef>
#include <string>

#include "core/protocol/device_record.h"

namespace brelvo::core {

// The contents a column of a device list can have.
enum class DeviceField {
    kCheck,    // the check box; no text
    kSerial,   // the running number; see RowSerial
    kPicture,  // the Operate picture; no text
    kName,
    kType,
    kIp,
    kMac,
    kWorkMode,
    kSsid,
    kChannel,
    kVersion,
    kTransparentBridge,
    kTdma,
    kUptime,
    kSecureMode,
    kTxPower,
    kStatus,
};

// The text a stored device shows in a column; empty for the check box, serial and picture
// columns.
std::string DeviceFieldText(DeviceField field, const ap_info_stu& record);

// A device that answered a search but has not reported yet shows its type, address, MAC and
// version; the fields it may not know (name, mode, SSID, channel, switches, uptime) only once
// its record holds an SSID.
bool ShownForFoundDevice(DeviceField field, const ap_info_stu& record);

// The number in the Serial column: 1 for the first row of page 1, counting on across pages.
int RowSerial(int row_index, int page, int page_size);

// How many found-only devices fill up the rows the stored devices leave free: only on the last
// page, or when nothing is stored at all; 0 otherwise.
std::size_t FoundDeviceRoom(std::size_t stored_rows, int page_size, int page, int page_count);

// The sort direction of a list page. A refresh sorts ascending while the toggle is 0; a header
// click sorts in the direction opposite to the one shown and then inverts the toggle, so every
// header click reverses the direction, whichever column was clicked. The toggle starts at 1:
// a new list is ordered descending and its first header click sorts ascending.
class SortToggle {
public:
    bool RefreshAscending() const { return toggle_ == 0; }
    // The direction of this header click; afterwards refreshes keep it.
    bool HeaderClick() {
        const bool ascending = toggle_ == 1;
        toggle_ = toggle_ == 1 ? 0 : 1;
        return ascending;
    }
    int value() const { return toggle_; }

private:
    int toggle_ = 1;
};

}  // namespace brelvo::core
