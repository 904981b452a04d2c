// The list-style item and fields forms. Each edits copies of its values in a field list of its own,
// stacked over the field list of the form it was opened from, and hands them to the same stores as
// the form-style dialogs on OK; Cancel and the lock's close leave everything as it was.
#include "wallet/wlt_list_forms.h"

#include <string>
#include <vector>

#include "core/prj_cats.h"
#include "core/secure_wipe.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/field_list.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/owner_draw.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/list_view_calls.h"
#include "ui/main_state.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"
#include "wallet/wlt_dlg_common.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_tree.h"

namespace {

constexpr int kListId = IDC_WLT_FIELD_LIST;
constexpr std::size_t kMaxTextChars = 4095;  // as much as the form-style boxes take

// The row kind of a field by the field's kind; secret fields and every kind not named are apart.
struct FieldRowKind {
    LONG field;
    LONG row;
};
constexpr FieldRowKind kFieldRowKinds[] = {
    {kWltKindDigits, 18}, {kWltKindNumber, 19}, {kWltKindPhone, 19},
    {kWltKindText, 20},   {kWltKindName, 20},   {kWltKindNote, 20},
};
constexpr LONG kMaskedRowKind = kFieldSecret;
constexpr LONG kPlainRowKind = kFieldLastShortText;

// The item form's rows, in order.
enum ItemRow { kRowName = 0, kRowType, kRowIcon, kRowCategories };

struct ItemListForm {
    WltItemDlgMode mode = WltItemDlgMode::New;
    std::u16string name;
    LONG type = 0;     // template index
    LONG iconPos = -1;  // icon - 1: the numbered choice counts from 0
    std::u16string categories;     // the plain categories the picker edits, each followed by ","
    std::u16string prjCategories;  // an edited item's project categories, which the picker leaves out
    std::u16string shownCategories;
    ValSnapArray rows;
};
ItemListForm g_ItemForm;

struct FieldsListForm {
    std::u16string values[kWltMaxShownFields];
    int count = 0;
    ValSnapArray rows;
};
FieldsListForm g_FieldsForm;

HWND FormList(HWND dialog) { return GetDlgItem(dialog, kListId); }

// The selected row of the field list of the window that opened the form, or -1.
int OwnerSelectedRow(HWND dialog) { return FieldListSelRow(GetDlgItem(GetWindow(dialog, GW_OWNER), kListId)); }

std::u16string Clipped(const std::u16string& text) { return text.substr(0, kMaxTextChars); }

LONG RowKindOfField(LONG fieldKind) {
    if (fieldKind == kWltKindSecret) return g_WltSettings.noMask ? kPlainRowKind : kMaskedRowKind;
    for (const FieldRowKind& entry : kFieldRowKinds)
        if (entry.field == fieldKind) return entry.row;
    return kPlainRowKind;
}

// Stacks the caller's field list and shows `rows` in this form's list.
void ShowFormRows(HWND dialog, ValSnapArray& rows) {
    FieldListPush(OwnerSelectedRow(dialog));
    InitSettingsList(dialog, kListId, true);
    SetFieldListTable(&rows, kListId);
    FieldListFillView(dialog, kListId, 0);
    SetFocus(FormList(dialog));
}

// Back to the caller's field list; the picture strip goes with the last form.
void LeaveFormRows() {
    FieldListPop();
    if (g_FieldList.depth < 0) FreeFieldIconList();
}

void EndListForm(HWND dialog, INT_PTR result) {
    LeaveFormRows();
    CloseWltDialog(dialog, result);
}

// The lock's close: the sweep that sends it empties the open-dialog stack itself.
void EndListFormByLock(HWND dialog) {
    LeaveFormRows();
    EndDialog(dialog, kWltDlgCancel);
}

void OnMeasureRow(LPARAM lParam) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType == ODT_LISTVIEW && measure.CtlID == static_cast<UINT>(kListId)) MeasureFieldRow(measure);
}

// Only while this form's rows are the current table: a form under another one keeps its picture.
void OnDrawRow(HWND dialog, LPARAM lParam, const ValSnapArray& rows) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType == ODT_LISTVIEW && item.hwndItem == FormList(dialog) && g_FieldList.rows == &rows)
        DrawFieldRow(item);
}

// A refused OK keeps the form open on the row to mend.
void RefuseOnRow(HWND dialog, const WltRefusal& refusal, int row) {
    ShowMessage(dialog, refusal.text, MB_OK | MB_ICONEXCLAMATION);
    LvSelectRow(FormList(dialog), row);
    SetFocus(FormList(dialog));
}

// ---- The item form

void SplitItemCategories(const std::u16string& text) {
    g_ItemForm.categories.clear();
    g_ItemForm.prjCategories.clear();
    ForEachCommaPiece(text, [](const std::u16string& name) {
        (IsPrjCat(name) ? g_ItemForm.prjCategories : g_ItemForm.categories) += name + u",";
    });
}

void LoadItemForm(WltItemDlgMode mode) {
    FillWalletTemplates();
    ItemListForm& form = g_ItemForm;
    form.mode = mode;
    form.name.clear();
    form.type = 0;
    for (int i = 0; i < g_Wlt.templates.Size(); ++i)
        if (platform::CompareNoCase(g_Wlt.templates[i].type, g_Wlt.selGroupName) == 0) form.type = i;
    SplitItemCategories(u"");
    const WltItem* edited = mode == WltItemDlgMode::Edit ? SelectedWltItem() : nullptr;
    if (edited) {
        form.type = 0;
        form.name = edited->name;
        form.iconPos = edited->icon - 1;
        SplitItemCategories(edited->categories);
    } else {
        form.iconPos = g_Wlt.templates[form.type].icon - 1;
    }
    form.shownCategories = form.categories;
}

void BuildItemRows() {
    ItemListForm& form = g_ItemForm;
    form.rows.RemoveAll();
    ValSnap name;
    ValSnapSet(name, u"Name", kFieldSubject, &form.name, nullptr);
    form.rows.Append(std::move(name));
    // An item keeps the type it was made as, a type no template names too: the row shows it alone.
    const WltItem* edited = form.mode == WltItemDlgMode::Edit ? SelectedWltItem() : nullptr;
    ValSnap type;
    if (edited) type.choices.Append(edited->type);
    else
        for (const WltItem& templ : g_Wlt.templates) type.choices.Append(templ.type);
    type.choiceCount = type.choices.Size();
    ValSnapSet(type, u"Type", kFieldChoice, &form.type, nullptr);
    type.locked = edited ? 1 : 0;
    form.rows.Append(std::move(type));
    ValSnap icon;
    for (int image = 1; image < kWltImageCount; ++image) icon.choices.Append(platform::FormatW(u"%d", image));
    icon.choiceCount = icon.choices.Size();
    ValSnapSet(icon, u"Icon", kFieldNumbered, &form.iconPos, nullptr);
    form.rows.Append(std::move(icon));
    ValSnap categories;
    ValSnapSet(categories, u"Categories:", kFieldCategories, &form.categories, nullptr);
    form.rows.Append(std::move(categories));
}

void InitWltItemList(HWND dialog) {
    SetTitleText(dialog, kWltNewItemTitle);
    BuildItemRows();
    ShowFormRows(dialog, g_ItemForm.rows);
}

// The item's categories: unchanged when the row was left alone, so that names the picker does not
// offer stay; else the project categories first, then the picked ones.
std::u16string ChosenCategories() {
    const ItemListForm& form = g_ItemForm;
    const WltItem* edited = form.mode == WltItemDlgMode::Edit ? SelectedWltItem() : nullptr;
    if (edited && form.categories == form.shownCategories) return edited->categories;
    return form.prjCategories + form.categories;
}

void ApplyWltItemList(HWND dialog) {
    CommitChangedSnaps(g_ItemForm.rows);
    const ItemListForm& form = g_ItemForm;
    const std::u16string name = Clipped(form.name);
    const LONG iconPos = form.iconPos >= 0 && form.iconPos < kWltImageCount - 1 ? form.iconPos : -1;
    if (const auto refusal = CheckWltItemInput(name, static_cast<int>(iconPos))) {
        RefuseOnRow(dialog, *refusal, name.empty() ? kRowName : kRowIcon);
        return;
    }
    if (StoreWltItemInfo(form.mode, form.type, name, iconPos + 1, ChosenCategories())) EndListForm(dialog, kWltDlgOk);
}

void OnItemListCommand(HWND dialog, UINT id) {
    TouchWltActivity();
    if (IsWltOkCommand(id)) ApplyWltItemList(dialog);
    else if (IsWltCancelCommand(id)) EndListForm(dialog, id);
}

INT_PTR CALLBACK WalletListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (OpenWltDialog(dialog, IDM_DONE_CANCEL_BAR)) InitWltItemList(dialog);
        return FALSE;
    case WM_COMMAND: OnItemListCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_MEASUREITEM: OnMeasureRow(lParam); return FALSE;
    case WM_DRAWITEM: OnDrawRow(dialog, lParam, g_ItemForm.rows); return FALSE;
    case WM_SIZE: FitDlgList(dialog, kListId, 1); return FALSE;
    case kMsgEndDialog: EndListFormByLock(dialog); return TRUE;
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

// ---- The fields form

void BuildFieldRows(const WltItem& item) {
    FieldsListForm& form = g_FieldsForm;
    form.rows.RemoveAll();
    form.count = item.fields.Size() < kWltMaxShownFields ? item.fields.Size() : kWltMaxShownFields;
    for (int i = 0; i < form.count; ++i) {
        const WltEntry& field = item.fields[i];
        form.values[i] = field.value;
        ValSnap row;
        ValSnapSet(row, field.label, RowKindOfField(field.kind), &form.values[i], nullptr);
        form.rows.Append(std::move(row));
    }
}

// The form's copies of the values, secrets among them, and the prompt's text that carried the last
// one typed are overwritten once the form is gone, as the lock does with the items.
void ForgetFieldsForm() {
    FieldsListForm& form = g_FieldsForm;
    for (ValSnap& row : form.rows) WipeText(row.textValue);
    form.rows.RemoveAll();
    for (std::u16string& value : form.values) WipeText(value);
    form.count = 0;
    WipeText(g_PromptText);
}

void InitWltFieldsList(HWND dialog) {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    SetTitleText(dialog, WltFieldsTitle(*item).c_str());
    BuildFieldRows(*item);
    ShowFormRows(dialog, g_FieldsForm.rows);
}

void SaveWltFieldsList(HWND dialog) {
    CommitChangedSnaps(g_FieldsForm.rows);
    std::vector<std::u16string> values;
    for (int i = 0; i < g_FieldsForm.count; ++i) values.push_back(Clipped(g_FieldsForm.values[i]));
    StoreWltFieldValues(values);
    EndListForm(dialog, kWltDlgOk);
}

void OnFieldsListCommand(HWND dialog, UINT id) {
    TouchWltActivity();
    if (id == IDM_WLT_EDIT_ITEM_INFO) {
        if (SelectedWltItem()) RunWltItemListDlg(dialog, WltItemDlgMode::Edit);
    } else if (IsWltOkCommand(id)) SaveWltFieldsList(dialog);
    else if (IsWltCancelCommand(id)) EndListForm(dialog, id);
}

INT_PTR CALLBACK WalletListDlgProc2(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (OpenWltDialog(dialog, IDM_WLT_FIELDS_LIST_BAR)) InitWltFieldsList(dialog);
        return FALSE;
    case WM_COMMAND: OnFieldsListCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_MEASUREITEM: OnMeasureRow(lParam); return FALSE;
    case WM_DRAWITEM: OnDrawRow(dialog, lParam, g_FieldsForm.rows); return FALSE;
    case WM_SIZE: FitDlgList(dialog, kListId, 1); return FALSE;
    case kMsgEndDialog: EndListFormByLock(dialog); return TRUE;
    case WM_DESTROY: ForgetFieldsForm(); break;
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

}  // namespace

INT_PTR RunWltItemListDlg(HWND owner, WltItemDlgMode mode) {
    LoadItemForm(mode);
    return DialogBoxParamW(g_Main.instance, MAKEINTRESOURCEW(IDD_WLT_LIST), owner, WalletListDlgProc, 0);
}

INT_PTR RunWltFieldsListDlg(HWND owner) {
    return DialogBoxParamW(g_Main.instance, MAKEINTRESOURCEW(IDD_WLT_LIST), owner, WalletListDlgProc2, 0);
}
