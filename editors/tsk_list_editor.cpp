// The list-style task editor: its rows, dialog procedure, load, save and start-up.
#include "editors/tsk_list_editor.h"

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/id_index.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/tsk_priority.h"
#include "editors/custom_recur.h"
#include "editors/editor_row_rules.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/recur_list_dlg.h"
#include "editors/recur_load.h"
#include "editors/res_text.h"
#include "editors/template_dlg.h"
#include "editors/tsk_save.h"
#include "editors/tsk_templates.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/frame_calls.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

TskEditorState g_TskEditor;

namespace {

// The task's own date for date fields without one: its due date, else its start, else the day shown.
DateRec TskEditorDate() {
    if (g_TskEditor.dueDate.wYear != kNoDateYear) return g_TskEditor.dueDate;
    if (g_TskEditor.startDate.wYear != kNoDateYear) return g_TskEditor.startDate;
    return g_SelectedDate;
}

ValSnapArray g_TskEditRows;

constexpr WORD kDefaultHour = 8;
constexpr LONG kLastNumber = 99;

// Row kinds of the field list.
enum TskRowKind : LONG {
    kRowCheck = 0,
    kRowChoice = 1,
    kRowIcon = 3,
    kRowSubject = 7,
    kRowDateOrNone = 10,
    kRowTime = 11,
    kRowCategories = 14,
    kRowLongText = 15,
};

enum class TskField { Subject, Completed, Priority, Start, Due, Occurs, RemindDate, RemindTime, Sensitivity,
                      Categories, Icon, Abc, Number, Notes };

struct TskRowDef {
    UINT label;
    LONG kind;
    TskField field;
    LONG picture;
    bool dependants;
};

constexpr TskRowDef kTskRows[] = {
    {IDS_LABEL_SUBJECT, kRowSubject, TskField::Subject, 7, false},
    {IDS_LABEL_COMPLETED, kRowCheck, TskField::Completed, 30, false},
    {IDS_LABEL_PRIORITY, kRowChoice, TskField::Priority, 28, false},
    {IDS_LABEL_TASK_START_DATE, kRowDateOrNone, TskField::Start, 15, false},
    {IDS_LABEL_DUE_DATE, kRowDateOrNone, TskField::Due, 15, true},
    {IDS_LABEL_OCCURS, kRowChoice, TskField::Occurs, 32, true},
    {IDS_LABEL_REMINDER_DATE, kRowDateOrNone, TskField::RemindDate, 31, true},
    {IDS_LABEL_REMINDER_TIME, kRowTime, TskField::RemindTime, 31, false},
    {IDS_LABEL_SENSITIVITY, kRowChoice, TskField::Sensitivity, 4, false},
    {IDS_LABEL_CATEGORIES, kRowCategories, TskField::Categories, 5, false},
    {IDS_LABEL_ASSIGN_ICON, kRowIcon, TskField::Icon, 25, false},
    {IDS_LABEL_ABC_PRIORITY, kRowChoice, TskField::Abc, 28, true},
    {IDS_LABEL_123_PRIORITY, kRowChoice, TskField::Number, 28, false},
    {IDS_LABEL_NOTES, kRowLongText, TskField::Notes, 16, false},
};

constexpr UINT kPriorityChoices[] = {IDS_PRIORITY_LOW, IDS_PRIORITY_NORMAL, IDS_PRIORITY_HIGH};
constexpr UINT kSensitivityChoices[] = {IDS_SENSITIVITY_NORMAL, IDS_SENSITIVITY_PERSONAL, IDS_SENSITIVITY_PRIVATE,
                                        IDS_SENSITIVITY_CONFIDENTIAL};

void* FieldPtr(TskField field) {
    TskEditorState& s = g_TskEditor;
    switch (field) {
    case TskField::Subject: return &s.subject;
    case TskField::Completed: return &s.completed;
    case TskField::Priority: return &s.priority;
    case TskField::Start: return &s.startDate;
    case TskField::Due: return &s.dueDate;
    case TskField::Occurs: return &s.occurs;
    case TskField::RemindDate: return &s.reminderDate;
    case TskField::RemindTime: return &s.reminderTime;
    case TskField::Sensitivity: return &s.sensitivity;
    case TskField::Categories: return &s.categories;
    case TskField::Icon: return &s.icon;
    case TskField::Abc: return &s.abcLetter;
    case TskField::Number: return &s.number;
    case TskField::Notes: return &s.notes;
    }
    return nullptr;
}

template <size_t N>
void SetChoiceTexts(ValSnap& row, const UINT (&ids)[N]) {
    row.choices.RemoveAll();
    for (const UINT id : ids) row.choices.Append(LoadResStr(id, kRowLabelChars));
}

// The choices and lock of a row, before its value is captured.
void PrepareRow(HWND dialog, ValSnap& row, TskField field) {
    row.offset = 0;
    switch (field) {
    case TskField::Priority: SetChoiceTexts(row, kPriorityChoices); break;
    case TskField::Sensitivity: SetChoiceTexts(row, kSensitivityChoices); break;
    case TskField::Abc: FillLetterChoices(row); break;
    case TskField::Number: FillNumberChoices(row, 0, kLastNumber); break;
    case TskField::Occurs: {
        DateRec date = g_TskEditor.dueDate;
        if (IsNoDate(date)) DateNow(date);
        FillRecurChoices2(dialog, row, date);
        break;
    }
    default: break;
    }
    row.choiceCount = row.choices.Size();
}

LONG RowLock(TskField field) {
    switch (field) {
    case TskField::Occurs: return IsNoDate(g_TskEditor.dueDate) ? 1 : 0;
    case TskField::RemindTime: return IsNoDate(g_TskEditor.reminderDate) ? 1 : 0;
    case TskField::Number: return g_TskEditor.abcLetter == 0 ? 1 : 0;
    default: return 0;
    }
}

DateRec TodayAt(WORD hour) {
    DateRec today;
    DateNow(today);
    return DateRec(today.wYear, today.wMonth, today.wDay, hour);
}

// A POOM date whole into a field, or none.
void ReadTskDate(DATE value, DateRec& field) {
    if (!PoomDateToDateRec(GetPoomApp(), value, field)) field = NoDate();
}

void LoadTskRecurrence(ITask* task) {
    PoomPtr<IRecurrencePattern> pattern;
    if (FAILED(task->GetRecurrencePattern(pattern.Out())) || !pattern) return;
    DATE start = POOM_NO_DATE;
    pattern->get_PatternStartDate(&start);
    DateRec patternDay;
    PoomDateToDateRec(GetPoomApp(), start, patternDay);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    task->get_IsRecurring(&recurring);
    if (!recurring) {
        g_TskEditor.occurs = kRecurOnce;
        return;
    }
    g_TskEditor.occurs = OccursChoiceOfPattern(pattern.Get(), patternDay, kRecurUnnamed);
    ReadPatternEnd(GetPoomApp(), pattern.Get());
}

bool CustomRecurBlocksSave(HWND dialog) {
    if (CheckCustomRecurEdited(CommitTskSnaps, g_TskEditor.occurs)) return false;
    ShowMessage(dialog, LoadResStr(IDS_CUSTOM_RECUR_NOT_EDITED, kRowLabelChars).c_str(), MB_ICONEXCLAMATION);
    return true;
}

void FillTskEditorList(HWND dialog) {
    SetFieldListTable(&g_TskEditRows, IDC_TSK_FIELD_LIST);
    FieldListFillView(dialog, IDC_TSK_FIELD_LIST, 0);
    SetFocus(GetDlgItem(dialog, IDC_TSK_FIELD_LIST));
}

INT_PTR OnTskListCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (SaveTskListEditor(dialog)) EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndDialog(dialog, id); return TRUE;
    case IDM_SAVE_AS_TEMPLATE:
        if (SaveTskEditorAsTemplate(dialog) == 0) EndDialog(dialog, kDlgCancel);
        return TRUE;
    case IDM_CUSTOM_RECURRENCE: ItemRecurListDlg(dialog, 1); return TRUE;
    case IDM_APPLY_TEMPLATE: ApplyTskTemplateCmd(dialog); return TRUE;
    }
    return FALSE;
}

void RunTskListEditor() {
    RunProgramDialog(IDD_TSK_LIST_EDIT, g_Frame.mainWnd, TskListEditDlgProc);
}

}  // namespace

ValSnapArray& TskEditRows() { return g_TskEditRows; }

void BuildTskEditRows(HWND dialog) {
    g_TskEditRows.RemoveAll();
    for (const TskRowDef& def : kTskRows) {
        ValSnap row;
        PrepareRow(dialog, row, def.field);
        ValSnapSet(row, LoadResStr(def.label, kRowLabelChars), def.kind, FieldPtr(def.field), nullptr);
        if (def.field == TskField::Occurs) ShowOccursRowUnnamed(row);
        row.secondValue = def.picture;
        row.rowFlag = def.dependants ? 1 : 0;
        row.locked = RowLock(def.field);
        g_TskEditRows.Append(std::move(row));
    }
}

void CommitTskSnaps() { CommitChangedSnaps(g_TskEditRows); }

int SaveTskListEditor(HWND dialog) { return g_TskEditFlags.newTask ? SaveTskEditor(dialog) : SaveTskEditor2(dialog); }

void LoadCurTskForEdit(HWND dialog) {
    if (g_TskEditFlags.newTask || g_CurItem.oid == kNoId) return;
    const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), g_CurItem.oid, IID_ITask);
    if (task) LoadTskForEdit(dialog, task.Get());
}

void LoadTskForEdit(HWND, ITask* task) {
    TskEditorState& s = g_TskEditor;
    RecurReset();
    g_CustomRecur.needsEdit = 0;
    g_CustomRecur.endDateSet = 0;
    BSTR text = nullptr;
    task->get_Subject(&text);
    WCHAR letter = 0;
    ParseLetterNumberPrefix(s.subject, TakeBstr(text), letter, s.number);
    s.abcLetter = LetterToAbcPrio(letter);
    LONG oid = kNoId;
    task->get_Oid(&oid);
    s.icon = IdIndexGet(oid, g_CustomIconIndex);
    LONG importance = -1;
    task->get_Importance(&importance);
    if (importance >= olImportanceLow && importance <= olImportanceHigh) s.priority = importance;
    DATE date = POOM_NO_DATE;
    task->get_StartDate(&date);
    ReadTskDate(date, s.startDate);
    date = POOM_NO_DATE;
    task->get_DueDate(&date);
    ReadTskDate(date, s.dueDate);
    text = nullptr;
    task->get_Body(&text);
    s.notes = TakeBstr(text);
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    s.completed = complete ? 1 : 0;
    LoadTskRecurrence(task);
    DATE reminder = POOM_NO_DATE;
    VARIANT_BOOL reminderSet = VARIANT_FALSE;
    task->get_ReminderTime(&reminder);
    task->get_ReminderSet(&reminderSet);
    if (reminderSet && PoomDateToDateRec(GetPoomApp(), reminder, s.reminderDate)) {
        s.reminderTime = s.reminderDate;
    } else {
        s.reminderDate = NoDate();
        s.reminderTime = NoDate();
    }
    task->get_Sensitivity(&s.sensitivity);
    g_EditorPrjCats.clear();
    text = nullptr;
    if (SUCCEEDED(task->get_Categories(&text))) SplitItemCats(TakeBstr(text), s.categories);
}

int SaveTskPOOM(HWND dialog, PoomPtr<ITask> task, LONG& oid) {
    CommitTskSnaps();
    if (!task) return 0;
    TskEditorState& s = g_TskEditor;
    TskFields fields;
    const std::u16string subject = s.subject.empty() ? LoadResStr(IDS_NO_SUBJECT) : s.subject;
    FormatLetterNumberPrefix(fields.subject, subject, AbcPrioToLetter(s.abcLetter), s.number);
    fields.importance = s.priority;
    fields.start = s.startDate;
    fields.due = s.dueDate;
    fields.notes = s.notes;
    fields.complete = s.completed;
    fields.occurs = s.occurs;
    fields.patternStartFromDue = true;
    if (!IsNoDate(s.reminderDate) && !IsNoDate(s.dueDate) && !IsNoDate(s.reminderTime)) {
        s.reminderDate = DateRec(s.reminderDate.wYear, s.reminderDate.wMonth, s.reminderDate.wDay, s.reminderTime.wHour,
                                 s.reminderTime.wMinute, s.reminderTime.wSecond);
    }
    fields.reminderDate = s.reminderDate;
    fields.reminderTime = s.reminderTime;
    fields.sensitivity = s.sensitivity;
    fields.categories = g_EditorPrjCats + s.categories;
    return WriteTskFields(dialog, std::move(task), fields, oid);
}

int SaveTskEditor(HWND dialog) {
    const TskSavingScope saving;
    if (CustomRecurBlocksSave(dialog)) return 0;
    LONG oid = kNoId;
    const int saved = SaveNewTsk(dialog, SaveTskPOOM, oid);
    if (saved) {
        if (g_TskEditor.icon != kNoId) StoreItemCustomIcon(oid, g_TskEditor.icon, false);
        AfterNewTskSaved(oid);
    }
    return saved;
}

int SaveTskEditor2(HWND dialog) {
    if (CustomRecurBlocksSave(dialog)) return 0;
    LONG oid = kNoId;
    const int saved = SaveSelectedTsk(dialog, SaveTskPOOM, oid);
    if (saved) {
        StoreItemCustomIcon(oid, g_TskEditor.icon, true);
        AfterEditedTskSaved(oid);
    }
    return saved;
}

void ResetTskEditorState(HWND) {
    TskEditorState& s = g_TskEditor;
    s = TskEditorState{};
    s.startDate = NoDate();
    s.dueDate = NoDate();
    s.reminderDate = NoDate();
    s.reminderTime = TodayAt(kDefaultHour);
    if (g_TskEditFlags.taskArg)
        s.dueDate = DateRec(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay, kDefaultHour);
}

void FillTskEditorFromTemplate(HWND) {
    if (!g_FromTemplate || g_TemplateChoice < 0 || g_TemplateChoice >= g_TskTemplateList.Size()) return;
    const TskRecord& task = g_TskTemplateList[g_TemplateChoice];
    TskEditorState& s = g_TskEditor;
    s.subject = task.subject;
    s.notes = task.notes;
    s.sensitivity = task.sensitivity;
    s.completed = task.complete;
    s.priority = task.importance;
    s.icon = task.icon;
    s.number = task.prefixNumber;
    s.abcLetter = LetterToAbcPrio(static_cast<WCHAR>(task.prefixLetter));
    g_EditorPrjCats.clear();
    for (const std::u16string& name : task.categories) SplitItemCatName(name, s.categories);
}

void ApplyTskTemplateCmd(HWND dialog) {
    if (!TemplateDlg(dialog, kTemplateKindTask) || g_TemplateChoice == -1) return;
    g_FromTemplate = 1;
    FillTskEditorFromTemplate(dialog);
    BuildTskEditRows(dialog);
    FillTskEditorList(dialog);
}

void InitTskListEditor(HWND dialog) {
    RecurReset();  // a new task starts with no pattern of the last one
    const UINT title = g_TskEditFlags.newTask ? IDS_NEW_TASK : IDS_EDIT_TASK;
    SetTitleText(dialog, LoadResStr(title, kEditorTitleChars).c_str());
    InitSettingsList(dialog, IDC_TSK_FIELD_LIST, true);
    ResetTskEditorState(dialog);
    FillTskEditorFromTemplate(dialog);
    LoadCurTskForEdit(dialog);
    SetEditorItemDate(TskEditorDate());
    BuildTskEditRows(dialog);
    FillTskEditorList(dialog);
}

INT_PTR CALLBACK TskListEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_TSK_LIST_BAR, BackKey::kDefault)) EndDialog(dialog, kDlgFailed);
        PushOpenDlg(dialog);
        InitTskListEditor(dialog);
        return TRUE;
    case WM_COMMAND: return OnTskListCommand(dialog, LOWORD(wParam));
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType == ODT_LISTVIEW && measure.CtlID == IDC_TSK_FIELD_LIST) MeasureFieldRow(measure);
        return FALSE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const HWND list = GetDlgItem(dialog, IDC_TSK_FIELD_LIST);
        if (item.CtlType == ODT_LISTVIEW && item.hwndItem == list && g_FieldList.listId == IDC_TSK_FIELD_LIST)
            DrawFieldRow(item);
        return FALSE;
    }
    case WM_SIZE: FitDlgList(dialog, IDC_TSK_FIELD_LIST, 1); return FALSE;
    case kMsgFieldRowChanged:
        OnEditorOccursRowChanged(dialog, static_cast<int>(wParam), &g_TskEditor.occurs, &g_TskEditor.startDate);
        TskEditorRowChanged(dialog, static_cast<int>(wParam));
        return TRUE;
    case WM_DESTROY:
        ClearEditorItemDate();
        PopOpenDlg(dialog);
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void NewTskListDlg(int preset) {
    g_TskEditFlags.taskArg = preset;
    g_TskEditFlags.newTask = 1;
    ForgetStalePrjCats();
    RunTskListEditor();
    NewItemInPrj = 0;
    g_FromTemplate = 0;
    g_TskEditFlags.taskArg = 0;
    FocusCurrentView();
}

void EditTskListDlg() {
    g_TskEditFlags.newTask = 0;
    RunTskListEditor();
    g_FromTemplate = 0;
    FocusCurrentView();
}

void NewTskListFromTemplateDlg(int preset) {
    g_TskEditFlags.saving = 0;
    g_TskEditFlags.landscape = IsLandscapeScreen() ? 1 : 0;
    g_TskEditFlags.newTask = 1;
    g_TskEditFlags.taskArg = preset;
    if (!TemplateDlg(g_Frame.mainWnd, kTemplateKindTask)) {
        g_TskEditFlags.taskArg = 0;
        FocusCurrentView();
        return;
    }
    if (g_TemplateChoice == -1) {
        g_TskEditFlags.taskArg = 0;
        return;
    }
    g_FromTemplate = 1;
    RunTskListEditor();
    g_FromTemplate = 0;
    g_TskEditFlags.taskArg = 0;
    FocusCurrentView();
}
