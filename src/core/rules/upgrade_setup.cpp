#include "core/rules/upgrade_setup.h"

#include <algorithm>
#include <fstream>
#include <limits>

#include "core/protocol/device_text.h"
#include "core/protocol/value_texts.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

RuleFailure TitledWarning(std::string_view message) {
    return RuleFailure{Translate(message), BoxKind::kTitledWarning};
}

// The length byte counts at most 255 bytes; a file name cannot be longer on Linux either.
constexpr std::size_t kMaxFileNameBytes = std::numeric_limits<uint8_t>::max();

}  // namespace

Collected<Selection> SelectUpgradeDevices(std::span<const DeviceRowTexts> rows) {
    Selection selection = CollectTickedDevices(rows, RowFilter::kAll);
    if (selection.empty())
        return RuleFailure{Translate("Please select the devices!"), BoxKind::kWarning};
    if (selection.size() > kMaxUpgradeDevices)
        return RuleFailure{Translate("Maximum selection of 10 devices!"), BoxKind::kWarning};
    return selection;
}

std::vector<UpgradeTypeEntry> UpgradeTypeEntries(std::span<const device_target> targets) {
    std::vector<UpgradeTypeEntry> entries;
    for (const auto& target : targets) {
        std::string text = ModelText(static_cast<uint32_t>(target.type));
        const bool known = std::any_of(entries.begin(), entries.end(),
                                       [&](const UpgradeTypeEntry& e) { return e.text == text; });
        if (!known) {
            const uint16_t code = ModelCode(text);
            entries.push_back({std::move(text), code});
        }
    }
    return entries;
}

ImagePath SplitImagePath(const std::filesystem::path& chosen) {
    return {chosen.filename().string(), chosen.parent_path().string(), chosen.string()};
}

RuleResult CheckUpgradePath(std::u16string_view path) {
    if (path.empty())
        return TitledWarning("Please select the upgrade file!");
    const std::u16string_view ending =
        path.substr(path.size() - std::min<std::size_t>(4, path.size()));
    if (ending != u".bin" && ending != u".BIN")
        return TitledWarning("Upgrade file is not .bin file!");
    return std::nullopt;
}

uint32_t ImageFileSize(const std::filesystem::path& image) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(image, error))
        return 0;
    std::ifstream file(image, std::ios::binary | std::ios::ate);
    if (!file)
        return 0;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return 0;
    // An image beyond 4 GiB cannot be described to a device; it is told the largest size.
    return static_cast<uint32_t>(
        std::min<std::streamoff>(size, std::numeric_limits<uint32_t>::max()));
}

upgrade_file_info MakeUpgradeFileInfo(std::string_view file_name, uint32_t file_size) {
    auto info = ZeroBlock<upgrade_file_info>();
    const std::string name = EncodeOutgoingText(file_name, kMaxFileNameBytes);
    std::copy(name.begin(), name.end(), info.file_name);
    info.name_length = static_cast<uint8_t>(name.size());
    info.file_size = file_size;
    return info;
}

}  // namespace brelvo::core
