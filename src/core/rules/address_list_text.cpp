#include "core/rules/address_list_text.h"

namespace brelvo::core {

std::string JoinAddressTexts(std::span<const std::string> addresses) {
    std::string joined;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (i > 0)
            joined += "--";
        joined += addresses[i];
    }
    return joined;
}

}  // namespace brelvo::core
