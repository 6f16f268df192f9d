#include "core/rules/reboot_schedule.h"

#include <algorithm>
#include <cstring>

#include "core/rules/validation.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

void SetDayControlsEnabled(RebootScheduleView& view, bool enabled) {
    view.time_enabled = enabled;
    view.weekdays_enabled = enabled;
    view.every_day_enabled = enabled;
}

}  // namespace

RebootScheduleView OpenRebootScheduleTab(const ap_info_stu& record) {
    RebootScheduleView view;
    view.fields.schedule_on = record.restart_en != 0;
    SetDayControlsEnabled(view, view.fields.schedule_on);
    bool all_days = true;
    for (std::size_t day = 0; day < kWeekdayBits.size(); ++day) {
        view.fields.weekdays[day] = (record.restart_type & kWeekdayBits[day]) != 0;
        all_days = all_days && view.fields.weekdays[day];
    }
    // All seven days tick "Everyday" too, but leave the weekday boxes usable.
    view.fields.every_day = all_days;
    view.fields.hour = Utf8ToUtf16(std::to_string(record.restart_time / 60));
    view.fields.minute = Utf8ToUtf16(std::to_string(record.restart_time % 60));
    return view;
}

void OnScheduleToggled(RebootScheduleView& view, bool ticked) {
    view.fields.schedule_on = ticked;
    SetDayControlsEnabled(view, ticked);
}

void OnEveryDayToggled(RebootScheduleView& view, bool ticked) {
    view.fields.every_day = ticked;
    view.fields.weekdays.fill(ticked);
    view.weekdays_enabled = !ticked;
}

Collected<RebootScheduleOutput> CollectRebootSchedule(const ap_info_stu& record,
                                                      const RebootScheduleInput& input) {
    const restart_block stored = SliceOf<restart_block>(record);
    restart_block schedule = stored;
    if (!input.schedule_on) {
        schedule.restart_en = 0;
    } else {
        const bool any_weekday =
            std::any_of(input.weekdays.begin(), input.weekdays.end(), [](bool day) { return day; });
        if (auto failure =
                CheckRebootSchedule(input.hour, input.minute, any_weekday || input.every_day)) {
            return *failure;
        }
        uint8_t mask = 0;
        for (std::size_t day = 0; day < kWeekdayBits.size(); ++day) {
            // "Everyday" stands for all seven days even if a caller left the day boxes clear.
            if (input.weekdays[day] || input.every_day)
                mask |= kWeekdayBits[day];
        }
        schedule.restart_en = 1;
        schedule.restart_type = mask;
        schedule.restart_time =
            static_cast<uint16_t>(DecimalValue(input.hour) * 60 + DecimalValue(input.minute));
    }
    RebootScheduleOutput output;
    output.schedule = schedule;
    output.changed = std::memcmp(&schedule, &stored, sizeof schedule) != 0;
    return output;
}

}  // namespace brelvo::core
