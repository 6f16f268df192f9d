#include "cli/device_results.h"

#include <algorithm>

#include "cli/exit_codes.h"

namespace brelvo::cli {

std::string_view OutcomeText(DeviceOutcome outcome) {
    switch (outcome) {
        case DeviceOutcome::kAcknowledged:
            return "acknowledged";
        case DeviceOutcome::kUnchanged:
            return "unchanged";
        case DeviceOutcome::kSkipped:
            return "skipped";
        case DeviceOutcome::kRefused:
            return "refused";
        case DeviceOutcome::kNoAnswer:
            return "no answer";
        case DeviceOutcome::kUnreachable:
            return "unreachable";
        case DeviceOutcome::kNotFound:
            return "not found";
        case DeviceOutcome::kNotSent:
            return "not sent";
    }
    return "";
}

void PrintResults(std::ostream& out, std::span<const DeviceResult> results) {
    std::size_t ip_width = 1;
    for (const DeviceResult& result : results)
        ip_width = std::max(ip_width, result.ip.size());
    for (const DeviceResult& result : results) {
        const std::string ip = result.ip.empty() ? "-" : result.ip;
        out << result.mac << "  " << ip << std::string(ip_width - ip.size(), ' ') << "  "
            << OutcomeText(result.outcome);
        if (!result.detail.empty())
            out << " (" << result.detail << ")";
        out << "\n";
    }
}

int ExitCodeOf(std::span<const DeviceResult> results) {
    auto any = [&](auto... outcomes) {
        return std::any_of(results.begin(), results.end(), [&](const DeviceResult& result) {
            return ((result.outcome == outcomes) || ...);
        });
    };
    if (any(DeviceOutcome::kNotFound))
        return kExitNotFound;
    if (any(DeviceOutcome::kNoAnswer, DeviceOutcome::kUnreachable))
        return kExitNoAnswer;
    if (any(DeviceOutcome::kRefused))
        return kExitRefused;
    return kExitSuccess;
}

}  // namespace brelvo::cli
