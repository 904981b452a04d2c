// Beaming through the object model's infrared folder, the shell launchers, and the item helpers
// that stand beside them.
#include "frame/beaming.h"

#include <memory>

#include "calendar/agenda_view.h"
#include "calendar/cal_views.h"
#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/tsk_loading.h"
#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "lists/cat_filter.h"
#include "lists/list_commands.h"
#include "lists/phone_lib.h"
#include "platform/process.h"
#include "platform/resources.h"
#include "platform/time.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

namespace {

constexpr const WCHAR* kBrowser = u"\\windows\\iexplore.exe";
constexpr const WCHAR* kMailProgram = u"tmail.exe";
constexpr int kMailChars = 256;

void Beam(LONG kind, int itemType) {
    SyncSchedSel();
    const CurItem& sel = g_CurItem;
    if (sel.oid == kNoOid || sel.kind != kind) return;
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<IDispatch> item;
    if (!app || FAILED(app->GetItemFromOid(sel.oid, item.Out())) || !item) return;
    PoomPtr<IFolder> infrared;
    if (FAILED(app->GetDefaultFolder(olFolderInfrared, infrared.Out())) || !infrared) return;
    // Nothing is reported: the send is the device's own business.
    infrared->AddItemToInfraredFolder(itemType, item.Get());
    infrared->SendToInfrared();
}

BOOL Launch(const WCHAR* file, const std::u16string& parameters, int show) {
    // On the heap and zeroed, as the shell expects the whole record.
    auto info = std::make_unique<SHELLEXECUTEINFOW>();
    *info = SHELLEXECUTEINFOW{};
    info->cbSize = SHELLEXECUTEINFO_DEVICE_SIZE;
    info->fMask = SEE_MASK_NOCLOSEPROCESS;
    info->lpFile = file;
    info->lpParameters = parameters.c_str();
    info->nShow = show;
    const BOOL result = ShellExecuteExW(info.get());
    if (info->hProcess) CloseHandle(info->hProcess);
    return result;
}

bool SameDay(const DateRec& a, int year, int month, int day) {
    return a.wYear == year && a.wMonth == month && a.wDay == day;
}

bool StartsAfterDay(const DateRec& start, int year, int month, int day) {
    if (start.wYear != year) return start.wYear > year;
    if (start.wMonth != month) return start.wMonth > month;
    return start.wDay > day;
}

}  // namespace

void BeamCurAppt() { Beam(kItemAppt, olAppointmentItem); }
void BeamCurCts() { Beam(kItemContact, olContactItem); }
void BeamCurTsk() { Beam(kItemTask, olTaskItem); }

BOOL OpenUrlInBrowser(const std::u16string& address) { return Launch(kBrowser, address, SW_HIDE); }

void ComposeMail(const std::u16string& address) {
    // The address is cut to fit one buffer, as the mail program has always been handed it.
    const std::u16string cut = address.substr(0, kMailChars - 1);
    std::u16string parameters = platform::FormatW(u"mailto:%s", cut.c_str());
    if (parameters.size() > kMailChars - 1) parameters.resize(kMailChars - 1);
    Launch(kMailProgram, parameters, SW_SHOW);
}

BOOL OpenFileWithShell(const std::u16string& path) { return Launch(path.c_str(), u"", SW_SHOW); }

int DialPhoneNumber(const std::u16string& number) {
    if (g_Main.phoneLibMissing) return 0;
    return DialNumber(number.c_str());
}

bool HasTaskOnDate(const DateRec& date) {
    for (int i = 0; i < g_TskList.Size(); ++i) {
        const TskRecord& task = g_TskList[i];
        if (!task.hasDue || !SameDay(task.due, date.wYear, date.wMonth, date.wDay)) continue;
        if (task.complete) continue;
        if (g_Settings.hidePrivate && task.sensitivity > 0) continue;
        if (!TskPassCatFilter(task, GetCatFilterKind())) continue;
        return true;
    }
    return false;
}

void SelectToday() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    g_SelectedDate = DateRec(now.wYear, now.wMonth, now.wDay);
    RefreshCurView();
}

void MoveTaskToNewDate(int year, int month, int day) {
    const CurItem& sel = g_CurItem;
    if (sel.oid == kNoOid || sel.kind != kItemTask) return;
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<ITask> task = GetPoomItem<ITask>(app, sel.oid, IID_ITask);
    if (!task) return;
    DATE start = 0;
    DateRec startDay;
    if (SUCCEEDED(task->get_StartDate(&start)) && PoomDateToDateRec(app, start, startDay) &&
        StartsAfterDay(startDay, year, month, day)) {
        ShowResMessage(g_Frame.mainWnd, IDS_DUE_AFTER_START, MB_ICONINFORMATION);
        return;
    }
    task->put_DueDate(DayToPoom(app, DateRec(year, month, day)));
    task->Save();
}

void AddCatToCurItemCmd() {
    CheckCtsSelected(0);
    if (g_CurItem.kind != kItemContact) return;
    g_PromptText.clear();
    if (PromptTextById(g_Frame.mainWnd, IDS_NEW_CATEGORY, IDS_ENTER_CONTACT_CATEGORY) == kPromptAccepted &&
        !g_PromptText.empty())
        AddCatToCurItem(g_CurItem.oid, g_PromptText);
    FocusCurrentView();
}

