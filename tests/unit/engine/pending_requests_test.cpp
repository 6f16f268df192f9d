#include "core/engine/pending_requests.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

namespace brelvo::core {
namespace {

using std::chrono::milliseconds;
using Clock = PendingRequests::Clock;

constexpr char kMac[] = "00:90:4c:00:00:01";

struct Sends {
    std::vector<uint16_t> messages;
    PendingRequests::Resend resend() {
        return [this](const PendingRequests::Request& r) { messages.push_back(r.message); };
    }
};

// Runs passes every `interval` from now on for `passes` intervals.
void RunPasses(PendingRequests& pending, Sends& sends, int passes, milliseconds interval) {
    const auto start = Clock::now();
    for (int pass = 1; pass <= passes; ++pass)
        pending.RunDue(start + pass * interval + milliseconds(1), interval, sends.resend());
}

TEST(PendingRequests, RepeatsAsOftenAsTheMaximumThenGivesUp) {
    struct Case {
        int tries;
        std::size_t repeats;
    };
    for (const Case c : {Case{3, 3}, Case{0, 0}, Case{1, 1}}) {
        PendingRequests pending;
        Sends sends;
        pending.Add("192.168.77.2", 9, {}, kMac, c.tries, milliseconds(100));
        RunPasses(pending, sends, c.tries + 1, milliseconds(100));
        EXPECT_EQ(sends.messages.size(), c.repeats) << c.tries;
        EXPECT_FALSE(pending.IsPending(kMac, 9)) << c.tries;
    }
}

TEST(PendingRequests, AGivenUpRequestIsToldFromAnAnsweredOne) {
    PendingRequests pending;
    Sends sends;
    pending.Add("192.168.77.2", 9, {}, kMac, 1, milliseconds(100));
    pending.Add("192.168.77.2", 10, {}, kMac, 1, milliseconds(100));
    EXPECT_TRUE(pending.Acknowledge("192.168.77.2", kMac, 10));
    RunPasses(pending, sends, 2, milliseconds(100));
    EXPECT_FALSE(pending.IsPending(kMac, 9));
    EXPECT_TRUE(pending.WasGivenUp(kMac, 9));
    EXPECT_FALSE(pending.WasGivenUp(kMac, 10));
    EXPECT_FALSE(pending.WasGivenUp("00:90:4c:00:00:02", 9));

    // Asking again starts afresh.
    pending.Add("192.168.77.2", 9, {}, kMac, 1, milliseconds(100));
    EXPECT_FALSE(pending.WasGivenUp(kMac, 9));
    EXPECT_TRUE(pending.IsPending(kMac, 9));
}

TEST(PendingRequests, AWithdrawnRequestIsNeitherWaitedForNorGivenUp) {
    PendingRequests pending;
    const auto first = pending.Add("192.168.77.2", 4, {}, kMac, 3, milliseconds(100));
    pending.Add("192.168.77.2", 5, {}, kMac, 3, milliseconds(100));
    pending.Withdraw(first);
    EXPECT_FALSE(pending.IsPending(kMac, 4));
    EXPECT_FALSE(pending.WasGivenUp(kMac, 4));
    EXPECT_TRUE(pending.IsPending(kMac, 5));
}

TEST(PendingRequests, NothingIsRepeatedBeforeItsTime) {
    PendingRequests pending;
    Sends sends;
    pending.Add("192.168.77.2", 9, {}, kMac, 3, milliseconds(10000));
    pending.RunDue(Clock::now(), milliseconds(10000), sends.resend());
    EXPECT_TRUE(sends.messages.empty());
    EXPECT_TRUE(pending.IsPending(kMac, 9));
}

TEST(PendingRequests, AnswerRemovesOnlyTheFirstMatchOfAddressMacAndNumber) {
    PendingRequests pending;
    const std::vector<uint8_t> payload{1, 2, 3};
    pending.Add("192.168.77.2", 4, payload, kMac, 3, milliseconds(100));
    pending.Add("192.168.77.2", 4, payload, kMac, 3, milliseconds(100));
    pending.Add("192.168.77.2", 5, payload, kMac, 3, milliseconds(100));

    EXPECT_FALSE(pending.Acknowledge("192.168.77.9", kMac, 4));  // other address
    EXPECT_FALSE(pending.Acknowledge("192.168.77.2", "00:90:4c:00:00:02", 4));
    EXPECT_FALSE(pending.Acknowledge("192.168.77.2", kMac, 6));
    EXPECT_TRUE(pending.Acknowledge("192.168.77.2", kMac, 4));
    EXPECT_EQ(pending.size(), 2u);
    EXPECT_TRUE(pending.IsPending(kMac, 4));
    EXPECT_TRUE(pending.Acknowledge("192.168.77.2", kMac, 4));
    EXPECT_FALSE(pending.IsPending(kMac, 4));
    EXPECT_TRUE(pending.AnyPendingFor(kMac));
}

TEST(PendingRequests, WaitUntilSettledReturnsWhenTheLastRequestIsAnswered) {
    PendingRequests pending;
    pending.Add("192.168.77.2", 9, {}, kMac, 3, milliseconds(100000));
    EXPECT_FALSE(pending.WaitUntilSettled(kMac, milliseconds(10)));
    std::jthread answer([&] {
        std::this_thread::sleep_for(milliseconds(20));
        pending.Acknowledge("192.168.77.2", kMac, 9);
    });
    EXPECT_TRUE(pending.WaitUntilSettled(kMac, milliseconds(5000)));
}

TEST(PendingRequests, RetransmitterThreadRepeatsAndStopsOnRequest) {
    PendingRequests pending;
    std::mutex mutex;
    std::vector<uint16_t> sent;
    std::jthread retransmitter([&](std::stop_token stop) {
        pending.RunRetransmitter(stop, milliseconds(5), [&](const PendingRequests::Request& r) {
            std::lock_guard lock(mutex);
            sent.push_back(r.message);
        });
    });
    pending.Add("192.168.77.2", 3, {}, kMac, 2, milliseconds(5));
    EXPECT_TRUE(pending.WaitUntilSettled(kMac, milliseconds(5000)));
    retransmitter.request_stop();
    retransmitter.join();
    EXPECT_EQ(sent, (std::vector<uint16_t>{3, 3}));
}

}  // namespace
}  // namespace brelvo::core
