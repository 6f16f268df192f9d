// reboot and restore: request 9 or 10 to every named device, access points with a bridged
// station first, as the reboot and restore pages send them.
#include <memory>
#include <vector>

#include "cli/commands.h"
#include "cli/device_action.h"
#include "cli/exit_codes.h"
#include "core/protocol/value_texts.h"
#include "core/rules/reset_actions.h"

namespace brelvo::cli {

namespace {

std::vector<PlannedSend> PlanResets(const core::ResetPageSettings& settings,
                                    const core::ResetSendOrder& order) {
    std::vector<PlannedSend> plan;
    auto add = [&](const core::device_target& target, std::chrono::milliseconds pause,
                   std::string detail) {
        plan.push_back({target, {settings.message, {}}, {}, pause, std::move(detail)});
    };
    for (const auto& target : order.first)
        add(target, {}, "has a bridged station");
    for (const auto& target : order.rest) {
        const bool after_pause = plan.size() == order.first.size() && !order.first.empty();
        add(target, after_pause ? core::kBridgedFirstPause : std::chrono::milliseconds{0}, {});
    }
    return plan;
}

int RunReset(core::ResetKind kind, const GlobalOptions& global, const TargetOptions& options) {
    int exit_code = kExitSuccess;
    auto devices = FindNamedDevices(global, options, exit_code);
    if (!devices)
        return exit_code;
    const std::vector<core::DeviceRowTexts> rows = TickedRowsOf(devices->records);
    const auto selection = core::SelectDevices(rows);
    if (!selection)
        return ReportRuleFailure(selection.failure());

    core::DeviceStore& store = devices->session->store();
    const core::ResetPageSettings& settings = core::ResetSettingsOf(kind);
    const core::ResetSendOrder order = core::BridgedFirstOrder(
        selection.output(), [&](std::string_view mac) { return store.HasBridgedStation(mac); });
    std::vector<DeviceResult> results = SendAndWait(
        devices->session->engine(), devices->session->transport(), PlanResets(settings, order));
    // The answer's result byte decides the stored status; any other status means the device
    // declined.
    for (DeviceResult& result : results) {
        if (result.outcome != DeviceOutcome::kAcknowledged)
            continue;
        if (store.GetDeviceStatus(result.mac) != settings.waiting_status) {
            result.outcome = DeviceOutcome::kRefused;
            result.detail = "answered with a failure result";
        }
    }
    return FinishWithResults(results);
}

void AddResetCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global,
                     core::ResetKind kind, const std::string& name, const std::string& about) {
    auto options = std::make_shared<TargetOptions>();
    CLI::App* command = app.add_subcommand(name, about);
    AddTargetOptions(*command, *options, true);
    commands.Add(command, [options, &global, kind] { return RunReset(kind, global, *options); });
}

}  // namespace

void AddResetCommands(CLI::App& app, CommandSet& commands, const GlobalOptions& global) {
    AddResetCommand(app, commands, global, core::ResetKind::kReboot, "reboot",
                    "Restart devices (access points with a bridged station first)");
    AddResetCommand(app, commands, global, core::ResetKind::kRestore, "restore",
                    "Restore the factory settings of devices (access points with a bridged "
                    "station first)");
}

}  // namespace brelvo::cli
