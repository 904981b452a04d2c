// The end of windows whose thread ends: they go without messages, as on the device.
#pragma once

#include "platform/types.h"

namespace platform {

void ForgetWindowsOfThread(DWORD threadId);

}  // namespace platform
