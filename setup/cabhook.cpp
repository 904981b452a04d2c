// The installer's four hooks. An installation marks the data as kept, so that the uninstall an
// update runs first removes nothing; a real removal asks before it deletes anything.
#include "button_keys.h"
#include "data_files.h"
#include "keep_info.h"
#include "platform/setup.h"
#include "platform/user.h"

namespace {

HANDLE g_Module = nullptr;

constexpr const WCHAR* kRemoveQuestion = u"Permanently Remove All Vestral Agenda Settings?";
constexpr const WCHAR* kRemoveCaption = u"ZQ Uninstall";

}  // namespace

extern "C" {

BOOL DllMain(HANDLE module, DWORD, LPVOID) {
    g_Module = module;
    return TRUE;
}

codeINSTALL_INIT Install_Init(HWND, BOOL, BOOL, LPCWSTR) {
    SetKeepInfoOn();
    return codeINSTALL_INIT_CONTINUE;
}

codeINSTALL_EXIT Install_Exit(HWND, LPCWSTR, WORD, WORD, WORD, WORD, WORD) {
    SetKeepInfoOff();
    return codeINSTALL_EXIT_DONE;
}

codeUNINSTALL_INIT Uninstall_Init(HWND parent, LPCWSTR installDir) {
    if (ReadKeepInfo() != 0) return codeUNINSTALL_INIT_CONTINUE;
    if (MessageBoxW(parent, kRemoveQuestion, kRemoveCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return codeUNINSTALL_INIT_CONTINUE;
    if (installDir) DeleteDataFiles(installDir);
    RestoreButtons();
    return codeUNINSTALL_INIT_CONTINUE;
}

codeUNINSTALL_EXIT Uninstall_Exit(HWND) { return codeUNINSTALL_EXIT_DONE; }

}  // extern "C"
