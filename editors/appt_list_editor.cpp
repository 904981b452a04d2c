// The list-style appointment editor: its rows, dialog procedure and entry points.
#include "editors/appt_list_editor.h"

#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "editors/appt_editor_state.h"
#include "editors/appt_form_services.h"
#include "editors/custom_recur.h"
#include "editors/editor_row_rules.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/recur_list_dlg.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "editors/template_dlg.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/frame_calls.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

ApptEditorState g_ApptEditor;

namespace {

ValSnapArray g_ApptEditRows;


enum ApptRowKind : LONG {
    kRowCheck = 0,
    kRowChoice = 1,
    kRowIcon = 3,
    kRowSubject = 7,
    kRowLocation = 8,
    kRowDate = 9,
    kRowTime = 11,
    kRowCategories = 14,
    kRowLongText = 15,
};

enum class ApptField { Subject, Location, AllDay, StartDate, StartTime, EndDate, EndTime, Occurs, Reminder,
                       Sensitivity, Categories, Icon, Status, Notes };

struct ApptRowDef {
    UINT label;
    LONG kind;
    ApptField field;
    LONG picture;
    bool dependants;
};

constexpr ApptRowDef kApptRows[] = {
    {IDS_LABEL_SUBJECT, kRowSubject, ApptField::Subject, 20, false},
    {IDS_LABEL_LOCATION, kRowLocation, ApptField::Location, 33, false},
    {IDS_LABEL_ALL_DAY, kRowCheck, ApptField::AllDay, 34, true},
    {IDS_LABEL_START_DATE, kRowDate, ApptField::StartDate, 15, true},
    {IDS_LABEL_START_TIME, kRowTime, ApptField::StartTime, 30, true},
    {IDS_LABEL_END_DATE, kRowDate, ApptField::EndDate, 15, true},
    {IDS_LABEL_END_TIME, kRowTime, ApptField::EndTime, 30, true},
    {IDS_LABEL_OCCURS, kRowChoice, ApptField::Occurs, 32, true},
    {IDS_LABEL_REMINDER, kRowChoice, ApptField::Reminder, 31, false},
    {IDS_LABEL_SENSITIVITY, kRowChoice, ApptField::Sensitivity, 4, false},
    {IDS_LABEL_CATEGORIES, kRowCategories, ApptField::Categories, 5, false},
    {IDS_LABEL_ASSIGN_ICON, kRowIcon, ApptField::Icon, 25, false},
    {IDS_LABEL_STATUS, kRowChoice, ApptField::Status, 28, false},
    {IDS_LABEL_NOTES, kRowLongText, ApptField::Notes, 16, false},
};

constexpr UINT kSensitivityChoices[] = {IDS_SENSITIVITY_NORMAL, IDS_SENSITIVITY_PERSONAL, IDS_SENSITIVITY_PRIVATE,
                                        IDS_SENSITIVITY_CONFIDENTIAL};
// In the order of POOM's busy status values.
constexpr UINT kStatusChoices[] = {IDS_STATUS_FREE, IDS_STATUS_TENTATIVE, IDS_STATUS_BUSY, IDS_STATUS_OUT_OF_OFFICE};

void* FieldPtr(ApptField field) {
    ApptEditorState& s = g_ApptEditor;
    switch (field) {
    case ApptField::Subject: return &s.subject;
    case ApptField::Location: return &s.location;
    case ApptField::AllDay: return &s.allDay;
    case ApptField::StartDate: return &s.dates.startDate;
    case ApptField::StartTime: return &s.dates.startTime;
    case ApptField::EndDate: return &s.dates.endDate;
    case ApptField::EndTime: return &s.dates.endTime;
    case ApptField::Occurs: return &s.occurs;
    case ApptField::Reminder: return &s.reminder;
    case ApptField::Sensitivity: return &s.sensitivity;
    case ApptField::Categories: return &s.categories;
    case ApptField::Icon: return &s.icon;
    case ApptField::Status: return &s.status;
    case ApptField::Notes: return &s.notes;
    }
    return nullptr;
}

template <size_t N>
void SetChoiceTexts(ValSnap& row, const UINT (&ids)[N]) {
    row.choices.RemoveAll();
    for (const UINT id : ids) row.choices.Append(LoadResStr(id, kRowLabelChars));
}

// The custom span as the one locked choice, or the twelve standard choices.
void SetReminderChoices(ValSnap& row) {
    row.offset = 0;
    row.choices.RemoveAll();
    if (g_CustomReminder.useCustom) {
        row.choices.Append(CustomReminderLabel(g_CustomReminder, IsLandscapeScreen()));
        row.indexValue = 0;
        row.locked = 1;
    } else {
        FillReminderRowChoices(row);
        row.locked = 0;
    }
    row.choiceCount = row.choices.Size();
}

void PrepareRow(HWND dialog, ValSnap& row, ApptField field) {
    row.offset = 0;
    switch (field) {
    case ApptField::Sensitivity: SetChoiceTexts(row, kSensitivityChoices); break;
    case ApptField::Status: SetChoiceTexts(row, kStatusChoices); break;
    case ApptField::Occurs: FillRecurChoices2(dialog, row, g_ApptEditor.dates.endDate); break;
    default: break;
    }
    row.choiceCount = row.choices.Size();
}

void FillApptEditorList(HWND dialog) {
    SetFieldListTable(&g_ApptEditRows, IDC_APPT_FIELD_LIST);
    FieldListFillView(dialog, IDC_APPT_FIELD_LIST, 0);
    SetFocus(GetDlgItem(dialog, IDC_APPT_FIELD_LIST));
}

INT_PTR OnApptListCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (SaveApptListEditor(dialog)) EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndDialog(dialog, id); return TRUE;
    case IDM_CUSTOM_REMINDER: ApptListCustomReminder(dialog); return TRUE;
    case IDM_SAVE_AS_TEMPLATE:
        if (SaveApptEditorAsTemplate(dialog) == 0) EndDialog(dialog, kDlgCancel);
        return TRUE;
    case IDM_ATTENDEES: AttendeesDlg(dialog); return TRUE;
    case IDM_CUSTOM_RECURRENCE: ItemRecurListDlg(dialog, 0); return TRUE;
    case IDM_APPLY_TEMPLATE: ApplyTemplateInApptList(dialog); return TRUE;
    }
    return FALSE;
}

INT_PTR RunApptListEditor() {
    g_ApptEditFlags.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    return RunProgramDialog(IDD_APPT_LIST_EDIT, g_Frame.mainWnd, ApptListEditDlgProc);
}

void RelayoutAfterNewAppt() {
    RelayoutAgendaView();
    FreeBackBuffers();
    if (ViewId == kViewDay) SelectFirstDayItem();
}

}  // namespace

ApptListFields& ApptListEditFields() { return g_ApptEditor.dates; }


ValSnapArray& ApptEditRows() { return g_ApptEditRows; }

void CommitApptSnaps() { CommitChangedSnaps(g_ApptEditRows); }

void BuildApptEditRows(HWND dialog) {
    g_ApptEditRows.RemoveAll();
    for (const ApptRowDef& def : kApptRows) {
        if (def.field == ApptField::Occurs && g_ApptEditFlags.occurrenceOnly) continue;
        ValSnap row;
        PrepareRow(dialog, row, def.field);
        ValSnapSet(row, LoadResStr(def.label, kRowLabelChars), def.kind, FieldPtr(def.field), nullptr);
        if (def.field == ApptField::Reminder) SetReminderChoices(row);
        if (def.field == ApptField::Occurs) ShowOccursRowUnnamed(row);
        row.secondValue = def.picture;
        row.rowFlag = def.dependants ? 1 : 0;
        g_ApptEditRows.Append(std::move(row));
    }
}

void InitApptListEditor(HWND dialog) {
    RecurReset();
    g_ApptEditor.keptMinutes = 0;
    g_CustomRecur.needsEdit = 0;
    g_CustomRecur.endDateSet = 0;
    g_ApptEditFlags.firstAllDayDone = 0;
    g_ApptEditor.keepDuration = 1;
    g_ApptEditor.keptHours = 1;
    g_EditorPrjCats.clear();
    SetTitleText(dialog, LoadResStr(IDS_APPOINTMENT, kEditorTitleChars).c_str());
    InitSettingsList(dialog, IDC_APPT_FIELD_LIST, true);
    g_ApptEditFlags.occurrenceOnly = 0;
    InitNewApptEditorState(dialog);
    FillApptEditorFromTemplate(dialog);
    EditApptByOid(dialog);
    SetEditorItemDate(g_ApptEditor.dates.startDate);
    BuildApptEditRows(dialog);
    FillApptEditorList(dialog);
}

void ApplyTemplateInApptList(HWND dialog) {
    if (!TemplateDlg(dialog, kTemplateKindAppt) || g_TemplateChoice == -1) return;
    g_FromTemplate = 1;
    FillApptEditorFromTemplate(dialog);
    BuildApptEditRows(dialog);
    FillApptEditorList(dialog);
}

void ApptListCustomReminder(HWND dialog) {
    const LONG wasCustom = g_CustomReminder.useCustom;
    ReminderTimesDlg(dialog);
    const LONG index = FindValSnapFor(&g_ApptEditor.reminder);
    if (index < 0 || index >= g_ApptEditRows.Size()) return;
    const LONG nowCustom = g_CustomReminder.useCustom;
    if (!wasCustom && !nowCustom) return;
    ValSnap& row = g_ApptEditRows[index];
    SetReminderChoices(row);
    row.indexValue = 0;
    const HWND list = GetDlgItem(dialog, IDC_APPT_FIELD_LIST);
    SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
    if (nowCustom) UpdateWindow(list);
}

INT_PTR CALLBACK ApptListEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_APPT_LIST_BAR, BackKey::kDefault)) EndDialog(dialog, kDlgFailed);
        PushOpenDlg(dialog);
        InitApptListEditor(dialog);
        return TRUE;
    case WM_COMMAND: return OnApptListCommand(dialog, LOWORD(wParam));
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType == ODT_LISTVIEW && measure.CtlID == IDC_APPT_FIELD_LIST) MeasureFieldRow(measure);
        return FALSE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const HWND list = GetDlgItem(dialog, IDC_APPT_FIELD_LIST);
        if (item.CtlType == ODT_LISTVIEW && item.hwndItem == list && g_FieldList.listId == IDC_APPT_FIELD_LIST)
            DrawFieldRow(item);
        return FALSE;
    }
    case WM_SIZE: FitDlgList(dialog, IDC_APPT_FIELD_LIST, 1); return FALSE;
    case kMsgFieldRowChanged:
        OnEditorOccursRowChanged(dialog, static_cast<int>(wParam), &g_ApptEditor.occurs,
                                 &g_ApptEditor.dates.startDate);
        ApptEditorRowChanged(dialog, static_cast<int>(wParam));
        return TRUE;
    case WM_DESTROY:
        ClearEditorItemDate();
        PopOpenDlg(dialog);
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void NewApptInListEditor() {
    ResetSelection();
    g_FromTemplate = 0;
    if (RunApptListEditor() == kDlgAccept) RelayoutAfterNewAppt();
    else NewItemInPrj = 0;
    RedrawNow(g_Frame.mainWnd);
    FocusCurrentView();
}

void EditApptInListEditor() {
    if (RunApptListEditor() == kDlgAccept) AfterApptEdited();
    RedrawNow(g_Frame.mainWnd);
    FocusCurrentView();
}

void NewApptFromTemplateInListEditor() {
    g_ApptEditFlags.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    if (!TemplateDlg(g_Frame.mainWnd, kTemplateKindAppt) || g_TemplateChoice == -1) return;
    g_FromTemplate = 1;
    ResetSelection();
    RunApptListEditor();
    g_FromTemplate = 0;
    RelayoutAfterNewAppt();
    RedrawNow(g_Frame.mainWnd);
}
