// "Setting.ini" in the program folder: the transport retries of section "Setting" and the theme
// of sections "Color" and "Font". Read once at start-up; the system never writes it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/support/ini_file.h"

namespace brelvo::core {

constexpr std::string_view kSettingFileName = "Setting.ini";
// The reader's buffer holds 31 characters; a longer value is cut there.
constexpr std::size_t kSettingValueMaxLength = 31;

// One reading of "Setting.ini". A missing or unreadable file reads as empty, so every lookup
// gives its default.
class Settings {
public:
    explicit Settings(const std::filesystem::path& program_folder);

    // The text of `key` in `section`, or `default_value` when the section or key is missing.
    // A key that is present with an empty value gives the empty text.
    std::string GetSettingString(std::string_view section, std::string_view key,
                                 std::string_view default_value) const;

private:
    IniFile file_;
};

// The same lookup in "Setting.ini" of the running program's folder.
std::string GetSettingString(std::string_view section, std::string_view key,
                             std::string_view default_value);

struct TransportSettings {
    int32_t retransmission_max = 3;          // tries after the first send
    int32_t retransmission_interval = 2000;  // milliseconds between those tries
};

// Missing keys give the defaults above; a text that is not a number (an empty one too) gives 0.
// A negative number counts as 0: there is no such thing as fewer than no retries, and a
// negative interval must not turn into an endless wait.
TransportSettings ReadTransportSettings(const Settings& settings);

}  // namespace brelvo::core
