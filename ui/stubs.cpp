// Stand-ins for the toolkit's text prompt, help and list rows until they are built: the prompt gives
// the answer a test set for it (else a cancel).
#include "platform/user.h"
#include "ui/list_rows.h"
#include "ui/text_prompt.h"
#include "ui/help.h"
#include "frame/side_files.h"

std::u16string g_PromptText;

namespace {

struct PromptAnswer {
    INT_PTR result = kPromptCancelled;
    std::u16string text;
};

PromptAnswer& NextAnswer() {
    static PromptAnswer answer;
    return answer;
}

INT_PTR TakeAnswer() {
    PromptAnswer& answer = NextAnswer();
    const INT_PTR result = answer.result;
    if (result == kPromptAccepted) g_PromptText = answer.text;
    answer = PromptAnswer();
    return result;
}

}  // namespace

namespace testing_prompt {
void SetNextAnswer(INT_PTR result, const std::u16string& text) { NextAnswer() = PromptAnswer{result, text}; }
}  // namespace testing_prompt

INT_PTR PromptTextById(HWND, UINT, UINT) { return TakeAnswer(); }

INT_PTR PromptText(HWND, const std::u16string&, const std::u16string&) { return TakeAnswer(); }

// Until the list routines are built the selected row is not scrolled to.
void EnsureSelRowVisible(HWND) {}

void DrawItemListRow(const DRAWITEMSTRUCT&, HWND, int) {}
void ShowHelp(HWND) {}

// Stand-ins for the dialog conventions and the subclass installer until they are built: dialogs
// run from their templates without a soft-key bar and are not recorded as open.
#include "frame/main_window.h"
#include "platform/dialogs.h"
#include "ui/dialog_conventions.h"
#include "ui/subclass.h"

void PushOpenDlg(HWND) {}
void PopOpenDlg() {}
int InitDlgMenuBar(HWND, UINT, BackKey) { return 1; }

INT_PTR RunProgramDialog(UINT templateId, HWND parent, INT_PTR(CALLBACK* proc)(HWND, UINT, WPARAM, LPARAM),
                         LPARAM param) {
    return DialogBoxParamW(g_Main.instance, MAKEINTRESOURCEW(templateId), parent, proc, param);
}

HRESULT InstallSubclass(HWND window, WNDPROC proc) {
    if (GetWindowLongPtrW(window, GWLP_USERDATA) != 0) return E_FAIL;
    SetWindowLongPtrW(window, GWLP_USERDATA, SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    return S_OK;
}

LRESULT CallPrevWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA)), window, message, wParam,
                           lParam);
}
