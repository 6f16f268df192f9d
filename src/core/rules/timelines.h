// The fixed timelines of the windows that wait for devices: the wait pop-up, the Set IP
// progress, the installation phase of an upgrade and the status page's search. Each is driven
// by one call per timer tick, so the windows keep only a timer and tests need no clock.
#pragma once

#include <chrono>

namespace brelvo::core {

// What one tick of a countdown asks for, in this order: the leave notice to the devices still
// only found, a search, the new position of the progress bar, the end.
struct CountdownStep {
    bool leave_notice = false;
    bool search = false;
    int position = 0;
    bool finished = false;

    bool operator==(const CountdownStep&) const = default;
};

// A progress bar that runs to `total` ticks and searches again on its last ticks: the searches
// fall `spacing` ticks apart, the last on the closing tick, so that the lists show the devices
// in their new state when the bar closes. A search falls on the tick whose counter equals
// total - spacing x left + spacing, `left` being the searches not yet made.
class SearchCountdown {
public:
    // `start_counter` is the counter before the first tick. More searches than fit between the
    // first tick and the end are cut to those that fit, the later ones kept.
    SearchCountdown(int total, int searches, int spacing, int start_counter,
                    bool leave_notice_first);

    CountdownStep Tick();

    int total() const { return total_; }
    int counter() const { return counter_; }
    int searches_left() const { return left_; }
    bool finished() const { return finished_; }

private:
    int total_;
    int spacing_;
    int counter_;
    int asked_;
    int left_;
    bool leave_notice_first_;
    bool finished_ = false;
};

// The wait pop-up: a tick every 500 ms, twice the seconds in all; with searching on, the first
// search comes with the leave notice. It closes (2 x seconds - 1) x 0.5 s after it opened.
struct WaitPopupSettings {
    int seconds = 60;
    bool search = false;
    int searches = 3;

    bool operator==(const WaitPopupSettings&) const = default;
};
constexpr std::chrono::milliseconds kWaitTickPeriod{500};
SearchCountdown WaitCountdown(const WaitPopupSettings& settings);

// The Set IP pop-up's progress after Save: 30 ticks of 500 ms, searches at ticks 18, 24 and 30
// (the first with the leave notice), closing about 14.5 s after Save.
constexpr std::chrono::milliseconds kSetIpTickPeriod{500};
SearchCountdown SetIpCountdown();

// The installation phase of an upgrade: 130 ticks of one second, searches at 124, 127 and 130.
constexpr std::chrono::milliseconds kInstallTickPeriod{1000};
SearchCountdown InstallCountdown();

// The status page's search: a tick every second; every third tick up to 27 searches again and
// refreshes the first page of the list; the 30th ends the search.
struct StatusSearchStep {
    bool search_and_refresh = false;
    bool finished = false;

    bool operator==(const StatusSearchStep&) const = default;
};

class StatusSearchTimeline {
public:
    static constexpr std::chrono::milliseconds kTickPeriod{1000};
    static constexpr int kLength = 30;
    static constexpr int kSearchEvery = 3;

    StatusSearchStep Tick();
    int tick() const { return tick_; }

private:
    int tick_ = 0;
};

}  // namespace brelvo::core
