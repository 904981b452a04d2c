// The diagnostic logs. Each entry opens, writes and closes its file, and a line is written by one
// call, so that the load thread and the user-interface thread may both log.
#include "core/log_file.h"

#include <cstdio>
#include <string>

#include "core/ansi_text.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

constexpr std::u16string_view kLogName = u"quorvialog.txt";
constexpr std::u16string_view kSingleLogName = u"zqsinglelog.txt";

// The folder of the program's executable, with its closing "\".
std::u16string ProgramFolder() {
    WCHAR module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::u16string path(module, length < MAX_PATH ? length : MAX_PATH);
    return path.substr(0, path.rfind(u'\\') + 1);
}

void WriteLogLine(std::u16string_view name, const WCHAR* mode, std::u16string_view text, std::size_t maxBytes) {
    const std::u16string path = ProgramFolder() + std::u16string(name);
    FILE* file = _wfopen(path.c_str(), mode);
    if (!file) return;
    std::string line = ToAnsi(text, maxBytes);
    line += '\n';
    std::fseek(file, 0, SEEK_END);
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

}  // namespace

void WriteLog(std::u16string_view text) { WriteLogLine(kLogName, u"a", text, kLogLineBytes); }

void WriteSingleLog(std::u16string_view text) { WriteLogLine(kSingleLogName, u"w", text, kSingleLogLineBytes); }
