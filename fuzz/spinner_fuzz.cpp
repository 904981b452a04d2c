// Spinner files: "quickspin.dat", the launcher's entries.
#include <cstddef>
#include <cstdint>

#include "extras/spinner_items.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteProgramFile(kSpinnerFile, data, size);
    (void)LoadSpinnerItems();
    return 0;
}
