// Capital positions in a text, the two edit procedures that invert the case of a letter typed there,
// and inserting picked contact text at the caret of a text field.
#include "ui/auto_caps.h"

#include <algorithm>
#include <array>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/edit_caret.h"
#include "ui/main_state.h"
#include "ui/subclass.h"

namespace {

constexpr WCHAR kSpace = u' ';
constexpr WCHAR kCr = u'\r';
constexpr WCHAR kLf = u'\n';
constexpr WPARAM kActionKey = 0x86;
constexpr WPARAM kCaseDistance = u'a' - u'A';

bool IsSeparator(WCHAR c) { return c == kSpace || c == kCr || c == kLf; }
bool IsSentenceEnd(WCHAR c) { return c == u'.' || c == u'!' || c == u'?'; }

std::u16string WindowText(HWND window) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The key of a pending message that WM_GETDLGCODE carries, or 0.
WPARAM PendingKey(LPARAM lParam, UINT message) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == message ? msg->wParam : 0;
}

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

}  // namespace

int IsAtWordStart(std::u16string_view text, LONG position) {
    if (text.empty()) return 1;
    if (position < 0 || static_cast<std::size_t>(position) > text.size()) return 0;
    if (position == 0) return 1;
    return IsSeparator(text[static_cast<std::size_t>(position) - 1]) ? 1 : 0;
}

int IsAtSentenceStart(std::u16string_view text, LONG position) {
    if (text.empty()) return 1;
    if (position == -1) position = static_cast<LONG>(text.size()) - 1;
    if (position < 0 || static_cast<std::size_t>(position) > text.size()) return 0;
    if (position == 0) return 1;
    if (position == 1) return 0;
    const auto before = [&](LONG back) { return text[static_cast<std::size_t>(position - back)]; };
    if (!IsSeparator(before(1))) return 0;
    if (IsSentenceEnd(before(2))) return 1;
    return IsSeparator(before(2)) && position >= 3 &&
                   (IsSentenceEnd(before(3)) || before(3) == kCr || before(3) == kLf)
               ? 1
               : 0;
}

int CaretAtWordStart(HWND edit) {
    const std::u16string text = WindowText(edit);
    return text.empty() ? 1 : IsAtWordStart(text, EditCharAtCaret(edit));
}

int CaretAtSentenceStart(HWND edit) {
    const std::u16string text = WindowText(edit);
    return text.empty() ? 1 : IsAtSentenceStart(text, EditCharAtCaret(edit));
}

WPARAM AutoCapsChar(HWND edit, WPARAM ch) {
    const LONG mode = g_Settings.autoCaps;
    if (mode != kAutoCapsEveryWord && mode != kAutoCapsFirstWord) return ch;
    const bool lower = ch >= u'a' && ch <= u'z';
    const bool upper = ch >= u'A' && ch <= u'Z';
    if (!lower && !upper) return ch;
    const int atCapital = mode == kAutoCapsEveryWord ? CaretAtWordStart(edit) : CaretAtSentenceStart(edit);
    if (!atCapital) return ch;
    return lower ? ch - kCaseDistance : ch + kCaseDistance;
}

LRESULT CALLBACK AutoCapsEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        return CallPrevWndProc(window, message, AutoCapsChar(window, wParam), lParam);
    case WM_SETFOCUS: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        if (g_NoteCaret.caretAtEnd == 0) EditCaretToStart(window);
        else EditCaretToEnd(window);
        return result;
    }
    case WM_GETDLGCODE:
        if (g_NoteCaret.markMode && IsArrowKey(PendingKey(lParam, WM_KEYUP))) {
            const LONG caret = EditCharAtCaret(window);
            if (caret > g_NoteCaret.markPos) SendMessageW(window, EM_SETSEL, g_NoteCaret.markPos, caret);
            else g_NoteCaret.markPos = caret;
            SetFocus(window);
        }
        return CallPrevWndProc(window, message, wParam, lParam);
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}

LRESULT CALLBACK AutoCapsEditProc2(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SHInputDialog(window, message, wParam);
    switch (message) {
    case WM_CHAR:
        return CallPrevWndProc(window, message, AutoCapsChar(window, wParam), lParam);
    case WM_GETDLGCODE: {
        if (!lParam) return 0;
        const WPARAM key = PendingKey(lParam, WM_KEYDOWN);
        if (key == VK_RETURN || key == kActionKey) {
            SendMessageW(GetParent(window), kMsgFieldEnter, 0, 0);
            return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        }
        return CallPrevWndProc(window, message, wParam, lParam);
    }
    case WM_SETFOCUS: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        EditCaretToEnd(window);
        return result;
    }
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}

void InsertTextAtCaret(HWND edit, std::u16string_view text) {
    if (text.empty()) return;
    const int id = GetDlgCtrlID(edit);
    std::u16string whole = WindowText(edit);
    const std::size_t caret = std::min(static_cast<std::size_t>(std::max<LONG>(EditCharAtCaret(edit), 0)), whole.size());
    whole.insert(caret, text);
    SetDlgItemTextW(GetParent(edit), id, whole.c_str());
    const auto after = static_cast<WPARAM>(caret + text.size());
    SendMessageW(edit, EM_SETSEL, after, static_cast<LPARAM>(after));
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
}
