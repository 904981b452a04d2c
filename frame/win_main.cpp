// WinMain: a second start hands its switch to the running instance and ends; the first start
// shows the device screen, makes the main window and runs the message loop until it closes.
#include "frame/win_main.h"

#include <string_view>

#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/main_messages.h"
#include "core/shell_buttons.h"
#include "frame/frame_hooks.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "frame/single_instance.h"
#include "platform/commctrl.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/ink.h"
#include "platform/shell.h"
#include "platform/user.h"

namespace {

constexpr int kEndedEarly = 0;
// No screen anyone sees and no script to drive it: the host's usual status for a wrong start.
constexpr int kCannotRun = 2;

void InitControls() {
    InitCommonControls();
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = ICC_DATE_CLASSES;
    InitCommonControlsEx(&init);
    SHInitExtraControls();
    InitInkX();
}

void CloseInstanceMutex() {
    if (g_CmdLine.mutex) CloseHandle(g_CmdLine.mutex);
    g_CmdLine.mutex = nullptr;
}

}  // namespace

int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR cmdLine, int show) {
    RegisterFrameHooks();
    ParseCmdLine(cmdLine ? std::u16string_view(cmdLine) : std::u16string_view());
    int otherRuns = 0;
    if (FAILED(CheckSingleInstance(kMainWndClass, otherRuns)) || otherRuns) {
        CloseInstanceMutex();
        return kEndedEarly;
    }
    InitControls();
    if (!platform::StartDisplay()) {
        platform::StopDisplay();
        CloseInstanceMutex();
        return kCannotRun;
    }
    if (!InitInstance(instance, show)) {
        platform::StopDisplay();
        CloseInstanceMutex();
        return kEndedEarly;
    }
    DetectKbdModel(g_Frame.kbdModelCode);
    CheckShellKeys();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    g_Frame.mainWnd = nullptr;
    EndLoadThread();
    platform::StopDisplay();
    CloseInstanceMutex();
    return static_cast<int>(msg.wParam);
}
