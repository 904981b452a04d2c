// The program's executable: the host's arguments become the command line after the program name,
// and WinMain runs the program.
#include <string>

#include "frame/win_main.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"

namespace {

std::u16string Widen(const char* text) {
    const int length = static_cast<int>(std::char_traits<char>::length(text));
    if (length == 0) return {};
    std::u16string out(static_cast<std::size_t>(length), u'\0');
    const int written = MultiByteToWideChar(CP_UTF8, 0, text, length, out.data(), length);
    out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (!RegisterQuorviaResources()) return 1;
    std::u16string cmdLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) cmdLine += u' ';
        cmdLine += Widen(argv[i]);
    }
    return WinMain(GetModuleHandleW(nullptr), nullptr, cmdLine.data(), SW_SHOW);
}
