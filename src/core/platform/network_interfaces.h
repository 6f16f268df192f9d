// The machine's IPv4 network interfaces as the adapter list needs them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brelvo::core {

struct InterfaceAddress {
    std::string address;  // dotted text
    std::string mask;     // dotted text
};

struct NetworkInterface {
    std::string name;         // e.g. "eth0"; capture devices carry the same name
    std::string description;  // the name, plus driver and model where the system tells them
    std::array<uint8_t, 6> mac{};
    std::vector<InterfaceAddress> addresses;
};

// Every interface that is up and running, is not loopback and has at least one IPv4 address,
// in the order the system lists them; addresses in the system's order too.
std::vector<NetworkInterface> ListIpv4Interfaces();

}  // namespace brelvo::core
