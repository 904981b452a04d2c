#include "editors/new_category.h"

#include <string>

#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

namespace {

constexpr int kStringChars = 64;

std::u16string LoadText(UINT id, const char16_t* fallback) {
    WCHAR text[kStringChars] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), id, text, kStringChars) <= 0) return fallback;
    return text;
}

}  // namespace

void NewCatCmd(HWND dialog) {
    g_PromptText.clear();
    const INT_PTR result = PromptTextById(dialog, IDS_NEW_CATEGORY, IDS_ENTER_CATEGORY_NAME);
    const std::u16string name = result == kPromptAccepted ? TrimSpaces(g_PromptText) : std::u16string();
    if (name.empty()) return;
    if (CatNameExists(name)) {
        ShowMessage(dialog, LoadText(IDS_CATEGORY_EXISTS, u"Category Exists").c_str(), MB_ICONEXCLAMATION);
    } else {
        const int index = AddCatSorted(name);
        SendDlgItemMessageW(dialog, kCatListBoxId, LB_INSERTSTRING, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(name.c_str()));
        SendDlgItemMessageW(dialog, kCatListBoxId, LB_SELITEMRANGEEX, static_cast<WPARAM>(index),
                            static_cast<LPARAM>(index));
    }
    SetFocus(GetDlgItem(dialog, kCatListBoxId));
}
