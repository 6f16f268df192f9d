#include "core/engine/pending_requests.h"

#include <algorithm>

namespace brelvo::core {

PendingRequests::Ticket PendingRequests::Add(std::string_view address, uint16_t message,
                                             std::span<const uint8_t> payload, std::string_view mac,
                                             int tries, std::chrono::milliseconds interval) {
    Request request;
    request.remaining = tries;
    request.address = std::string(address);
    request.message = message;
    request.payload.assign(payload.begin(), payload.end());
    request.mac = std::string(mac);
    request.due = Clock::now() + interval;
    Ticket ticket = 0;
    {
        std::lock_guard lock(mutex_);
        ticket = request.ticket = next_ticket_++;
        std::erase_if(given_up_,
                      [&](const GivenUp& g) { return g.mac == mac && g.message == message; });
        requests_.push_back(std::move(request));
    }
    changed_.notify_all();
    return ticket;
}

void PendingRequests::Withdraw(Ticket ticket) {
    {
        std::lock_guard lock(mutex_);
        std::erase_if(requests_, [&](const Request& r) { return r.ticket == ticket; });
    }
    changed_.notify_all();
}

bool PendingRequests::Acknowledge(std::string_view address, std::string_view mac,
                                  uint16_t message) {
    bool removed = false;
    {
        std::lock_guard lock(mutex_);
        auto it = std::find_if(requests_.begin(), requests_.end(), [&](const Request& r) {
            return r.address == address && r.mac == mac && r.message == message;
        });
        if (it != requests_.end()) {
            requests_.erase(it);
            removed = true;
        }
    }
    if (removed)
        changed_.notify_all();
    return removed;
}

bool PendingRequests::IsPending(std::string_view mac, uint16_t message) const {
    std::lock_guard lock(mutex_);
    return std::any_of(requests_.begin(), requests_.end(),
                       [&](const Request& r) { return r.mac == mac && r.message == message; });
}

bool PendingRequests::WasGivenUp(std::string_view mac, uint16_t message) const {
    std::lock_guard lock(mutex_);
    return std::any_of(given_up_.begin(), given_up_.end(),
                       [&](const GivenUp& g) { return g.mac == mac && g.message == message; });
}

bool PendingRequests::AnyPendingFor(std::string_view mac) const {
    std::lock_guard lock(mutex_);
    return std::any_of(requests_.begin(), requests_.end(),
                       [&](const Request& r) { return r.mac == mac; });
}

std::size_t PendingRequests::size() const {
    std::lock_guard lock(mutex_);
    return requests_.size();
}

bool PendingRequests::WaitUntilSettled(std::string_view mac,
                                       std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] {
        return std::none_of(requests_.begin(), requests_.end(),
                            [&](const Request& r) { return r.mac == mac; });
    });
}

void PendingRequests::RunDue(Clock::time_point now, std::chrono::milliseconds interval,
                             const Resend& resend) {
    {
        std::lock_guard lock(mutex_);
        RunDueLocked(now, interval, resend);
    }
    changed_.notify_all();
}

void PendingRequests::RunDueLocked(Clock::time_point now, std::chrono::milliseconds interval,
                                   const Resend& resend) {
    std::erase_if(requests_, [&](Request& request) {
        if (request.due > now)
            return false;
        if (request.remaining < 1) {
            if (given_up_.size() >= kGivenUpKept)
                given_up_.erase(given_up_.begin());
            given_up_.push_back({request.mac, request.message});
            return true;
        }
        --request.remaining;
        resend(request);
        request.due = now + interval;
        return false;
    });
}

void PendingRequests::RunRetransmitter(std::stop_token stop, std::chrono::milliseconds interval,
                                       const Resend& resend) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        if (requests_.empty()) {
            changed_.wait(lock, stop, [this] { return !requests_.empty(); });
            continue;
        }
        const auto next =
            std::min_element(requests_.begin(), requests_.end(),
                             [](const Request& a, const Request& b) { return a.due < b.due; })
                ->due;
        // Requests added meanwhile fall due after this one (same interval, later start), so
        // waiting for the earliest is enough.
        if (changed_.wait_until(lock, stop, next, [&] { return Clock::now() >= next; })) {
            RunDueLocked(Clock::now(), interval, resend);
            lock.unlock();
            changed_.notify_all();
            lock.lock();
        }
    }
}

}  // namespace brelvo::core
