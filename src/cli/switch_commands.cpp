// set-bridge and set-tdma: switch the transparent bridge or TDMA of several devices on or off,
// as the status page's "Set Bridge" and "Slotwise" do. Devices without the switch ("N/A") are
// left out.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/device_action.h"
#include "cli/exit_codes.h"
#include "core/protocol/address_text.h"
#include "core/protocol/value_texts.h"
#include "core/rules/switch_settings.h"

namespace brelvo::cli {

namespace {

struct SwitchOptions {
    TargetOptions target;
    std::string state;  // "on" or "off"
};

int RunSwitch(core::SwitchKind kind, const GlobalOptions& global, const SwitchOptions& options) {
    int exit_code = kExitSuccess;
    auto devices = FindNamedDevices(global, options.target, exit_code);
    if (!devices)
        return exit_code;
    const std::vector<core::DeviceRowTexts> rows = TickedRowsOf(devices->records);
    const core::RowFilter filter = core::RowFilterOf(kind);
    const auto selection = core::SelectConfigurableDevices(rows, filter);
    if (!selection)
        return ReportRuleFailure(selection.failure());

    const core::ap_info_stu* first_selected = nullptr;
    for (const auto& record : devices->records) {
        if (core::RecordMac(record) == core::TargetMac(selection.output().front()))
            first_selected = &record;
    }
    core::SwitchPopup popup(kind, core::InitialSwitchValue(kind, *first_selected));
    if (options.state == "on")
        popup.ChooseEnable();
    else
        popup.ChooseDisable();
    const core::PlannedRequest request = popup.Request();

    std::vector<PlannedSend> plan;
    for (const auto& target : selection.output())
        plan.push_back({target, request, {}, {}, {}});
    const std::vector<DeviceResult> sent =
        SendAndWait(devices->session->engine(), devices->session->transport(), plan);

    // Every named device in the order named: the sent ones with their outcome, the others
    // as left out.
    std::vector<DeviceResult> results;
    const std::string_view missing_switch = kind == core::SwitchKind::kTransparentBridge
                                                ? "no transparent bridge: N/A"
                                                : "no TDMA: N/A";
    for (const core::DeviceRowTexts& row : rows) {
        const auto result = std::find_if(sent.begin(), sent.end(),
                                         [&](const DeviceResult& r) { return r.mac == row.mac; });
        if (result != sent.end())
            results.push_back(*result);
        else
            results.push_back(
                {row.mac, row.ip, DeviceOutcome::kSkipped, std::string(missing_switch)});
    }
    return FinishWithResults(results);
}

void AddSwitchCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global,
                      core::SwitchKind kind, const std::string& name, const std::string& about) {
    auto options = std::make_shared<SwitchOptions>();
    CLI::App* command = app.add_subcommand(name, about);
    command->add_option("state", options->state, "on or off")
        ->required()
        ->check(CLI::IsMember({"on", "off"}));
    AddTargetOptions(*command, options->target, true);
    commands.Add(command, [options, &global, kind] { return RunSwitch(kind, global, *options); });
}

}  // namespace

void AddSwitchCommands(CLI::App& app, CommandSet& commands, const GlobalOptions& global) {
    AddSwitchCommand(app, commands, global, core::SwitchKind::kTransparentBridge, "set-bridge",
                     "Switch the transparent bridge of devices on or off");
    AddSwitchCommand(app, commands, global, core::SwitchKind::kTdma, "set-tdma",
                     "Switch TDMA (Slotwise) of devices on or off");
}

}  // namespace brelvo::cli
