#include "options.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace brelvo::devsim {

namespace {

constexpr const char* kUsage = R"(usage: brelvo-devsim [options]
Plays a fleet of devices from the device side, on the ports the system talks to.
  --count N                 devices (1)
  --first-ip A.B.C.D        address of the first device; the others follow (192.168.77.2)
  --prefix N                subnet prefix length the devices report (24)
  --gateway A.B.C.D         gateway the devices report (first address of the subnet)
  --models 1,14,272         model codes, used in turn
  --names a,b,...           names of the first devices (others: Sim-0001, ...)
  --mac-base MAC            MAC of the first device; the others count up
  --loss R                  drop this share (0..1) of what is sent and received
  --delay-ms N              wait before every answer
  --heartbeat-ms N          heartbeat period, 0 for none (3000)
  --reboot-silence-ms N     silent time after a reboot or factory reset (5000)
  --silent-after-ms N       every device falls silent this long after start
  --survey-per-packet N     survey entries per answer packet, 1..32 (32)
  --mute 2,9                never answer these requests
  --result 7=1,9=2          result byte of these answers (0 otherwise)
  --upgrade-notice N        after answering 11, send message 12 with this result
  --no-report N             the first N devices never send their report
  --duplicate-ip            the second device claims the first device's address
  --malformed               send broken datagrams before every answer
  --log FILE                log every datagram received (one line each)
  --interface IF --capture-arp FILE   log every ARP frame seen on IF
  --ready-file FILE         created once the simulator listens
  --seed N                  seed of the loss draw
)";

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start)
            parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool ParseNumbers(std::string_view text, std::vector<uint16_t>& out) {
    out.clear();
    for (const auto& part : Split(text, ',')) {
        uint16_t value = 0;
        if (!ParseNumber(part, value))
            return false;
        out.push_back(value);
    }
    return !out.empty();
}

}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    auto fail = [](const std::string& why) {
        std::fprintf(stderr, "brelvo-devsim: %s\n%s", why.c_str(), kUsage);
        return std::nullopt;
    };
    for (int k = 1; k < argc; ++k) {
        const std::string_view flag = argv[k];
        if (flag == "--help" || flag == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (flag == "--duplicate-ip") {
            options.duplicate_ip = true;
            continue;
        }
        if (flag == "--malformed") {
            options.malformed = true;
            continue;
        }
        if (flag.rfind("--", 0) != 0)
            return fail("unknown argument " + std::string(flag));
        if (k + 1 >= argc)
            return fail("missing value after " + std::string(flag));
        const std::string_view value = argv[++k];
        bool ok = true;
        if (flag == "--count") {
            ok = ParseNumber(value, options.count) && options.count >= 1;
        } else if (flag == "--first-ip") {
            options.first_ip = value;
        } else if (flag == "--prefix") {
            ok = ParseNumber(value, options.prefix) && options.prefix >= 1 && options.prefix <= 30;
        } else if (flag == "--gateway") {
            options.gateway = value;
        } else if (flag == "--models") {
            ok = ParseNumbers(value, options.models);
        } else if (flag == "--names") {
            options.names = Split(value, ',');
        } else if (flag == "--mac-base") {
            options.mac_base = value;
        } else if (flag == "--loss") {
            char* end = nullptr;
            const std::string copy(value);
            options.loss = std::strtod(copy.c_str(), &end);
            ok = end != copy.c_str() && *end == '\0' && options.loss >= 0 && options.loss <= 1;
        } else if (flag == "--delay-ms") {
            ok = ParseNumber(value, options.delay_ms);
        } else if (flag == "--heartbeat-ms") {
            ok = ParseNumber(value, options.heartbeat_ms);
        } else if (flag == "--reboot-silence-ms") {
            ok = ParseNumber(value, options.reboot_silence_ms);
        } else if (flag == "--silent-after-ms") {
            ok = ParseNumber(value, options.silent_after_ms);
        } else if (flag == "--survey-per-packet") {
            ok = ParseNumber(value, options.survey_entries_per_packet) &&
                 options.survey_entries_per_packet >= 1 && options.survey_entries_per_packet <= 32;
        } else if (flag == "--mute") {
            std::vector<uint16_t> muted;
            ok = ParseNumbers(value, muted);
            options.mute.insert(muted.begin(), muted.end());
        } else if (flag == "--result") {
            for (const auto& pair : Split(value, ',')) {
                const auto parts = Split(pair, '=');
                uint16_t message = 0;
                uint8_t result = 0;
                ok = ok && parts.size() == 2 && ParseNumber(parts[0], message) &&
                     ParseNumber(parts[1], result);
                options.result[message] = result;
            }
        } else if (flag == "--upgrade-notice") {
            uint8_t notice = 0;
            ok = ParseNumber(value, notice);
            options.upgrade_notice = notice;
        } else if (flag == "--no-report") {
            ok = ParseNumber(value, options.no_report);
        } else if (flag == "--log") {
            options.log_path = value;
        } else if (flag == "--capture-arp") {
            options.capture_path = value;
        } else if (flag == "--interface") {
            options.interface = value;
        } else if (flag == "--ready-file") {
            options.ready_path = value;
        } else if (flag == "--seed") {
            ok = ParseNumber(value, options.seed);
        } else {
            return fail("unknown option " + std::string(flag));
        }
        if (!ok)
            return fail("bad value for " + std::string(flag) + ": " + std::string(value));
    }
    if (!options.capture_path.empty() && options.interface.empty())
        return fail("--capture-arp needs --interface");
    return options;
}

}  // namespace brelvo::devsim
