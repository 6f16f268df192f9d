// The timed-reboot tab of the configuration dialog: a weekly restart at a time of day on chosen
// weekdays.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/request_blocks.h"
#include "core/rules/collected.h"

namespace brelvo::core {

// Weekday bits of the schedule, Monday first; bit 0x01 is not a day.
constexpr std::array<uint8_t, 7> kWeekdayBits{0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
constexpr uint8_t kEveryDayMask = 0xFE;

// The tab's controls as the operator left them.
struct RebootScheduleInput {
    bool schedule_on = false;
    std::u16string hour;
    std::u16string minute;
    std::array<bool, 7> weekdays{};  // Monday to Sunday
    bool every_day = false;
};

struct RebootScheduleView {
    RebootScheduleInput fields;
    bool time_enabled = false;       // hour and minute
    bool weekdays_enabled = false;   // the seven weekday boxes
    bool every_day_enabled = false;  // the "Everyday" box
};

RebootScheduleView OpenRebootScheduleTab(const ap_info_stu& record);

// The schedule box clicked: the time and day controls follow it.
void OnScheduleToggled(RebootScheduleView& view, bool ticked);
// The "Everyday" box clicked: every weekday box takes its state, and is locked while it is on.
void OnEveryDayToggled(RebootScheduleView& view, bool ticked);

struct RebootScheduleOutput {
    restart_block schedule = ZeroBlock<restart_block>();
    bool changed = false;
};

Collected<RebootScheduleOutput> CollectRebootSchedule(const ap_info_stu& record,
                                                      const RebootScheduleInput& input);

}  // namespace brelvo::core
