// Keeping the loaded contacts in the order of the contacts view: by file-as name, or by company
// after a load in company mode.
#include "core/cts_order.h"

#include <algorithm>
#include <vector>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "platform/text.h"

namespace {

bool CompanyBefore(const CtsRecord& a, const CtsRecord& b) { return platform::CompareNoCase(a.company, b.company) < 0; }

void ReloadContacts() { LoadCtsList(0); }

}  // namespace

void SortCtsByCompany() {
    g_Settings.contactSort = kCtsModeCompany;
    if (g_CtsSortedByCompany == 0) ReloadContacts();
}

void SortCtsByName() {
    g_Settings.contactSort = kCtsModeName;
    if (g_CtsSortedByCompany != 0) ReloadContacts();
}

void SortCtsRecs(CtsArray& contacts) {
    std::vector<CtsRecord> records(contacts.begin(), contacts.end());
    std::stable_sort(records.begin(), records.end(), CompanyBefore);
    for (int i = 0; i < contacts.Size(); ++i) contacts[i] = std::move(records[static_cast<std::size_t>(i)]);
}

void SortCtsRecs() { SortCtsRecs(g_CtsList); }

int InsertCtsRecByName(CtsArray& contacts, const CtsRecord& record, int first, int last) {
    if (first < 0 || first > contacts.Size()) return -1;
    last = std::min(last, contacts.Size() - 1);
    int at = first;
    while (at <= last && platform::CompareNoCase(contacts[at].fileAs, record.fileAs) <= 0) ++at;
    return contacts.InsertAt(at, record);
}

int CtsRecArrInsertAt(CtsArray& contacts, int index, const CtsRecord& record) { return contacts.InsertAt(index, record); }

int CtsRecArrSetAt(CtsArray& contacts, int index, const CtsRecord& record) { return contacts.SetAt(index, record); }

int CtsRecArrRemoveAt(CtsArray& contacts, int index) { return contacts.RemoveAt(index); }

int CtsRecArrSetSize(CtsArray& contacts, int size) {
    if (size < 0) return -1;
    contacts.SetSize(size, contacts.GrowStep());
    return size;
}

// The contact goes where the current order puts it: after the contacts of its company in company
// order, else by file-as name.
void InsertCtsRecSorted(const CtsRecord& record) {
    if (g_CtsSortedByCompany == 0) {
        InsertCtsRecByName(g_CtsList, record, 0, g_CtsList.Size() - 1);
        return;
    }
    int at = 0;
    while (at < g_CtsList.Size() && !CompanyBefore(record, g_CtsList[at])) ++at;
    g_CtsList.InsertAt(at, record);
}
