// Theme files: a ".zqth" file loaded into a theme record.
#include <cstddef>
#include <cstdint>

#include "extras/theme.h"
#include "extras/theme_record.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ThemeRec theme;
    LoadThemeFile(fuzz::WriteDeviceFile(u"\\My Documents\\fuzz.zqth", data, size), theme);
    return 0;
}
