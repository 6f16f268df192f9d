// Ctrl-C and SIGTERM end a run early but orderly, so that the engine still says goodbye to the
// devices and the scratch database is removed.
#pragma once

namespace brelvo::cli {

void InstallInterruptionHandlers();
bool Interrupted();

}  // namespace brelvo::cli
