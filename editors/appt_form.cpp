// The appointment form's entry points (New, Edit, From Template), its dialog procedure over the
// three templates, and what the views do after an appointment was saved.
//
// Closed -> (entry point resets its flags, picks the template) -> open (the item is loaded) ->
// Done: the save runs; success closes with 20071, failure keeps the form open -> Cancel, or
// "Save As Template" answered Yes, closes with 20072. Nothing is written on Cancel; the state the
// sub-dialogs changed stays until the next entry point or load resets it.
#include "editors/appt_form.h"
#include "editors/new_category.h"
#include "editors/pick_item_icon.h"

#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/day_list.h"
#include "calendar/pending_view.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_loading.h"
#include "core/cmd_line.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "editors/appt_list_editor.h"
#include "editors/attendees_dlg.h"
#include "editors/custom_recur.h"
#include "editors/custom_recur_dlg.h"
#include "editors/custom_reminder_dlg.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/template_dlg.h"
#include "editors/text_insert.h"
#include "editors/text_pick_dlg.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_relayout.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_commands.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

ApptEditFlags g_ApptEditFlags;
KeptDuration g_KeptDuration;
INT_PTR g_ApptFormResult = kDlgFailed;

namespace {

constexpr COLORREF kFormBackground = 0xFFFFFF;
constexpr LONG kStatusFreeRow = 2;

INT_PTR RunApptFormTemplate() {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(ApptFormTemplateId()), RT_DIALOG);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (!loaded) return kDlgFailed;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(LockResource(loaded));
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, g_Frame.mainWnd, ApptEditDlgProc, 0);
}

INT_PTR RunApptForm() {
    g_ApptFormResult = RunApptFormTemplate();
    return g_ApptFormResult;
}

void ResetIconPick() {
    g_ApptEditFlags.iconPicked = 0;
    g_ApptEditFlags.pickedIcon = -1;
}

// After a new appointment: the agenda measured again and, in the Day view, its first item selected.
void AfterApptCreated() {
    RelayoutAgendaView();
    FreeBackBuffers();
    if (ViewId == kViewDay) SelectFirstDayItem();
}

void FinishEntry() {
    RedrawNow(g_Frame.mainWnd);
    FocusCurrentView();
}

void SelectFirstSchedRow() { SelectNextListRow(g_ViewWnds.scheduleList, QueryOnly::kNo, RowRules::kSchedule); }

INT_PTR OnApptFormInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_APPT_FORM_BAR, BackKey::kOverride)) EndDialog(dialog, kDlgFailed);
    InitApptEditDlg(dialog);
    SetApptFieldPictures(dialog);
    return TRUE;
}

INT_PTR OnApptFormPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    RECT rect{};
    GetViewClientRect(dialog, rect);
    const HBRUSH brush = CreateSolidBrush(kFormBackground);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    EndPaint(dialog, &paint);
    return FALSE;
}

INT_PTR OnApptFormSize(HWND dialog) {
    const LONG landscape = IsLandscapeScreen() ? 1 : 0;
    if (landscape != g_ApptEditFlags.landscapeAtOpen) {
        // Remember the layout now shown, so that turning back lays the form out again.
        g_ApptEditFlags.landscapeAtOpen = landscape;
        const UINT id = landscape ? (g_Settings.compressDlg ? IDD_APPT_FORM_COMPRESSED : IDD_APPT_FORM_WIDE)
                                  : IDD_APPT_FORM;
        RelayoutDlgForOrientation(dialog, id);
        SetApptFieldPictures(dialog);
    }
    return FALSE;
}

// The first check of "All Day" in a form makes the item free; later checks keep the user's status.
void OnAllDayFirstCheck(HWND dialog) {
    if (IsDlgButtonChecked(dialog, kApptAllDayId) != BST_CHECKED || g_ApptEditFlags.firstAllDayDone != 0) return;
    SendDlgItemMessageW(dialog, kApptStatusId, LB_SETCURSEL, kStatusFreeRow, 0);
    g_ApptEditFlags.firstAllDayDone = 1;
}

INT_PTR EndForm(HWND dialog, INT_PTR result) {
    ApplyPendingViewChange();
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR OnApptFormCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (SaveApptDlg(dialog)) EndForm(dialog, IDM_DLG_DONE);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: return EndForm(dialog, id);
    case kApptAllDayId:
        OnAllDayToggle(dialog);
        if (code == BN_CLICKED) OnAllDayFirstCheck(dialog);
        return TRUE;
    case kOccursListId:
        if (code == LBN_SELCHANGE) OnOccursChange(dialog);
        return TRUE;
    case kApptNewCatId: NewCatCmd(dialog); return TRUE;
    case IDM_INSERT_TEXT: SelectTextDlg(dialog, 0); return TRUE;
    case IDM_INSERT_CONTACT: InsertPickedText(dialog); return TRUE;
    case IDM_CUSTOM_REMINDER: CustomReminderDlg(dialog); return TRUE;
    case IDM_CUSTOM_RECURRENCE: CustomRecurDlg(dialog); return TRUE;
    case IDM_ASSIGN_ICON: PickItemCustomIcon(dialog, -1); return FALSE;
    case IDM_ATTENDEES: AttendeesDlg(dialog); return TRUE;
    case IDM_SAVE_AS_TEMPLATE:
        if (SaveApptAsTemplate(dialog) == 0) EndForm(dialog, IDM_DLG_CANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnApptFormNotify(HWND dialog, int id, const NMHDR& header) {
    const UINT code = header.code;
    if (id == kApptStartDateId) {
        FillRecurComboFromDlg(dialog, kApptStartDateId);
        if (code == static_cast<UINT>(NM_SETFOCUS)) {
            SYSTEMTIME picked{};
            if (DateTime_GetSystemtime(header.hwndFrom, &picked) == GDT_VALID) DateAssignByVal(g_ApptEditFlags.savedStart, picked);
        } else if (code == static_cast<UINT>(NM_KILLFOCUS)) {
            OnStartDateKillFocus(dialog);
        }
    } else if (code == static_cast<UINT>(NM_KILLFOCUS) && (id == kApptStartTimeId || id == kApptEndDateId)) {
        OnStartOrEndDateKillFocus(dialog);
    } else if (code == static_cast<UINT>(NM_KILLFOCUS) && id == kApptEndTimeId) {
        OnEndTimeKillFocus(dialog);
    }
    return FALSE;
}

}  // namespace

bool SelItemNotKind2() { return g_CurItem.oid == kNoId || g_CurItem.kind != kItemAppt; }

UINT ApptFormTemplateId() {
    if (IsQvgaScreen() && IsLandscapeScreen()) return g_Settings.compressDlg ? IDD_APPT_FORM_COMPRESSED : IDD_APPT_FORM_WIDE;
    return IDD_APPT_FORM;
}

INT_PTR CALLBACK ApptEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnApptFormInit(dialog);
    case WM_PAINT: return OnApptFormPaint(dialog);
    case WM_SIZE: return OnApptFormSize(dialog);
    case WM_DESTROY:
        ClearEditorItemDate();
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return FALSE;
    case WM_NOTIFY:
        return OnApptFormNotify(dialog, static_cast<int>(wParam), *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: return OnApptFormCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
}

void NewApptDlg() {
    g_ApptFormResult = kDlgFailed;
    if (g_Settings.listEdit) {
        NewApptInListEditor();
        return;
    }
    ResetIconPick();
    g_ApptEditFlags.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    ResetSelection();
    g_ApptEditFlags.fromTemplate = 0;
    const INT_PTR result = RunApptForm();
    if (result == IDM_DLG_DONE) {
        AfterApptCreated();
    } else {
        g_PrjTreeFlag = 0;
    }
    FinishEntry();
    if (g_CmdLine.startedForOneItem) CloseMainWindowCmd(g_Frame.mainWnd);
}

void EditSelApptDlg() {
    g_ApptFormResult = kDlgFailed;
    if (g_Settings.listEdit) {
        EditApptInListEditor();
        return;
    }
    g_ApptEditFlags.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    ResetIconPick();
    const INT_PTR result = RunApptForm();
    if (result == IDM_DLG_DONE) AfterApptEdited();
    FinishEntry();
}

void NewApptFromTemplateDlg() {
    g_ApptFormResult = kDlgFailed;
    if (g_Settings.listEdit) {
        NewApptFromTemplateInListEditor();
        return;
    }
    g_ApptEditFlags.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    if (!TemplateDlg(g_Frame.mainWnd, kTemplateKindAppt) || g_TemplateChoice == -1) return;
    g_ApptEditFlags.fromTemplate = 1;
    ResetSelection();
    RunApptForm();
    g_ApptEditFlags.fromTemplate = 0;
    AfterApptCreated();
    RedrawNow(g_Frame.mainWnd);
}

void AfterApptEdited() {
    FreeBackBuffers();
    if (ViewId == kViewApptPreview) SetTitleFromCurrentAppt();
    RelayoutAgendaView();
    const bool drawnAgenda = g_Settings.agendaFmt == kAgendaDrawn;
    if (ViewId == kViewDay) {
        if (drawnAgenda) {
            SelectFirstDayItem();
        } else {
            FillSchedDay();
            SelectFirstSchedRow();
        }
    } else if (ViewId == kViewDates && !drawnAgenda) {
        FillSchedAgenda();
        SelectFirstSchedRow();
    }
}

// The start with "NEWAPPT" opens the new appointment's editor.
void NewApptEditor() { NewApptDlg(); }
