// One packet of a site-survey answer: its entry count comes from the device.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/protocol/packet.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const core::SurveyPacket packet = core::ReadSurveyPacket(std::span<const uint8_t>(data, size));
    FUZZ_CHECK(packet.entries.size() == packet.icount, "one entry per counted entry");
    if (size < 3) {
        FUZZ_CHECK(packet.icount == 0, "no entries without the three header bytes");
        return 0;
    }
    FUZZ_CHECK(packet.packet_count == data[0] && packet.packet_id == data[1],
               "header bytes 0 and 1");
    FUZZ_CHECK(packet.icount <= data[2], "never more entries than announced");
    FUZZ_CHECK(packet.icount <= core::kSurveyMaxEntries, "at most 32 entries");
    FUZZ_CHECK(3 + std::size_t{packet.icount} * 44 <= size, "every entry lies inside the payload");
    FUZZ_CHECK(packet.icount == data[2] || packet.icount == core::kSurveyMaxEntries ||
                   3 + (std::size_t{packet.icount} + 1) * 44 > size,
               "an entry is dropped only when it does not fit");
    for (std::size_t i = 0; i < packet.entries.size(); ++i)
        FUZZ_CHECK(std::memcmp(&packet.entries[i], data + 3 + i * 44, 44) == 0, "entries as sent");
    (void)packet.completes_survey();
    return 0;
}
