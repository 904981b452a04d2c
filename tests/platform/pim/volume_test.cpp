// The database volume: mounting pim.vol, the four databases read in the sort orders they keep, with
// their property identifiers and record identifiers, and the failures of each call.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>

#include "pim_test_support.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/system.h"
#include "platform/time.h"

namespace {

using pimtest::Ole;
using pimtest::Ref;

constexpr DWORD kCaseless = CEDB_SORT_CASEINSENSITIVE;

struct Record {
    CEOID oid = 0;
    std::vector<CEPROPVAL> values;  // pointers into `buffer`
};

class Volume : public pimtest::PimTest {
protected:
    void SetUp() override {
        PimTest::SetUp();
        ASSERT_TRUE(CeMountDBVolEx(&guid, u"pim.vol", nullptr, OPEN_EXISTING));
    }
    void TearDown() override {
        EXPECT_TRUE(CeUnmountDBVol(&guid));
        if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
        PimTest::TearDown();
    }

    static SORTORDERSPECEX Order(std::initializer_list<std::pair<CEPROPID, DWORD>> keys) {
        SORTORDERSPECEX sort{};
        sort.wVersion = SORTORDERSPECEX_VERSION;
        for (const auto& [prop, flags] : keys) {
            sort.rgPropID[sort.wNumProps] = prop;
            sort.rgdwFlags[sort.wNumProps++] = flags;
        }
        return sort;
    }

    HANDLE Open(const char16_t* name, SORTORDERSPECEX* sort) {
        return CeOpenDatabaseInSession(nullptr, &guid, nullptr, name, sort, CEDB_AUTOINCREMENT, nullptr);
    }

    // Reads every record the way the program does: one process-heap buffer, grown as needed.
    template <class F>
    int ReadAll(HANDLE db, std::vector<CEPROPID> props, F each) {
        int count = 0;
        for (;;) {
            WORD n = static_cast<WORD>(props.size());
            const CEOID oid = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &n, props.data(), &buffer, &size, GetProcessHeap());
            if (oid == 0) break;
            each(reinterpret_cast<CEPROPVAL*>(buffer));
            ++count;
        }
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
        CloseHandle(db);
        return count;
    }

    CEOID SaveTask(const char16_t* subject, DATE due, bool recurring, const char16_t* categories, const char16_t* body) {
        auto t = Create<ITask>(olTaskItem);
        t->put_Subject(subject);
        t->put_DueDate(due);
        t->put_Categories(categories);
        t->put_Body(body);
        t->put_Importance(olImportanceHigh);
        if (recurring) {
            IRecurrencePattern* p = nullptr;
            t->GetRecurrencePattern(&p);
            Ref<IRecurrencePattern> pattern(p);
            pattern->put_RecurrenceType(olRecursDaily);
        }
        EXPECT_EQ(t->Save(), S_OK);
        LONG oid = 0;
        t->get_Oid(&oid);
        return static_cast<CEOID>(oid);
    }
    CEOID SaveContact(const char16_t* fileAs, const char16_t* company, DATE birthday, const char16_t* categories) {
        auto c = Create<IContact>(olContactItem);
        c->put_FileAs(fileAs);
        c->put_FirstName(u"  First ");
        c->put_CompanyName(company);
        c->put_Birthday(birthday);
        c->put_Categories(categories);
        EXPECT_EQ(c->Save(), S_OK);
        LONG oid = 0;
        c->get_Oid(&oid);
        return static_cast<CEOID>(oid);
    }

    CEGUID guid{};
    BYTE* buffer = nullptr;
    DWORD size = 0;
};

TEST_F(Volume, TasksDatabaseInSubjectOrderWithItsProperties) {
    const CEOID water = SaveTask(u"water plants", Ole(2009, 3, 2, 1), true, u"Home", u"Twice");
    const CEOID alpha = SaveTask(u"Alpha", POOM_NO_DATE, false, u"", u"");
    auto sort = Order({{PIMPR_SUBJECT, kCaseless}});
    const HANDLE db = Open(u"Tasks Database", &sort);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    std::vector<CEOID> oids;
    std::vector<std::u16string> subjects;
    const int count = ReadAll(db, {0x10000066, 0x0020001F, 0x00620040, 0x00640040, 0x00630040, 0x00600013,
                                   0x0028000B, 0x00210013, 0x203F0064, 0x001E0064},
                              [&](CEPROPVAL* v) {
                                  oids.push_back(v[0].val.ulVal - 0x40000000u);
                                  subjects.emplace_back(v[1].val.lpwstr);
                                  SYSTEMTIME completed{};
                                  FileTimeToSystemTime(&v[3].val.filetime, &completed);
                                  EXPECT_EQ(completed.wYear, 4501) << "not completed";
                                  EXPECT_EQ(v[5].val.ulVal, static_cast<ULONG>(olImportanceHigh));
                                  const bool recurring = v[8].val.blob.dwCount > 4;
                                  const bool hasNotes = v[9].val.blob.dwCount > 4;
                                  EXPECT_EQ(recurring, subjects.back() == u"water plants");
                                  EXPECT_EQ(hasNotes, subjects.back() == u"water plants");
                                  if (!recurring) {
                                      EXPECT_EQ(v[8].val.blob.dwCount, 4u);
                                      SYSTEMTIME due{};
                                      FileTimeToSystemTime(&v[4].val.filetime, &due);
                                      EXPECT_EQ(due.wYear, 4501);
                                  }
                              });
    EXPECT_EQ(count, 2);
    EXPECT_EQ(oids, (std::vector<CEOID>{alpha, water}));
    EXPECT_EQ(subjects, (std::vector<std::u16string>{u"Alpha", u"water plants"}));
}

TEST_F(Volume, ContactsDatabaseKeepsItsSortOrdersOnly) {
    const CEOID zed = SaveContact(u"Zed", u"Acme", Ole(1970, 5, 17), u"Friends");
    const CEOID amy = SaveContact(u"amy", u"Zeta", POOM_NO_DATE, u"");
    const CEOID bob = SaveContact(u"Bob", u"", POOM_NO_DATE, u"");
    const std::vector<CEPROPID> props = {0x10000066, 0x0082001F, 0x0084001F, 0x008A001F, 0x0080001F, 0x00F00040, 0x00F10040};
    const struct {
        SORTORDERSPECEX sort;
        std::vector<CEOID> expected;
    } kOrders[] = {
        {Order({{PIMPR_FILEAS, kCaseless}}), {amy, bob, zed}},
        {Order({{PIMPR_FILEAS, kCaseless}, {0x01020013, CEDB_SORT_UNKNOWNFIRST}}), {amy, bob, zed}},
        // Company first; a contact without one sorts after the rest.
        {Order({{PIMPR_COMPANY_NAME, kCaseless}, {PIMPR_FILEAS, kCaseless}, {PIMPR_DEPARTMENT, kCaseless}}), {zed, amy, bob}},
    };
    for (auto order : kOrders) {
        const HANDLE db = Open(u"Contacts Database", &order.sort);
        ASSERT_NE(db, INVALID_HANDLE_VALUE);
        std::vector<CEOID> got;
        ReadAll(db, props, [&](CEPROPVAL* v) {
            got.push_back(v[0].val.ulVal + 0x80000000u);
            EXPECT_EQ(std::u16string(v[1].val.lpwstr), u"  First ") << "names as stored; the reader trims";
            const bool hasBirthday = (v[5].wFlags & CEDB_PROPNOTFOUND) == 0;
            EXPECT_EQ(hasBirthday, got.back() == zed);
            EXPECT_EQ(v[6].wFlags & CEDB_PROPNOTFOUND, CEDB_PROPNOTFOUND);
            if (hasBirthday) {
                SYSTEMTIME st{};
                FileTimeToSystemTime(&v[5].val.filetime, &st);
                EXPECT_EQ(st.wYear, 1970);
                EXPECT_EQ(st.wMonth, 5);
                EXPECT_EQ(st.wDay, 17);
            }
        });
        EXPECT_EQ(got, order.expected);
    }
    auto unkept = Order({{PIMPR_LAST_NAME, kCaseless}});
    EXPECT_EQ(Open(u"Contacts Database", &unkept), INVALID_HANDLE_VALUE);
    auto caseSensitive = Order({{PIMPR_FILEAS, 0}});
    EXPECT_EQ(Open(u"Contacts Database", &caseSensitive), INVALID_HANDLE_VALUE);
}

// Asked for no identifiers, a read gives every value the record has, in identifier order, with texts
// beyond ASCII as stored and the same values the object model gives for the item.
TEST_F(Volume, AWholeRecordGivesEveryValueInIdentifierOrder) {
    const std::u16string subject = u"\u00D6lk\u00E4nnchen f\u00FCllen \u2713";
    const std::u16string body = u"Notiz \u00FC";
    const CEOID task = SaveTask(subject.c_str(), Ole(2009, 3, 2, 1), true, u"Work, Home", body.c_str());
    const CEOID contact = SaveContact(u"\u00C6r\u00F8", u"", POOM_NO_DATE, u"");
    struct Seen {
        std::vector<CEPROPID> ids;
        std::map<CEPROPID, std::u16string> texts;
        std::map<CEPROPID, std::vector<BYTE>> blobs;
    };
    auto readWhole = [&](const char16_t* name, CEOID wanted) {
        Seen seen;
        const HANDLE db = Open(name, nullptr);
        for (;;) {
            WORD n = 0;
            const CEOID oid = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &n, nullptr, &buffer, &size, GetProcessHeap());
            if (oid == 0) break;
            if (oid != wanted) continue;
            const auto* v = reinterpret_cast<const CEPROPVAL*>(buffer);
            for (WORD i = 0; i < n; ++i) {
                seen.ids.push_back(v[i].propid);
                if (TypeFromPropID(v[i].propid) == CEVT_LPWSTR) seen.texts[v[i].propid] = v[i].val.lpwstr;
                if (TypeFromPropID(v[i].propid) == CEVT_STREAM)
                    seen.blobs[v[i].propid].assign(v[i].val.blob.lpb, v[i].val.blob.lpb + v[i].val.blob.dwCount);
            }
        }
        CloseHandle(db);
        EXPECT_TRUE(std::is_sorted(seen.ids.begin(), seen.ids.end()));
        EXPECT_EQ(std::adjacent_find(seen.ids.begin(), seen.ids.end()), seen.ids.end());
        return seen;
    };

    const Seen t = readWhole(u"Tasks Database", task);
    EXPECT_EQ(t.texts.at(PIMPR_SUBJECT), subject);
    EXPECT_EQ(t.texts.at(PIMPR_CATEGORIES), u"Work, Home");
    std::vector<BYTE> notes(4 + body.size() * sizeof(char16_t));
    const DWORD length = static_cast<DWORD>(body.size());
    std::memcpy(notes.data(), &length, 4);
    std::memcpy(notes.data() + 4, body.data(), body.size() * sizeof(char16_t));
    EXPECT_EQ(t.blobs.at(PIMPR_BODY_BINARY), notes);
    EXPECT_GT(t.blobs.at(PIMPR_RECURRENCE_STREAM).size(), 4u);
    // Every text the item itself has reads the same through the object model.
    auto item = Get<ITask>(task);
    IItem* props = nullptr;
    ASSERT_EQ(item->QueryInterface(IID_IItem, reinterpret_cast<void**>(&props)), S_OK);
    Ref<IItem> held(props);
    for (const auto& [id, text] : t.texts) {
        if (id == PIMPR_CATEGORIES) continue;
        CEPROPID asked = id;
        CEPROPVAL* values = nullptr;
        ULONG bytes = 0;
        ASSERT_EQ(props->GetProps(&asked, CEDB_ALLOWREALLOC, 1, &values, &bytes, GetProcessHeap()), S_OK);
        EXPECT_EQ(std::u16string(values[0].val.lpwstr), text) << std::hex << id;
        HeapFree(GetProcessHeap(), 0, values);
    }

    const Seen c = readWhole(u"Contacts Database", contact);
    EXPECT_EQ(c.texts.at(PIMPR_FILEAS), u"\u00C6r\u00F8");
    EXPECT_EQ(std::count(c.ids.begin(), c.ids.end(), PIMPR_BIRTHDAY), 0) << "a date not set is not in the record";
    EXPECT_EQ(std::count(c.ids.begin(), c.ids.end(), 0x10000066u), 1);
}

TEST_F(Volume, CategoryDatabasesNameAndAssignCategories) {
    const CEOID task = SaveTask(u"T", POOM_NO_DATE, false, u"Work, Home", u"");
    const CEOID contact = SaveContact(u"C", u"", POOM_NO_DATE, u"home");
    const CEOID appt = SaveAppt(u"A", Ole(2009, 3, 2, 9), 30);
    Get<IAppointment>(appt)->put_Categories(u"Work");  // not saved: no pair
    std::map<LONG, std::u16string> names;
    ReadAll(Open(u"CategoryMainDB", nullptr), {0x0002001F, 0x00010066},
            [&](CEPROPVAL* v) { names[static_cast<LONG>(v[1].val.ulVal)] = v[0].val.lpwstr; });
    ASSERT_EQ(names.size(), 2u);
    std::multimap<CEOID, std::u16string> pairs;
    ReadAll(Open(u"CategoryAssocDB", nullptr), {0x00010013, 0x00020003},
            [&](CEPROPVAL* v) { pairs.emplace(v[0].val.ulVal, names[v[1].val.lVal]); });
    const std::multimap<CEOID, std::u16string> expected = {{task, u"Work"}, {task, u"Home"}, {contact, u"Home"}};
    EXPECT_EQ(pairs, expected) << "one category per name whatever its case";
}

TEST_F(Volume, CallsFailCleanly) {
    EXPECT_EQ(Open(u"Appointments Database", nullptr), INVALID_HANDLE_VALUE);
    auto sort = Order({{PIMPR_SUBJECT, kCaseless}});
    EXPECT_EQ(Open(u"CategoryMainDB", &sort), INVALID_HANDLE_VALUE) << "it keeps no sort order";
    CEGUID unknown{};
    CREATE_INVALIDGUID(&unknown);
    EXPECT_EQ(CeOpenDatabaseInSession(nullptr, &unknown, nullptr, u"Tasks Database", nullptr, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CeUnmountDBVol(&unknown));
    WORD n = 0;
    EXPECT_EQ(CeReadRecordPropsEx(reinterpret_cast<HANDLE>(0x1234), CEDB_ALLOWREALLOC, &n, nullptr, &buffer, &size,
                                  nullptr),
              0u);
    CEGUID other{};
    EXPECT_FALSE(CeMountDBVolEx(&other, u"other.vol", nullptr, OPEN_EXISTING));
    EXPECT_TRUE(CHECK_INVALIDGUID(&other));
    // By its object identifier, as the open tells it.
    CEOID id = 0;
    const HANDLE byName = CeOpenDatabaseInSession(nullptr, &guid, &id, u"Tasks Database", nullptr, 0, nullptr);
    ASSERT_NE(byName, INVALID_HANDLE_VALUE);
    CloseHandle(byName);
    const HANDLE byOid = CeOpenDatabaseInSession(nullptr, &guid, &id, nullptr, nullptr, 0, nullptr);
    EXPECT_NE(byOid, INVALID_HANDLE_VALUE);
    CloseHandle(byOid);
}

TEST(VolumeMount, MissingOrDamagedStoreIsRefusedAndKeptAside) {
    platform::testing::TestDevice device;
    CEGUID guid{};
    EXPECT_FALSE(CeMountDBVolEx(&guid, u"pim.vol", nullptr, OPEN_EXISTING));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(std::filesystem::exists(device.Root() / "pim.vol")) << "open-existing made nothing";
    const std::string garbage(4096, 'x');
    {
        std::ofstream out(device.Root() / "pim.vol", std::ios::binary);
        out << garbage;
    }
    EXPECT_FALSE(CeMountDBVolEx(&guid, u"pim.vol", nullptr, OPEN_ALWAYS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BADDB));
    EXPECT_FALSE(std::filesystem::exists(device.Root() / "pim.vol"));
    EXPECT_FALSE(std::filesystem::exists(device.Root() / "pim.vol-wal"));
    std::size_t kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(device.Root()))
        if (entry.path().filename().string().rfind("pim.vol.damaged-", 0) == 0) {
            EXPECT_EQ(std::filesystem::file_size(entry.path()), garbage.size());
            ++kept;
        }
    EXPECT_EQ(kept, 1u);
}

}  // namespace
