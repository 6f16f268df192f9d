#include "core/rules/timelines.h"

#include <algorithm>

namespace brelvo::core {

namespace {

// The most searches whose first tick still comes after the counter's start value; a first
// search tick the counter has passed already would never match, and then none would be made.
int SearchesThatFit(int total, int searches, int spacing, int start_counter) {
    if (searches <= 0 || spacing <= 0 || total <= start_counter)
        return 0;
    return std::min(searches, (total - start_counter - 1) / spacing + 1);
}

}  // namespace

SearchCountdown::SearchCountdown(int total, int searches, int spacing, int start_counter,
                                 bool leave_notice_first)
    : total_(total),
      spacing_(spacing),
      counter_(start_counter),
      asked_(SearchesThatFit(total, searches, spacing, start_counter)),
      left_(asked_),
      leave_notice_first_(leave_notice_first) {}

CountdownStep SearchCountdown::Tick() {
    CountdownStep step;
    if (finished_) {
        step.position = total_;
        step.finished = true;
        return step;
    }
    ++counter_;
    if (left_ > 0 && counter_ == total_ - spacing_ * left_ + spacing_) {
        step.leave_notice = leave_notice_first_ && left_ == asked_;
        --left_;
        step.search = true;
    }
    if (counter_ < total_) {
        step.position = counter_;
    } else {
        step.position = total_;
        step.finished = true;
        finished_ = true;
    }
    return step;
}

SearchCountdown WaitCountdown(const WaitPopupSettings& settings) {
    return SearchCountdown(2 * settings.seconds, settings.search ? settings.searches : 0, 6, 1,
                           true);
}

SearchCountdown SetIpCountdown() {
    return SearchCountdown(30, 3, 6, 1, true);
}

SearchCountdown InstallCountdown() {
    return SearchCountdown(130, 3, 3, 0, false);
}

StatusSearchStep StatusSearchTimeline::Tick() {
    StatusSearchStep step;
    ++tick_;
    if (tick_ >= kLength)
        step.finished = true;
    else
        step.search_and_refresh = tick_ % kSearchEvery == 0;
    return step;
}

}  // namespace brelvo::core
