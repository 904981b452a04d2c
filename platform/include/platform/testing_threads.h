// The test API of threads: thread creation failing on demand, as on a device out of memory.
#pragma once

namespace platform::testing {

// The next `times` calls of CreateThread fail with ERROR_NOT_ENOUGH_MEMORY and make no thread.
void FailThreadCreation(int times = 1);

}  // namespace platform::testing
