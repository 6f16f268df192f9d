#include "cli/interruption.h"

#include <csignal>

namespace brelvo::cli {

namespace {

// Written by the signal handler only: the one kind of state a handler may touch.
volatile std::sig_atomic_t g_interrupted = 0;

void NoteInterruption(int) {
    g_interrupted = 1;
}

}  // namespace

void InstallInterruptionHandlers() {
    std::signal(SIGINT, NoteInterruption);
    std::signal(SIGTERM, NoteInterruption);
}

bool Interrupted() {
    return g_interrupted != 0;
}

}  // namespace brelvo::cli
