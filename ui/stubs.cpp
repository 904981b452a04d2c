// Stand-ins for the toolkit's picture decoding, text prompt and titles until they are built:
// no picture decodes, the prompt gives the answer a test set for it (else a cancel), a title is the
// window text alone.
#include "platform/gdi.h"
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

// ---- Stand-ins for the agenda view window's toolkit services until the drawing primitives land:
// bands and boxes take their height but draw nothing; the origin and last view are remembered.
#include "core/app_settings.h"
#include "extras/theme_words.h"
#include "frame/frame_state.h"
#include "frame/view_id.h"
#include "ui/agenda_services.h"

namespace {
LONG g_PreviewOriginCode = 4;
constexpr int kBandPadding = 4;
constexpr int kThemeBusyColours = 16;
}  // namespace

int DrawThemedBar(HDC dc, HWND, int, int, const WCHAR*, const WCHAR*, LONG, int) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight + kBandPadding;
}
void DrawThemedItemBox(HDC, const RECT&, LONG, LONG) {}
COLORREF GetViewColor(LONG busyStatus) {
    return static_cast<COLORREF>(GetThemeWord(kThemeBusyColours + (busyStatus & 3)));
}
COLORREF GetGreyForBackground(LONG) { return 0x646455; }
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
void ResetSelection() { g_Frame.selection = GlobalSelection{}; }
