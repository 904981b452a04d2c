// Ink notes: a ".pwi" file read whole and given to the ink page reader, as the ink editor does.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_device.h"
#include "ink/ink_data.h"
#include "notes/ink_note.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InkBuffer buffer;
    if (!ReadInkFile(fuzz::WriteDeviceFile(u"\\My Documents\\fuzz.pwi", data, size), buffer)) return 0;
    const auto page = platform::LoadInkPage(std::span<const std::uint8_t>(buffer.bytes));
    // A page that was read writes back to the very bytes it came from.
    if (page && platform::SaveInkPage(*page) != buffer.bytes) __builtin_trap();
    return 0;
}
