// device.conf: the device's profile ("key = value" lines) read from the device root.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_device.h"
#include "platform/device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteRootFile("device.conf", data, size);
    platform::ReloadProfile();
    return 0;
}
