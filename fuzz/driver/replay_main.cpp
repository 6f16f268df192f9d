// Stands in for libFuzzer where the compiler has none: runs every seed once, then a fixed number
// of mutations of them from a fixed random seed, so a run is short and repeats exactly. Takes
// the libFuzzer options it needs (-runs=, -seed=, -max_len=) and ignores the others, so ctest
// starts both kinds of binary the same way.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Input = std::vector<uint8_t>;

struct Options {
    unsigned long runs = 10000;
    unsigned long seed = 1;
    std::size_t max_length = 4096;
    std::vector<std::filesystem::path> inputs;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto value = [&](std::string_view prefix) {
            return std::strtoul(argv[i] + prefix.size(), nullptr, 10);
        };
        if (argument.starts_with("-runs=")) {
            options.runs = value("-runs=");
        } else if (argument.starts_with("-seed=")) {
            options.seed = value("-seed=");
        } else if (argument.starts_with("-max_len=")) {
            options.max_length = std::max<std::size_t>(1, value("-max_len="));
        } else if (!argument.starts_with("-")) {
            options.inputs.emplace_back(argument);
        }
    }
    return options;
}

Input ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<Input> LoadSeeds(const std::vector<std::filesystem::path>& inputs) {
    std::vector<std::filesystem::path> files;
    for (const auto& input : inputs) {
        std::error_code error;
        if (std::filesystem::is_directory(input, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(input, error)) {
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            }
        } else if (std::filesystem::is_regular_file(input, error)) {
            files.push_back(input);
        }
    }
    std::sort(files.begin(), files.end());  // the same order on every machine
    std::vector<Input> seeds;
    for (const auto& file : files)
        seeds.push_back(ReadFile(file));
    return seeds;
}

// The input being run, written out by the crash handler so the failure can be replayed.
const Input* g_current = nullptr;

void WriteCurrentInput(int signal_number) {
    if (g_current != nullptr) {
        constexpr char kName[] = "fuzz-crash-input";
        const int fd = open(kName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            (void)!write(fd, g_current->data(), g_current->size());
            close(fd);
            constexpr char kNote[] = "input written to ./fuzz-crash-input\n";
            (void)!write(STDERR_FILENO, kNote, sizeof(kNote) - 1);
        }
    }
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

class Mutator {
public:
    Mutator(unsigned long seed, std::size_t max_length, const std::vector<Input>& seeds)
        : random_(seed), max_length_(max_length), seeds_(seeds) {}

    Input Next() {
        Input input = seeds_.empty() ? Input{} : seeds_[Below(seeds_.size())];
        const std::size_t steps = 1 + Below(4);
        for (std::size_t i = 0; i < steps; ++i)
            MutateOnce(input);
        if (input.size() > max_length_)
            input.resize(max_length_);
        return input;
    }

private:
    std::size_t Below(std::size_t limit) {
        return limit == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, limit - 1)(random_);
    }
    uint8_t Byte() { return static_cast<uint8_t>(Below(256)); }

    void MutateOnce(Input& input) {
        // Bytes that mean something to the decoders: limits, separators, the packet magic.
        static constexpr std::array<uint8_t, 16> kInteresting{0x00, 0x01, 0x02, 0x1F, 0x20, 0x7F,
                                                              0x80, 0xFF, '\n', '\r', '[',  ']',
                                                              '=',  ',',  0x86, 0x19};
        static constexpr std::array<uint16_t, 8> kLengths{0, 1, 16, 33, 112, 1456, 1472, 0xFFFF};
        switch (Below(input.empty() ? 2 : 9)) {
            case 0:  // insert a few random bytes
            case 1: {
                const std::size_t at = Below(input.size() + 1);
                const std::size_t count = 1 + Below(8);
                for (std::size_t i = 0; i < count; ++i)
                    input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), Byte());
                break;
            }
            case 2:
                input[Below(input.size())] ^= static_cast<uint8_t>(1U << Below(8));
                break;
            case 3:
                input[Below(input.size())] = Byte();
                break;
            case 4:
                input[Below(input.size())] = kInteresting[Below(kInteresting.size())];
                break;
            case 5: {  // erase a range
                const std::size_t at = Below(input.size());
                const std::size_t count = 1 + Below(std::min<std::size_t>(input.size() - at, 64));
                input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                            input.begin() + static_cast<std::ptrdiff_t>(at + count));
                break;
            }
            case 6: {  // repeat a range
                const std::size_t at = Below(input.size());
                const std::size_t count = 1 + Below(std::min<std::size_t>(input.size() - at, 64));
                const Input copy(input.begin() + static_cast<std::ptrdiff_t>(at),
                                 input.begin() + static_cast<std::ptrdiff_t>(at + count));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(Below(input.size() + 1)),
                             copy.begin(), copy.end());
                break;
            }
            case 7: {  // a 16-bit length, little-endian
                if (input.size() < 2)
                    break;
                const std::size_t at = Below(input.size() - 1);
                const uint16_t value = kLengths[Below(kLengths.size())];
                input[at] = static_cast<uint8_t>(value & 0xFF);
                input[at + 1] = static_cast<uint8_t>(value >> 8);
                break;
            }
            default: {  // splice: this input's beginning, another seed's end
                if (seeds_.empty())
                    break;
                const Input& other = seeds_[Below(seeds_.size())];
                input.resize(Below(input.size() + 1));
                const std::size_t from = Below(other.size() + 1);
                input.insert(input.end(), other.begin() + static_cast<std::ptrdiff_t>(from),
                             other.end());
                break;
            }
        }
    }

    std::mt19937_64 random_;
    std::size_t max_length_;
    const std::vector<Input>& seeds_;
};

void Run(const Input& input) {
    g_current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_current = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    for (const int signal_number : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        signal(signal_number, WriteCurrentInput);

    const std::vector<Input> seeds = LoadSeeds(options.inputs);
    for (const Input& seed : seeds)
        Run(seed);
    Mutator mutator(options.seed, options.max_length, seeds);
    for (unsigned long i = 0; i < options.runs; ++i)
        Run(mutator.Next());
    std::printf("%zu seeds and %lu mutated inputs (seed %lu) ran without a fault\n", seeds.size(),
                options.runs, options.seed);
    return 0;
}
