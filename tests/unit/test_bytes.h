// Helpers for writing byte fixtures by hand in tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::test {

// "86 19 00 00" -> {0x86, 0x19, 0x00, 0x00}; blanks and line breaks are ignored.
inline std::vector<uint8_t> Hex(std::string_view text) {
    std::vector<uint8_t> bytes;
    int high = -1;
    for (const char c : text) {
        int nibble = -1;
        if (c >= '0' && c <= '9')
            nibble = c - '0';
        if (c >= 'a' && c <= 'f')
            nibble = c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            nibble = c - 'A' + 10;
        if (nibble < 0)
            continue;
        if (high < 0) {
            high = nibble;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + nibble));
            high = -1;
        }
    }
    return bytes;
}

template <typename T>
std::vector<uint8_t> BytesOfObject(const T& value) {
    std::vector<uint8_t> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

inline std::vector<uint8_t> Ascii(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace brelvo::test
