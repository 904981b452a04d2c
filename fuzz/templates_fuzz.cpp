// Templates: the appointment and task templates and the text templates (subjects, locations),
// each a record file beside the program; the same bytes go to every one of them.
#include <cstddef>
#include <cstdint>

#include "core/app_settings.h"
#include "editors/item_templates.h"
#include "editors/text_templates.h"
#include "frame/side_files.h"
#include "fuzz/fuzz_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const WCHAR* name : {kApptTemplateFile, kTskTemplateFile, kUserTextFile, kLocTextFile})
        fuzz::WriteProgramFile(name, data, size);
    // Not a first run: the files are read, not replaced by the defaults.
    g_Settings.initUserText = 0;
    g_Settings.initLocText = 0;
    LoadTemplates();
    LoadTextTemplates();
    return 0;
}
