// The test API of dialogs: acting on the dialog that is up, scripted answers for modal dialogs, and
// the record of the modal dialogs shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::testing {

// Runs `action` once, inside the modal loop of the next modal dialog (or message box) that waits for
// input, given the innermost modal dialog of that thread (nullptr when the loop is a message box's).
void ActInsideDialog(std::function<void(HWND dialog)> action);
// The innermost modal dialog of the calling thread, or nullptr. Inside a dialog's own callback an
// ended dialog is still current until its loop returns: use DialogIsOpen to tell.
HWND CurrentDialog();
// True while the dialog exists and EndDialog has not been called on it.
bool DialogIsOpen(HWND dialog);

// Answers are taken in order by the modal dialogs that follow: a dialog with a scripted answer ends
// with it once it has been initialised and has handled what was waiting for it.
void AnswerDialog(INT_PTR result);

struct DialogShown {
    HWND owner;
    std::u16string title;
    std::vector<int> controls;  // the identifiers of its controls in template order, to tell dialogs apart
    INT_PTR result;             // 0 while the dialog is still up
};
std::vector<DialogShown> DialogsShown();
void ClearDialogs();  // the record and the answers not yet used

}  // namespace platform::testing
