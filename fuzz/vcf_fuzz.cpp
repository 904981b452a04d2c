// vCard import: the text of a .vcf file as the device tool reads it into contacts, imported into the
// store, and shown by the program: the birthdays and anniversaries in the Day and month views.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devicectl/pim_import.h"
#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    std::vector<devicectl::ImportError> leftOut;
    std::optional<devicectl::Items> items = devicectl::ReadCards(text, error, &leftOut);
    if (items) fuzz::ImportAndShow(*items);
    return 0;
}
