// The devices a list page acts on: its ticked rows, top to bottom, as the engine names them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/rules/collected.h"

namespace brelvo::core {

// One data row of a device grid, as the page reads its cells.
struct DeviceRowTexts {
    bool ticked = false;
    std::string ip;
    std::string mac;
    std::string type;                // the model text of the Type column
    std::string transparent_bridge;  // the status page's "Transparent bridge" column
    std::string tdma;                // the status page's "Slotwise" column
};

// Which ticked rows an action can use: all of them, or only those whose switch column shows a
// value (a device without the switch shows "N/A" there).
enum class RowFilter {
    kAll,
    kHasTransparentBridge,
    kHasTdma,
};

// The ticked rows that pass the filter, in row order; the type is the model code of the Type
// text.
std::vector<device_target> CollectTickedDevices(std::span<const DeviceRowTexts> rows,
                                                RowFilter filter);

using Selection = std::vector<device_target>;

// The status page's "Set IP", and the reboot and restore pages: any ticked device.
Collected<Selection> SelectDevices(std::span<const DeviceRowTexts> rows);

// The status page's "Set Bridge" and "Slotwise": ticked devices that have the switch.
Collected<Selection> SelectConfigurableDevices(std::span<const DeviceRowTexts> rows,
                                               RowFilter filter);

}  // namespace brelvo::core
