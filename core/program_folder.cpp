// The program folder, taken from the module file name.
#include "core/program_folder.h"

#include "platform/files.h"
#include "platform/system.h"

std::u16string ProgramFolderFile(std::u16string_view fileName) {
    WCHAR module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::u16string folder(module, length < MAX_PATH ? length : MAX_PATH);
    const std::size_t slash = folder.rfind(u'\\');
    folder.resize(slash == std::u16string::npos ? 0 : slash + 1);
    return folder + std::u16string(fileName);
}
