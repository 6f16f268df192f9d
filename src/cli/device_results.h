// What happened to each named device, printed one line per device, and the exit status the
// whole run ends with.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace brelvo::cli {

enum class DeviceOutcome {
    kAcknowledged,  // the device answered the request
    kUnchanged,     // the device already had the value; nothing was sent
    kSkipped,       // the device has no such setting ("N/A"); nothing was sent to it
    kRefused,       // the device answered, but with a result that it did not act on
    kNoAnswer,      // the request was repeated and then given up
    kUnreachable,   // no local address lies in the device's subnet, so nothing went out
    kNotFound,      // the device was not found; nothing was sent to any device
    kNotSent,       // the device was found, but another named one was not
};

std::string_view OutcomeText(DeviceOutcome outcome);

struct DeviceResult {
    std::string mac;
    std::string ip;  // empty for a device that was not found
    DeviceOutcome outcome = DeviceOutcome::kAcknowledged;
    std::string detail;  // e.g. the new address, or why a device was not found
};

void PrintResults(std::ostream& out, std::span<const DeviceResult> results);

// 3 when a device was not found, else 4 when one did not answer or could not be reached, else
// 5 when one refused, else 0.
int ExitCodeOf(std::span<const DeviceResult> results);

}  // namespace brelvo::cli
