// Stand-ins for the toolkit's text prompt, help and list rows until they are built: the prompt gives
// the answer a test set for it (else a cancel).
#include "platform/user.h"
#include "ui/list_rows.h"
#include "ui/text_prompt.h"
#include "ui/dlg_services.h"
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

// Until the dialog services are built: dialogs run without a bar, their fields plain.
BOOL InitDlgMenuBar(HWND, UINT, BOOL) { return TRUE; }
BOOL SubclassControl(HWND, BOOL, BOOL) { return TRUE; }
int RelayoutDlgForOrientation(HWND, UINT) { return 1; }
void FitDlgList(HWND, int, int) {}
void SubclassItemList(HWND, int) {}
void PushOpenDlg(HWND) {}
void PopOpenDlg() {}
void InsertTextAtCaret(HWND, const WCHAR*) {}
