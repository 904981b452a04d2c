// Registering the classes of the standard controls, once per process.
#include <mutex>

#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/list_box.h"
#include "controls/scroll_bar.h"
#include "controls/static_control.h"
#include "controls/up_down.h"

namespace platform {

void RegisterInputPanelPrefClass();

void RegisterControlClass(LPCWSTR name, WNDPROC proc, UINT style) {
    WNDCLASSW wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClassW(&wc);  // there already: nothing to do
}

void RegisterStandardControls() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterButtonClass();
        RegisterStaticClass();
        RegisterEditClass();
        RegisterListBoxClasses();
        RegisterComboBoxClass();
        RegisterScrollBarClass();
        RegisterUpDownClass();
        RegisterInputPanelPrefClass();
    });
}

}  // namespace platform

namespace {

// Registers the classes when the program starts (area.cmake keeps this object in every link).
const bool registeredAtStart = (platform::RegisterStandardControls(), true);

}  // namespace

extern "C" const bool* const qv_standard_controls_at_start = &registeredAtStart;
