// The site survey page of the bridge wizard: how a surveyed access point is shown, how the
// list is ordered, which row is chosen (and so whether the wizard may go on), and how long a
// scan waits for the device's answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/protocol/device_record.h"
#include "core/store/device_store.h"

namespace brelvo::core {

// Columns of the survey grid.
enum SurveyColumn : int {
    kSurveyColumnSelect = 0,
    kSurveyColumnSsid = 1,
    kSurveyColumnChannel = 2,
    kSurveyColumnMac = 3,
    kSurveyColumnSecurity = 4,
    kSurveyColumnSignal = 5,
};

// The security text of a surveyed access point's code.
std::string_view SurveySecurityText(uint32_t survey_code);

// Which of the six signal pictures a signal strength shows: 5 strong, 3 fair, 1 weak.
int SignalPicture(int8_t signal);

// One grid row: the select cell stays empty, the signal cell shows its picture only.
struct SurveyRow {
    std::string ssid;
    std::string channel;
    std::string mac;
    std::string security;
    int signal_picture = 0;

    bool operator==(const SurveyRow&) const = default;
};
SurveyRow MakeSurveyRow(const config_otherwl_basic& entry);

// The store's order for a grid column; a column without its own order sorts by SSID.
SurveySortKey SurveySortKeyForColumn(int column);

// The order of the survey list: strongest signal first after a scan; each header click of a
// data column flips the direction and sorts by that column.
class SurveySort {
public:
    int column() const { return column_; }
    // The direction flag: 1 ascending, 0 descending.
    int direction() const { return direction_; }
    bool ascending() const { return direction_ == 1; }
    SurveySortKey key() const { return SurveySortKeyForColumn(column_); }

    // True when the click re-sorts the list (the header of a data column).
    bool ClickHeader(int column);

private:
    int column_ = kSurveyColumnSignal;
    int direction_ = 0;
};

// The ticked row of the list (at most one) and the wizard's Next button, which follows it.
class SurveySelection {
public:
    std::optional<std::size_t> ticked_row() const { return ticked_; }
    bool next_enabled() const { return next_enabled_; }

    // A click on a row's select cell: ticks it (unticking every other row) or unticks it.
    void ToggleRow(std::size_t row);
    // The list was refilled (after a scan or a re-sort): no row is ticked, and with no access
    // point chosen the wizard must not go on to build a bridge to nowhere.
    void ListRefilled();
    // A scan started: the list is emptied and Next is off until a row is ticked.
    void ScanStarted() { ListRefilled(); }

private:
    std::optional<std::size_t> ticked_;
    bool next_enabled_ = false;
};

// A scan waits one tick a second until the device's last survey packet arrived or 30 ticks
// passed; a new scan starts the count again.
class SurveyScanClock {
public:
    static constexpr int kMaxTicks = 30;

    bool running() const { return running_; }
    int ticks() const { return ticks_; }

    void Start() {
        ticks_ = 0;
        running_ = true;
    }
    // One tick of the scan timer; true when the scan is over and the list is to be filled.
    bool Tick(bool survey_complete);

private:
    int ticks_ = 0;
    bool running_ = false;
};

}  // namespace brelvo::core
