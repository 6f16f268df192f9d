#include "devsim_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/protocol/address_text.h"

extern char** environ;

namespace brelvo::test {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string Field(const std::string& line, const std::string& key) {
    const std::string marker = " " + key + "=";
    const auto start = line.find(marker);
    if (start == std::string::npos)
        return {};
    const auto begin = start + marker.size();
    return line.substr(begin, line.find(' ', begin) - begin);
}

int Number(const std::string& text, int otherwise = -1) {
    return text.empty() ? otherwise : std::atoi(text.c_str());
}

}  // namespace

std::vector<uint8_t> FromHex(std::string_view hex) {
    std::vector<uint8_t> bytes;
    for (std::size_t k = 0; k + 1 < hex.size(); k += 2)
        bytes.push_back(
            static_cast<uint8_t>(std::stoi(std::string(hex.substr(k, 2)), nullptr, 16)));
    return bytes;
}

std::optional<NetPair> NetPair::FromEnvironment() {
    NetPair pair;
    pair.devices_namespace = Env("BRELVO_NETNS_DEVICES");
    if (pair.devices_namespace.empty())
        return std::nullopt;
    pair.system_ip = Env("BRELVO_NET_SYSTEM_IP");
    pair.first_device_ip = Env("BRELVO_NET_FIRST_DEVICE_IP");
    pair.system_interface = Env("BRELVO_NET_SYSTEM_IF");
    pair.device_interface = Env("BRELVO_NET_DEVICE_IF");
    pair.system_mac = Env("BRELVO_NET_SYSTEM_MAC");
    pair.prefix = Number(Env("BRELVO_NET_PREFIX"), 24);
    return pair;
}

std::string NetPair::DeviceIp(int k) const {
    return core::IpBytesToText(
        core::IpNumberToBytes(core::IpTextToNumber(first_device_ip) + static_cast<uint32_t>(k)));
}

DevsimProcess::DevsimProcess(const NetPair& pair, std::vector<std::string> arguments) {
    char pattern[] = "/tmp/brelvo-devsim-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    std::vector<std::string> command{"ip",
                                     "netns",
                                     "exec",
                                     pair.devices_namespace,
                                     BRELVO_DEVSIM_PATH,
                                     "--first-ip",
                                     pair.first_device_ip,
                                     "--prefix",
                                     std::to_string(pair.prefix),
                                     "--log",
                                     (folder_ / "received.log").string(),
                                     "--interface",
                                     pair.device_interface,
                                     "--capture-arp",
                                     (folder_ / "arp.log").string(),
                                     "--ready-file",
                                     (folder_ / "ready").string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& part : command)
        argv.push_back(part.data());
    argv.push_back(nullptr);
    if (::posix_spawnp(&pid_, "ip", nullptr, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
        return;
    }
    ready_ = WaitUntil(
        [&] {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return true;  // ended early: not ready
            }
            return std::filesystem::exists(folder_ / "ready");
        },
        std::chrono::seconds(10));
    ready_ = ready_ && pid_ > 0;
}

DevsimProcess::~DevsimProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        const bool ended = WaitUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; },
                                     std::chrono::seconds(5));
        if (!ended) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::vector<LoggedDatagram> DevsimProcess::Received() const {
    std::vector<LoggedDatagram> datagrams;
    std::ifstream in(folder_ / "received.log");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("rx ", 0) != 0)
            continue;
        LoggedDatagram d;
        d.t_ms = std::atoll(Field(line, "t").c_str());
        d.port = Number(Field(line, "port"));
        const std::string from = Field(line, "from");
        d.from = from.substr(0, from.find(':'));
        d.to = Field(line, "to");
        d.message = Number(Field(line, "msg"));
        d.flag = Number(Field(line, "flag"), 0);
        d.mac = Field(line, "mac");
        d.length = Number(Field(line, "len"), 0);
        d.payload = FromHex(Field(line, "payload"));
        datagrams.push_back(std::move(d));
    }
    return datagrams;
}

std::vector<LoggedDatagram> DevsimProcess::Received(int message) const {
    std::vector<LoggedDatagram> matching;
    for (auto& d : Received()) {
        if (d.message == message)
            matching.push_back(std::move(d));
    }
    return matching;
}

std::vector<std::vector<uint8_t>> DevsimProcess::ArpFrames() const {
    std::vector<std::vector<uint8_t>> frames;
    std::ifstream in(folder_ / "arp.log");
    std::string word, hex;
    while (in >> word >> hex)
        frames.push_back(FromHex(hex));
    return frames;
}

bool DevsimProcess::WaitUntil(const std::function<bool()>& condition,
                              std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace brelvo::test
