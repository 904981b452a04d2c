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

// ---- Stand-ins for the agenda view window's toolkit services until they are built: the origin
// and last view are remembered, nothing else is done.
#include "frame/frame_state.h"
#include "frame/view_id.h"
#include "ui/agenda_services.h"

namespace {
LONG g_PreviewOriginCode = 4;
}  // namespace

void HideAllViewWindows() {}
void ShowSoftKeyPopup(int, int) {}
int HandleLinksKey(UINT) { return 0; }
void RememberLastView() { g_Frame.prevViewId = ViewId; }
void RememberPreviewOrigin(LONG outside) {
    if (outside) {
        g_PreviewOriginCode = 4;
        return;
    }
    switch (ViewId) {
    case kViewDay: g_PreviewOriginCode = 1; break;
    case kViewDates: g_PreviewOriginCode = 2; break;
    case kViewContacts: g_PreviewOriginCode = 3; break;
    case kViewTasks: g_PreviewOriginCode = 0; break;
    case kViewProjects: g_PreviewOriginCode = 7; break;
    default: break;
    }
}
LONG GetPreviewOrigin() { return g_PreviewOriginCode; }
