#include "cli/device_action.h"

#include <chrono>
#include <iostream>
#include <set>

#include "cli/arguments.h"
#include "cli/device_search.h"
#include "cli/exit_codes.h"
#include "cli/interruption.h"
#include "core/protocol/address_text.h"
#include "core/rules/device_list.h"

namespace brelvo::cli {

void AddTargetOptions(CLI::App& command, TargetOptions& options, bool several,
                      const std::string& alias) {
    const std::string names = alias.empty() ? "--mac" : "--mac," + alias;
    auto* mac = command.add_option(names, options.macs,
                                   several ? "MAC address of a device; repeat it or give a "
                                             "comma-separated list for several"
                                           : "MAC address of the device");
    mac->required()->check(MacArgument())->type_name("MAC");
    if (several)
        mac->delimiter(',');
    else
        mac->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    command
        .add_option("--timeout", options.timeout_seconds,
                    "seconds to search for the named devices before giving up")
        ->check(CLI::Range(0.1, 3600.0))
        ->capture_default_str();
}

std::optional<FoundDevices> FindNamedDevices(const GlobalOptions& global,
                                             const TargetOptions& options, int& exit_code) {
    std::set<std::string> named;
    for (const std::string& mac : options.macs) {
        if (!named.insert(mac).second) {
            std::cerr << "brelvo-cli: " << mac << " is named more than once\n";
            exit_code = kExitBadInput;
            return std::nullopt;
        }
    }
    FoundDevices devices;
    devices.session = CliSession::Start(global);
    if (!devices.session) {
        exit_code = kExitEnvironment;
        return std::nullopt;
    }
    const auto limit =
        std::chrono::milliseconds(static_cast<int64_t>(options.timeout_seconds * 1000));
    DeviceLookup lookup =
        FindDevices(devices.session->engine(), devices.session->store(), options.macs, limit);
    if (Interrupted()) {
        exit_code = kExitInterrupted;
        return std::nullopt;
    }
    if (!lookup.missing.empty()) {
        std::vector<DeviceResult> results;
        for (const auto& record : lookup.found)
            results.push_back({core::RecordMac(record), core::IpBytesToText(record.ip),
                               DeviceOutcome::kNotSent, "another named device was not found"});
        for (const MissingDevice& missing : lookup.missing)
            results.push_back({missing.mac,
                               {},
                               DeviceOutcome::kNotFound,
                               missing.answered_search ? "answered the search but sent no report"
                                                       : "no answer to the search"});
        // Found devices first would hide which ones are missing; keep the order named.
        std::vector<DeviceResult> ordered;
        for (const std::string& mac : options.macs) {
            for (const DeviceResult& result : results) {
                if (result.mac == mac)
                    ordered.push_back(result);
            }
        }
        PrintResults(std::cout, ordered);
        exit_code = kExitNotFound;
        return std::nullopt;
    }
    devices.records = std::move(lookup.found);
    return devices;
}

core::DeviceRowTexts TickedRowOf(const core::ap_info_stu& record) {
    using core::DeviceField;
    core::DeviceRowTexts row;
    row.ticked = true;
    row.ip = core::DeviceFieldText(DeviceField::kIp, record);
    row.mac = core::DeviceFieldText(DeviceField::kMac, record);
    row.type = core::DeviceFieldText(DeviceField::kType, record);
    row.transparent_bridge = core::DeviceFieldText(DeviceField::kTransparentBridge, record);
    row.tdma = core::DeviceFieldText(DeviceField::kTdma, record);
    return row;
}

std::vector<core::DeviceRowTexts> TickedRowsOf(std::span<const core::ap_info_stu> records) {
    std::vector<core::DeviceRowTexts> rows;
    rows.reserve(records.size());
    for (const auto& record : records)
        rows.push_back(TickedRowOf(record));
    return rows;
}

int ReportRuleFailure(const core::RuleFailure& failure) {
    std::cerr << "brelvo-cli: " << failure.message << "\n";
    return kExitBadInput;
}

int FinishWithResults(std::span<const DeviceResult> results) {
    PrintResults(std::cout, results);
    if (Interrupted())
        return kExitInterrupted;
    return ExitCodeOf(results);
}

}  // namespace brelvo::cli
