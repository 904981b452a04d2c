// Theme files: a ".zqth" file loaded into a theme record; values put right are told in a box.
#include <cstddef>
#include <cstdint>

#include "core/theme.h"
#include "core/theme_record.h"
#include "extras/theme.h"
#include "fuzz/fuzz_device.h"
#include "platform/testing_user.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ThemeRec theme;
    LoadThemeFile(fuzz::WriteDeviceFile(u"\\My Documents\\fuzz.zqth", data, size), theme);
    platform::testing::ClearMessageBoxes();
    return 0;
}
