// The dialog item helpers: texts, numbers and check marks of a dialog's controls by identifier.
// A missing control gives the documented failure (FALSE, 0, an empty text), never a crash.
#include <cstdint>
#include <string>

#include "dialogs/dialog_state.h"
#include "platform/text.h"

using namespace platform;

namespace {

bool IsSpace(WCHAR c) { return c == u' ' || c == u'\t'; }

// The number a text holds, with blanks around it; false for anything else or a value too large.
bool ParseNumber(std::u16string_view text, bool isSigned, std::int64_t* out) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (isSigned && i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    const std::int64_t most = isSigned ? (negative ? 2147483648LL : 2147483647LL) : 4294967295LL;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > most) return false;
    }
    if (i == digitsStart) return false;
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i != text.size()) return false;
    *out = negative ? -value : value;
    return true;
}

}  // namespace

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextW(item, text ? text : u"") : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR out, int outChars) {
    const HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (out && outChars > 0) out[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(item, out, outChars));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    WCHAR text[16] = {};
    wsprintfW(text, isSigned ? u"%d" : u"%u", value);
    return SetDlgItemTextW(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    const HWND item = GetDlgItem(dialog, id);
    if (!item) return 0;
    const int length = GetWindowTextLengthW(item);
    std::u16string text(static_cast<std::size_t>(std::max(length, 0)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    std::int64_t value = 0;
    if (!ParseNumber(text, isSigned != FALSE, &value)) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(static_cast<std::uint32_t>(value));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND item = GetDlgItem(dialog, id);
    if (!item) return FALSE;
    SendMessageW(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!IsWindow(dialog) || firstId > lastId) {
        SetLastError(IsWindow(dialog) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    for (int id = firstId; id <= lastId; ++id)
        if (const HWND item = GetDlgItem(dialog, id))
            SendMessageW(item, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}
