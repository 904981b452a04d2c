// The object model over the store: items of each kind saved and read back, their identifiers, bad
// input, the save rules, recipients, property sets and streams, copies, and live-object counts.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

#include <sqlite3.h>

#include "pim/store.h"
#include "pim_test_support.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

using pimtest::Ole;
using pimtest::Ref;
using pimtest::Take;

class ObjectModel : public pimtest::PimTest {};

TEST_F(ObjectModel, DefaultFoldersHaveDistinctIdentifiersAndKinds) {
    const struct {
        int folder;
        int type;
    } kFolders[] = {{olFolderCalendar, olAppointmentItem}, {olFolderContacts, olContactItem}, {olFolderTasks, olTaskItem}};
    std::vector<CEOID> ids;
    for (const auto& f : kFolders) {
        IFolder* raw = nullptr;
        ASSERT_EQ(app->GetDefaultFolder(f.folder, &raw), S_OK);
        Ref<IFolder> folder(raw);
        int type = 0;
        folder->get_DefaultItemType(&type);
        EXPECT_EQ(type, f.type);
        IItem* item = nullptr;
        ASSERT_EQ(folder->QueryInterface(IID_IItem, reinterpret_cast<void**>(&item)), S_OK);
        Ref<IItem> props(item);
        CEOID oid = 0;
        EXPECT_EQ(props->get_Oid(&oid), S_OK);
        EXPECT_NE(oid, 0u);
        ids.push_back(oid);
    }
    EXPECT_NE(ids[0], ids[1]);
    EXPECT_NE(ids[1], ids[2]);
    IFolder* none = reinterpret_cast<IFolder*>(1);
    EXPECT_FALSE(SUCCEEDED(app->GetDefaultFolder(4, &none)));
}

TEST_F(ObjectModel, ItemsGetOidsInTheirKindsRange) {
    const struct {
        int type;
        CEOID base;
    } kKinds[] = {{olAppointmentItem, 0x40000000u}, {olContactItem, 0x80000000u}, {olTaskItem, 0xC0000000u}};
    for (const auto& k : kKinds) {
        IDispatch* raw = nullptr;
        ASSERT_EQ(app->CreateItem(k.type, &raw), S_OK);
        Ref<IUnknown> item(raw);
        IItem* props = nullptr;
        ASSERT_EQ(raw->QueryInterface(IID_IItem, reinterpret_cast<void**>(&props)), S_OK);
        Ref<IItem> held(props);
        CEOID oid = 0;
        EXPECT_FALSE(SUCCEEDED(props->get_Oid(&oid)));
        ASSERT_EQ(props->Save(), S_OK);
        ASSERT_EQ(props->get_Oid(&oid), S_OK);
        EXPECT_GE(oid, k.base);
        EXPECT_LT(oid, k.base + 0x4E20u);
    }
}

TEST_F(ObjectModel, AppointmentPropertiesRoundTrip) {
    CEOID oid = 0;
    {
        auto a = Create<IAppointment>(olAppointmentItem);
        a->put_Subject(u"Budget");
        a->put_Location(u"Room 4");
        a->put_Body(u"Bring figures");
        a->put_Categories(u"Work,Home,");
        a->put_Start(Ole(2009, 3, 22, 9, 30));
        a->put_End(Ole(2009, 3, 22, 11, 0));
        a->put_AllDayEvent(VARIANT_FALSE);
        a->put_BusyStatus(olOutOfOffice);
        a->put_Sensitivity(olPrivate);
        a->put_ReminderSet(VARIANT_TRUE);
        a->put_ReminderMinutesBeforeStart(30);
        ASSERT_EQ(a->Save(), S_OK);
        LONG id = 0;
        a->get_Oid(&id);
        oid = static_cast<CEOID>(id);
    }
    auto a = Get<IAppointment>(oid);
    ASSERT_TRUE(a);
    BSTR b = nullptr;
    a->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Budget");
    a->get_Location(&b);
    EXPECT_EQ(Take(b), u"Room 4");
    a->get_Body(&b);
    EXPECT_EQ(Take(b), u"Bring figures");
    a->get_Categories(&b);
    EXPECT_EQ(Take(b), u"Work, Home");
    DATE start = 0, end = 0;
    a->get_Start(&start);
    a->get_End(&end);
    EXPECT_DOUBLE_EQ(start, Ole(2009, 3, 22, 9, 30));
    EXPECT_NEAR(end, Ole(2009, 3, 22, 11, 0), 1e-9);
    LONG v = 0;
    a->get_Duration(&v);
    EXPECT_EQ(v, 90);
    a->get_BusyStatus(&v);
    EXPECT_EQ(v, olOutOfOffice);
    a->get_Sensitivity(&v);
    EXPECT_EQ(v, olPrivate);
    a->get_ReminderMinutesBeforeStart(&v);
    EXPECT_EQ(v, 30);
    VARIANT_BOOL flag = 0;
    a->get_ReminderSet(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    a->get_IsRecurring(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    a->get_MeetingStatus(&v);
    EXPECT_EQ(v, olNonMeeting);
    EXPECT_EQ(a->put_End(Ole(2009, 3, 22, 9, 0)), E_INVALIDARG) << "an end before the start";
}

TEST_F(ObjectModel, UnknownDeletedAndOutOfRangeGiveFailuresNotCrashes) {
    IDispatch* item = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(app->GetItemFromOid(0x40001234, &item), E_FAIL);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(app->GetItemFromOidEx(-1, 0, &item), E_FAIL);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(app->CreateItem(7, &item), E_INVALIDARG);

    const CEOID oid = SaveAppt(u"Gone", Ole(2009, 3, 2, 9), 60);
    auto a = Get<IAppointment>(oid);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Delete(), S_OK);
    EXPECT_EQ(a->Delete(), E_FAIL);
    EXPECT_EQ(a->Save(), E_FAIL);
    EXPECT_EQ(app->GetItemFromOid(static_cast<LONG>(oid), &item), E_FAIL);

    auto items = Items(olFolderCalendar);
    int count = -1;
    items->get_Count(&count);
    EXPECT_EQ(count, 0);
    for (int index : {0, 1, -5}) {
        item = reinterpret_cast<IDispatch*>(1);
        EXPECT_FALSE(SUCCEEDED(items->Item(index, &item))) << index;
        EXPECT_EQ(item, nullptr);
    }
    IPOutlookItemCollection* restricted = nullptr;
    EXPECT_EQ(items->Restrict(u"[Start] >= \"13/45/2009\"", &restricted), E_INVALIDARG);
    EXPECT_EQ(items->Restrict(u"[NoSuchField] = \"1\"", &restricted), E_INVALIDARG);
    EXPECT_EQ(restricted, nullptr);
}

TEST_F(ObjectModel, ItemDeletedByAnotherObjectFailsInACollection) {
    const CEOID oid = SaveAppt(u"One", Ole(2009, 3, 2, 9), 60);
    auto items = Items(olFolderCalendar);
    Get<IAppointment>(oid)->Delete();
    IDispatch* item = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(items->Item(1, &item), E_FAIL);
    EXPECT_EQ(item, nullptr);
}

TEST_F(ObjectModel, SaveRefusesAReminderLongerThanTheRecurrenceGap) {
    auto a = Create<IAppointment>(olAppointmentItem);
    a->put_Start(Ole(2009, 3, 2, 9));
    a->put_ReminderSet(VARIANT_TRUE);
    a->put_ReminderMinutesBeforeStart(1440);
    IRecurrencePattern* p = nullptr;
    ASSERT_EQ(a->GetRecurrencePattern(&p), S_OK);
    Ref<IRecurrencePattern> pattern(p);
    pattern->put_RecurrenceType(olRecursDaily);
    EXPECT_EQ(a->Save(), E_POOM_INVALID_REMINDER);
    a->put_ReminderMinutesBeforeStart(60);
    EXPECT_EQ(a->Save(), S_OK);
}

TEST_F(ObjectModel, SaveRefusesTaskStartWithoutOrAfterDue) {
    const struct {
        DATE start, due;
        HRESULT expected;
    } kCases[] = {
        {Ole(2009, 3, 1), POOM_NO_DATE, E_POOM_INVALID_DATES},
        {Ole(2009, 3, 5), Ole(2009, 3, 4), E_POOM_INVALID_DATES},
        {Ole(2009, 3, 4, 1), Ole(2009, 3, 4, 1), S_OK},
        {POOM_NO_DATE, Ole(2009, 3, 4), S_OK},
        {POOM_NO_DATE, POOM_NO_DATE, S_OK},
    };
    for (const auto& c : kCases) {
        auto t = Create<ITask>(olTaskItem);
        t->put_Subject(u"T");
        t->put_StartDate(c.start);
        t->put_DueDate(c.due);
        EXPECT_EQ(t->Save(), c.expected) << c.start << " " << c.due;
    }
    auto t = Create<ITask>(olTaskItem);
    t->put_ReminderSet(VARIANT_TRUE);
    EXPECT_EQ(t->Save(), E_POOM_INVALID_REMINDER) << "a reminder without its time";
}

TEST_F(ObjectModel, CompletingARecurringTaskKeepsItAndCreatesTheNext) {
    std::vector<std::pair<CEOID, platform::pim::Change>> changes;
    platform::pim::Store::SetChangeObserver(
        [&](platform::pim::ItemKind, CEOID oid, platform::pim::Change c) { changes.emplace_back(oid, c); });
    CEOID oid = 0;
    {
        auto t = Create<ITask>(olTaskItem);
        t->put_Subject(u"Water plants");
        t->put_DueDate(Ole(2009, 3, 2, 1));
        IRecurrencePattern* p = nullptr;
        t->GetRecurrencePattern(&p);
        Ref<IRecurrencePattern> pattern(p);
        pattern->put_RecurrenceType(olRecursWeekly);
        ASSERT_EQ(t->Save(), S_OK);
        LONG id = 0;
        t->get_Oid(&id);
        oid = static_cast<CEOID>(id);
    }
    changes.clear();
    auto t = Get<ITask>(oid);
    t->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(t->Save(), S_OK);
    platform::pim::Store::SetChangeObserver(nullptr);

    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], std::make_pair(oid, platform::pim::Change::Changed));
    EXPECT_EQ(changes[1].second, platform::pim::Change::Created);
    auto done = Get<ITask>(oid);
    VARIANT_BOOL flag = 0;
    done->get_Complete(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    done->get_IsRecurring(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    auto next = Get<ITask>(changes[1].first);
    ASSERT_TRUE(next);
    next->get_Complete(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    next->get_IsRecurring(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    DATE due = 0;
    next->get_DueDate(&due);
    EXPECT_DOUBLE_EQ(due, Ole(2009, 3, 9, 1));
    BSTR b = nullptr;
    next->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Water plants");
}

TEST_F(ObjectModel, RecipientsAreKeptInOrderWithAddresses) {
    CEOID oid = 0;
    {
        auto a = Create<IAppointment>(olAppointmentItem);
        IRecipients* raw = nullptr;
        ASSERT_EQ(a->get_Recipients(&raw), S_OK);
        Ref<IRecipients> list(raw);
        for (const char16_t* name : {u"Alice", u"Bob", u"Carol"}) {
            IRecipient* r = nullptr;
            ASSERT_EQ(list->Add(name, &r), S_OK);
            Ref<IRecipient> held(r);
            r->put_Address((std::u16string(name) + u"@example.org").c_str());
        }
        EXPECT_EQ(list->Remove(2), S_OK);
        EXPECT_EQ(list->Remove(3), E_INVALIDARG);
        IRecipient* none = nullptr;
        EXPECT_EQ(list->Add(u"", &none), E_INVALIDARG);
        ASSERT_EQ(a->Send(), S_OK);
        LONG id = 0;
        a->get_Oid(&id);
        oid = static_cast<CEOID>(id);
    }
    auto a = Get<IAppointment>(oid);
    LONG status = 0;
    a->get_MeetingStatus(&status);
    EXPECT_EQ(status, olMeeting);
    IRecipients* raw = nullptr;
    a->get_Recipients(&raw);
    Ref<IRecipients> list(raw);
    int count = 0;
    list->get_Count(&count);
    ASSERT_EQ(count, 2);
    const char16_t* expected[] = {u"Alice", u"Carol"};
    for (int i = 1; i <= count; ++i) {
        IRecipient* r = nullptr;
        ASSERT_EQ(list->Item(i, &r), S_OK);
        Ref<IRecipient> held(r);
        BSTR b = nullptr;
        r->get_Name(&b);
        EXPECT_EQ(Take(b), expected[i - 1]);
        r->get_Address(&b);
        EXPECT_EQ(Take(b), std::u16string(expected[i - 1]) + u"@example.org");
    }
    IRecipient* r = nullptr;
    EXPECT_EQ(list->Item(3, &r), E_INVALIDARG);
    EXPECT_EQ(r, nullptr);
}

TEST_F(ObjectModel, PropertySetsReadWriteAndFlagMissingValues) {
    auto c = Create<IContact>(olContactItem);
    c->put_FirstName(u"Ada");
    c->put_LastName(u"Byron");
    c->put_BusinessTelephoneNumber(u"555-0100");
    IItem* raw = nullptr;
    ASSERT_EQ(c->QueryInterface(IID_IItem, reinterpret_cast<void**>(&raw)), S_OK);
    Ref<IItem> props(raw);
    CEPROPVAL smart{};
    smart.propid = PIMPR_SMARTPROP;
    smart.val.ulVal = PIMPR_BUSINESS_TELEPHONE_NUMBER;
    ASSERT_EQ(props->SetProps(0, 1, &smart), S_OK);
    ASSERT_EQ(props->Save(), S_OK);

    const CEPROPID ids[] = {PIMPR_SMARTPROP, PIMPR_BUSINESS_TELEPHONE_NUMBER, PIMPR_HOME_TELEPHONE_NUMBER, PIMPR_FILEAS};
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    ASSERT_EQ(props->GetProps(ids, CEDB_ALLOWREALLOC, 4, &values, &bytes, GetProcessHeap()), S_OK);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values[0].val.ulVal, PIMPR_BUSINESS_TELEPHONE_NUMBER);
    EXPECT_EQ(std::u16string(values[1].val.lpwstr), u"555-0100");
    EXPECT_EQ(values[2].wFlags & CEDB_PROPNOTFOUND, CEDB_PROPNOTFOUND);
    EXPECT_EQ(std::u16string(values[3].val.lpwstr), u"Byron, Ada") << "file-as made from the names";
    HeapFree(GetProcessHeap(), 0, values);

    // Without CEDB_ALLOWREALLOC a small buffer is refused with the size it needs.
    BYTE small[8];
    values = reinterpret_cast<CEPROPVAL*>(small);
    bytes = sizeof small;
    EXPECT_EQ(props->GetProps(ids, 0, 4, &values, &bytes, nullptr), HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_GT(bytes, sizeof small);
}

TEST_F(ObjectModel, FolderNotificationPropertyIsKept) {
    IFolder* raw = nullptr;
    ASSERT_EQ(app->GetDefaultFolder(olFolderContacts, &raw), S_OK);
    Ref<IFolder> folder(raw);
    IItem* item = nullptr;
    folder->QueryInterface(IID_IItem, reinterpret_cast<void**>(&item));
    Ref<IItem> props(item);
    CEPROPVAL v{};
    v.propid = PIMPR_FOLDERNOTIFICATIONS;
    v.val.ulVal = PIMFOLDERNOTIFICATION_ALL;
    ASSERT_EQ(props->SetProps(0, 1, &v), S_OK);
    const CEPROPID id = PIMPR_FOLDERNOTIFICATIONS;
    CEPROPVAL* out = nullptr;
    ULONG bytes = 0;
    ASSERT_EQ(props->GetProps(&id, CEDB_ALLOWREALLOC, 1, &out, &bytes, GetProcessHeap()), S_OK);
    EXPECT_EQ(out->val.ulVal, static_cast<ULONG>(PIMFOLDERNOTIFICATION_ALL));
    HeapFree(GetProcessHeap(), 0, out);
}

TEST_F(ObjectModel, PictureStreamIsWrittenAndReadThroughOpenProperty) {
    const BYTE picture[] = {0x89, 'P', 'N', 'G', 1, 2, 3, 4, 5};
    CEOID oid = 0;
    {
        auto c = Create<IContact>(olContactItem);
        c->put_FileAs(u"Pictured");
        IItem* raw = nullptr;
        c->QueryInterface(IID_IItem, reinterpret_cast<void**>(&raw));
        Ref<IItem> props(raw);
        IStream* s = nullptr;
        ASSERT_EQ(props->OpenProperty(PIMPR_PICTURE, GENERIC_READ | GENERIC_WRITE, &s), S_OK);
        Ref<IStream> stream(s);
        ULONG written = 0;
        ASSERT_EQ(stream->Write(picture, sizeof picture, &written), S_OK);
        stream.reset();
        ASSERT_EQ(props->Save(), S_OK);
        props->get_Oid(&oid);
    }
    auto c = Get<IContact>(oid);
    IItem* raw = nullptr;
    c->QueryInterface(IID_IItem, reinterpret_cast<void**>(&raw));
    Ref<IItem> props(raw);
    IStream* s = nullptr;
    ASSERT_EQ(props->OpenProperty(PIMPR_PICTURE, GENERIC_READ, &s), S_OK);
    Ref<IStream> stream(s);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(stat.cbSize.QuadPart, sizeof picture);
    BYTE back[16] = {};
    ULONG read = 0;
    stream->Read(back, sizeof back, &read);
    EXPECT_EQ(read, sizeof picture);
    EXPECT_EQ(std::memcmp(back, picture, sizeof picture), 0);
    EXPECT_EQ(stream->Write(picture, 1, nullptr), STG_E_ACCESSDENIED);
}

TEST_F(ObjectModel, CopyStoresANewItem) {
    const CEOID oid = SaveAppt(u"Original", Ole(2009, 3, 2, 9), 60);
    auto a = Get<IAppointment>(oid);
    IAppointment* copy = nullptr;
    ASSERT_EQ(a->Copy(&copy), S_OK);
    Ref<IAppointment> held(copy);
    LONG copyOid = 0;
    copy->get_Oid(&copyOid);
    EXPECT_NE(static_cast<CEOID>(copyOid), oid);
    BSTR b = nullptr;
    Get<IAppointment>(static_cast<CEOID>(copyOid))->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Original");
}

TEST_F(ObjectModel, LiveObjectsAreCounted) {
    const long before = platform::testing::LivePimObjects();
    IFolder* folder = nullptr;
    app->GetDefaultFolder(olFolderTasks, &folder);
    IPOutlookItemCollection* items = nullptr;
    folder->get_Items(&items);
    EXPECT_EQ(platform::testing::LivePimObjects(), before + 2);
    folder->Release();
    EXPECT_EQ(platform::testing::LivePimObjects(), before + 1) << "the collection lives on";
    items->Release();
    EXPECT_EQ(platform::testing::LivePimObjects(), before);
}

TEST_F(ObjectModel, InjectedFailureLeavesTheStoreUnchanged) {
    platform::testing::FailPimCall("IAppointment::Save");
    auto a = Create<IAppointment>(olAppointmentItem);
    a->put_Subject(u"Not saved");
    EXPECT_EQ(a->Save(), E_FAIL);
    int count = -1;
    Items(olFolderCalendar)->get_Count(&count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(a->Save(), S_OK) << "one failure only";
    platform::testing::FailPimCall("IPOutlookApp::GetItemFromOid", E_OUTOFMEMORY);
    IDispatch* item = reinterpret_cast<IDispatch*>(1);
    LONG oid = 0;
    a->get_Oid(&oid);
    EXPECT_EQ(app->GetItemFromOid(oid, &item), E_OUTOFMEMORY);
    EXPECT_EQ(item, nullptr);
}

TEST_F(ObjectModel, TwoThreadsSaveAtOnce) {
    constexpr int kPerThread = 40;
    std::vector<CEOID> oids[2];
    auto work = [&](int which) {
        for (int i = 0; i < kPerThread; ++i)
            oids[which].push_back(SaveAppt(u"Threaded", Ole(2009, 3, 1 + i % 28, 9), 30));
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    std::vector<CEOID> all = oids[0];
    all.insert(all.end(), oids[1].begin(), oids[1].end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    int count = 0;
    Items(olFolderCalendar)->get_Count(&count);
    EXPECT_EQ(count, 2 * kPerThread);
}

TEST(PimStore, DamagedStoreIsReportedAtLogonAndKeptAside) {
    platform::testing::TestDevice device;
    const std::string garbage = "this is not a PIM store, just some bytes long enough to look like a header......";
    {
        std::ofstream out(device.Root() / "pim.vol", std::ios::binary);
        out << garbage;
    }
    CoInitializeEx(nullptr, 0);
    IPOutlookApp* raw = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(&raw)),
              S_OK);
    Ref<IPOutlookApp> app(raw);
    EXPECT_FALSE(SUCCEEDED(app->Logon(0)));
    IFolder* folder = nullptr;
    EXPECT_EQ(app->GetDefaultFolder(olFolderCalendar, &folder), E_FAIL);
    app.reset();
    CoUninitialize();
    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(device.Root()))
        if (entry.path().filename().string().rfind("pim.vol.damaged-", 0) == 0) aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    std::ifstream in(aside[0], std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, garbage);
    HRESULT error = S_OK;
    EXPECT_EQ(platform::pim::Store::Get(&error), nullptr) << "still damaged for this process";
    EXPECT_EQ(error, HRESULT_FROM_WIN32(ERROR_BADDB));
}

// After a writer ended without closing, the first open reads every page: pages SQLite finds damaged
// make the store damaged, and it is kept aside together with its log.
TEST(PimStore, DamagedPagesAfterAnUncleanEndAreFoundAndKeptAside) {
    platform::testing::TestDevice device;
    const auto path = device.Root() / "pim.vol";
    {
        const auto store = platform::pim::Store::Get();
        ASSERT_NE(store, nullptr);
        for (int i = 0; i < 300; ++i) {
            platform::pim::ItemData item;
            item.kind = platform::pim::ItemKind::Task;
            item.props[PIMPR_SUBJECT] = std::u16string(100, static_cast<char16_t>(u'a' + i % 26));
            ASSERT_EQ(store->Save(item), S_OK);
        }
    }
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_GT(bytes.size(), 16384u);
    for (std::size_t i = 8192; i < bytes.size(); ++i) bytes[i] = '\xA5';
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        std::ofstream log(device.Root() / "pim.vol-wal", std::ios::binary);
        log << std::string(32, '\0');  // left by a writer that was killed
    }
    HRESULT error = S_OK;
    EXPECT_EQ(platform::pim::Store::Get(&error), nullptr);
    EXPECT_EQ(error, HRESULT_FROM_WIN32(ERROR_BADDB));
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(device.Root()))
        if (entry.path().filename().string().rfind("pim.vol.damaged-", 0) == 0)
            aside.push_back(entry.path().filename().string());
    std::sort(aside.begin(), aside.end());
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(std::filesystem::file_size(device.Root() / aside[0]), bytes.size());
    for (const char* left : {"pim.vol", "pim.vol-wal", "pim.vol-shm"})
        EXPECT_FALSE(std::filesystem::exists(device.Root() / left)) << left << " would be taken by a new store";
}

// A store damaged after a clean close passes the open's light check; the first call on which SQLite
// finds the damage makes it damaged as a failed check would: said, nothing more read or saved, kept
// aside when the store closes, and the next start says where it was kept.
TEST(PimStore, DamageFoundOnAnyCallIsSaidAndTheStoreKeptAside) {
    platform::testing::TestDevice device;
    const auto path = device.Root() / "pim.vol";
    CEOID kept = 0;
    {
        const auto store = platform::pim::Store::Get();
        ASSERT_NE(store, nullptr);
        for (int i = 0; i < 300; ++i) {
            platform::pim::ItemData item;
            item.kind = platform::pim::ItemKind::Task;
            item.props[PIMPR_SUBJECT] = std::u16string(100, static_cast<char16_t>(u'a' + i % 26));
            ASSERT_EQ(store->Save(item), S_OK);
            kept = item.oid;
        }
    }
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_GT(bytes.size(), 16384u);
    for (std::size_t i = 4096; i < bytes.size(); ++i) bytes[i] = '\xA5';
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    testing::internal::CaptureStderr();
    {
        HRESULT error = S_OK;
        const auto store = platform::pim::Store::Get(&error);
        ASSERT_NE(store, nullptr) << "the header and schema are whole";
        platform::pim::ItemData item;
        item.kind = platform::pim::ItemKind::Task;
        item.props[PIMPR_SUBJECT] = std::u16string(u"After the damage");
        EXPECT_EQ(store->Save(item), HRESULT_FROM_WIN32(ERROR_BADDB));
        EXPECT_FALSE(store->Load(kept).has_value()) << "nothing more is read from a damaged store";
        EXPECT_EQ(store->Save(item), HRESULT_FROM_WIN32(ERROR_BADDB));
        EXPECT_EQ(platform::pim::Store::Get(&error), store) << "the open session stays until it closes";
    }
    const std::string said = testing::internal::GetCapturedStderr();
    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(device.Root()))
        if (const std::string name = entry.path().filename().string();
            name.starts_with("pim.vol.damaged-") && !name.ends_with("-wal"))
            aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u) << said;
    EXPECT_NE(said.find("is damaged"), std::string::npos) << said;
    EXPECT_NE(said.find("kept as " + aside[0].string()), std::string::npos) << said;
    EXPECT_EQ(std::filesystem::file_size(aside[0]), bytes.size());
    EXPECT_FALSE(std::filesystem::exists(path));
    HRESULT error = S_OK;
    EXPECT_EQ(platform::pim::Store::Get(&error), nullptr) << "still damaged for this process";
    EXPECT_EQ(error, HRESULT_FROM_WIN32(ERROR_BADDB));

    // The next start, another process, begins a new store and says where the old one was kept, once.
    const std::filesystem::path tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const auto run = [&](const char* log) {
        const std::string command = "QUORVIA_DEVICE='" + device.Root().string() + "' ASAN_OPTIONS=detect_leaks=0 '" +
                                    tool.string() + "' pim add task --subject Fresh 2>'" +
                                    (device.Root() / log).string() + "' >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::ifstream in(device.Root() / log);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string next = run("next.log");
    EXPECT_NE(next.find("kept as " + aside[0].string()), std::string::npos) << next;
    EXPECT_EQ(run("after.log"), "");
}

// A store another program held locked was taken for a damaged one: the check gave up at once on
// the busy answer. It waits as every connection does, and only SQLite's own verdict is damage.
TEST(PimStore, AStoreAnotherWriterHoldsIsWaitedForNotCalledDamaged) {
    platform::testing::TestDevice device;
    CoInitializeEx(nullptr, 0);
    {
        IPOutlookApp* raw = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                   reinterpret_cast<void**>(&raw)),
                  S_OK);
        Ref<IPOutlookApp> app(raw);
        ASSERT_EQ(app->Logon(0), S_OK);  // makes the store
        app->Logoff();
    }
    const std::string path = (device.Root() / "pim.vol").string();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; PRAGMA user_version = 1",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(other);
    });
    IPOutlookApp* raw = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(&raw)),
              S_OK);
    Ref<IPOutlookApp> app(raw);
    EXPECT_EQ(app->Logon(0), S_OK);
    release.join();
    app.reset();
    CoUninitialize();
}

// Every file under the device root with its bytes and its time of last change.
std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> DeviceFiles(
    const std::filesystem::path& root) {
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        files[entry.path().lexically_relative(root).string()] = {std::move(bytes), entry.last_write_time()};
    }
    return files;
}

platform::pim::ItemData Appointment(const char16_t* subject, DATE start) {
    platform::pim::ItemData item;
    item.kind = platform::pim::ItemKind::Appointment;
    item.SetText(PIMPR_SUBJECT, subject);
    item.SetDate(PIMPR_START, start);
    item.SetInt(PIMPR_DURATION, 30);
    item.categories = {u"Work"};
    return item;
}

// A listing only reads: after writers closed, a session for reading leaves every file of the device
// as it was, bytes and times, and makes none; it still reads everything the writers saved.
TEST(PimStore, ASessionForReadingLeavesEveryFileAsItWas) {
    platform::testing::TestDevice device;
    {
        HRESULT error = S_OK;
        EXPECT_EQ(platform::pim::Store::GetForReading(&error), nullptr);
        EXPECT_EQ(error, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
        EXPECT_FALSE(std::filesystem::exists(device.Root() / "pim.vol")) << "no store is made for a listing";
    }
    for (int writer = 0; writer < 2; ++writer) {
        const auto store = platform::pim::Store::Get();
        ASSERT_NE(store, nullptr);
        auto item = Appointment(writer == 0 ? u"First" : u"Second", Ole(2009, 3, 10 + writer, 9));
        ASSERT_EQ(store->Save(item), S_OK);
    }
    EXPECT_EQ(std::filesystem::file_size(device.Root() / "pim.vol-wal"), 0u) << "the saves are in pim.vol";
    // Times set well in the past, so that any write shows whatever the clock's resolution.
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(device.Root()))
        if (entry.is_regular_file()) std::filesystem::last_write_time(entry.path(), past);
    const auto before = DeviceFiles(device.Root());
    {
        const auto store = platform::pim::Store::GetForReading();
        ASSERT_NE(store, nullptr);
        const auto all = store->LoadAll(platform::pim::ItemKind::Appointment);
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all[1].Text(PIMPR_SUBJECT), u"Second");
        EXPECT_EQ(all[1].categories, std::vector<std::u16string>{u"Work"});
        EXPECT_EQ(store->LoadForRange(platform::pim::ItemKind::Appointment, Ole(2009, 3, 11), Ole(2009, 3, 12)).size(),
                  1u);
        EXPECT_EQ(store->OidsInFolderOrder(platform::pim::ItemKind::Appointment).size(), 2u);
        EXPECT_EQ(store->Load(all[0].oid)->Text(PIMPR_SUBJECT), u"First");
        auto refused = Appointment(u"Never", Ole(2009, 3, 12));
        EXPECT_NE(store->Save(refused), S_OK) << "a session for reading cannot write";
    }
    const auto after = DeviceFiles(device.Root());
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, file] : before) {
        ASSERT_EQ(after.count(name), 1u) << name;
        EXPECT_EQ(after.at(name).first, file.first) << name << " changed";
        EXPECT_EQ(after.at(name).second, file.second) << name << " was written";
    }
}

// A folder's order is SQLite's "by start, then OID": items without a start first, single items and
// series mixed by start, equal starts by OID, whatever order they were saved in; and so it stays
// through this process's own saves, moves and deletes, which the store does not read whole again.
TEST(PimStore, FolderOrderIsByStartThenOid) {
    platform::testing::TestDevice device;
    const auto store = platform::pim::Store::Get();
    ASSERT_NE(store, nullptr);
    using platform::pim::ItemKind;
    auto item = [](ItemKind kind, DATE start, bool series) {
        auto made = Appointment(u"Item", start);
        made.kind = kind;
        made.props.erase(PIMPR_START);
        if (start != 0) made.SetDate(kind == ItemKind::Appointment ? PIMPR_START : PIMPR_DUE_DATE, start);
        if (series) made.recurrence.type = olRecursWeekly;
        return made;
    };
    const DATE starts[] = {Ole(2009, 3, 12, 9), Ole(2009, 3, 10, 9), 0, Ole(2009, 3, 10, 9), Ole(2009, 3, 11),
                           Ole(2009, 3, 10, 9), 0, Ole(2009, 3, 9, 8)};
    std::map<ItemKind, std::vector<platform::pim::ItemData>> saved;
    for (std::size_t i = 0; i < std::size(starts); ++i) {
        for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Task}) {
            saved[kind].push_back(item(kind, starts[i], i % 3 == 1));
            ASSERT_EQ(store->Save(saved[kind].back()), S_OK);
        }
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((device.Root() / "pim.vol").string().c_str(), &db), SQLITE_OK);
    auto sqliteOrder = [db](ItemKind kind) {
        std::vector<CEOID> oids;
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db, "SELECT oid FROM items WHERE kind = ?1 ORDER BY start, oid", -1, &q, nullptr);
        sqlite3_bind_int(q, 1, static_cast<int>(kind));
        while (sqlite3_step(q) == SQLITE_ROW) oids.push_back(static_cast<CEOID>(sqlite3_column_int64(q, 0)));
        sqlite3_finalize(q);
        return oids;
    };
    for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Task}) {
        ASSERT_EQ(sqliteOrder(kind).size(), std::size(starts));
        EXPECT_EQ(store->OidsInFolderOrder(kind), sqliteOrder(kind));
        // Moved later, made undated, made a series, deleted, added: one change at a time, and several.
        auto& items = saved[kind];
        const CEPROPID startProp = kind == ItemKind::Appointment ? PIMPR_START : PIMPR_DUE_DATE;
        items[2].SetDate(startProp, Ole(2009, 3, 10, 9));
        ASSERT_EQ(store->Save(items[2]), S_OK);
        EXPECT_EQ(store->OidsInFolderOrder(kind), sqliteOrder(kind)) << "moved";
        items[0].props.erase(startProp);
        ASSERT_EQ(store->Save(items[0]), S_OK);
        items[5].recurrence.type = olRecursDaily;
        ASSERT_EQ(store->Save(items[5]), S_OK);
        ASSERT_EQ(store->Delete(items[3].oid), S_OK);
        auto added = item(kind, Ole(2009, 3, 10, 9), false);
        ASSERT_EQ(store->Save(added), S_OK);
        EXPECT_EQ(store->OidsInFolderOrder(kind), sqliteOrder(kind)) << "several changes";
        ASSERT_EQ(store->OidsInFolderOrder(kind).size(), std::size(starts));
    }
    sqlite3_close(db);
}

// A session that only read is the last to close after another writer's save: that save, still in
// the log, is copied into pim.vol then, and nothing is lost.
TEST(PimStore, AnotherWritersChangesReachTheStoreWhenTheLastSessionCloses) {
    platform::testing::TestDevice device;
    const std::string path = (device.Root() / "pim.vol").string();
    CEOID oid = 0;
    {
        const auto store = platform::pim::Store::Get();
        ASSERT_NE(store, nullptr);
        auto item = Appointment(u"Before", Ole(2009, 3, 10, 9));
        ASSERT_EQ(store->Save(item), S_OK);
        oid = item.oid;
    }
    {
        const auto reader = platform::pim::Store::Get();
        ASSERT_NE(reader, nullptr);
        ASSERT_EQ(reader->Load(oid)->Text(PIMPR_SUBJECT), u"Before");
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        const std::string update = "UPDATE props SET value = 'After' WHERE oid = " + std::to_string(oid) +
                                   " AND propid = " + std::to_string(PIMPR_SUBJECT);
        EXPECT_EQ(sqlite3_exec(other, update.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close_v2(other);
        EXPECT_GT(std::filesystem::file_size(path + "-wal"), 0u) << "the other writer was not the last to close";
        EXPECT_EQ(reader->Load(oid)->Text(PIMPR_SUBJECT), u"After");
    }
    EXPECT_EQ(std::filesystem::file_size(path + "-wal"), 0u);
    const auto store = platform::pim::Store::GetForReading();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->Load(oid)->Text(PIMPR_SUBJECT), u"After");
}

TEST(PimStore, CoCreateInstanceNeedsCoInitializeAndKnowsOneClass) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, &out),
              CO_E_NOTINITIALIZED);
    CoInitializeEx(nullptr, 0);
    EXPECT_EQ(CoCreateInstance(IID_IItem, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, &out), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IStream, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    CoUninitialize();
    EXPECT_EQ(platform::testing::LivePimObjects(), 0);
}

}  // namespace

namespace {

TEST_F(ObjectModel, DisplayIsRecordedForExistingItems) {
    platform::testing::ClearPimItemsDisplayed();
    auto c = Create<IContact>(olContactItem);
    c->put_LastName(u"Shown");
    ASSERT_EQ(c->Save(), S_OK);
    LONG oid = 0;
    c->get_Oid(&oid);
    // The device's card comes up over the program; the user closes it.
    platform::testing::ActInsideModalLoop([] { PostMessageW(platform::testing::ShownItemCard(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(c->Display(), S_OK);
    ASSERT_EQ(c->Delete(), S_OK);
    EXPECT_EQ(c->Display(), E_FAIL);
    EXPECT_EQ(platform::testing::PimItemsDisplayed(), std::vector<CEOID>{static_cast<CEOID>(oid)});
}

}  // namespace
