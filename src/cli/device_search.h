// The search as the status page runs it: the start sequence (refresh the capture devices, tell
// the devices that never reported that the system leaves, forget them, drop stored devices
// that are gone, search), then a search every third second, a fresh start every thirty.
#pragma once

#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/engine/device_engine.h"
#include "core/protocol/device_record.h"
#include "core/store/device_store.h"

namespace brelvo::cli {

// Searches until `done` holds (checked every 100 ms), the time is over or the run is
// interrupted; true when `done` held.
bool SearchUntil(core::DeviceEngine& engine, std::chrono::milliseconds limit,
                 const std::function<bool()>& done);

struct MissingDevice {
    std::string mac;
    bool answered_search = false;  // it answered a search but never sent its full report
};

struct DeviceLookup {
    std::vector<core::ap_info_stu> found;  // stored records, in the order the MACs were named
    std::vector<MissingDevice> missing;
};

// Searches until every named device is stored with its full report, or the time is over.
DeviceLookup FindDevices(core::DeviceEngine& engine, core::DeviceStore& store,
                         std::span<const std::string> macs, std::chrono::milliseconds limit);

}  // namespace brelvo::cli
