// The queue between one receiver and its worker: the receiver appends, the worker takes all.
#pragma once

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <vector>

#include "core/engine/received_datagram.h"

namespace brelvo::core {

class ReceiveQueue {
public:
    void Push(ReceivedDatagram datagram) {
        {
            std::lock_guard lock(mutex_);
            datagrams_.push_back(std::move(datagram));
        }
        ready_.notify_one();
    }

    // Waits until something is queued or a stop is asked for; then takes the whole queue (empty
    // on a stop).
    std::vector<ReceivedDatagram> WaitAndTakeAll(std::stop_token stop) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, stop, [this] { return !datagrams_.empty(); });
        if (stop.stop_requested())
            return {};
        std::vector<ReceivedDatagram> taken;
        taken.swap(datagrams_);
        return taken;
    }

private:
    std::mutex mutex_;
    std::condition_variable_any ready_;
    std::vector<ReceivedDatagram> datagrams_;
};

}  // namespace brelvo::core
