// What the status page's workers send. Each runs on the worker's own thread, owns copies of
// the targets and payloads, and stops between two requests when asked to.
#pragma once

#include <stop_token>
#include <vector>

#include "core/engine/device_engine.h"
#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/ip_range.h"
#include "core/rules/planned_request.h"

namespace brelvo::gui {

// Request 8 with the 33-byte name block to one device.
void SendRename(core::DeviceEngine& engine, const core::device_target& target,
                const core::name_block& name);

// For each change in order: tell the engine the new address, then send request 3 to the
// device's current address.
void SendAddressChanges(std::stop_token stop, core::DeviceEngine& engine,
                        const std::vector<core::AddressChange>& changes);

// The same request to every target in order.
void SendToEach(std::stop_token stop, core::DeviceEngine& engine,
                const std::vector<core::device_target>& targets,
                const core::PlannedRequest& request);

}  // namespace brelvo::gui
