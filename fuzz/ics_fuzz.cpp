// iCalendar import: the text of an .ics file as the device tool reads it into PIM items, imported
// into the store, listed with every series expanded, and shown by the program's Day and month views.
#include <cstddef>
#include <cstdint>
#include <string>

#include "devicectl/pim_import.h"
#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    std::optional<devicectl::Items> items = devicectl::ReadCalendar(text, error);
    if (items) fuzz::ImportAndShow(*items);
    return 0;
}
