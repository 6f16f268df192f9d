// set-name: renames one device, with the status page's rename rules.
#include <memory>
#include <vector>

#include "cli/commands.h"
#include "cli/device_action.h"
#include "cli/exit_codes.h"
#include "core/protocol/address_text.h"
#include "core/protocol/packet.h"
#include "core/protocol/value_texts.h"
#include "core/rules/outgoing_names.h"
#include "core/support/text_codec.h"

namespace brelvo::cli {

namespace {

struct SetNameOptions {
    TargetOptions target;
    std::string name;
};

int RunSetName(const GlobalOptions& global, const SetNameOptions& options) {
    int exit_code = kExitSuccess;
    auto devices = FindNamedDevices(global, options.target, exit_code);
    if (!devices)
        return exit_code;
    const core::ap_info_stu& record = devices->records.front();
    const core::device_target target =
        core::CollectTickedDevices(std::vector{TickedRowOf(record)}, core::RowFilter::kAll).front();

    const std::u16string name = core::Utf8ToUtf16(options.name);
    if (const auto failure = core::CheckDeviceName(name, static_cast<uint32_t>(target.type)))
        return ReportRuleFailure(*failure);
    const std::string new_name = core::Utf16ToUtf8(core::TruncateToUtf8Length(name, 32));

    const std::string ip = core::TargetIp(target);
    if (new_name == core::ReadTextField(record.ap_name, record.ap_name_len)) {
        const DeviceResult unchanged{core::TargetMac(target), ip, DeviceOutcome::kUnchanged,
                                     "already named so; nothing sent"};
        return FinishWithResults(std::span(&unchanged, 1));
    }
    const core::name_block block = core::MakeNameBlock(new_name);
    const PlannedSend send{target, {core::kMsgSetName, core::PayloadOf(block)}, {}, {}, {}};
    const auto results =
        SendAndWait(devices->session->engine(), devices->session->transport(), std::span(&send, 1));
    return FinishWithResults(results);
}

}  // namespace

void AddSetNameCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global) {
    auto options = std::make_shared<SetNameOptions>();
    CLI::App* command = app.add_subcommand("set-name", "Give one device a new name (Location)");
    AddTargetOptions(*command, options->target, false);
    command->add_option("--name", options->name, "the new name, at most 32 bytes")->required();
    commands.Add(command, [options, &global] { return RunSetName(global, *options); });
}

}  // namespace brelvo::cli
