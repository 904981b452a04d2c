// Stand-ins for the toolkit's picture decoding, text prompt and titles until they are built:
// no picture decodes, the prompt gives the answer a test set for it (else a cancel), a title is the
// window text alone.
#include "platform/user.h"
#include "ui/imaging.h"
#include "ui/list_rows.h"
#include "ui/text_prompt.h"
#include "ui/help.h"
#include "ui/image_lists.h"
#include "ui/view_focus.h"
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

HRESULT DecodeImageToDib(IStream*, HBITMAP*, int, bool) { return E_NOTIMPL; }

// Until the list routines are built the selected row is not scrolled to.
void EnsureSelRowVisible(HWND) {}

void CreateAllImageLists() {}
void DestroyAllImageLists() {}
void DrawItemListRow(const DRAWITEMSTRUCT&, HWND, int) {}
void ShowHelp(HWND) {}

void SetTitleText(HWND window, LPCWSTR text) {
    if (window && text) SetWindowTextW(window, text);
}

// No custom icons read yet: the index stays empty.
void LoadCustomIconsFile() {}

// The main-window routines of the toolkit that the frame calls.
#include "ui/view_commands.h"
void HideAllViewWindows() {}
void DrawViewBkgnd(HDC) {}
void PumpMessagesSkipKeyDown() {}
void PumpMessagesSkipKeys() {}
void GoToDateForView() {}
void TodayForView() {}
void PickItemCustomIcon(HWND, LONG) {}
