#include "counting_store.h"

namespace brelvo::bench {

std::size_t CountingStore::distinct() const {
    std::lock_guard lock(mutex_);
    return stored_.size();
}

std::size_t CountingStore::saves() const {
    std::lock_guard lock(mutex_);
    return saves_;
}

std::optional<CountingStore::Clock::time_point> CountingStore::half_stored_at() const {
    std::lock_guard lock(mutex_);
    return half_stored_at_;
}

std::optional<CountingStore::Clock::time_point> CountingStore::all_stored_at() const {
    std::lock_guard lock(mutex_);
    return all_stored_at_;
}

bool CountingStore::SaveDevice(const core::ap_info_stu& record) {
    const bool saved = store_.SaveDevice(record);
    const auto now = Clock::now();
    if (saved) {
        std::lock_guard lock(mutex_);
        ++saves_;
        if (stored_.insert(core::RecordMac(record)).second) {
            if (stored_.size() == (expected_ + 1) / 2)
                half_stored_at_ = now;
            if (stored_.size() == expected_)
                all_stored_at_ = now;
        }
    }
    return saved;
}

}  // namespace brelvo::bench
