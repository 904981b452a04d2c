// Project membership in PIM items: each change fetches the item by OID, edits its comma-separated
// category text, writes it back and saves, then brings the loaded record and the tree along. The
// store's notification of the save is the program's own, so the own-change mark absorbs it.
#include "projects/prj_membership.h"

#include "core/cts_loading.h"
#include "core/cts_record.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/tsk_loading.h"
#include "lists/cts_match.h"
#include "lists/task_view.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_edit.h"
#include "ui/frame_calls.h"
#include "ui/view_calls.h"

LONG NewItemInPrj = 0;

namespace {

template <class Item>
std::u16string ReadCategories(Item& item) {
    BSTR text = nullptr;
    return SUCCEEDED(item->get_Categories(&text)) ? TakeBstr(text) : std::u16string();
}

constexpr const WCHAR* kPrjItemNotSavedText = u"The item could not be saved, so it was not put into the project.";

template <class Item>
bool WriteCategories(Item& item, const std::u16string& text) {
    g_ChangeMarks.ownChange = 1;
    if (SUCCEEDED(item->put_Categories(text.c_str())) && SUCCEEDED(item->Save())) return true;
    // Nothing was saved, so no notification comes to absorb.
    g_ChangeMarks.ownChange = 0;
    return false;
}

template <class Item>
PoomPtr<Item> FetchItem(LONG oid, REFIID iid) {
    return GetPoomItem<Item>(GetPoomApp(), oid, iid);
}

TskRecord* LoadedTask(LONG oid) {
    const LONG slot = IdIndexGet(oid, g_TskIdIndex);
    return slot >= 0 && slot < g_TskList.Size() ? &g_TskList[slot] : nullptr;
}

CtsRecord* LoadedContact(LONG oid) {
    const LONG slot = IdIndexGet(oid, g_CtsIdIndex);
    return slot >= 0 && slot < g_CtsList.Size() ? &g_CtsList[slot] : nullptr;
}

void RefreshTaskCats(LONG oid, const std::u16string& text) {
    if (TskRecord* task = LoadedTask(oid)) {
        task->categories.RemoveAll();
        SplitCommaList(*task, text);
    }
}

void RefreshContactCats(LONG oid, const std::u16string& text) {
    if (CtsRecord* contact = LoadedContact(oid)) {
        contact->categories.RemoveAll();
        SetCtsCatsFromText(*contact, text);
    }
}

// The item's text with the path put in place of its earlier category of that project; false when
// nothing changes.
template <class Item>
bool ApplyPrjPath(Item& item, const PrjPath& path, std::u16string& text) {
    text = ReadCategories(item);
    return AddPrjCatToList(text, path) != 0;
}

template <class Item>
bool AddPlainCat(Item& item, const std::u16string& category, std::u16string& text) {
    text = ReadCategories(item);
    if (CatListHasName(text, category)) return false;
    if (!text.empty() && text.back() != u',') text += u',';
    text += category;
    WriteCategories(item, text);
    return true;
}

template <class Item>
bool RemovePrj(LONG oid, REFIID iid, const std::u16string& project) {
    const PoomPtr<Item> item = FetchItem<Item>(oid, iid);
    if (!item) return true;
    const std::u16string before = ReadCategories(item);
    const std::u16string after = RemovePrjCatFromList(before, project);
    return after == before || WriteCategories(item, after);
}

void StartNewInPrj(void (*openEditor)()) {
    NewItemInPrj = 1;
    openEditor();
    FocusCurrentView();
}

}  // namespace

HTREEITEM SetTskPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    {
        const PoomPtr<ITask> item = FetchItem<ITask>(oid, IID_ITask);
        if (!item || !ApplyPrjPath(item, path, text)) return nullptr;
        // A save that failed leaves memory and the tree as the store is: the task is not in the project.
        if (!WriteCategories(item, text)) {
            ShowMessage(nullptr, u"Error Saving Task(Prj Set)", MB_OK);
            return nullptr;
        }
    }
    RefreshTaskCats(oid, text);
    if (!addNode) return nullptr;
    const TskRecord* task = LoadedTask(oid);
    const std::u16string label = task ? task->subject : std::u16string();
    const int image = g_PrjTree.imageBase + (task && task->complete ? kPrjImgTskDone : kPrjImgTskOpen);
    return AddItemNodeToPrj(label, path, image, oid);
}

HTREEITEM SetCtsPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    std::u16string label;
    {
        const PoomPtr<IContact> item = FetchItem<IContact>(oid, IID_IContact);
        if (!item || !ApplyPrjPath(item, path, text)) return nullptr;
        if (!WriteCategories(item, text)) {
            ShowMessage(nullptr, kPrjItemNotSavedText, MB_OK);
            return nullptr;
        }
        BSTR fileAs = nullptr;
        if (SUCCEEDED(item->get_FileAs(&fileAs))) label = TakeBstr(fileAs);
    }
    RefreshContactCats(oid, text);
    if (!addNode) return nullptr;
    return AddItemNodeToPrj(label, path, g_PrjTree.imageBase + kPrjImgCts, oid);
}

HTREEITEM SetApptPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    std::u16string label;
    {
        const PoomPtr<IAppointment> item = FetchItem<IAppointment>(oid, IID_IAppointment);
        if (!item || !ApplyPrjPath(item, path, text)) return nullptr;
        if (!WriteCategories(item, text)) {
            ShowMessage(nullptr, kPrjItemNotSavedText, MB_OK);
            return nullptr;
        }
        BSTR subject = nullptr;
        if (SUCCEEDED(item->get_Subject(&subject))) label = TakeBstr(subject);
    }
    // Appointments live in the month cache, which the store's notification refreshes.
    if (!addNode) return nullptr;
    return AddItemNodeToPrj(label, path, g_PrjTree.imageBase + kPrjImgAppt, oid);
}

void AddCatToTsk(LONG oid, const std::u16string& category) {
    std::u16string text;
    {
        const PoomPtr<ITask> item = FetchItem<ITask>(oid, IID_ITask);
        if (!item || !AddPlainCat(item, category, text)) return;
    }
    RefreshTaskCats(oid, text);
}

void AddCatToCts(LONG oid, const std::u16string& category) {
    std::u16string text;
    {
        const PoomPtr<IContact> item = FetchItem<IContact>(oid, IID_IContact);
        if (!item || !AddPlainCat(item, category, text)) return;
    }
    RefreshContactCats(oid, text);
}

void AddCatToAppt(LONG oid, const std::u16string& category) {
    const PoomPtr<IAppointment> item = FetchItem<IAppointment>(oid, IID_IAppointment);
    std::u16string text;
    if (item) AddPlainCat(item, category, text);
}

bool RemoveCatFromTsk(LONG oid, const std::u16string& project) { return RemovePrj<ITask>(oid, IID_ITask, project); }
bool RemoveCatFromCts(LONG oid, const std::u16string& project) {
    return RemovePrj<IContact>(oid, IID_IContact, project);
}
bool RemoveCatFromAppt(LONG oid, const std::u16string& project) {
    return RemovePrj<IAppointment>(oid, IID_IAppointment, project);
}

void AddPrjCtsNode(LONG oid) {
    const PoomPtr<IContact> item = FetchItem<IContact>(oid, IID_IContact);
    if (!item) return;
    BSTR text = nullptr;
    std::u16string fileAs, company;
    if (SUCCEEDED(item->get_FileAs(&text))) fileAs = TakeBstr(text);
    text = nullptr;
    if (SUCCEEDED(item->get_CompanyName(&text))) company = TakeBstr(text);
    const std::u16string categories = ReadCategories(item);
    InsertCtsNodeSorted(GetCtsGroupNode(), fileAs, oid, company, categories, GroupPlace::kSorted);
}

void AddPrjApptNode(LONG oid) {
    const PoomPtr<IAppointment> item = FetchItem<IAppointment>(oid, IID_IAppointment);
    if (!item) return;
    BSTR text = nullptr;
    std::u16string subject;
    if (SUCCEEDED(item->get_Subject(&text))) subject = TakeBstr(text);
    DATE start = 0;
    DateRec date{};
    if (FAILED(item->get_Start(&start)) || !PoomDateToDateRec(GetPoomApp(), start, date)) return;
    const HTREEITEM month = GetApptMonthNode(date.wYear, date.wMonth);
    if (!month) return;
    const std::u16string label = g_PrjOptions.date != 0 ? platform::FormatW(u"%s(%d/%d)", subject.c_str(), date.wMonth, date.wDay)
                                                        : subject;
    const int image = g_PrjTree.imageBase + kPrjImgAppt;
    const HTREEITEM node = InsertTreeNode(g_PrjTree.wnd, label, image, image, month, TVI_FIRST);
    SetTreeItemParam(node, oid);
}

void NewCtsInPrj() { StartNewInPrj(views::NewContactCmd); }
void NewTskInPrj() { StartNewInPrj([] { views::NewTskFormDlg(0); }); }
void NewApptInPrj() { StartNewInPrj(views::NewApptDlg); }
