#include "core/support/settings.h"

#include <algorithm>
#include <limits>

#include "core/support/system_info.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

constexpr std::string_view kTransportSection = "Setting";

int32_t NonNegativeSetting(const Settings& settings, std::string_view key,
                           std::string_view default_value) {
    const long long value =
        DecimalValue(settings.GetSettingString(kTransportSection, key, default_value));
    return static_cast<int32_t>(
        std::clamp<long long>(value, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

Settings::Settings(const std::filesystem::path& program_folder)
    : file_(IniFile::Load(program_folder / kSettingFileName)) {}

std::string Settings::GetSettingString(std::string_view section, std::string_view key,
                                       std::string_view default_value) const {
    const std::string value = file_.Get(section, key, default_value);
    return std::string(Utf8PrefixOfUtf16Length(value, kSettingValueMaxLength));
}

std::string GetSettingString(std::string_view section, std::string_view key,
                             std::string_view default_value) {
    return Settings(GetProgramFolder()).GetSettingString(section, key, default_value);
}

TransportSettings ReadTransportSettings(const Settings& settings) {
    return TransportSettings{
        .retransmission_max = NonNegativeSetting(settings, "retransmission_max", "3"),
        .retransmission_interval = NonNegativeSetting(settings, "retransmission_interval", "2000"),
    };
}

}  // namespace brelvo::core
