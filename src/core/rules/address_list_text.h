// The addresses of one local adapter as the adapter page shows them in a single cell.
#pragma once

#include <span>
#include <string>

namespace brelvo::core {

// The texts in order, each followed by "--" except the last: "192.168.0.10--10.0.0.5".
std::string JoinAddressTexts(std::span<const std::string> addresses);

}  // namespace brelvo::core
