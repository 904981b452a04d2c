// vCard import: the text of a .vcf file as the device tool reads it into contacts, imported into the
// store, and shown by the program: the birthdays and anniversaries in the Day and month views, the
// contact list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devicectl/pim_import.h"
#include "fuzz/fuzz_program.h"

namespace {

constexpr std::size_t kDaysShown = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    std::vector<devicectl::ImportError> leftOut;
    std::optional<devicectl::Items> items = devicectl::ReadCards(text, error, &leftOut);
    if (!items) return 0;
    fuzz::ResetProgramStore();
    if (!fuzz::ImportIntoStore(*items)) return 0;
    fuzz::ShowDays(fuzz::ListImportedDays(*items, kDaysShown));
    return 0;
}
