// The device's OEM text as SystemParametersInfoW gives it.
#pragma once

#include "platform/types.h"

namespace platform {

// Copies the profile's OEM text with its terminator into out (outBytes bytes); FALSE with
// ERROR_INSUFFICIENT_BUFFER when it does not fit, ERROR_INVALID_PARAMETER without a buffer.
BOOL CopyOemInfo(UINT outBytes, PVOID out);

}  // namespace platform
