// Requests that wait for their answer. Each keeps its own schedule: it goes out again one
// interval after its last send until its tries run out, so the repeats of one request are
// evenly spaced however many others are waiting.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::core {

class PendingRequests {
public:
    using Clock = std::chrono::steady_clock;
    using Ticket = uint64_t;

    struct Request {
        int remaining = 0;  // repeats still to send
        std::string address;
        uint16_t message = 0;
        std::vector<uint8_t> payload;
        std::string mac;
        Clock::time_point due{};
        Ticket ticket = 0;
    };

    // Sends one repeat; runs with the list's mutex held.
    using Resend = std::function<void(const Request&)>;

    // Registers a request; the ticket lets the sender withdraw it when no send went out. A new
    // request of a number to a device clears the record of an earlier one given up.
    Ticket Add(std::string_view address, uint16_t message, std::span<const uint8_t> payload,
               std::string_view mac, int tries, std::chrono::milliseconds interval);
    void Withdraw(Ticket ticket);

    // Removes the first request of this number to this device at this address; true when one
    // was waiting.
    bool Acknowledge(std::string_view address, std::string_view mac, uint16_t message);

    bool IsPending(std::string_view mac, uint16_t message) const;
    // True when the last request of this number to this device ran out of tries unanswered.
    bool WasGivenUp(std::string_view mac, uint16_t message) const;
    bool AnyPendingFor(std::string_view mac) const;
    std::size_t size() const;

    // Waits until no request to this device waits any more (answered or given up), or the time
    // is over; true when none waits.
    bool WaitUntilSettled(std::string_view mac, std::chrono::milliseconds timeout) const;

    // One pass at `now`: every request whose time has come is either dropped (no tries left)
    // or sent again and rescheduled.
    void RunDue(Clock::time_point now, std::chrono::milliseconds interval, const Resend& resend);

    // The retransmitter's life: passes at the due times until stopped.
    void RunRetransmitter(std::stop_token stop, std::chrono::milliseconds interval,
                          const Resend& resend);

private:
    void RunDueLocked(Clock::time_point now, std::chrono::milliseconds interval,
                      const Resend& resend);

    mutable std::mutex mutex_;
    mutable std::condition_variable_any changed_;
    std::vector<Request> requests_;
    Ticket next_ticket_ = 1;

    // Requests dropped without an answer, newest last; bounded, since a caller that wants to
    // know asks soon after the give-up.
    struct GivenUp {
        std::string mac;
        uint16_t message = 0;
    };
    static constexpr std::size_t kGivenUpKept = 4096;
    std::vector<GivenUp> given_up_;
};

}  // namespace brelvo::core
