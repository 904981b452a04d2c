// Resource files: a compiled .res file parsed into entries, and every entry's data read as each
// kind of resource the platform parses (dialog and menu templates, bitmaps, soft-key bars).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "resources/bitmap_resource.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "resources/res_file.h"
#include "resources/softkey_bar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader wants the file on a 4-byte boundary, as a module's resources are.
    std::vector<std::uint32_t> aligned((size + 3) / 4);
    if (size > 0) std::memcpy(aligned.data(), data, size);
    const std::span<const BYTE> bytes(reinterpret_cast<const BYTE*>(aligned.data()), size);
    const auto entries = platform::ParseResFile(bytes);
    if (!entries) return 0;
    for (const platform::ResEntry& entry : *entries) {
        (void)platform::ParseDialogTemplate(entry.data);
        (void)platform::ParseMenuTemplate(entry.data);
        (void)platform::ParseBitmapDib(entry.data);
        (void)platform::ParseSoftKeyBar(entry.data);
    }
    return 0;
}
