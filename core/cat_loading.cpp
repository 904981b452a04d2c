// Category loading and the commands that add categories.
//
// States of the list: never loaded -> loaded (after a successful read of the store's table, or at
// once before version 5, where the list keeps its records) -> reloaded any number of times.
//  1. The list is replaced only by a table that was read whole; a failed read keeps the list.
//  2. While no load has succeeded the list is marked failed, and "catinfo.dat" is not written.
#include "core/cat_loading.h"

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/log_file.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "frame/os_version.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

#if __has_include("platform/controls.h")
#include "platform/controls.h"
#endif
#ifndef LB_INSERTSTRING
#define LB_INSERTSTRING 0x0181
#endif
#ifndef LB_SELITEMRANGEEX
#define LB_SELITEMRANGEEX 0x0183
#endif

namespace {

struct CatLoadState {
    bool loaded = false;
    bool failed = false;
};

CatLoadState& LoadState() {
    static CatLoadState state;
    return state;
}

constexpr int kStringChars = 64;

std::u16string LoadText(UINT id, const char16_t* fallback) {
    WCHAR text[kStringChars] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), id, text, kStringChars) <= 0) return fallback;
    return text;
}

}  // namespace

int LoadCategories() {
    CatLoadState& state = LoadState();
    CatArray previous;
    CopyCatList(g_CatList, previous);
    if (IsOsMajor5OrLater() && !ReloadCatsDirect()) {
        WriteLog(u"Categories could not be read from the PIM store");
        if (!state.loaded) state.failed = true;
        return 0;
    }
    MergeCategoriesFromFile(previous);
    state.loaded = true;
    state.failed = false;
    return 1;
}

int ReloadCategories() {
    const int result = LoadCategories();
    ReloadCategoryAssoc();
    return result;
}

bool CatListFailedToLoad() { return LoadState().failed; }

int AddCatToCurItem(LONG oid, const std::u16string& name) {
    const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    if (!contact) return 0;
    BSTR stored = nullptr;
    const HRESULT hr = contact->get_Categories(&stored);
    std::u16string text = TakeBstr(stored);
    if (FAILED(hr)) return 0;
    if (!CatListHas(text, name)) {
        // A contact without categories gets the name alone, not ",name".
        text = TrimSpaces(text).empty() ? name : text + u"," + name;
        if (FAILED(contact->put_Categories(text.c_str())) || FAILED(contact->Save())) return 0;
    }
    if (!CatNameExists(name)) AddCatSorted(name);
    return 1;
}

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
