// The whole simulated fleet in one thread: two listening sockets (searches on 9786, requests to
// the multicast group on 9787), one timer queue for delayed answers and heartbeats, and every
// answer sent from its device's own address through one socket.
#pragma once

#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <queue>
#include <random>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/packet_capture.h"
#include "core/platform/udp_socket.h"
#include "options.h"
#include "simulated_device.h"

namespace brelvo::devsim {

class Fleet {
public:
    explicit Fleet(Options options);

    // Opens the sockets (and the capture); false, after saying why, when it cannot.
    bool Open();
    // Runs until `keep_running` turns false.
    void Run(const volatile std::sig_atomic_t& keep_running);

private:
    struct Timer {
        Clock::time_point when;
        uint64_t order;
        std::function<void()> action;
        bool operator>(const Timer& other) const {
            return when != other.when ? when > other.when : order > other.order;
        }
    };

    void At(Clock::time_point when, std::function<void()> action);
    void RunDueTimers();
    void ReceiveFrom(const core::UdpSocket& socket, uint16_t port);
    void LogReceived(uint16_t port, const core::ReceivedFrom& from, std::span<const uint8_t> bytes);
    void TakeArpFrames();

    void OnSearch(std::span<const uint8_t> datagram, const std::string& sender);
    void OnRequest(std::span<const uint8_t> datagram, const std::string& sender);
    void Answer(std::size_t index, uint16_t message, std::vector<uint8_t> payload,
                const std::string& to, uint16_t port);
    void AnswerResult(std::size_t index, uint16_t message, const std::string& to);
    void SendSurvey(std::size_t index, const std::string& to);
    void ScheduleHeartbeat(std::size_t index, Clock::time_point when);
    void Send(std::size_t index, uint16_t message, std::span<const uint8_t> payload,
              const std::string& to, uint16_t port);
    void SendMalformed(const std::string& from, const std::string& to, uint16_t port);
    bool Lost();
    bool Silent(std::size_t index, Clock::time_point now) const;

    Options options_;
    std::vector<SimulatedDevice> devices_;
    std::unordered_map<std::string, std::size_t> by_mac_;
    core::UdpSocket search_socket_;
    core::UdpSocket request_socket_;
    std::unique_ptr<core::FrameCapture> capture_;
    std::ofstream log_;
    std::ofstream capture_log_;
    std::priority_queue<Timer, std::vector<Timer>, std::greater<Timer>> timers_;
    uint64_t timer_order_ = 0;
    std::mt19937 random_;
    Clock::time_point started_ = Clock::now();
};

}  // namespace brelvo::devsim
