// Saved views: "savedviews.dat", the named snapshots of the views.
#include <cstddef>
#include <cstdint>

#include "extras/saved_views.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteProgramFile(kSavedViewsFile, data, size);
    LoadSavedViews();
    return 0;
}
