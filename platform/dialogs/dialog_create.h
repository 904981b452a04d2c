// Making a dialog window and its controls from a parsed template.
#pragma once

#include <functional>

#include "dialogs/dialog_state.h"
#include "resources/dialog_template.h"

namespace platform {

// The dialog, initialised (WM_INITDIALOG sent) but not shown; nullptr with the last error set when
// the owner, the class or a control cannot be had. `attach` fills in the record before any message
// reaches the dialog procedure.
HWND MakeDialog(HINSTANCE instance, const DialogTemplateView& view, HWND owner, DLGPROC proc, LPARAM param,
                bool modal, const std::function<void(DialogState&)>& attach = {});

}  // namespace platform
