#include "core/rules/reset_actions.h"

#include "core/protocol/packet.h"

namespace brelvo::core {

const ResetPageSettings& ResetSettingsOf(ResetKind kind) {
    static const ResetPageSettings kReboot{"Reboot",
                                           "Are you sure you want to restart?",
                                           kMsgReboot,
                                           kStatusRestarting,
                                           {60, true, 3}};
    static const ResetPageSettings kRestore{
        "Restore", "Are you sure you want to reset?", kMsgRestore, kStatusResetting, {60, true, 5}};
    return kind == ResetKind::kReboot ? kReboot : kRestore;
}

ResetSendOrder BridgedFirstOrder(
    std::span<const device_target> selection,
    const std::function<bool(std::string_view mac)>& has_bridged_station) {
    ResetSendOrder order;
    for (const auto& target : selection) {
        if (has_bridged_station(TargetMac(target)))
            order.first.push_back(target);
        else
            order.rest.push_back(target);
    }
    return order;
}

}  // namespace brelvo::core
