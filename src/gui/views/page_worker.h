// One background worker of a page: at most one runs per kind of action. Starting a new one asks
// the previous one to stop and waits for it (a worker only sends a few datagrams, so the wait is
// short); destroying the page does the same.
#pragma once

#include <stop_token>
#include <thread>
#include <utility>

namespace brelvo::gui {

class PageWorker {
public:
    PageWorker() = default;
    PageWorker(const PageWorker&) = delete;
    PageWorker& operator=(const PageWorker&) = delete;
    ~PageWorker() { Stop(); }

    // `work` is called with a stop token on a new thread. It must own everything it reads: the
    // page may change its own values while the worker sends.
    template <typename Work>
    void Restart(Work&& work) {
        Stop();
        thread_ = std::jthread(std::forward<Work>(work));
    }

    void Stop() {
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
    }

    // Waits until the worker has finished by itself.
    void Join() {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::jthread thread_;
};

}  // namespace brelvo::gui
