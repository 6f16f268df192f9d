#include "core/rules/timelines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvo::core {
namespace {

// What a countdown asked for, stamped with the time since it started: the n-th tick fires
// n periods after the start.
struct Event {
    long long at_ms;
    std::string what;

    bool operator==(const Event&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Event& event) {
    return out << event.what << "@" << event.at_ms;
}

std::vector<Event> RunToEnd(SearchCountdown countdown, long long period_ms) {
    std::vector<Event> events;
    for (int tick = 1; tick <= 1000; ++tick) {
        const CountdownStep step = countdown.Tick();
        const long long at = tick * period_ms;
        if (step.leave_notice)
            events.push_back({at, "leave"});
        if (step.search)
            events.push_back({at, "search"});
        if (step.finished) {
            events.push_back({at, "close"});
            break;
        }
    }
    return events;
}

TEST(Timelines, WaitPopup) {
    struct Case {
        WaitPopupSettings settings;
        std::vector<Event> events;
    };
    const Case cases[] = {
        {{60, true, 3},
         {{53500, "leave"},
          {53500, "search"},
          {56500, "search"},
          {59500, "search"},
          {59500, "close"}}},
        {{15, true, 3},
         {{8500, "leave"},
          {8500, "search"},
          {11500, "search"},
          {14500, "search"},
          {14500, "close"}}},
        {{60, false, 3}, {{59500, "close"}}},
        {{60, true, 5},
         {{47500, "leave"},
          {47500, "search"},
          {50500, "search"},
          {53500, "search"},
          {56500, "search"},
          {59500, "search"},
          {59500, "close"}}},
        {{60, true, 0}, {{59500, "close"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunToEnd(WaitCountdown(c.settings), 500), c.events)
            << c.settings.seconds << " s, search " << c.settings.search << ", "
            << c.settings.searches;
    }
}

TEST(Timelines, WaitPopupTicksAndPositions) {
    SearchCountdown countdown = WaitCountdown({60, true, 3});
    EXPECT_EQ(countdown.total(), 120);
    EXPECT_EQ(countdown.counter(), 1);
    // The counter starts at 1, so the first tick shows position 2.
    EXPECT_EQ(countdown.Tick(), (CountdownStep{false, false, 2, false}));
    for (int tick = 3; tick < 108; ++tick)
        countdown.Tick();
    EXPECT_EQ(countdown.Tick(), (CountdownStep{true, true, 108, false}));
    EXPECT_EQ(countdown.searches_left(), 2);
    for (int tick = 109; tick < 114; ++tick)
        EXPECT_FALSE(countdown.Tick().search);
    EXPECT_EQ(countdown.Tick(), (CountdownStep{false, true, 114, false}));
    for (int tick = 115; tick < 120; ++tick)
        countdown.Tick();
    EXPECT_EQ(countdown.Tick(), (CountdownStep{false, true, 120, true}));
    // A late timer message after the end asks for nothing more.
    EXPECT_EQ(countdown.Tick(), (CountdownStep{false, false, 120, true}));
}

TEST(Timelines, TooManySearchesKeepTheLastOnes) {
    // 15 s has room for five searches three seconds apart after the first tick; a sixth would
    // fall before it, and without the cut no search at all would be made.
    EXPECT_EQ(RunToEnd(WaitCountdown({15, true, 9}), 500), (std::vector<Event>{{2500, "leave"},
                                                                               {2500, "search"},
                                                                               {5500, "search"},
                                                                               {8500, "search"},
                                                                               {11500, "search"},
                                                                               {14500, "search"},
                                                                               {14500, "close"}}));
    EXPECT_EQ(RunToEnd(WaitCountdown({1, true, 3}), 500),
              (std::vector<Event>{{500, "leave"}, {500, "search"}, {500, "close"}}));
}

TEST(Timelines, SetIpProgress) {
    SearchCountdown countdown = SetIpCountdown();
    EXPECT_EQ(countdown.total(), 30);
    std::vector<int> searches;
    std::vector<int> leaves;
    std::vector<int> positions;
    for (int tick = 2; tick <= 30; ++tick) {
        const CountdownStep step = countdown.Tick();
        positions.push_back(step.position);
        if (step.search)
            searches.push_back(tick);
        if (step.leave_notice)
            leaves.push_back(tick);
        EXPECT_EQ(step.finished, tick == 30);
    }
    EXPECT_EQ(searches, (std::vector<int>{18, 24, 30}));
    EXPECT_EQ(leaves, (std::vector<int>{18}));
    EXPECT_EQ(positions.front(), 2);
    EXPECT_EQ(positions.back(), 30);
    EXPECT_EQ(RunToEnd(SetIpCountdown(), 500).back(), (Event{14500, "close"}));
}

TEST(Timelines, InstallPhase) {
    SearchCountdown countdown = InstallCountdown();
    std::vector<int> searches;
    for (int tick = 1; tick <= 130; ++tick) {
        const CountdownStep step = countdown.Tick();
        EXPECT_EQ(step.position, tick);
        EXPECT_FALSE(step.leave_notice);
        EXPECT_EQ(step.finished, tick == 130);
        if (step.search)
            searches.push_back(tick);
    }
    EXPECT_EQ(searches, (std::vector<int>{124, 127, 130}));
}

TEST(Timelines, StatusPageSearch) {
    StatusSearchTimeline timeline;
    std::vector<int> refreshes;
    int ended_at = 0;
    for (int second = 1; second <= 40 && ended_at == 0; ++second) {
        const StatusSearchStep step = timeline.Tick();
        if (step.search_and_refresh)
            refreshes.push_back(second);
        if (step.finished)
            ended_at = second;
    }
    EXPECT_EQ(refreshes, (std::vector<int>{3, 6, 9, 12, 15, 18, 21, 24, 27}));
    EXPECT_EQ(ended_at, 30);
}

}  // namespace
}  // namespace brelvo::core
