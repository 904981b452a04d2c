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

// Theme painting and item glyphs until the toolkit draws them: frames, lines and text are drawn
// plainly, glyphs only take their room.
#include "platform/gdi.h"
#include "extras/theme_words.h"
#include "ui/item_paint.h"
#include "ui/screen_class.h"

namespace {
int ClampChannel(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }
COLORREF ShiftColor(COLORREF colour, int amount) {
    return RGB(ClampChannel(GetRValue(colour) + amount), ClampChannel(GetGValue(colour) + amount),
               ClampChannel(GetBValue(colour) + amount));
}
int GlyphAdvance() { return IsVgaScreen() ? 14 : 10; }
}  // namespace

// A flat band in the theme's title colour.
void DrawThemedBackground(HDC dc, const RECT& rect, int) {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetThemeWord(kThemeTitlePrimary)));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}
void DrawFrameRect(HDC dc, const RECT& rect, COLORREF colour, bool, bool dashed, int penWidth) {
    HPEN pen = CreatePen(dashed ? PS_DASH : PS_SOLID, penWidth, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    const POINT corners[] = {{rect.left, rect.top}, {rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1},
                             {rect.left, rect.bottom - 1}, {rect.left, rect.top}};
    Polyline(dc, corners, 5);
    SelectObject(dc, previous);
    DeleteObject(pen);
}
void DrawSelectionFrame(HDC, int, int, int, int) {}
COLORREF GetViewColor(LONG) { return 0; }
COLORREF DarkenColor(COLORREF colour, int amount) { return ShiftColor(colour, -amount); }
COLORREF LightenColor(COLORREF colour, int amount) { return ShiftColor(colour, amount); }
bool IsDarkColor(COLORREF colour) { return GetRValue(colour) < 128 && GetGValue(colour) < 128 && GetBValue(colour) < 128; }
void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int) {
    ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}
int DrawStatusIcon(HDC, int, int, int, bool, bool, bool) { return GlyphAdvance(); }
int DrawLargeStatusIcon(HDC, int, int, int) { return GlyphAdvance(); }
int DrawCheckGlyph(HDC, int, int, bool, bool large, bool) { return large ? 14 : 10; }
int DrawStateGlyph(HDC, int, int, int, bool, LONG) { return 8; }
int DrawFourStateIcon(HDC, int, int, LONG, bool, bool large) { return large ? 12 : 8; }
int DrawTaskDueGlyph(HDC, int, int) { return GlyphAdvance(); }
void DrawLargeListIcon(HDC, int, int, int) {}
void DrawItemImage(HDC, ItemImageList, int, int, int) {}
int GetCustomIconWidth(bool big) { return big ? (IsVgaScreen() ? 24 : 16) : (IsVgaScreen() ? 16 : 8); }
void DrawFieldIcon(HDC, int, int, LONG) {}
void HideAllViewWindows() {}
