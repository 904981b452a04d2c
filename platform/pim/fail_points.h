// Calls that tests can make fail (platform/testing_pim.h): each chosen member asks here first.
#pragma once

#include "platform/types.h"

namespace platform::pim {

// S_OK, or the failure a test asked this member to give on this call.
HRESULT InjectedFailure(const char* member);

}  // namespace platform::pim
