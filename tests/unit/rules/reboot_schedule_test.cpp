#include "core/rules/reboot_schedule.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace brelvo::core {
namespace {

using test::BytesOfObject;
using test::Hex;

ap_info_stu Scheduled(uint8_t on, uint8_t mask, uint16_t minutes) {
    ap_info_stu record = ZeroRecord();
    record.restart_en = on;
    record.restart_type = mask;
    record.restart_time = minutes;
    return record;
}

constexpr std::array<bool, 7> kNoDay{};

TEST(RebootSchedule, OpeningShowsTheSchedule) {
    const RebootScheduleView view = OpenRebootScheduleTab(Scheduled(1, 0x22, 210));
    EXPECT_TRUE(view.fields.schedule_on);
    EXPECT_EQ(view.fields.weekdays,
              (std::array<bool, 7>{true, false, false, false, true, false, false}));
    EXPECT_FALSE(view.fields.every_day);
    EXPECT_EQ(view.fields.hour, u"3");
    EXPECT_EQ(view.fields.minute, u"30");
    EXPECT_TRUE(view.time_enabled);
    EXPECT_TRUE(view.weekdays_enabled);
    EXPECT_TRUE(view.every_day_enabled);
}

TEST(RebootSchedule, AllSevenDaysTickEverydayButKeepTheDaysUsable) {
    const RebootScheduleView view = OpenRebootScheduleTab(Scheduled(1, 0xFE, 0));
    EXPECT_TRUE(view.fields.every_day);
    EXPECT_EQ(view.fields.weekdays,
              (std::array<bool, 7>{true, true, true, true, true, true, true}));
    EXPECT_TRUE(view.weekdays_enabled);
}

TEST(RebootSchedule, ScheduleOffDisablesEverything) {
    RebootScheduleView view = OpenRebootScheduleTab(Scheduled(0, 0x04, 61));
    EXPECT_FALSE(view.fields.schedule_on);
    EXPECT_TRUE(view.fields.weekdays[1]);
    EXPECT_EQ(view.fields.hour, u"1");
    EXPECT_EQ(view.fields.minute, u"1");
    EXPECT_FALSE(view.time_enabled);
    EXPECT_FALSE(view.weekdays_enabled);
    EXPECT_FALSE(view.every_day_enabled);
    OnScheduleToggled(view, true);
    EXPECT_TRUE(view.time_enabled);
    EXPECT_TRUE(view.weekdays_enabled);
    EXPECT_TRUE(view.every_day_enabled);
}

TEST(RebootSchedule, EverydayTicksAndLocksTheDays) {
    RebootScheduleView view = OpenRebootScheduleTab(Scheduled(1, 0x02, 0));
    OnEveryDayToggled(view, true);
    EXPECT_EQ(view.fields.weekdays,
              (std::array<bool, 7>{true, true, true, true, true, true, true}));
    EXPECT_FALSE(view.weekdays_enabled);
    const auto result = CollectRebootSchedule(Scheduled(1, 0x02, 0), view.fields);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.output().schedule.restart_type, 0xFE);

    OnEveryDayToggled(view, false);
    EXPECT_EQ(view.fields.weekdays, kNoDay);
    EXPECT_TRUE(view.weekdays_enabled);
}

TEST(RebootSchedule, Collect) {
    struct Case {
        std::string_view what;
        ap_info_stu record;
        RebootScheduleInput input;
        std::vector<uint8_t> block;
        bool changed;
    };
    const Case cases[] = {
        {"Monday and Friday at 03:30",
         Scheduled(0, 0, 0),
         {true, u"3", u"30", {true, false, false, false, true, false, false}, false},
         Hex("01 22 d2 00"),
         true},
        {"every day at 23:59",
         Scheduled(0, 0, 0),
         {true, u"23", u"59", kNoDay, true},
         Hex("01 fe 9f 05"),
         true},
        {"cleared keeps the stored days and time",
         Scheduled(1, 0x22, 210),
         {false, u"", u"", kNoDay, false},
         Hex("00 22 d2 00"),
         true},
        {"a reported bit 0x01 is dropped when saved on",
         Scheduled(1, 0x23, 210),
         {true, u"3", u"30", {true, false, false, false, true, false, false}, false},
         Hex("01 22 d2 00"),
         true},
        {"the same schedule is no change",
         Scheduled(1, 0x22, 210),
         {true, u"03", u"30", {true, false, false, false, true, false, false}, false},
         Hex("01 22 d2 00"),
         false},
        {"off stays off",
         Scheduled(0, 0x22, 210),
         {false, u"x", u"", kNoDay, false},
         Hex("00 22 d2 00"),
         false},
    };
    for (const auto& c : cases) {
        const auto result = CollectRebootSchedule(c.record, c.input);
        ASSERT_TRUE(result.ok()) << c.what;
        EXPECT_EQ(BytesOfObject(result.output().schedule), c.block) << c.what;
        EXPECT_EQ(result.output().changed, c.changed) << c.what;
    }
}

TEST(RebootSchedule, RulesRunOnlyWhenOn) {
    const std::array<bool, 7> monday{true};
    const auto late =
        CollectRebootSchedule(Scheduled(0, 0, 0), {true, u"24", u"00", monday, false});
    ASSERT_FALSE(late.ok());
    EXPECT_EQ(late.failure().message, "The time is error!");
    const auto minute =
        CollectRebootSchedule(Scheduled(0, 0, 0), {true, u"1", u"60", monday, false});
    ASSERT_FALSE(minute.ok());
    EXPECT_EQ(minute.failure().message, "The time is error!");
    const auto no_day =
        CollectRebootSchedule(Scheduled(0, 0, 0), {true, u"1", u"0", kNoDay, false});
    ASSERT_FALSE(no_day.ok());
    EXPECT_EQ(no_day.failure().message, "Please selectting the day that you want to reboot!");
}

}  // namespace
}  // namespace brelvo::core
