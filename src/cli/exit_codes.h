// What brelvo-cli's exit status tells a script.
#pragma once

namespace brelvo::cli {

enum ExitCode : int {
    kExitSuccess = 0,
    // The sockets could not be opened (another program holds the ports, or no permission).
    kExitEnvironment = 1,
    kExitBadInput = 2,  // bad usage, or input that a rule rejects; nothing was sent
    kExitNotFound = 3,  // a named device was not found; nothing was sent
    kExitNoAnswer = 4,  // a device did not answer (or could not be reached)
    kExitRefused = 5,   // a device answered that it did not carry the request out
    kExitInterrupted = 130,
};

}  // namespace brelvo::cli
