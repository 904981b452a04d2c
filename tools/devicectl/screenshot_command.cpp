// devicectl screenshot: the screen of the program running on the device, saved as a PNG file.
#include "devicectl/commands.h"
#include "user/remote_windows.h"

namespace devicectl {

int RunScreenshot(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return 2;
    // Any window of another live process on this device leads to that process's screen.
    const HWND window = platform::FindRemoteWindow(nullptr, nullptr);
    if (!window) {
        err << "devicectl: no program is running on this device\n";
        return 1;
    }
    if (!platform::RemoteScreenshot(window, args.front())) {
        err << "devicectl: the program did not give its screen\n";
        return 1;
    }
    out << args.front() << "\n";
    return 0;
}

}  // namespace devicectl
