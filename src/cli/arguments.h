// Argument types shared by the sub-commands.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace brelvo::cli {

// "00:90:4C:0A:0B:0C" or "00-90-4c-0a-0b-0c" as the key text the store uses
// ("00:90:4c:0a:0b:0c"); nothing for any other text.
std::optional<std::string> NormalizeMac(std::string_view text);

// Checks a MAC argument and rewrites it as the store's key text.
CLI::Validator MacArgument();

struct AddressRange {
    std::string first;
    std::string last;
};

// "A-B"; the two addresses are left to the input rules. Nothing unless there is exactly one
// "-" with text on both sides.
std::optional<AddressRange> ParseAddressRange(std::string_view text);

}  // namespace brelvo::cli
