// Setting up a firmware upgrade: which devices, which model, which image, and the payload that
// tells a device which file to fetch from the program's file server.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/batch_selection.h"
#include "core/rules/collected.h"
#include "core/rules/validation.h"

namespace brelvo::core {

// The file server hands one image to this many devices at a time.
constexpr std::size_t kMaxUpgradeDevices = 10;

// The upgrade page's button: between one and ten ticked devices.
Collected<Selection> SelectUpgradeDevices(std::span<const DeviceRowTexts> rows);

// One entry of the dialog's type list: a model text and the code it stands for.
struct UpgradeTypeEntry {
    std::string text;
    uint16_t code = 0;

    bool operator==(const UpgradeTypeEntry&) const = default;
};

// The models of the selected devices, each once, in the order they first appear; the first
// entry starts selected.
std::vector<UpgradeTypeEntry> UpgradeTypeEntries(std::span<const device_target> targets);

// The image the operator chose, split as the dialog keeps it.
struct ImagePath {
    std::string file_name;  // name and extension only
    std::string folder;     // the file server's root
    std::string full_path;  // shown in the path box
};
ImagePath SplitImagePath(const std::filesystem::path& chosen);

// The path box on Upgrade: a path must be there and end in ".bin" or ".BIN".
RuleResult CheckUpgradePath(std::u16string_view path);

// Asked after the path passed; anything but OK abandons the upgrade.
constexpr std::string_view kUpgradeConfirmation = "Are you sure you want to upgrade?";

// The image's size as the devices are told it; 0 when it cannot be read.
uint32_t ImageFileSize(const std::filesystem::path& image);

// The payload of the upgrade request: the file name (UTF-8, NUL-terminated, zero-filled), its
// byte count and the file size.
upgrade_file_info MakeUpgradeFileInfo(std::string_view file_name, uint32_t file_size);

}  // namespace brelvo::core
