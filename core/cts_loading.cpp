// Loading the contacts, their details, birthdays and anniversaries, and the indexes beside them.
#include "core/cts_loading.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/cts_fields.h"
#include "core/cts_name_index.h"
#include "core/cts_order.h"
#include "core/log_file.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/text_util.h"
#include "platform/text.h"

IdIndex g_CtsIdIndex;
LONG g_CtsSortedByCompany = 0;

namespace {

constexpr LONG kContactSortCompany = 1;
constexpr const WCHAR* kCompanySort = u"[CompanyName]";
// The longest default-field text kept, as the details buffer of the device holds it.
constexpr std::size_t kDefaultTextChars = 511;

std::u16string ReadText(IContact* contact, HRESULT (IContact::*read)(BSTR*)) {
    BSTR value = nullptr;
    if (FAILED((contact->*read)(&value))) return {};
    return TakeBstr(value);
}

void EmptyContactLists() {
    g_CtsList.RemoveAll();
    g_AnnivList.RemoveAll();
    g_CtsNameIndexes.firstNames.RemoveAll();
    g_CtsNameIndexes.lastNames.RemoveAll();
    g_CtsNameIndexes.companies.RemoveAll();
    g_CtsIdIndex.RemoveAll();
}

void AddDateItem(IPOutlookApp* app, IContact* contact, HRESULT (IContact::*read)(DATE*), LONG kind,
                 const std::u16string& name, LONG oid) {
    DATE date = 0;
    if (FAILED((contact->*read)(&date))) return;
    SYSTEMTIME time{};
    if (PoomDateIsNone(date) || FAILED(app->VariantTimeToSystemTime(date, &time))) return;
    AnnivEntry entry;
    entry.name = name;
    entry.date = DateRec(time);
    entry.kind = kind;
    entry.contactOid = oid;
    AnnivArrAddSorted(g_AnnivList, std::move(entry));
}

void RemoveAnnivEntries(LONG oid) {
    for (LONG kind : {kAnnivBirthday, kAnnivAnniversary}) {
        const int at = FindRecordByTwoKeys(oid, kind);
        if (at >= 0) g_AnnivList.RemoveAt(at);
    }
}

enum class NameEntry { Sorted, Appended };

void EnterName(const std::u16string& name, LONG position, NameIndex& index, NameEntry how) {
    if (how == NameEntry::Sorted) {
        AddToNameIndex(name, position, index);
    } else if (!name.empty()) {
        index.Append(NameIdxEntry{position, name});
    }
}

// The names of one contact into the search lists (AddCtsToSearchLists without the OID index).
void AddCtsNames(LONG position, const std::u16string& first, const std::u16string& last, const std::u16string& company,
                 NameEntry how) {
    if (g_Settings.lastNamesOnly == 0) EnterName(first, position, g_CtsNameIndexes.firstNames, how);
    const bool noNames = first.empty() && last.empty();
    EnterName(noNames ? company : last, position, g_CtsNameIndexes.lastNames, how);
    // An empty company would stand in the list with nothing to find it by.
    if (!noNames && g_Settings.searchCompany != 0) EnterName(company, position, g_CtsNameIndexes.companies, how);
}

// The order AddToNameIndex gives when the entries go in one by one in position order: names without
// case, equal names by position. One sort instead of a scan for every contact; each name is folded
// once (comparing folded names is comparing without case), not at every comparison.
void SortNameIndex(NameIndex& index) {
    std::vector<std::pair<std::u16string, int>> keys;
    keys.reserve(static_cast<std::size_t>(index.Size()));
    for (int i = 0; i < index.Size(); ++i) keys.emplace_back(platform::FoldCase(index[i].name), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    NameIndex sorted;
    sorted.SetSize(index.Size(), index.GrowStep());
    for (int i = 0; i < index.Size(); ++i) sorted[i] = std::move(index[keys[static_cast<std::size_t>(i)].second]);
    index = std::move(sorted);
}

void RemoveNameEntry(NameIndex& index, LONG position) {
    for (int i = 0; i < index.Size(); ++i) {
        if (index[i].position != position) continue;
        index.RemoveAt(i);
        return;
    }
}

}  // namespace

void LoadCtsList(LONG reset) {
    // Before version 5 there is no direct read of the contacts database; skipping the load there
    // left the contacts view waiting for data forever, so the object model reads them instead.
    if (GetOsMajorVersion() < kOsMajor5 || g_Settings.loadPoom == 1) {
        LoadCtsPOOM();
        return;
    }
    LoadCtsDb(reset);
}

void LoadCtsDb(LONG reset) {
    if (reset != 0) {
        LoadCategories();
        ReloadCategoryAssoc();
    }
    EmptyContactLists();
    const LONG dateItems = g_Settings.dateItems;
    const int read = ReadCtsDbDirect(g_PimVol, g_CtsList, g_AnnivList, g_CatList, g_CatAssocLists.contacts,
                                     g_Settings.contactSort, g_CtsSortedByCompany, dateItems);
    if (read == 0) {
        LoadCtsPOOM();
        return;
    }
    RebuildCtsSearchLists();
    g_LoadState.contactsLoaded = 1;
}

void LoadCtsPOOM() {
    EmptyContactLists();
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IFolder> folder;
    PoomPtr<IPOutlookItemCollection> items;
    int count = 0;
    if (app && SUCCEEDED(app->GetDefaultFolder(olFolderContacts, folder.Out())) && folder &&
        SUCCEEDED(folder->get_Items(items.Out())) && items) {
        g_CtsSortedByCompany = 0;
        if (g_Settings.contactSort == kContactSortCompany && SUCCEEDED(items->Sort(kCompanySort, VARIANT_FALSE)))
            g_CtsSortedByCompany = 1;
        if (FAILED(items->get_Count(&count))) count = 0;
    }
    for (int i = 1; i <= count; ++i) {
        PoomPtr<IDispatch> element;
        if (FAILED(items->Item(i, element.Out())) || !element) break;
        PoomPtr<IContact> contact = QueryPoom<IContact>(element.Get(), IID_IContact);
        if (!contact) break;
        CtsRecord record;
        CopyCtsNames(contact.Get(), record);
        AddCtsDateItems(app, contact.Get(), GetCtsDisplayName(record, kNameFirstLast));
        g_CtsList.Append(std::move(record));
    }
    // Every contact enters the search lists and the OID index at its position, all in one pass.
    RebuildCtsSearchLists();
    g_LoadState.contactsLoaded = 1;
}

void CopyCtsNames(IContact* contact, CtsRecord& record) {
    record.firstName = ReadText(contact, &IContact::get_FirstName);
    record.lastName = ReadText(contact, &IContact::get_LastName);
    record.company = ReadText(contact, &IContact::get_CompanyName);
    record.fileAs = ReadText(contact, &IContact::get_FileAs);
    contact->get_Oid(&record.oid);
    record.detailsPending = 1;
    record.categories.RemoveAll();
    ForEachCommaPiece(ReadText(contact, &IContact::get_Categories),
                      [&](const std::u16string& name) { record.categories.Append(name); });
}

void AddCtsDateItems(IPOutlookApp* app, IContact* contact, const std::u16string& displayName) {
    if (g_Settings.dateItems == 0 || !app || !contact) return;
    LONG oid = kNoId;
    contact->get_Oid(&oid);
    AddDateItem(app, contact, &IContact::get_Birthday, kAnnivBirthday, displayName, oid);
    AddDateItem(app, contact, &IContact::get_Anniversary, kAnnivAnniversary, displayName, oid);
}

void LoadCtsExtra(CtsRecord& record) {
    record.detailsPending = 0;
    PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), record.oid, IID_IContact);
    if (!contact) {
        WriteLog(u"Unable to find OID in extra Load");
        return;
    }
    LONG field = kCtsFieldNone;
    std::u16string text;
    GetItemPropsText(contact.Get(), text, field);
    if (field == kCtsFieldNone && !FindFirstCtsField(contact.Get(), text, field)) {
        field = kCtsFieldNone;
        text.clear();
    }
    if (text.size() > kDefaultTextChars) text.resize(kDefaultTextChars);
    record.hasNotes = ReadText(contact.Get(), &IContact::get_Body).empty() ? 0 : 1;
    record.defaultField = field;
    record.defaultText = std::move(text);
}

void ReloadCtsByOid(LONG oid) {
    LoadCategories();
    ReloadCategoryAssoc();
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IContact> contact = GetPoomItem<IContact>(app, oid, IID_IContact);
    if (contact) {
        CtsRecord record;
        CopyCtsNames(contact.Get(), record);
        InsertCtsRecSorted(record);
        AddCtsDateItems(app, contact.Get(), GetCtsDisplayName(record, kNameFirstLast));
    }
    RebuildCtsSearchLists();
}

void RemoveCtsFromLists(LONG oid, LONG keepIndex) {
    if (oid == kNoId) return;
    const int slot = IdIndexFind(oid, g_CtsIdIndex);
    const LONG position = slot >= 0 ? g_CtsIdIndex[slot].value : kNoId;
    if (position < 0 || position >= g_CtsList.Size()) {
        RemoveAnnivEntries(oid);
        return;
    }
    g_CtsList.RemoveAt(position);
    if (keepIndex == 0) {
        g_CtsIdIndex.RemoveAt(slot);
        IdIndexCloseGap(position, g_CtsIdIndex);
    }
    RemoveAnnivEntries(oid);
    if (keepIndex != 0) return;
    // Each contact stands at most once in each list, so its entry is the one with its position.
    for (NameIndex* index : {&g_CtsNameIndexes.firstNames, &g_CtsNameIndexes.lastNames, &g_CtsNameIndexes.companies}) {
        RemoveNameEntry(*index, position);
        RenumberIdsAfter(position, *index);
    }
}

void AddCtsToSearchLists(LONG position, LONG oid, const std::u16string& first, const std::u16string& last,
                         const std::u16string& company) {
    AddCtsNames(position, first, last, company, NameEntry::Sorted);
    IdIndexInsert(oid, position, g_CtsIdIndex);
}

void RebuildCtsSearchLists() {
    CtsNameIndexes& lists = g_CtsNameIndexes;
    for (NameIndex* index : {&lists.firstNames, &lists.lastNames, &lists.companies}) index->RemoveAll();
    for (int i = 0; i < g_CtsList.Size(); ++i) {
        const CtsRecord& record = g_CtsList[i];
        AddCtsNames(i, record.firstName, record.lastName, record.company, NameEntry::Appended);
    }
    for (NameIndex* index : {&lists.firstNames, &lists.lastNames, &lists.companies}) SortNameIndex(*index);
    RebuildIdSlotMap(g_CtsIdIndex, g_CtsList);
}

void ClearItemIndexes() {
    g_CtsIdIndex.RemoveAll();
    RebuildCtsSearchLists();
}

