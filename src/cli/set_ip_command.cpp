// set-ip: new addressing for one device, or consecutive addresses of a range for several, with
// the rules of the status page's Set IP pop-up.
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/device_action.h"
#include "cli/exit_codes.h"
#include "core/protocol/address_text.h"
#include "core/protocol/packet.h"
#include "core/rules/ip_range.h"
#include "core/support/text_codec.h"

namespace brelvo::cli {

namespace {

struct SetIpOptions {
    TargetOptions target;
    std::optional<std::string> ip;
    std::optional<std::string> range;
    std::string mask;
    // Left out, they keep the first device's current values, as the pop-up opens with them.
    std::optional<std::string> gateway;
    std::optional<std::string> dns1;
    std::optional<std::string> dns2;
};

std::u16string OptionOr(const std::optional<std::string>& given, const uint8_t (&current)[4]) {
    return core::Utf8ToUtf16(given ? *given : core::IpBytesToText(current));
}

std::vector<std::string> StoredIpsOutside(core::DeviceStore& store,
                                          std::span<const core::device_target> selection) {
    std::vector<std::string> others = store.GetAllIp().value_or(std::vector<std::string>{});
    std::erase_if(others, [&](const std::string& ip) {
        return std::any_of(selection.begin(), selection.end(),
                           [&](const auto& target) { return core::TargetIp(target) == ip; });
    });
    return others;
}

int RunSetIp(const GlobalOptions& global, const SetIpOptions& options) {
    if (options.ip.has_value() == options.range.has_value()) {
        std::cerr << "brelvo-cli: give either --ip or --range\n";
        return kExitBadInput;
    }
    std::string first_text;
    std::string last_text;
    if (options.range) {
        const auto range = ParseAddressRange(*options.range);
        if (!range) {
            std::cerr << "brelvo-cli: --range: not a range of two addresses (A-B): "
                      << *options.range << "\n";
            return kExitBadInput;
        }
        first_text = range->first;
        last_text = range->last;
    } else {
        first_text = *options.ip;
    }

    int exit_code = kExitSuccess;
    auto devices = FindNamedDevices(global, options.target, exit_code);
    if (!devices)
        return exit_code;
    core::DeviceStore& store = devices->session->store();
    const std::vector<core::DeviceRowTexts> rows = TickedRowsOf(devices->records);
    const auto selection = core::SelectDevices(rows);
    if (!selection)
        return ReportRuleFailure(selection.failure());
    const std::vector<core::device_target>& targets = selection.output();
    const core::ap_info_stu& first_device = devices->records.front();

    core::IpSettingsInput input;
    input.address = core::Utf8ToUtf16(first_text);
    input.end_address = core::Utf8ToUtf16(last_text);
    input.range_variant = true;
    input.device_count = targets.size();
    input.mask = core::Utf8ToUtf16(options.mask);
    input.gateway = OptionOr(options.gateway, first_device.ip_gateway);
    input.primary_dns = OptionOr(options.dns1, first_device.ip_dns1);
    input.secondary_dns = OptionOr(options.dns2, first_device.ip_dns2);
    if (const auto failure = core::CheckIpSettings(input))
        return ReportRuleFailure(*failure);
    if (targets.size() == 1) {
        const std::vector<std::string> stored_ips =
            store.GetAllIp().value_or(std::vector<std::string>{});
        const auto current = core::IpTextToBytes(core::TargetIp(targets.front()));
        if (const auto failure = core::CheckAddressNotInUse(input.address, current, stored_ips))
            return ReportRuleFailure(*failure);
    }

    const core::SetIpAddresses addresses{
        core::IpTextToBytes(input.address),     core::IpTextToBytes(input.end_address),
        core::IpTextToBytes(input.mask),        core::IpTextToBytes(input.gateway),
        core::IpTextToBytes(input.primary_dns), core::IpTextToBytes(input.secondary_dns)};
    const std::vector<core::AddressChange> changes = core::PlanApplyIpSettings(targets, addresses);
    // Sending to the first devices only would leave the rest unchanged behind an exit status
    // of success.
    if (changes.size() < targets.size()) {
        std::cerr << "brelvo-cli: the range holds " << changes.size() << " usable addresses for "
                  << targets.size() << " devices\n";
        return kExitBadInput;
    }
    if (targets.size() > 1) {
        // A device outside the selection keeps its address; giving it to another device as
        // well would put two devices on one address.
        const std::vector<std::string> others = StoredIpsOutside(store, targets);
        for (const core::AddressChange& change : changes) {
            const auto current = core::IpTextToBytes(core::TargetIp(change.target));
            if (auto failure =
                    core::CheckAddressNotInUse(core::Utf8ToUtf16(change.new_ip), current, others)) {
                failure->message += " (" + change.new_ip + ")";
                return ReportRuleFailure(*failure);
            }
        }
    }

    core::CDeviceComm& engine = devices->session->engine();
    std::vector<PlannedSend> plan;
    for (const core::AddressChange& change : changes) {
        const PlannedSend send{change.target,
                               {core::kMsgSetIp, core::PayloadOf(change.payload)},
                               change.new_ip,
                               {},
                               "new address " + change.new_ip};
        plan.push_back(send);
    }
    return FinishWithResults(SendAndWait(engine, devices->session->transport(), plan));
}

}  // namespace

void AddSetIpCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global) {
    auto options = std::make_shared<SetIpOptions>();
    CLI::App* command = app.add_subcommand(
        "set-ip", "Set the addressing of one device (--ip), or of several from a range (--range)");
    AddTargetOptions(*command, options->target, true, "--macs");
    command->add_option("--ip", options->ip, "the new address of a single device")
        ->type_name("A.B.C.D");
    command
        ->add_option("--range", options->range, "first and last address, e.g. 10.0.0.10-10.0.0.20")
        ->type_name("A-B");
    command->add_option("--mask", options->mask, "subnet mask")->required()->type_name("A.B.C.D");
    command
        ->add_option("--gateway", options->gateway,
                     "default gateway (unset: the first device's current one; 0.0.0.0: none)")
        ->type_name("A.B.C.D");
    command->add_option("--dns1", options->dns1, "primary DNS server (unset: the current one)")
        ->type_name("A.B.C.D");
    command->add_option("--dns2", options->dns2, "secondary DNS server (unset: the current one)")
        ->type_name("A.B.C.D");
    commands.Add(command, [options, &global] { return RunSetIp(global, *options); });
}

}  // namespace brelvo::cli
