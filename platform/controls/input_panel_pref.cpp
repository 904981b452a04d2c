// The input-panel preference item that dialog templates carry ("SIPPREF"): a hidden control that
// asks the shell to show the input panel while the dialog's edits have the focus. On this screen
// the input panel is the desktop keyboard, so the item only has to be there for the dialog to open.
#include "controls/control_state.h"
#include "platform/dialogs.h"

namespace platform {
namespace {

LRESULT CALLBACK InputPanelPrefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_STATIC;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterInputPanelPrefClass() { RegisterControlClass(u"SIPPREF", InputPanelPrefProc, 0); }

}  // namespace platform
