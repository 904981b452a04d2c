// The POOM session: start and end, folder notifications and folder identifiers, and the date
// conversions every reader and writer of POOM items uses.
//
// States: not started (no application object) -> started (COM on, application object held, logged
// on; on version 5 and later folder notifications on and the folder identifiers read) -> ended.
//  1. The application object exists only while COM is on.
//  2. COM is ended only by the session that started it, so a failed start never unbalances it.
#include "core/poom_session.h"

#include "core/log_file.h"
#include "core/os_version.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/time.h"
#include "platform/user.h"

PimFolderIdSet g_PimFolderIds;

namespace {

struct PoomSession {
    PoomPtr<IPOutlookApp2> app;
    bool comStarted = false;
};

PoomSession& Session() {
    static PoomSession session;
    return session;
}

// The default folder's own property set, or null when the folder cannot be had.
PoomPtr<IItem> FolderItem(IPOutlookApp* app, int folder) {
    PoomPtr<IFolder> held;
    if (!app || FAILED(app->GetDefaultFolder(folder, held.Out())) || !held) return PoomPtr<IItem>();
    return QueryPoom<IItem>(held.Get(), IID_IItem);
}

CEOID FolderOid(IPOutlookApp* app, int folder) {
    const PoomPtr<IItem> item = FolderItem(app, folder);
    CEOID oid = 0;
    if (item && FAILED(item->get_Oid(&oid))) oid = 0;
    return oid;
}

constexpr UINT kOemInfoBytes = 200;

}  // namespace

std::u16string TakeBstr(BSTR text) {
    std::u16string result = text ? std::u16string(text, SysStringLen(text)) : std::u16string();
    SysFreeString(text);
    return result;
}

void StartPoomSession(HWND mainWnd) {
    PoomSession& session = Session();
    if (session.app) return;
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return;
    session.comStarted = true;
    PoomPtr<IPOutlookApp> app;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(app.Out())))) {
        WriteLog(u"POOM application object could not be created");
        return;
    }
    // The same object answers for the newer interface the readers use.
    session.app = QueryPoom<IPOutlookApp2>(app.Get(), IID_IPOutlookApp2);
    if (!session.app) return;
    if (FAILED(session.app->Logon(reinterpret_cast<LONG_PTR>(mainWnd)))) return;
    if (!IsOsMajor5OrLater()) return;
    for (const int folder : {kPoomFolderContacts, kPoomFolderCalendar, kPoomFolderTasks})
        EnableFolderNotifications(folder, kFolderNotifyAll, session.app.Get());
    InitPimFolderIds();
}

void EndPoomSession() {
    PoomSession& session = Session();
    if (session.app) {
        session.app->Logoff();
        session.app.Reset();
    }
    if (session.comStarted) CoUninitialize();
    session.comStarted = false;
}

IPOutlookApp2* GetPoomApp() { return Session().app.Get(); }

HRESULT EnableFolderNotifications(int folder, DWORD value, IPOutlookApp* app) {
    const PoomPtr<IItem> item = FolderItem(app, folder);
    if (!item) return E_FAIL;
    CEPROPVAL prop{};
    prop.propid = PIMPR_FOLDERNOTIFICATIONS;
    prop.val.ulVal = value;
    return item->SetProps(0, 1, &prop);
}

void GetPimFolderIds(IPOutlookApp* app, CEOID& calendar, CEOID& tasks, CEOID& contacts) {
    contacts = FolderOid(app, kPoomFolderContacts);
    calendar = FolderOid(app, kPoomFolderCalendar);
    tasks = FolderOid(app, kPoomFolderTasks);
}

void InitPimFolderIds() {
    GetPimFolderIds(GetPoomApp(), g_PimFolderIds.calendar, g_PimFolderIds.tasks, g_PimFolderIds.contacts);
}

void LogOemInfo() {
    WCHAR text[kOemInfoBytes / sizeof(WCHAR)] = {};
    if (!SystemParametersInfoW(SPI_GETOEMINFO, kOemInfoBytes, text, 0)) text[0] = 0;
    WriteLog(text);
}

// A date past the no-date value (another program's 9999-12-31) is no date either.
bool PoomDateIsNone(DATE date) { return !(date < POOM_NO_DATE); }

bool PoomDateToDateRec(IPOutlookApp* app, DATE date, DateRec& out) {
    if (PoomDateIsNone(date)) return false;
    SYSTEMTIME time{};
    const bool converted = app ? SUCCEEDED(app->VariantTimeToSystemTime(date, &time))
                               : VariantTimeToSystemTime(date, &time) != 0;
    if (!converted) return false;
    DateAssignByVal(out, time);
    return true;
}

DATE DateRecToPoom(IPOutlookApp* app, const DateRec& date) {
    SYSTEMTIME time = date;
    time.wMilliseconds = 0;
    DATE result = 0;
    if (app) app->SystemTimeToVariantTime(&time, &result);
    else SystemTimeToVariantTime(&time, &result);
    return result;
}

DATE DayToPoom(IPOutlookApp* app, const DateRec& date) {
    return DateRecToPoom(app, DateRec(date.wYear, date.wMonth, date.wDay));
}

// Categories of items from the PIM store's tables.

CatAssocListSet g_CatAssocLists;

namespace {

// Below this many pairs the search goes on linearly.
constexpr int kPairLinearScan = 11;

}  // namespace

int FindFirstPairIndex(const CatPairArray& pairs, LONG oid) {
    if (pairs.IsEmpty()) return -1;
    int low = 0;
    int high = pairs.Size() - 1;
    while (high - low + 1 >= kPairLinearScan) {
        const int mid = low + (high - low) / 2;
        if (oid <= pairs[mid].oid) high = mid;
        else low = mid;
    }
    for (int i = low; i < pairs.Size(); ++i)
        if (pairs[i].oid == oid) return i;
    return -1;
}

int FindCatIndexById(LONG catId, const CatArray& cats) {
    for (int i = 0; i < cats.Size(); ++i)
        if (cats[i].pimId == catId) return i;
    return -1;
}

void AttachItemCategories(LONG oid, const CatPairArray& pairs, const CatArray& cats, ApptRecord& record,
                          CatIcon takeIcon) {
    record.categories.RemoveAll();
    const int first = FindFirstPairIndex(pairs, oid);
    if (first < 0) return;
    bool decided = false;
    for (int i = first; i < pairs.Size() && pairs[i].oid == oid; ++i) {
        const int cat = FindCatIndexById(pairs[i].catId, cats);
        if (cat < 0) continue;
        record.categories.Append(cats[cat].name);
        if (decided) continue;
        record.colour = cats[cat].colour;
        if (takeIcon == CatIcon::Keep) {
            decided = true;
        } else if (cats[cat].icon != -1) {
            record.icon = cats[cat].icon;
            decided = true;
        }
    }
}

int ReloadCatsDirect() {
    CatArray fresh;
    const int result = ReadCatMainDb(g_PimVol, fresh);
    if (result) g_CatList = std::move(fresh);
    return result;
}

void ReloadCategoryAssoc() {
    g_CatAssocLists.contacts.RemoveAll();
    g_CatAssocLists.tasks.RemoveAll();
    g_CatAssocLists.appts.RemoveAll();
    ReadCatAssocDb(g_PimVol, g_CatAssocLists.contacts, g_CatAssocLists.tasks, &g_CatAssocLists.appts);
}

// The contact's default-communication field and picture.

namespace {

struct SmartField {
    CEPROPID propId;
    LONG field;
};

constexpr SmartField kSmartFields[] = {
    {PIMPR_HOME_TELEPHONE_NUMBER, 0},      {PIMPR_BUSINESS_TELEPHONE_NUMBER, 1},
    {PIMPR_MOBILE_TELEPHONE_NUMBER, 2},    {PIMPR_PAGER_NUMBER, 3},
    {PIMPR_EMAIL1_ADDRESS, 4},             {PIMPR_HOME2_TELEPHONE_NUMBER, 6},
    {PIMPR_BUSINESS2_TELEPHONE_NUMBER, 7}, {PIMPR_EMAIL2_ADDRESS, 8},
    {PIMPR_RADIO_TELEPHONE_NUMBER, 9},     {PIMPR_CAR_TELEPHONE_NUMBER, 10},
    {PIMPR_ASSISTANT_TELEPHONE_NUMBER, 11},
};

}  // namespace

int GetCtsSmartPropField(IItem* item, LONG& field, CEPROPID& propId) {
    field = -1;
    propId = 0;
    if (!item) return 0;
    const HANDLE heap = GetProcessHeap();
    CEPROPID wanted = PIMPR_SMARTPROP;
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    if (SUCCEEDED(item->GetProps(&wanted, CEDB_ALLOWREALLOC, 1, &values, &bytes, heap)) && values &&
        !(values->wFlags & CEDB_PROPNOTFOUND)) {
        propId = static_cast<CEPROPID>(PropValToInt(*values));
    }
    if (values) HeapFree(heap, 0, values);
    for (const SmartField& entry : kSmartFields)
        if (entry.propId == propId) field = entry.field;
    return 0;
}


