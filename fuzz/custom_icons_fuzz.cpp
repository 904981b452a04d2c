// Custom icons: "zqicons.dat", the index of item OIDs and their icons.
#include <cstddef>
#include <cstdint>

#include "frame/side_files.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteProgramFile(u"zqicons.dat", data, size);
    LoadCustomIconsFile();
    return 0;
}
