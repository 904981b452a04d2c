// Link files: the item links of "linkinfo.dat", and a project's ".lnk" file read for its target
// (as a file link and as a web link).
#include <cstddef>
#include <cstdint>

#include "core/link_table.h"
#include "frame/side_files.h"
#include "fuzz/fuzz_device.h"
#include "projects/prj_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteProgramFile(kLinkInfoFile, data, size);
    LoadLinkInfoFile();
    const std::u16string link = fuzz::WriteProgramFile(u"ProjectLinks\\Prj~A~~Fuzz.lnk", data, size);
    (void)ReadLinkTarget(link, false);
    (void)ReadLinkTarget(link, true);
    return 0;
}
