// Named mutexes, seen by every process of the device through a lock file in run/.
#pragma once

#include "platform/types.h"

namespace platform {

// CreateMutexW with a name: ERROR_ALREADY_EXISTS when this or another process has the name open.
HANDLE CreateNamedMutex(BOOL initialOwner, LPCWSTR name);

}  // namespace platform
