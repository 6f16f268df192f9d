#include "gui/views/batch_workers.h"

#include "core/protocol/address_text.h"
#include "core/protocol/packet.h"

namespace brelvo::gui {

void SendRename(core::DeviceEngine& engine, const core::device_target& target,
                const core::name_block& name) {
    engine.SendRequest(core::TargetIp(target), core::kMsgSetName, core::BytesOf(name),
                       core::TargetMac(target), true);
}

void SendAddressChanges(std::stop_token stop, core::DeviceEngine& engine,
                        const std::vector<core::AddressChange>& changes) {
    for (const auto& change : changes) {
        if (stop.stop_requested())
            return;
        const std::string mac = core::TargetMac(change.target);
        const std::string current_ip = core::TargetIp(change.target);
        engine.NoteNewIp(mac, current_ip, change.new_ip);
        engine.SendRequest(current_ip, core::kMsgSetIp, core::BytesOf(change.payload), mac, true);
    }
}

void SendToEach(std::stop_token stop, core::DeviceEngine& engine,
                const std::vector<core::device_target>& targets,
                const core::PlannedRequest& request) {
    for (const auto& target : targets) {
        if (stop.stop_requested())
            return;
        engine.SendRequest(core::TargetIp(target), request.message, request.payload,
                           core::TargetMac(target), true);
    }
}

}  // namespace brelvo::gui
