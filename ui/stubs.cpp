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

// Theme painting and item glyphs until the toolkit draws them: frames, lines and text are drawn
// plainly, glyphs only take their room.
#include "platform/gdi.h"
#include "extras/theme_words.h"
#include "ui/item_paint.h"
#include "ui/screen_class.h"

namespace {
int GlyphAdvance() { return IsVgaScreen() ? 14 : 10; }
}  // namespace

void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int) {
    ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}
int DrawStatusIcon(HDC, int, int, int, bool, bool, bool) { return GlyphAdvance(); }
int DrawLargeStatusIcon(HDC, int, int, int) { return GlyphAdvance(); }
int DrawCheckGlyph(HDC, int, int, bool, bool large, bool) { return large ? 14 : 10; }
int DrawStateGlyph(HDC, int, int, int, bool, LONG) { return 8; }
int DrawTaskDueGlyph(HDC, int, int) { return GlyphAdvance(); }
void DrawLargeListIcon(HDC, int, int, int) {}
void DrawItemImage(HDC, ItemImageList, int, int, int) {}
void DrawFieldIcon(HDC, int, int, LONG) {}
void HideAllViewWindows() {}

// ---- The open-dialog stack (declared in ui/open_dlg_stack.h): a working stand-in, since the
// wallet lock relies on it to close its dialogs.
#include "ui/open_dlg_stack.h"

namespace {
struct OpenDlgStack {
    HWND dialogs[kMaxOpenDlgs] = {};
    int count = 0;
};
OpenDlgStack g_OpenDlgs;
}  // namespace

void PushOpenDlg(HWND dialog) {
    if (g_OpenDlgs.count < kMaxOpenDlgs) g_OpenDlgs.dialogs[g_OpenDlgs.count++] = dialog;
}
void PopOpenDlg() {
    if (g_OpenDlgs.count > 0) g_OpenDlgs.dialogs[--g_OpenDlgs.count] = nullptr;
}
void CloseAllOpenDlgs() {
    // Taken first: each dialog pops itself while it handles the message.
    OpenDlgStack stack = g_OpenDlgs;
    g_OpenDlgs = {};
    for (int i = stack.count - 1; i >= 0; --i) SendMessageW(stack.dialogs[i], kMsgCloseOpenDlg, 0, 0);
}
void ClearOpenDlgs() { g_OpenDlgs = {}; }

// ---- The file picker (declared in ui/file_picker.h), until it is built: nothing is chosen.
#include "ui/file_picker.h"

std::u16string g_FilePickerPath;

INT_PTR ShowFilePickerDlg(HWND, int) { return kPromptCancelled; }

// ---- Password mode of the text prompt (declared in ui/text_prompt.h).
bool g_PromptPasswordMode = false;
