#include "cli/arguments.h"

#include <cctype>

#include "core/protocol/address_text.h"

namespace brelvo::cli {

std::optional<std::string> NormalizeMac(std::string_view text) {
    constexpr std::size_t kLength = 17;
    if (text.size() != kLength)
        return std::nullopt;
    const char separator = text[2];
    if (separator != ':' && separator != '-')
        return std::nullopt;
    for (std::size_t k = 0; k < kLength; ++k) {
        const bool separator_place = k % 3 == 2;
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (separator_place ? c != separator : std::isxdigit(c) == 0)
            return std::nullopt;
    }
    std::string colons(text);
    for (std::size_t k = 2; k < kLength; k += 3)
        colons[k] = ':';
    return core::MacBytesToText(core::MacTextToBytes(colons));
}

CLI::Validator MacArgument() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            const auto mac = NormalizeMac(value);
            if (!mac)
                return "not a MAC address (aa:bb:cc:dd:ee:ff): " + value;
            value = *mac;
            return {};
        },
        "");
}

std::optional<AddressRange> ParseAddressRange(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 >= text.size() ||
        text.find('-', dash + 1) != std::string_view::npos)
        return std::nullopt;
    return AddressRange{std::string(text.substr(0, dash)), std::string(text.substr(dash + 1))};
}

}  // namespace brelvo::cli
