// What every sub-command that changes devices does around its own rules: name the devices,
// find them, report a failed rule, send and report the outcome per device.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/cli_session.h"
#include "cli/device_results.h"
#include "cli/request_sending.h"
#include "core/protocol/device_record.h"
#include "core/rules/batch_selection.h"
#include "core/rules/validation.h"

namespace brelvo::cli {

struct TargetOptions {
    std::vector<std::string> macs;  // store key texts, in the order named
    double timeout_seconds = 10;    // how long to search for them
};

// --mac (repeatable, or a comma-separated list; `alias` is a second name such as "--macs")
// and --timeout.
void AddTargetOptions(CLI::App& command, TargetOptions& options, bool several,
                      const std::string& alias = {});

// A session in which every named device was found and stored, with their records in the order
// named.
struct FoundDevices {
    std::unique_ptr<CliSession> session;
    std::vector<core::ap_info_stu> records;
};

// Starts the session and searches for the devices. Nothing, with `exit_code` set and the
// reason printed, when a MAC is named twice, the session cannot start, or a device is missing
// (then nothing is sent to any device).
std::optional<FoundDevices> FindNamedDevices(const GlobalOptions& global,
                                             const TargetOptions& options, int& exit_code);

// The row a list page would show for a stored device, ticked.
core::DeviceRowTexts TickedRowOf(const core::ap_info_stu& record);
// The rows of all the found devices, ticked, in the order named.
std::vector<core::DeviceRowTexts> TickedRowsOf(std::span<const core::ap_info_stu> records);

// Prints the failed rule's message in one line on stderr; the exit status of bad input.
int ReportRuleFailure(const core::RuleFailure& failure);

// Prints one line per device; the exit status of the whole run.
int FinishWithResults(std::span<const DeviceResult> results);

}  // namespace brelvo::cli
