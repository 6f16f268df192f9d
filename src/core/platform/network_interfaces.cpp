#include "core/platform/network_interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace brelvo::core {

namespace {

std::string AddressText(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    ::inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text);
    return text;
}

std::string FirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// "eth0 (virtio_net)" style: the adapter page shows it, nothing decides on it.
std::string DescribeInterface(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path device = fs::path("/sys/class/net") / name / "device";
    std::error_code error;
    std::string driver;
    const fs::path driver_link = fs::read_symlink(device / "driver", error);
    if (!error)
        driver = driver_link.filename().string();
    std::string details = driver;
    const std::string model = FirstLine(device / "model");
    if (!model.empty())
        details += details.empty() ? model : " " + model;
    if (details.empty())
        return name;
    return name + " (" + details + ")";
}

struct IfaddrsDeleter {
    void operator()(ifaddrs* list) const { ::freeifaddrs(list); }
};

}  // namespace

std::vector<NetworkInterface> ListIpv4Interfaces() {
    ifaddrs* raw = nullptr;
    if (::getifaddrs(&raw) != 0)
        return {};
    const std::unique_ptr<ifaddrs, IfaddrsDeleter> list(raw);

    std::vector<NetworkInterface> interfaces;
    auto find = [&](const char* name) {
        return std::find_if(interfaces.begin(), interfaces.end(),
                            [&](const NetworkInterface& i) { return i.name == name; });
    };
    const unsigned wanted = IFF_UP | IFF_RUNNING;
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_name == nullptr || entry->ifa_addr == nullptr)
            continue;
        if ((entry->ifa_flags & wanted) != wanted || (entry->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        auto it = find(entry->ifa_name);
        if (it == interfaces.end()) {
            interfaces.push_back(NetworkInterface{entry->ifa_name, {}, {}, {}});
            it = interfaces.end() - 1;
        }
        if (entry->ifa_addr->sa_family == AF_PACKET) {
            const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
            if (link->sll_halen == 6)
                std::memcpy(it->mac.data(), link->sll_addr, 6);
        } else if (entry->ifa_addr->sa_family == AF_INET) {
            it->addresses.push_back(
                {AddressText(entry->ifa_addr), AddressText(entry->ifa_netmask)});
        }
    }
    std::erase_if(interfaces, [](const NetworkInterface& i) { return i.addresses.empty(); });
    for (auto& i : interfaces)
        i.description = DescribeInterface(i.name);
    return interfaces;
}

}  // namespace brelvo::core
