// iCalendar import: the text of an .ics file as the device tool reads it into PIM items, imported
// into the store, listed with every series expanded, and shown by the program's Day and month views.
#include <cstddef>
#include <cstdint>
#include <string>

#include "devicectl/pim_import.h"
#include "fuzz/fuzz_program.h"

namespace {

// Views drawn per input: enough for every seed's items, few enough to keep each input quick.
constexpr std::size_t kDaysShown = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    std::optional<devicectl::Items> items = devicectl::ReadCalendar(text, error);
    if (!items) return 0;
    fuzz::ResetProgramStore();
    if (!fuzz::ImportIntoStore(*items)) return 0;
    fuzz::ShowDays(fuzz::ListImportedDays(*items, kDaysShown));
    return 0;
}
