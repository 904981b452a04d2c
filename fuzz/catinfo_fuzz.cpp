// Category info: "catinfo.dat" beside the program, its colours, icons and marks.
#include <cstddef>
#include <cstdint>

#include "core/cat_file.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteProgramFile(kCatFileName, data, size);
    (void)ReadCategoriesFile();
    return 0;
}
