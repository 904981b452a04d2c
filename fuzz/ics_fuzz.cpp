// iCalendar import: the text of an .ics file as the device tool reads it into PIM items.
#include <cstddef>
#include <cstdint>
#include <string>

#include "devicectl/pim_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    (void)devicectl::ReadCalendar(text, error);
    return 0;
}
