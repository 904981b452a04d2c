// "Clean Up Schedule": the dialog 7312 that picks an age and the kinds of appointments to delete,
// and the two passes over every appointment of the calendar that delete them through POOM.
#include <iterator>
#include <string_view>

#include "core/app_settings.h"
#include "core/appt_record.h"
#include "core/frame_state.h"
#include "core/item_filters.h"
#include "core/item_links.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/store_values.h"
#include "editors/appt_maint.h"
#include "editors/res_text.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/frame_calls.h"
#include "ui/view_focus.h"

CleanUpChoices g_CleanUp;

namespace {

struct AgeChoice {
    const char16_t* text;
    LONG days;
};

constexpr AgeChoice kAgeChoices[] = {
    {u"5 Days", 5},    {u"1 Week", 7},     {u"2 Weeks", 14},   {u"3 Weeks", 21}, {u"1 Month", 30},
    {u"2 Months", 60}, {u"3 Months", 90}, {u"6 Months", 180}, {u"1 Year", 365},
};
constexpr int kAgeChoiceCount = static_cast<int>(std::size(kAgeChoices));
constexpr int kSixMonthsRow = 7;

void InitCleanUpDlg(HWND dialog) {
    SetTitleText(dialog, LoadResStr(IDS_CLEAN_UP_TITLE).c_str());
    FillAgeSpanCombo(GetDlgItem(dialog, IDC_CLEAN_UP_AGE), kSixMonthsRow);
    CheckDlgButton(dialog, IDC_CLEAN_UP_OLD, BST_CHECKED);
}

void ReadCleanUpDlg(HWND dialog) {
    g_CleanUp.deleteOld = IsDlgButtonChecked(dialog, IDC_CLEAN_UP_OLD) == BST_CHECKED ? 1 : 0;
    g_CleanUp.deleteNoSubject = IsDlgButtonChecked(dialog, IDC_CLEAN_UP_NO_SUBJECT) == BST_CHECKED ? 1 : 0;
    const LRESULT row = SendDlgItemMessageW(dialog, IDC_CLEAN_UP_AGE, CB_GETCURSEL, 0, 0);
    if (row >= 0 && row < kAgeChoiceCount) g_CleanUp.ageDays = kAgeChoices[row].days;
}

// The current arrays that the views read before a pass switched them to the lists of all
// appointments and spans.
struct ShownArrays {
    ApptArray* appts = nullptr;
    SpanArray* spans = nullptr;
};
ShownArrays g_ShownBeforePass;

// The array of all appointments is read afresh, the current spans become all multi-day spans.
void BeginPass() {
    g_ShownBeforePass = ShownArrays{g_ApptCache.curAppts, g_ApptCache.curSpans};
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    g_CleanUp.deletedCount = 0;
    if (g_Settings.ce5OrLater && IsMonthLoadOn()) {
        LoadAllApptsPOOM();
        LoadMultiDaySpans();
    }
    g_ApptCache.curSpans = &g_MultiDaySpans;
}

void EndPass() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (g_CleanUp.deletedCount == 0) {
        // Nothing is read again then: the views must not be left on the unsorted list of every
        // appointment, where the day searches would miss items.
        g_ApptCache.curAppts = g_ShownBeforePass.appts;
        g_ApptCache.curSpans = g_ShownBeforePass.spans;
        return;
    }
    if (IsMonthLoadOn()) {
        LoadApptsForMonth(1, 1);
        g_AllApptsArray.RemoveAll();
    }
    FreeBackBuffers();
    if (g_Frame.mainWnd) {
        InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
        UpdateWindow(g_Frame.mainWnd);
    }
}

// The results of the fetch and the delete are not looked at: the pass goes on with the next one.
void DeleteAppt(LONG oid, PoomPtr<IAppointment> appt = PoomPtr<IAppointment>()) {
    if (!appt) appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
    if (appt) appt->Delete();
    appt.Reset();
    if (RemoveItemLinks(oid)) SaveLinkInfoFile();
    ++g_CleanUp.deletedCount;
    g_ChangeMarks.ownChange = 1;
}

}  // namespace

void FillAgeSpanCombo(HWND combo, int index) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const AgeChoice& choice : kAgeChoices) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text));
    if (index != -1) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

INT_PTR CALLBACK CleanUpApptsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_CLEAN_UP_BAR, BackKey::kDefault)) EndDialog(dialog, kDlgFailed);
        InitCleanUpDlg(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDM_DLG_DONE:
            ReadCleanUpDlg(dialog);
            EndDialog(dialog, IDM_DLG_DONE);
            return TRUE;
        case IDCANCEL:
        case IDM_DLG_CANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        }
        return FALSE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

void ApptCleanupDlg() {
    if (RunProgramDialog(IDD_CLEAN_UP, g_Frame.mainWnd, CleanUpApptsDlgProc) != IDM_DLG_DONE) return;
    if (!g_CleanUp.deleteOld && !g_CleanUp.deleteNoSubject) {
        ShowResMessage(g_Frame.mainWnd, IDS_NO_CLEAN_UP_CHOICE, MB_ICONEXCLAMATION);
        return;
    }
    if (ShowResMessage(g_Frame.mainWnd, IDS_CONFIRM_CLEAN_UP, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    if (g_CleanUp.deleteOld) CleanUpOldAppts();
    if (g_CleanUp.deleteNoSubject) CleanUpNoSubjectAppts();
}

void CleanUpOldAppts() {
    BeginPass();
    DateRec limit;
    DateNow(limit);
    DateInit(limit, limit.wYear, limit.wMonth, limit.wDay, 0, 0, 0);
    DateSubSpan(limit, DateSpan{g_CleanUp.ageDays, 0, 0, 0});
    for (const ApptRecord& listed : g_AllApptsArray) {
        // The list of all appointments holds starts and subjects only: the length and whether it is
        // a series come from the item itself, so that a series or a long appointment is never taken
        // for an old one.
        PoomPtr<IAppointment> item = GetPoomItem<IAppointment>(GetPoomApp(), listed.oid, IID_IAppointment);
        if (!item) continue;
        ApptRecord appt = listed;
        VARIANT_BOOL recurring = VARIANT_FALSE;
        item->get_IsRecurring(&recurring);
        item->get_Duration(&appt.duration);
        appt.duration = ApptMinutesInRange(appt.duration);
        if (recurring || !DateIsBefore(GetApptEnd(appt), limit)) continue;
        DeleteAppt(appt.oid, std::move(item));
    }
    EndPass();
}

void CleanUpNoSubjectAppts() {
    BeginPass();
    const std::u16string noSubject = LoadResString(IDS_NO_SUBJECT);
    for (const ApptRecord& appt : g_AllApptsArray)
        if (appt.subject.find(noSubject) != std::u16string::npos) DeleteAppt(appt.oid);
    EndPass();
}
