// The rows of the categories picker and what OK makes of them.
#include "editors/cat_picker.h"

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/prj_cats.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

std::u16string g_CatPickerText;
LONG g_CatsEditedFlag = 0;

namespace {

constexpr COLORREF kCatPickerDefaultOffer = 0x8B0000;
constexpr const WCHAR* kPrjCatNotLoaded = u"Project Category Added. Not Loaded Here.";

void SelectListRow(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
}

ValSnapArray g_CatPickerRows;

bool SameName(const std::u16string& a, const std::u16string& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

ValSnapArray& CatPickerRows() { return g_CatPickerRows; }

bool CatRowTicked(const ValSnap& row) { return row.numberValue != 0; }

void SetCatRowTick(ValSnap& row, bool ticked) { row.numberValue = ticked ? 1 : 0; }

ValSnap MakeCatPickerRow(int catIndex) {
    const CatRecord& record = g_CatList[catIndex];
    ValSnap row;
    row.label = record.name;
    row.kind = kCatRowKind;
    row.numberValue = 0;
    row.secondValue = record.icon;
    row.plainValue = static_cast<LONG>(record.colour);
    return row;
}

void BuildCatPickerRows() {
    g_CatPickerRows.RemoveAll();
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (!IsPrjCat(g_CatList[i].name)) g_CatPickerRows.Append(MakeCatPickerRow(i));
    }
}

void TickCatPickerRows(const std::u16string& text) {
    ForEachCommaPiece(text, [](const std::u16string& name) {
        if (IsPrjCat(name)) return;
        for (ValSnap& row : g_CatPickerRows) {
            if (SameName(row.label, name)) {
                SetCatRowTick(row, true);
                return;
            }
        }
    });
}

int CatPickerRowPos(int catIndex) {
    if (catIndex < 0 || catIndex >= g_CatList.Size() || IsPrjCat(g_CatList[catIndex].name)) return -1;
    int position = catIndex;
    for (int i = 0; i < catIndex; ++i) {
        if (IsPrjCat(g_CatList[i].name)) --position;
    }
    return position;
}

bool CommitCatPickerRows() {
    bool changed = false;
    for (const ValSnap& row : g_CatPickerRows) {
        for (CatRecord& record : g_CatList) {
            if (IsPrjCat(record.name) || !SameName(record.name, row.label)) continue;
            const auto colour = static_cast<COLORREF>(row.plainValue);
            if (record.colour != colour || record.icon != row.secondValue) {
                record.colour = colour;
                record.icon = row.secondValue;
                changed = true;
            }
            break;
        }
    }
    if (changed) SaveCategoriesFile();
    g_CatPickerText.clear();
    for (const ValSnap& row : g_CatPickerRows) {
        if (CatRowTicked(row)) g_CatPickerText += row.label + u",";
    }
    return changed;
}

COLORREF CatPickerStartColour(COLORREF colour) {
    return colour == kCatDefaultColour ? kCatPickerDefaultOffer : colour;
}

int AddCatPickerRow(HWND dialog, int listId, int catIndex) {
    if (catIndex < 0 || catIndex >= g_CatList.Size()) return -1;
    if (IsPrjCat(g_CatList[catIndex].name)) {
        ShowMessage(dialog, kPrjCatNotLoaded, MB_OK);
        return -1;
    }
    const int position = CatPickerRowPos(catIndex);
    g_CatPickerRows.InsertAt(position, MakeCatPickerRow(catIndex));
    const HWND list = GetDlgItem(dialog, listId);
    if (!list) return position;
    std::u16string label = g_CatPickerRows[position].label;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = position;
    item.pszText = label.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SelectListRow(list, position);
    return position;
}

int NewCatInPicker(HWND dialog) {
    g_PromptText.clear();
    int position = -1;
    if (PromptTextById(dialog, IDS_NEW_CATEGORY, IDS_ENTER_CATEGORY_NAME) == kPromptAccepted && !g_PromptText.empty()) {
        const std::u16string name = g_PromptText;
        if (CatNameExists(name)) {
            ShowMessage(dialog, LoadResStr(IDS_CATEGORY_EXISTS).c_str(), MB_ICONEXCLAMATION);
        } else {
            position = AddCatPickerRow(dialog, kCatPickerListId, AddCatSorted(name));
        }
    }
    if (const HWND list = GetDlgItem(dialog, kCatPickerListId)) SetFocus(list);
    return position;
}
