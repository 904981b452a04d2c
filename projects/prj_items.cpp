// Loaded tasks and contacts found by OID for the project tree, appointments read from the store,
// and the labels and images of their nodes.
#include "projects/prj_items.h"

#include "core/cts_loading.h"
#include "core/poom_session.h"
#include "core/text_util.h"
#include "core/tsk_loading.h"
#include "platform/poom.h"
#include "platform/text.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_edit.h"

namespace {

template <class Record>
Record* FindByOid(RecordArray<Record>& records, const IdIndex& index, LONG oid) {
    const LONG slot = IdIndexGet(oid, index);
    if (slot >= 0 && slot < records.Size() && records[slot].oid == oid) return &records[slot];
    // The index may lag behind a list changed meanwhile: fall back to a walk.
    for (Record& record : records)
        if (record.oid == oid) return &record;
    return nullptr;
}

void ReplaceCategories(StrArray& categories, std::u16string_view text) {
    categories.RemoveAll();
    ForEachCommaPiece(text, [&](const std::u16string& entry) { categories.Append(entry); });
}

}  // namespace

TskRecord* FindTskRecord(LONG oid) { return oid == -1 ? nullptr : FindByOid(g_TskList, g_TskIdIndex, oid); }
CtsRecord* FindCtsRecord(LONG oid) { return oid == -1 ? nullptr : FindByOid(g_CtsList, g_CtsIdIndex, oid); }

bool ReadPrjAppt(LONG oid, PrjAppt& appt) {
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<IAppointment> item = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!item) return false;
    BSTR text = nullptr;
    item->get_Subject(&text);
    appt.subject = TakeBstr(text);
    text = nullptr;
    item->get_Categories(&text);
    appt.categories = TakeBstr(text);
    DATE start = 0;
    item->get_Start(&start);
    PoomDateToDateRec(app, start, appt.start);
    return true;
}

std::u16string JoinCategories(const StrArray& categories) { return JoinCommas(categories); }

void ForgetTskPrjInMemory(LONG oid, std::u16string_view project) {
    if (TskRecord* task = FindTskRecord(oid))
        ReplaceCategories(task->categories, RemovePrjCatFromList(JoinCommaList(*task), project));
}

void ForgetCtsPrjInMemory(LONG oid, std::u16string_view project) {
    if (CtsRecord* contact = FindCtsRecord(oid))
        ReplaceCategories(contact->categories, RemovePrjCatFromList(JoinCommas(contact->categories), project));
}

std::u16string TskNodeLabel(const TskRecord& task) { return task.subject; }

int TskNodeImage(const TskRecord& task) {
    return g_PrjTree.imageBase + (task.complete ? kPrjImgTskDone : kPrjImgTskOpen);
}

std::u16string ApptNodeLabel(std::u16string_view subject, const DateRec& start) {
    const std::u16string text(subject);
    if (!g_PrjOptions.date) return text;
    return platform::FormatW(u"%s(%d/%d)", text.c_str(), static_cast<int>(start.wMonth), static_cast<int>(start.wDay));
}
