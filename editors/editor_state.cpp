// The editors' shared state and the split of an item's categories.
#include "editors/editor_state.h"

#include <algorithm>

#include "core/cat_record.h"
#include "core/prj_cats.h"
#include "core/text_util.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"

std::u16string g_EditorPrjCats;
TskEditFlags g_TskEditFlags;
LONG g_FromTemplate = 0;

DateRec NoDate() {
    DateRec date;
    date.wYear = kNoDateYear;
    return date;
}

bool IsNoDate(const DateRec& date) { return date.wYear == kNoDateYear; }

std::u16string NonPrjCatName(int n) {
    for (const CatRecord& cat : g_CatList) {
        if (IsPrjCat(cat.name)) continue;
        if (n-- == 0) return cat.name;
    }
    return std::u16string();
}

int NonPrjCatRow(std::u16string_view name) {
    int row = 0;
    for (const CatRecord& cat : g_CatList) {
        if (IsPrjCat(cat.name)) continue;
        if (platform::CompareNoCase(cat.name, name) == 0) return row;
        ++row;
    }
    return -1;
}

int TakeItemCatName(std::u16string_view name, std::u16string& trimmed) {
    trimmed = TrimSpaces(name);
    if (trimmed.empty()) return -1;
    if (IsPrjCat(trimmed)) {
        g_EditorPrjCats += trimmed + u",";
        return -1;
    }
    return NonPrjCatRow(trimmed);
}

void SplitItemCatName(std::u16string_view name, std::u16string& knownCats) {
    std::u16string trimmed;
    if (TakeItemCatName(name, trimmed) >= 0) knownCats += trimmed + u",";
}

void SplitItemCats(std::u16string_view text, std::u16string& knownCats) {
    size_t begin = 0;
    while (begin <= text.size()) {
        const size_t comma = text.find(u',', begin);
        const size_t end = comma == std::u16string_view::npos ? text.size() : comma;
        SplitItemCatName(text.substr(begin, end - begin), knownCats);
        if (comma == std::u16string_view::npos) break;
        begin = comma + 1;
    }
}

void ForgetStalePrjCats() {
    if (!NewItemInPrj) g_EditorPrjCats.clear();
}

std::u16string DlgItemText(HWND dialog, int id, int chars) {
    // The whole text, however long: a stored text longer than the field's usual size is kept, not cut.
    const HWND control = GetDlgItem(dialog, id);
    const int whole = std::max(chars, control ? GetWindowTextLengthW(control) + 1 : 0);
    std::u16string text(static_cast<size_t>(whole), u'\0');
    const int length = GetDlgItemTextW(dialog, id, text.data(), whole);
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}
