// The device list of `discover` as a table for people, CSV or JSON for scripts. The table and
// the CSV have the status list's columns with its texts; JSON has one object per device whose
// keys are the store's column names. Devices that answered a search but have not reported yet
// are marked: "*" in the table, "no" under "Reported" in the CSV, ap_status 10 in JSON.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/protocol/device_record.h"

namespace brelvo::cli {

struct DeviceListing {
    std::span<const core::ap_info_stu> stored;  // full reports, as the store gives them
    std::span<const core::ap_info_stu> found;   // partial records of found-only devices
    int online_count = 0;
};

enum class ListingFormat { kTable, kCsv, kJson };

void PrintListing(std::ostream& out, const DeviceListing& listing, ListingFormat format);

// The JSON object of one device: every column the store keeps of a reported device, or, for a
// found-only device, the fields its search answer told.
nlohmann::ordered_json StoredDeviceJson(const core::ap_info_stu& record);
nlohmann::ordered_json FoundDeviceJson(const core::ap_info_stu& record);

// One CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// Columns a terminal gives a UTF-8 text: East Asian wide characters take two.
std::size_t DisplayWidth(std::string_view utf8);

// Control characters replaced, so a device's texts cannot move the cursor or recolour the
// operator's terminal.
std::string PrintableText(std::string_view text);

}  // namespace brelvo::cli
