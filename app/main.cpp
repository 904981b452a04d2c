// The program's executable: the host's arguments become the command line after the program name,
// and WinMain runs the program.
#include <cstdio>
#include <string>

#include "core/cmd_line.h"
#include "frame/win_main.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"

namespace {

constexpr const char* kSwitchList =
    "TODAY WEEK MONTH SCHEDULE TASKS CONTACTS [FORCE] PROJECT NOTES WALLET SPIN NEWAPPT NEWTSK "
    "APPT:OID TASK:OID /WLT:FILE /TXT:FILE /ZQTH:FILE TSKOFF APTOFF CTSOFF POOMLOAD DBLOAD";

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
    // The program takes any line, as the shell writes switches in many ways; one it cannot use is
    // said, so that a mistyped switch is not silently a plain start.
    for (const std::u16string& word : UnknownSwitches(cmdLine))
        std::fprintf(stderr, "quorvia: unknown switch \"%s\" (the switches: %s)\n", platform::ToUtf8(word).c_str(),
                     kSwitchList);
    return WinMain(GetModuleHandleW(nullptr), nullptr, cmdLine.data(), SW_SHOW);
}
