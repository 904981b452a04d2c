// Text notes: a ".txt" note file in the device's code page, read for the note editor.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_device.h"
#include "notes/note_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    LoadTextNote(text, nullptr, fuzz::WriteDeviceFile(u"\\My Documents\\fuzz.txt", data, size));
    return 0;
}
