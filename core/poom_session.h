// The one session of the process with the PIM object model: the application object, the folder
// notifications and the identifiers of the three default folders, the category pairs of the PIM
// store attached to items, the contact's default-communication field and picture, and POOM dates.
#pragma once

#include <string>
#include <utility>

#include "core/appt_record.h"
#include "core/cat_record.h"
#include "core/date_rec.h"
#include "core/pim_volume.h"
#include "platform/poom.h"
#include "platform/types.h"

// Holds one reference to an object-model interface and releases it when it goes.
template <class T>
class PoomPtr {
public:
    PoomPtr() = default;
    explicit PoomPtr(T* object) : object_(object) {}
    ~PoomPtr() { Reset(); }
    PoomPtr(const PoomPtr&) = delete;
    PoomPtr& operator=(const PoomPtr&) = delete;
    PoomPtr(PoomPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    PoomPtr& operator=(PoomPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For the calls that hand out a new reference: the old one is released first.
    T** Out() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (object_) std::exchange(object_, nullptr)->Release();
    }
    T* Detach() { return std::exchange(object_, nullptr); }

private:
    T* object_ = nullptr;
};

// The interface of another kind on the same object, or null.
template <class T>
PoomPtr<T> QueryPoom(IUnknown* object, REFIID iid) {
    PoomPtr<T> result;
    if (object && FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(result.Out())))) result.Reset();
    return result;
}

// The item of that OID as the interface asked for; null when the store has no such item (deleted
// meanwhile) or the item is of another kind.
template <class T>
PoomPtr<T> GetPoomItem(IPOutlookApp* app, LONG oid, REFIID iid) {
    if (!app) return PoomPtr<T>();
    PoomPtr<IDispatch> item;
    if (FAILED(app->GetItemFromOid(oid, item.Out())) || !item) return PoomPtr<T>();
    return QueryPoom<T>(item.Get(), iid);
}

// The text of a BSTR, which is freed; empty for null.
std::u16string TakeBstr(BSTR text);

// POOM folder numbers and the value asking for local and remote change notifications.
inline constexpr int kPoomFolderCalendar = olFolderCalendar;
inline constexpr int kPoomFolderContacts = olFolderContacts;
inline constexpr int kPoomFolderTasks = olFolderTasks;
inline constexpr DWORD kFolderNotifyAll = PIMFOLDERNOTIFICATION_ALL;

// The identifiers of the three default folders that the folder notifications name. Set only on
// version 5 and later; 0 otherwise.
struct PimFolderIdSet {
    CEOID calendar = 0;
    CEOID tasks = 0;
    CEOID contacts = 0;
};
extern PimFolderIdSet g_PimFolderIds;

// The PIM store's item-to-category pairs, each list sorted by item OID.
struct CatAssocListSet {
    CatPairArray contacts;
    CatPairArray tasks;
    CatPairArray appts;
};
extern CatAssocListSet g_CatAssocLists;

// Starts COM and the application object, logs on with the main window, and on version 5 and later
// asks for folder notifications and reads the folder identifiers. A failure leaves no application
// object (COM failed or the object could not be made) or a logged-off one (Logon failed).
void StartPoomSession(HWND mainWnd);
// Logs off, releases the application object and ends COM when it was started.
void EndPoomSession();
// The application object, or null when there is no session.
IPOutlookApp2* GetPoomApp();

HRESULT EnableFolderNotifications(int folder, DWORD value, IPOutlookApp* app);
// A folder that cannot be had leaves its word 0.
void GetPimFolderIds(IPOutlookApp* app, CEOID& calendar, CEOID& tasks, CEOID& contacts);
void InitPimFolderIds();

// Refills the global category list from the PIM store's table; the list is replaced only when the
// table could be read. Returns the reader's result.
int ReloadCatsDirect();
// Empties the three pair lists and refills them from the PIM store.
void ReloadCategoryAssoc();

// How an item whose categories are attached takes an icon from them.
enum class CatIcon { Keep, Take };
// Fills the record's categories from the pairs of its OID; colour (and with CatIcon::Take the icon)
// from the first of them (the first with an icon).
void AttachItemCategories(LONG oid, const CatPairArray& pairs, const CatArray& cats, ApptRecord& record,
                          CatIcon takeIcon);
int FindFirstPairIndex(const CatPairArray& pairs, LONG oid);
int FindCatIndexById(LONG catId, const CatArray& cats);

// The contact's default-communication field (0 to 11, -1 none) and the stored property id behind
// it (0 when the contact has none). Returns 0.
int GetCtsSmartPropField(IItem* item, LONG& field, CEPROPID& propId);


// One log line with the device's OEM text.
void LogOemInfo();

// POOM dates: 949998.0 (or a date past it) means no date and is tested before any conversion.
bool PoomDateIsNone(DATE date);
// False for no date or a date the application object cannot convert; out is untouched then.
bool PoomDateToDateRec(IPOutlookApp* app, DATE date, DateRec& out);
DATE DateRecToPoom(IPOutlookApp* app, const DateRec& date);
// The day of the date at 00:00.
DATE DayToPoom(IPOutlookApp* app, const DateRec& date);
