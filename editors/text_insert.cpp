#include "editors/text_insert.h"

#include <algorithm>
#include <array>

#include "core/cur_item.h"
#include "lists/cts_text.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "projects/choose_item.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/main_state.h"
#include "ui/text_prompt.h"

namespace {

constexpr int kPromptTextChars = 64;

// The text fields of the editors that accept a picked text.
constexpr std::array<int, 6> kPickTextFields = {1002, 1006, 1009, 1023, 40008, 40035};
constexpr int kFirstPickRangeField = 3000;
constexpr int kLastPickRangeField = 3010;

bool IsPickTextField(int id) {
    return std::ranges::find(kPickTextFields, id) != kPickTextFields.end() ||
           (id >= kFirstPickRangeField && id <= kLastPickRangeField);
}

}  // namespace

int PickInsertText(HWND window, std::u16string& text) {
    text.clear();
    const LONG contact = ChooseItemDlg(window, kItemContact);
    if (contact == -1) return 0;
    // The text dialog offers the texts of the contact just chosen, not of the current one.
    g_CtsTextChoice.oid = contact;
    CtsTextDlg(window);
    text = g_CtsPickedText;
    return text.empty() ? 0 : 1;
}

void InsertPickedText(HWND dialog) {
    const HWND focus = GetFocus();
    if (!focus || !IsPickTextField(GetDlgCtrlID(focus))) {
        WCHAR message[kPromptTextChars] = {};
        LoadStringW(GetModuleHandleW(nullptr), IDS_ONLY_TEXT_FIELDS, message, kPromptTextChars);
        MessageBoxW(dialog, message, kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::u16string text;
    if (PickInsertText(dialog, text)) InsertTextAtCaret(focus, text);
    SetFocus(focus);
}
