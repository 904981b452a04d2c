// The task form dialog (templates 7239, 7250, 7277): its entry points, filling and saving.
#include "editors/new_category.h"
#include "editors/tsk_form.h"

#include <iterator>
#include <vector>

#include "calendar/pending_view.h"
#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/cmd_line.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/prj_cats.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/custom_recur.h"
#include "editors/custom_recur_dlg.h"
#include "editors/editor_state.h"
#include "editors/item_commands.h"
#include "editors/item_templates.h"
#include "editors/new_item.h"
#include "editors/recur_choices.h"
#include "editors/recur_load.h"
#include "editors/res_text.h"
#include "editors/template_dlg.h"
#include "editors/text_insert.h"
#include "editors/text_pick_dlg.h"
#include "editors/tsk_list_editor.h"
#include "editors/tsk_save.h"
#include "editors/tsk_templates.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/frame_calls.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

namespace {

constexpr int kSubjectChars = 4096;  // 4095 characters and the terminator
constexpr int kNotesChars = 1000;
constexpr int kPriorityTextChars = 256;
constexpr UINT kPriorityRows[] = {IDS_PRIORITY_LOW, IDS_PRIORITY_NORMAL, IDS_PRIORITY_HIGH};
constexpr LRESULT kNormalPriorityRow = 1;
constexpr LONG kPrivateSensitivity = olPrivate;

LONG ImportanceOfRow(LRESULT row) { return row == 0 || row == 2 ? static_cast<LONG>(row) : olImportanceNormal; }
WPARAM RowOfImportance(LONG importance) { return importance == 0 || importance == 2 ? importance : kNormalPriorityRow; }

bool PickerDate(HWND dialog, int id, DateRec& out) {
    const HWND picker = GetDlgItem(dialog, id);
    if (!picker) return false;
    SYSTEMTIME time{};
    if (DateTime_GetSystemtime(picker, &time) != GDT_VALID) return false;
    DateAssignByVal(out, time);
    return true;
}

// The task's own date for date fields without one: its due date, else its start, else the day shown.
DateRec TskFormDate(HWND dialog) {
    DateRec date;
    if (PickerDate(dialog, IDC_TSK_DUE, date) || PickerDate(dialog, IDC_TSK_START, date)) return date;
    return g_SelectedDate;
}

void SetPickerDate(HWND dialog, int id, const DateRec* date) {
    const HWND picker = GetDlgItem(dialog, id);
    if (!picker) return;
    if (date) {
        SYSTEMTIME time = *date;
        (void)DateTime_SetSystemtime(picker, GDT_VALID, &time);
    } else {
        (void)DateTime_SetSystemtime(picker, GDT_NONE, nullptr);
    }
}

void SetPickerFromPoom(HWND dialog, int id, DATE value) {
    DateRec date;
    if (PoomDateToDateRec(GetPoomApp(), value, date)) SetPickerDate(dialog, id, &date);
    else SetPickerDate(dialog, id, nullptr);
}

void SelectCatRow(HWND dialog, std::u16string_view name) {
    std::u16string trimmed;
    const int row = TakeItemCatName(name, trimmed);
    if (row >= 0) SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_SELITEMRANGE, TRUE, MAKELPARAM(row, row));
}

void SelectCatRows(HWND dialog, const std::u16string& text) {
    size_t begin = 0;
    while (begin < text.size()) {
        size_t comma = text.find(u',', begin);
        if (comma == std::u16string::npos) comma = text.size();
        SelectCatRow(dialog, std::u16string_view(text).substr(begin, comma - begin));
        begin = comma + 1;
    }
}

void FillCatRows(HWND dialog) {
    for (const CatRecord& cat : g_CatList) {
        if (IsPrjCat(cat.name)) continue;
        SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cat.name.c_str()));
    }
}

// "New Category": the prompt inserts the new row at its place among all categories, project ones
// included, while this list leaves those out; the list is filled again so that each row still names
// the category its position stands for, and the ticked names stay ticked.
void NewCatInForm(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_ITEM_CATEGORIES);
    const int countBefore = g_CatList.Size();
    NewCatCmd(dialog);
    if (g_CatList.Size() == countBefore || !list) return;
    std::vector<std::u16string> ticked;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(row), 0) <= 0) continue;
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        std::u16string name(static_cast<size_t>(length > 0 ? length : 0) + 1, u'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(name.data()));
        name.resize(static_cast<size_t>(length > 0 ? length : 0));
        ticked.push_back(name);
    }
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    FillCatRows(dialog);
    for (const std::u16string& name : ticked) {
        const int row = NonPrjCatRow(name);
        if (row >= 0) SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(row, row));
    }
}

void EnableReminderTime(HWND dialog, bool enable) {
    const HWND time = GetDlgItem(dialog, IDC_TSK_REMIND_TIME);
    if ((IsWindowEnabled(time) != FALSE) != enable) EnableWindow(time, enable);
    SetFocus(enable ? time : GetDlgItem(dialog, IDC_TSK_REMIND_DATE));
}

// Occurs from the task's pattern, and the end of a recurring series into the custom state.
void FillTskDlgRecurrence(HWND dialog, ITask* task) {
    PoomPtr<IRecurrencePattern> pattern;
    const HRESULT got = task->GetRecurrencePattern(pattern.Out());
    DATE start = POOM_NO_DATE;
    task->get_StartDate(&start);
    const HWND occurs = GetDlgItem(dialog, IDC_TSK_OCCURS);
    DateRec startDate;
    if (PoomDateToDateRec(GetPoomApp(), start, startDate)) FillRecurCombo(occurs, startDate);
    if (FAILED(got) || !pattern) return;
    DATE patternStart = POOM_NO_DATE;
    pattern->get_PatternStartDate(&patternStart);
    DateRec patternDay;
    PoomDateToDateRec(GetPoomApp(), patternStart, patternDay);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    task->get_IsRecurring(&recurring);
    if (!recurring) {
        SendMessageW(occurs, LB_SETCURSEL, kRecurOnce, 0);
        return;
    }
    const LONG choice = OccursChoiceOfPattern(pattern.Get(), patternDay, kRecurUnnamed);
    if (choice != kRecurUnnamed) SendMessageW(occurs, LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    ReadPatternEnd(GetPoomApp(), pattern.Get());
}

INT_PTR OnTskFormInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_TSK_FORM_BAR, BackKey::kOverride)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    PushOpenDlg(dialog);
    const UINT title = g_TskEditFlags.newTask ? IDS_NEW_TASK : IDS_EDIT_TASK;
    SetTitleText(dialog, LoadResStr(title, kEditorTitleChars).c_str());
    RecurReset();  // a new task starts with no pattern of the last one
    InitTskDlgControls(dialog);
    FillTskDlgFromTemplate(dialog);
    FillTskDlgFromPOOM(dialog);
    SetEditorItemDate(TskFormDate(dialog));
    return TRUE;
}

void OnTskFormSize(HWND dialog) {
    const LONG landscape = IsLandscapeScreen() ? 1 : 0;
    if (landscape == g_TskEditFlags.landscape) return;
    g_TskEditFlags.landscape = landscape;
    RedrawNow(dialog);
    RelayoutDlgForOrientation(dialog, TskFormTemplate(landscape != 0));
}

INT_PTR OnTskFormNotify(HWND dialog, const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_KILLFOCUS)) return FALSE;
    switch (header.idFrom) {
    case IDC_TSK_START:
        if (StartDateIsSet(dialog)) FillRecurComboFromDlg(dialog, IDC_TSK_START);
        else if (DueDateIsSet(dialog)) FillRecurComboFromDlg(dialog, IDC_TSK_DUE);
        return TRUE;
    case IDC_TSK_DUE:
        if (!StartDateIsSet(dialog) && DueDateIsSet(dialog)) FillRecurComboFromDlg(dialog, IDC_TSK_DUE);
        return TRUE;
    case IDC_TSK_REMIND_DATE: {
        if (g_TskEditFlags.saving) return TRUE;
        DateRec date;
        EnableReminderTime(dialog, PickerDate(dialog, IDC_TSK_REMIND_DATE, date));
        return TRUE;
    }
    }
    return FALSE;
}

void EndTskForm(HWND dialog, INT_PTR result) {
    ApplyPendingViewChange();
    EndDialog(dialog, result);
}

INT_PTR OnTskFormCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: {
        const int saved = g_TskEditFlags.newTask ? SaveNewTskDlg(dialog) : SaveEditedTskDlg(dialog);
        if (saved) EndTskForm(dialog, kDlgAccept);
        return TRUE;
    }
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndTskForm(dialog, id); return TRUE;
    case IDC_TSK_OCCURS:
        if (code != LBN_SELCHANGE) return FALSE;
        OnOccursChange(dialog);
        return TRUE;
    case IDC_NEW_CATEGORY: NewCatInForm(dialog); return TRUE;
    case IDM_INSERT_TEXT: SelectTextDlg(dialog, 0); return TRUE;
    case IDM_INSERT_CONTACT: InsertPickedText(dialog); return TRUE;
    case IDM_CUSTOM_RECURRENCE: CustomRecurDlg(dialog); return TRUE;
    case IDM_SAVE_AS_TEMPLATE:
        if (SaveTskDlgAsTemplate(dialog) == 0) EndTskForm(dialog, kDlgCancel);
        return TRUE;
    }
    return FALSE;
}

bool CustomRecurBlocksSave(HWND dialog) {
    if (OccursIsCustom(dialog)) return false;
    ShowMessage(dialog, LoadResStr(IDS_CUSTOM_RECUR_NOT_EDITED).c_str(), MB_ICONEXCLAMATION);
    return true;
}

void RunTskForm() {
    RunProgramDialog(TskFormTemplate(g_TskEditFlags.landscape != 0), g_Frame.mainWnd, TskEditDlgProc);
}

}  // namespace

UINT TskFormTemplate(bool landscape) {
    if (!landscape || !IsQvgaScreen()) return IDD_TSK_FORM;
    return g_Settings.compressDlg ? IDD_TSK_FORM_COMPRESSED : IDD_TSK_FORM_WIDE;
}

bool StartDateIsSet(HWND dialog) {
    DateRec date;
    return PickerDate(dialog, IDC_TSK_START, date);
}

bool DueDateIsSet(HWND dialog) {
    DateRec date;
    return PickerDate(dialog, IDC_TSK_DUE, date);
}

void InitTskDlgControls(HWND dialog) {
    SubclassAutoCapsEdit2(GetDlgItem(dialog, IDC_TSK_SUBJECT));
    SubclassAutoCapsEdit2(GetDlgItem(dialog, IDC_ITEM_NOTES));
    if (const HWND priority = GetDlgItem(dialog, IDC_TSK_PRIORITY)) {
        for (const UINT id : kPriorityRows)
            SendMessageW(priority, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResStr(id, kPriorityTextChars).c_str()));
        SendMessageW(priority, LB_SETCURSEL, kNormalPriorityRow, 0);
    }
    const KeypadField keypad = g_Settings.taskDateAction ? KeypadField::kYes : KeypadField::kNo;
    const DateMenu menu = g_Settings.taskDateAction ? DateMenu::kYes : DateMenu::kNo;
    SetPickerDate(dialog, IDC_TSK_START, nullptr);
    SubclassControl(GetDlgItem(dialog, IDC_TSK_START), keypad, menu);
    if (g_TskEditFlags.taskArg) {
        const DateRec due(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay, kDefaultReminderHour);
        SetPickerDate(dialog, IDC_TSK_DUE, &due);
    } else {
        SetPickerDate(dialog, IDC_TSK_DUE, nullptr);
    }
    SubclassControl(GetDlgItem(dialog, IDC_TSK_DUE), keypad, menu);
    SetPickerDate(dialog, IDC_TSK_REMIND_DATE, nullptr);
    SubclassControl(GetDlgItem(dialog, IDC_TSK_REMIND_DATE), keypad, menu);
    DateRec today;
    DateNow(today);
    const DateRec eight(today.wYear, today.wMonth, today.wDay, kDefaultReminderHour);
    SetPickerDate(dialog, IDC_TSK_REMIND_TIME, &eight);
    EnableWindow(GetDlgItem(dialog, IDC_TSK_REMIND_TIME), FALSE);
    SubclassControl(GetDlgItem(dialog, IDC_TSK_REMIND_TIME), KeypadField::kNo, DateMenu::kNo);
    FillRecurCombo(GetDlgItem(dialog, IDC_TSK_OCCURS), today);
    SendDlgItemMessageW(dialog, IDC_TSK_OCCURS, LB_SETCURSEL, kRecurOnce, 0);
    FillCatRows(dialog);
}

void FillTskDlgFromTemplate(HWND dialog) {
    if (!g_FromTemplate || g_TemplateChoice < 0 || g_TemplateChoice >= g_TskTemplateList.Size()) return;
    const TskRecord& task = g_TskTemplateList[g_TemplateChoice];
    SetDlgItemTextW(dialog, IDC_TSK_SUBJECT, task.subject.c_str());
    SetDlgItemTextW(dialog, IDC_ITEM_NOTES, task.notes.c_str());
    CheckDlgButton(dialog, IDC_TSK_PRIVATE, task.sensitivity > 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_TSK_COMPLETED, task.complete ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(dialog, IDC_TSK_PRIORITY, LB_SETCURSEL, RowOfImportance(task.importance), 0);
    g_EditorPrjCats.clear();
    for (const std::u16string& name : task.categories) SelectCatRow(dialog, name);
}

void FillTskDlgFromPOOM(HWND dialog) {
    if (g_TskEditFlags.newTask || g_CurItem.oid == kNoId) return;
    const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), g_CurItem.oid, IID_ITask);
    if (task) FillTskDlg(dialog, task.Get());
}

void FillTskDlg(HWND dialog, ITask* task) {
    RecurReset();
    g_CustomRecur.needsEdit = 0;
    g_CustomRecur.endDateSet = 0;
    BSTR text = nullptr;
    task->get_Subject(&text);
    SetDlgItemTextW(dialog, IDC_TSK_SUBJECT, TakeBstr(text).c_str());
    LONG importance = olImportanceNormal;
    task->get_Importance(&importance);
    SendDlgItemMessageW(dialog, IDC_TSK_PRIORITY, LB_SETCURSEL, RowOfImportance(importance), 0);
    DATE date = POOM_NO_DATE;
    task->get_StartDate(&date);
    SetPickerFromPoom(dialog, IDC_TSK_START, date);
    date = POOM_NO_DATE;
    task->get_DueDate(&date);
    SetPickerFromPoom(dialog, IDC_TSK_DUE, date);
    text = nullptr;
    task->get_Body(&text);
    SetDlgItemTextW(dialog, IDC_ITEM_NOTES, TakeBstr(text).c_str());
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    if (complete) CheckDlgButton(dialog, IDC_TSK_COMPLETED, BST_CHECKED);
    FillTskDlgRecurrence(dialog, task);
    VARIANT_BOOL reminderSet = VARIANT_FALSE;
    DATE reminder = POOM_NO_DATE;
    task->get_ReminderTime(&reminder);
    task->get_ReminderSet(&reminderSet);
    DateRec reminderAt;
    if (reminderSet && PoomDateToDateRec(GetPoomApp(), reminder, reminderAt)) {
        SetPickerDate(dialog, IDC_TSK_REMIND_DATE, &reminderAt);
        SetPickerDate(dialog, IDC_TSK_REMIND_TIME, &reminderAt);
        EnableWindow(GetDlgItem(dialog, IDC_TSK_REMIND_TIME), TRUE);
    } else {
        SetPickerDate(dialog, IDC_TSK_REMIND_DATE, nullptr);
        EnableWindow(GetDlgItem(dialog, IDC_TSK_REMIND_TIME), FALSE);
    }
    LONG sensitivity = olNormal;
    task->get_Sensitivity(&sensitivity);
    if (sensitivity == kPrivateSensitivity) CheckDlgButton(dialog, IDC_TSK_PRIVATE, BST_CHECKED);
    g_EditorPrjCats.clear();
    text = nullptr;
    if (SUCCEEDED(task->get_Categories(&text))) SelectCatRows(dialog, TakeBstr(text));
}

std::u16string ReadTskDlgCategories(HWND dialog) {
    std::u16string text = g_EditorPrjCats;
    const HWND list = GetDlgItem(dialog, IDC_ITEM_CATEGORIES);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0)
            text += NonPrjCatName(static_cast<int>(row)) + u",";
    }
    return text;
}

TskFields ReadTskDlgFields(HWND dialog) {
    TskFields fields;
    fields.subject = DlgItemText(dialog, IDC_TSK_SUBJECT, kSubjectChars);
    if (fields.subject.empty()) fields.subject = LoadResStr(IDS_NO_SUBJECT);
    fields.importance = ImportanceOfRow(SendDlgItemMessageW(dialog, IDC_TSK_PRIORITY, LB_GETCURSEL, 0, 0));
    fields.start = NoDate();
    fields.due = NoDate();
    PickerDate(dialog, IDC_TSK_START, fields.start);
    PickerDate(dialog, IDC_TSK_DUE, fields.due);
    fields.notes = DlgItemText(dialog, IDC_ITEM_NOTES, kNotesChars);
    fields.complete = IsDlgButtonChecked(dialog, IDC_TSK_COMPLETED) == BST_CHECKED ? 1 : 0;
    const HWND occurs = GetDlgItem(dialog, IDC_TSK_OCCURS);
    fields.writeRecurrence = occurs != nullptr;
    fields.occurs = occurs ? static_cast<LONG>(SendMessageW(occurs, LB_GETCURSEL, 0, 0)) : -1;
    fields.reminderDate = NoDate();
    fields.reminderTime = NoDate();
    PickerDate(dialog, IDC_TSK_REMIND_DATE, fields.reminderDate);
    PickerDate(dialog, IDC_TSK_REMIND_TIME, fields.reminderTime);
    fields.sensitivity = IsDlgButtonChecked(dialog, IDC_TSK_PRIVATE) == BST_CHECKED ? kPrivateSensitivity : olNormal;
    fields.categories = ReadTskDlgCategories(dialog);
    return fields;
}

int SaveTaskFromDialog(HWND dialog, PoomPtr<ITask> task, LONG& oid) {
    if (!task) return 0;
    return WriteTskFields(dialog, std::move(task), ReadTskDlgFields(dialog), oid);
}

int SaveNewTskDlg(HWND dialog) {
    const TskSavingScope saving;
    if (CustomRecurBlocksSave(dialog)) return 0;
    LONG oid = kNoId;
    const int saved = SaveNewTsk(dialog, SaveTaskFromDialog, oid);
    if (saved) AfterNewTskSaved(oid);
    return saved;
}

int SaveEditedTskDlg(HWND dialog) {
    if (CustomRecurBlocksSave(dialog)) return 0;
    LONG oid = kNoId;
    const int saved = SaveSelectedTsk(dialog, SaveTaskFromDialog, oid);
    if (saved) AfterEditedTskSaved(oid);
    return saved;
}

INT_PTR CALLBACK TskEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnTskFormInit(dialog);
    case WM_DESTROY:
        ClearEditorItemDate();
        PopOpenDlg(dialog);
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    case WM_SIZE: OnTskFormSize(dialog); return FALSE;
    case WM_HOTKEY:
        if (HIWORD(lParam) != VK_ESCAPE) return FALSE;
        SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_NOTIFY: return OnTskFormNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: return OnTskFormCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
}

// ---- The entry points of the main window's commands.

void NewTskFormDlg(int fromNewTask) {
    if (g_Settings.listEdit) {
        NewTskListDlg(fromNewTask);
    } else {
        g_TskEditFlags.saving = 0;
        g_TskEditFlags.landscape = IsLandscapeScreen() ? 1 : 0;
        g_TskEditFlags.newTask = 1;
        g_TskEditFlags.taskArg = fromNewTask;
        ForgetStalePrjCats();
        RunTskForm();
        NewItemInPrj = 0;
        g_FromTemplate = 0;
        g_TskEditFlags.taskArg = 0;
        FocusCurrentView();
    }
    if (g_CmdLine.startedForOneItem) CloseMainWindowCmd(g_Frame.mainWnd);
}

void NewTskEditor(int fromNewTask) { NewTskFormDlg(fromNewTask); }

void EditTskFormDlg() {
    if (g_Settings.listEdit) {
        EditTskListDlg();
        return;
    }
    g_TskEditFlags.saving = 0;
    g_TskEditFlags.newTask = 0;
    g_TskEditFlags.landscape = IsLandscapeScreen() ? 1 : 0;
    RunTskForm();
    g_FromTemplate = 0;
    FocusCurrentView();
}

void NewTskFromTemplateDlg(int inOtherView) {
    if (g_Settings.listEdit) {
        NewTskListFromTemplateDlg(inOtherView);
        return;
    }
    g_TskEditFlags.saving = 0;
    g_TskEditFlags.landscape = IsLandscapeScreen() ? 1 : 0;
    g_TskEditFlags.newTask = 1;
    if (!TemplateDlg(g_Frame.mainWnd, kTemplateKindTask)) {
        FocusCurrentView();
        return;
    }
    if (g_TemplateChoice == -1) return;
    g_FromTemplate = 1;
    RunTskForm();
    g_FromTemplate = 0;
    FocusCurrentView();
}
