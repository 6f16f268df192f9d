// brelvo-devsim: a fleet of simulated devices for tests, benchmarks and the demo. It speaks the
// real protocol over real sockets, so run it only inside a network namespace made for the run
// (tests/net/netns_pair.sh).
#include <csignal>
#include <cstdio>

#include "fleet.h"
#include "options.h"

namespace {

// Set by the signal handler only; the one way a signal may talk to the loop.
volatile std::sig_atomic_t g_running = 1;

void StopRunning(int) {
    g_running = 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = brelvo::devsim::ParseOptions(argc, argv);
    if (!options)
        return 2;
    std::signal(SIGTERM, StopRunning);
    std::signal(SIGINT, StopRunning);
    brelvo::devsim::Fleet fleet(*options);
    if (!fleet.Open())
        return 1;
    fleet.Run(g_running);
    return 0;
}
