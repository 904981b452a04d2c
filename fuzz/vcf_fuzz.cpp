// vCard import: the text of a .vcf file as the device tool reads it into contacts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devicectl/pim_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    devicectl::ImportError error;
    std::vector<devicectl::ImportError> leftOut;
    (void)devicectl::ReadCards(text, error, &leftOut);
    return 0;
}
