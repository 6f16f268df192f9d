#include "core/engine/device_comm.h"
#include "core/store/sql_management.h"

namespace brelvo::core {

CDeviceComm& CDeviceComm::Instance() {
    // The store is made first (while the engine's arguments are evaluated), so it outlives the
    // engine at process exit: the engine's shut-down may still run its handlers' last writes.
    static CDeviceComm engine(CSqlManagement::GetInstance());
    return engine;
}

}  // namespace brelvo::core
