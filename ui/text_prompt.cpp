// The text prompt dialog: caption, prompt and edit on the theme background between two darker
// bands, the edit in one of the input modes, and the typed text left in g_PromptText on "Done".
#include "ui/text_prompt.h"

#include <algorithm>

#include "core/screen_class.h"
#include "core/theme_words.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/draw_prims.h"
#include "ui/layout.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

PromptState g_Prompt;
std::u16string g_PromptText;

namespace {

constexpr int kCaptionChars = 64;
constexpr int kTextChars = 1028;
constexpr int kControlLeft = 8;
constexpr int kBandShade = 30;
constexpr int kBandGapTop = 12;
constexpr int kBandGapTop320 = 20;
constexpr int kBandGapBottom = 12;
constexpr int kBandGapBottomVga = 36;
constexpr int kThemeTextColor = 8;
constexpr int kThemeBackground = 10;

std::u16string LoadText(UINT id) {
    WCHAR text[kCaptionChars] = {};
    LoadStringW(GetModuleHandleW(nullptr), id, text, kCaptionChars);
    return text;
}

COLORREF Background() { return static_cast<COLORREF>(GetThemeWord(kThemeBackground)); }

// The control's rectangle in the dialog's client coordinates.
RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

LONG ScreenTop(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return r.top;
}

void AddStyle(HWND window, LONG style) { SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | style); }

void ApplyPromptMode(HWND edit) {
    switch (g_Prompt.mode) {
    case kPromptPassword:
        AddStyle(edit, ES_PASSWORD);
        SendMessageW(edit, EM_SETPASSWORDCHAR, u'*', 0);
        break;
    case kPromptDigits:
        AddStyle(edit, ES_NUMBER);
        SubclassControl(edit, KeypadField::kNo, DateMenu::kNo);
        break;
    case kPromptKeypad: SubclassControl(edit, KeypadField::kNo, DateMenu::kNo); break;
    case kPromptAutoCaps: SubclassAutoCapsEdit2(edit); break;
    default: break;
    }
}

void LayoutPromptDlg(HWND dialog) {
    RECT area{};
    GetViewClientRect(dialog, area);
    const HWND label = GetDlgItem(dialog, IDC_PROMPT_LABEL);
    const HWND edit = GetDlgItem(dialog, IDC_PROMPT_EDIT);
    if (!g_Prompt.layoutTaken) {
        g_Prompt.staticTop = ScreenTop(label);
        g_Prompt.editTop = ScreenTop(edit);
        g_Prompt.layoutTaken = 1;
    }
    const int left = area.left + kControlLeft;
    const RECT labelRect = ClientRectOf(dialog, label);
    MoveWindow(label, left, g_Prompt.staticTop - g_Prompt.vertOffset, labelRect.right - left,
               labelRect.bottom - labelRect.top, TRUE);
    const RECT editRect = ClientRectOf(dialog, edit);
    MoveWindow(edit, left, g_Prompt.editTop - g_Prompt.vertOffset, area.right - kControlLeft - left,
               editRect.bottom - editRect.top, TRUE);
    InvalidateRect(dialog, nullptr, TRUE);
}

void InitPromptTextDlg(HWND dialog) {
    if (IsVgaScreen()) g_Prompt.vertOffset = kPromptOffsetVga;
    SetTitleText(dialog, g_Prompt.caption.c_str());
    SetDlgItemTextW(dialog, IDC_PROMPT_LABEL, g_Prompt.prompt.c_str());
    g_Prompt.bkBrush = CreateSolidBrush(Background());
    SetDlgItemTextW(dialog, IDC_PROMPT_EDIT, g_PromptText.c_str());
    ApplyPromptMode(GetDlgItem(dialog, IDC_PROMPT_EDIT));
    LayoutPromptDlg(dialog);
    PushOpenDlg(dialog);
}

void PaintPromptDlg(HWND dialog) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(dialog, &ps);
    RECT client{};
    GetClientRect(dialog, &client);
    OffscreenBuffer buffer;
    if (CreateOffscreen(buffer, dc, client.right, client.bottom)) {
        const HBRUSH background = CreateSolidBrush(Background());
        FillRect(buffer.memDC, &client, background);
        DeleteObject(background);
        const HBRUSH band = CreateSolidBrush(DarkenColor(Background(), kBandShade));
        // The bands follow the controls' remembered tops, as the layout places them.
        const RECT edit = ClientRectOf(dialog, GetDlgItem(dialog, IDC_PROMPT_EDIT));
        const LONG editBottom = g_Prompt.editTop + (edit.bottom - edit.top);
        const int topGap = IsSquare320Screen() ? kBandGapTop320 : kBandGapTop;
        const int bottomGap = IsVgaScreen() ? kBandGapBottomVga : kBandGapBottom;
        const RECT top{0, 0, client.right, g_Prompt.staticTop - g_Prompt.vertOffset - topGap};
        const RECT bottom{0, editBottom - g_Prompt.vertOffset + bottomGap, client.right, client.bottom};
        FillRect(buffer.memDC, &top, band);
        FillRect(buffer.memDC, &bottom, band);
        DeleteObject(band);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer.memDC, 0, 0, SRCCOPY);
        ReleaseOffscreen(buffer);
    }
    EndPaint(dialog, &ps);
}

INT_PTR EndPrompt(HWND dialog, INT_PTR result) {
    if (result == kDlgAccept) {
        // The whole text: what came in longer than the usual size goes back out whole.
        const HWND edit = GetDlgItem(dialog, IDC_PROMPT_EDIT);
        const int chars = std::max(kTextChars, edit ? GetWindowTextLengthW(edit) + 1 : 0);
        std::u16string text(static_cast<std::size_t>(chars), u'\0');
        const int length = GetDlgItemTextW(dialog, IDC_PROMPT_EDIT, text.data(), chars);
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        g_PromptText = text;
    }
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR OnPromptCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case kDlgAccept: return EndPrompt(dialog, kDlgAccept);
    case IDCANCEL: return EndPrompt(dialog, IDCANCEL);
    case kDlgCancel: return EndPrompt(dialog, kDlgCancel);
    }
    return FALSE;
}

INT_PTR OnPromptCtlColor(HWND dialog, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_PROMPT_LABEL)) return FALSE;
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, static_cast<COLORREF>(GetThemeWord(kThemeTextColor)));
    SetBkColor(dc, Background());
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(g_Prompt.bkBrush);
}

void OnPromptDestroy(HWND dialog) {
    SetTitleText(GetParent(dialog), nullptr);
    if (g_Prompt.bkBrush) DeleteObject(g_Prompt.bkBrush);
    g_Prompt.bkBrush = nullptr;
}

INT_PTR OpenPrompt(HWND parent) { return RunProgramDialog(IDD_PROMPT_TEXT, parent, PromptTextDlgProc); }

LONG DefaultMode() { return g_Prompt.passwordDefault ? kPromptPassword : kPromptPlain; }

}  // namespace

INT_PTR CALLBACK PromptTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    SHInputDialog(dialog, message, wParam);
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kOverride)) EndDialog(dialog, kDlgFailed);
        InitPromptTextDlg(dialog);
        return TRUE;
    case WM_COMMAND: return OnPromptCommand(dialog, wParam);
    case WM_CTLCOLORSTATIC: return OnPromptCtlColor(dialog, wParam, lParam);
    case WM_PAINT: PaintPromptDlg(dialog); return TRUE;
    case WM_SIZE: LayoutPromptDlg(dialog); return TRUE;
    case WM_HOTKEY:
        if (IsBackHotKey(message, lParam)) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: OnPromptDestroy(dialog); return FALSE;
    }
    return FALSE;
}

INT_PTR PromptTextById(HWND parent, UINT captionId, UINT promptId) {
    g_Prompt.layoutTaken = 0;
    g_Prompt.caption = LoadText(captionId);
    g_Prompt.prompt = LoadText(promptId);
    g_Prompt.mode = DefaultMode();
    return OpenPrompt(parent);
}

INT_PTR PromptText(HWND parent, const std::u16string& caption, const std::u16string& prompt) {
    return PromptTextOpt(parent, caption, prompt, DefaultMode());
}

INT_PTR PromptTextOpt(HWND parent, const std::u16string& caption, const std::u16string& prompt, LONG mode) {
    g_Prompt.layoutTaken = 0;
    g_Prompt.caption = caption.substr(0, kCaptionChars - 1);
    g_Prompt.prompt = prompt.substr(0, kCaptionChars - 1);
    g_Prompt.mode = mode;
    return OpenPrompt(parent);
}
