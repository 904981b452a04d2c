// InitCommonControls and InitCommonControlsEx: register the control classes of the asked groups.
// Registering twice is harmless, so every caller may ask for what it needs.
#include <mutex>

#include "commctrl/control_common.h"
#include "commctrl/controls.h"

namespace platform::commctrl {
namespace {

struct ControlClass {
    DWORD group;  // ICC_* bit
    const WCHAR* name;
    WNDPROC proc;
};

constexpr ControlClass kControlClasses[] = {
    {ICC_LISTVIEW_CLASSES, WC_LISTVIEWW, ListViewProc},
    {ICC_TREEVIEW_CLASSES, WC_TREEVIEWW, TreeViewProc},
    {ICC_DATE_CLASSES, DATETIMEPICK_CLASSW, DatePickerProc},
    {ICC_BAR_CLASSES, TOOLBARCLASSNAMEW, ToolbarProc},
};

void RegisterGroups(DWORD groups) {
    static std::mutex lock;
    const std::lock_guard guard(lock);
    for (const ControlClass& c : kControlClasses) {
        if (!(groups & c.group)) continue;
        WNDCLASSW wc{};
        if (GetClassInfoW(nullptr, c.name, &wc)) continue;
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
        wc.lpfnWndProc = c.proc;
        wc.cbWndExtra = kStateBytes;
        wc.lpszClassName = c.name;
        RegisterClassW(&wc);
    }
}

}  // namespace
}  // namespace platform::commctrl

void InitCommonControls() { platform::commctrl::RegisterGroups(0xFFFFFFFFu); }

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    platform::commctrl::RegisterGroups(init->dwICC);
    return TRUE;
}
