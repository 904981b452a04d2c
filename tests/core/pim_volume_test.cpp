// The PIM volume reader: the four databases of a store filled by devicectl compared with what the
// object model says of the same items, records built from hand-made property values for the edge
// cases, and the property helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>
#include <string>

#include "core/anniv_list.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/text_util.h"
#include "pim_store_fixture.h"
#include "platform/time.h"

namespace {

using pimfixture::PimStoreTest;

CEPROPVAL Prop(CEPROPID id) {
    CEPROPVAL v{};
    v.propid = id;
    return v;
}
CEPROPVAL Int(CEPROPID id, LONG value) {
    CEPROPVAL v = Prop(id);
    v.val.lVal = value;
    return v;
}
CEPROPVAL Text(CEPROPID id, const char16_t* text) {
    CEPROPVAL v = Prop(id);
    v.val.lpwstr = const_cast<LPWSTR>(text);
    return v;
}
CEPROPVAL Stream(CEPROPID id, DWORD bytes) {
    CEPROPVAL v = Prop(id);
    v.val.blob.dwCount = bytes;
    return v;
}
CEPROPVAL Missing(CEPROPID id) {
    CEPROPVAL v = Prop(id);
    v.wFlags = CEDB_PROPNOTFOUND;
    return v;
}
CEPROPVAL Date(CEPROPID id, int year, int month, int day) {
    CEPROPVAL v = Prop(id);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    SystemTimeToFileTime(&t, &v.val.filetime);
    return v;
}

// The names of a category text in name order: the two paths may list them in other orders.
std::u16string SortedNames(const std::u16string& text) {
    std::vector<std::u16string> names;
    ForEachCommaPiece(text, [&](const std::u16string& name) { names.push_back(name); });
    std::sort(names.begin(), names.end());
    std::u16string joined;
    for (const auto& p : names) joined += p + u",";
    return joined;
}

class VolumeOfStore : public PimStoreTest {
protected:
    void SetUp() override {
        PimStoreTest::SetUp();
        ASSERT_TRUE(MountPimVol(volume));
        StartPoomSession(nullptr);
        ASSERT_EQ(ReadCatMainDb(volume, cats), 1);
        ASSERT_EQ(ReadCatAssocDb(volume, contactPairs, taskPairs, &apptPairs), 1);
    }
    void TearDown() override {
        UnmountPimVol(volume);
        PimStoreTest::TearDown();
    }
    CEGUID volume{};
    CatArray cats;
    CatPairArray contactPairs, taskPairs, apptPairs;
};

TEST_F(VolumeOfStore, CategoriesComeInNameOrderAndPairsByKind) {
    std::u16string names;
    for (const CatRecord& c : cats) {
        names += c.name + u";";
        EXPECT_NE(c.pimId, -1);
        EXPECT_EQ(c.colour, kCatDefaultColour);
        EXPECT_EQ(c.icon, -1);
    }
    // "home" of a task and "Home" of the appointments are one category of the store.
    EXPECT_TRUE(names == u"Friends;Home;Work;" || names == u"Friends;home;Work;") << std::string(names.begin(), names.end());
    EXPECT_EQ(contactPairs.Size(), 2);
    EXPECT_EQ(taskPairs.Size(), 2);
    EXPECT_EQ(apptPairs.Size(), 3);
    for (const CatPairArray* list : {&contactPairs, &taskPairs, &apptPairs})
        for (int i = 1; i < list->Size(); ++i) EXPECT_LE((*list)[i - 1].oid, (*list)[i].oid);
    for (const CatAssocPair& p : contactPairs) EXPECT_EQ(static_cast<DWORD>(p.oid) & 0xC0000000u, kContactOidFirst);
    for (const CatAssocPair& p : taskPairs) EXPECT_EQ(static_cast<DWORD>(p.oid) & 0xC0000000u, kTaskOidFirst);
    // Without an appointment list those pairs are dropped.
    CatPairArray c2, t2;
    ASSERT_EQ(ReadCatAssocDb(volume, c2, t2, nullptr), 1);
    EXPECT_EQ(c2.Size() + t2.Size(), 4);
}

// The volume's tasks and what the object model says of each.
TEST_F(VolumeOfStore, TasksMatchTheObjectModel) {
    TskArray tasks;
    ASSERT_EQ(ReadTskDbDirect(volume, tasks, cats, taskPairs, kTskSortName, kTskSortName, kTskSortName, true, true, true),
              1);
    ASSERT_EQ(tasks.Size(), 3);
    EXPECT_EQ(tasks[0].subject, u"File taxes");
    EXPECT_EQ(tasks[1].subject, u"Pay rent");
    EXPECT_EQ(tasks[2].subject, u"Water plants");
    for (const TskRecord& t : tasks) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), t.oid, IID_ITask);
        ASSERT_TRUE(task) << std::hex << t.oid;
        BSTR subject = nullptr;
        task->get_Subject(&subject);
        std::u16string plain;
        WCHAR letter = 0;
        LONG number = 0;
        ParseLetterNumberPrefix(plain, TakeBstr(subject), letter, number);
        EXPECT_EQ(t.subject, plain);
        EXPECT_EQ(t.prefixLetter, letter);
        EXPECT_EQ(t.prefixNumber, number);
        VARIANT_BOOL complete = 0;
        task->get_Complete(&complete);
        EXPECT_EQ(t.complete, complete ? 1 : 0) << std::string(plain.begin(), plain.end());
        DATE due = 0;
        task->get_DueDate(&due);
        DateRec poomDue;
        EXPECT_EQ(t.hasDue, PoomDateToDateRec(nullptr, due, poomDue) ? 1 : 0);
        if (t.hasDue) {
            EXPECT_TRUE(DateSameDay(t.due, poomDue));
        }
        LONG importance = 0;
        task->get_Importance(&importance);
        EXPECT_EQ(t.importance, importance);
        BSTR cats = nullptr;
        task->get_Categories(&cats);
        EXPECT_EQ(JoinCommaList(t), TakeBstr(cats));
    }
    EXPECT_EQ(tasks[1].prefixLetter, u'B');
    EXPECT_EQ(tasks[1].prefixNumber, 2);
}

TEST_F(VolumeOfStore, ContactsInNameOrCompanyOrderWithTheirDates) {
    for (const LONG bySort : {0L, 1L}) {
        CtsArray contacts;
        AnnivArray annivs;
        LONG byCompany = -1;
        ASSERT_EQ(ReadCtsDbDirect(volume, contacts, annivs, cats, contactPairs, bySort, byCompany, 1), 1);
        EXPECT_EQ(byCompany, bySort);
        ASSERT_EQ(contacts.Size(), 3);
        std::u16string order;
        for (const CtsRecord& c : contacts) {
            order += c.fileAs + u";";
            EXPECT_EQ(c.detailsPending, 1);
            const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), c.oid, IID_IContact);
            ASSERT_TRUE(contact);
            BSTR first = nullptr, company = nullptr, cats = nullptr;
            contact->get_FirstName(&first);
            contact->get_CompanyName(&company);
            contact->get_Categories(&cats);
            EXPECT_EQ(c.firstName, TakeBstr(first));
            EXPECT_EQ(c.company, TakeBstr(company));
            EXPECT_EQ(SortedNames(JoinCommas(c.categories)), SortedNames(TakeBstr(cats)));
        }
        if (bySort == 1) {
            EXPECT_EQ(order, u"Acme;Lovelace, Ada;Babbage, Charles;");
        }
        ASSERT_EQ(annivs.Size(), 2);
        // In month-and-day order: the anniversary of 2 July before the birthday of 10 December.
        EXPECT_EQ(annivs[0].kind, kAnnivAnniversary);
        EXPECT_EQ(annivs[0].name, u"Charles Babbage");
        EXPECT_EQ(annivs[1].kind, kAnnivBirthday);
        EXPECT_EQ(annivs[1].date.wYear, 1815);
    }
    // Without "DATEITEMS" no entries.
    CtsArray contacts;
    AnnivArray annivs;
    LONG byCompany = -1;
    ASSERT_EQ(ReadCtsDbDirect(volume, contacts, annivs, cats, contactPairs, 0, byCompany, 0), 1);
    EXPECT_EQ(annivs.Size(), 0);
}

TEST_F(PimStoreTest, ReadersFailWithoutAVolumeOrADatabase) {
    CEGUID volume{};
    CREATE_INVALIDGUID(&volume);
    CatArray cats;
    EXPECT_EQ(ReadCatMainDb(volume, cats), 0);
    ASSERT_TRUE(MountPimVol(volume));
    platform::testing::FailPimCall("CeOpenDatabaseInSession", E_FAIL, 2);
    CtsArray contacts;
    AnnivArray annivs;
    LONG byCompany = 0;
    EXPECT_EQ(ReadCtsDbDirect(volume, contacts, annivs, cats, CatPairArray(), 0, byCompany, 1), 0);
    // The second sort order is tried when the first fails.
    platform::testing::FailPimCall("CeOpenDatabaseInSession", E_FAIL, 1);
    EXPECT_EQ(ReadCtsDbDirect(volume, contacts, annivs, cats, CatPairArray(), 0, byCompany, 1), 1);
    EXPECT_EQ(contacts.Size(), 3);
    UnmountPimVol(volume);
}

TEST(PimVolumeMount, FailsOnADeviceWithoutAStore) {
    platform::testing::TestDevice device;
    CEGUID volume{};
    EXPECT_FALSE(MountPimVol(volume));
    EXPECT_TRUE(CHECK_INVALIDGUID(&volume));
}

TEST(VolumeTaskRecord, EdgeCasesOfStoredValues) {
    const CatArray cats;
    const CatPairArray pairs;
    CEPROPVAL values[] = {
        Int(0x10000066u, 5),        Text(0x0020001Fu, u"A12: Call"), Date(0x00620040u, 2009, 3, 1),
        Date(0x00640040u, 4501, 1, 1), Date(0x00630040u, 4501, 1, 1), Int(0x00600013u, 5),
        Int(0x0028000Bu, 1),        Int(0x00210013u, 2),          Stream(0x203F0064u, 4),
        Stream(0x001E0064u, 5),
    };
    const TskRecord task = TskFromVolumeRecord(values, static_cast<WORD>(std::size(values)), cats, pairs);
    EXPECT_EQ(static_cast<DWORD>(task.oid), 0xC0000005u);
    EXPECT_EQ(task.subject, u"Call");
    EXPECT_EQ(task.prefixLetter, u'A');
    EXPECT_EQ(task.prefixNumber, 12);
    EXPECT_EQ(task.complete, 0);
    EXPECT_EQ(task.completed.wYear, 4501);  // kept as read
    EXPECT_EQ(task.hasDue, 0);
    EXPECT_EQ(task.importance, kImportanceNormal);
    EXPECT_EQ(task.reminderSet, 1);
    EXPECT_EQ(task.sensitivity, 2);
    EXPECT_EQ(task.recurring, 0);  // a stream of exactly 4 bytes holds nothing
    EXPECT_EQ(task.hasNotes, 1);
    EXPECT_EQ(task.start.wDayOfWeek, 0);  // 1 March 2009 was a Sunday
    // Fewer values than asked for: the rest keep their defaults.
    const TskRecord shorter = TskFromVolumeRecord(values, 2, cats, pairs);
    EXPECT_EQ(shorter.hasNotes, 0);
}

TEST(VolumeContactRecord, NoDateAnniversaryIsNoEntry) {
    CatArray cats;
    CatRecord friends;
    friends.name = u"Friends";
    friends.pimId = 4;
    cats.Append(friends);
    CatPairArray pairs;
    pairs.Append(CatAssocPair{static_cast<LONG>(0x80000003u), 4});
    pairs.Append(CatAssocPair{static_cast<LONG>(0x80000003u), 8});
    CEPROPVAL values[] = {
        Int(0x10000066u, 3),          Text(0x0082001Fu, u"   "),          Text(0x0084001Fu, u"\tHopper \r\n"),
        Missing(0x008A001Fu),         Text(0x0080001Fu, u"Hopper"),       Date(0x00F00040u, 4501, 1, 1),
        Date(0x00F10040u, 1930, 6, 15),
    };
    AnnivArray annivs;
    const CtsRecord contact =
        CtsFromVolumeRecord(values, static_cast<WORD>(std::size(values)), 1, annivs, cats, pairs);
    EXPECT_EQ(static_cast<DWORD>(contact.oid), 0x80000003u);
    EXPECT_EQ(contact.firstName, u"");
    EXPECT_EQ(contact.lastName, u"Hopper");
    EXPECT_EQ(contact.company, u"");
    EXPECT_EQ(JoinCommas(contact.categories), u"Friends");
    ASSERT_EQ(annivs.Size(), 1);
    EXPECT_EQ(annivs[0].kind, kAnnivAnniversary);
    EXPECT_EQ(annivs[0].name, u"Hopper");
    EXPECT_EQ(annivs[0].contactOid, contact.oid);
}

TEST(VolumeProperties, IntegerAndTextOfEachType) {
    struct Case {
        CEPROPVAL value;
        LONG number;
        std::u16string text;
    };
    CEPROPVAL i2 = Prop(0x00010002u);
    i2.val.iVal = -5;
    CEPROPVAL ui2 = Prop(0x00010012u);
    ui2.val.uiVal = 65535;
    CEPROPVAL r8 = Prop(0x00010005u);
    r8.val.dblVal = -7.9;
    CEPROPVAL blob = Prop(0x00010041u);
    blob.val.blob.dwCount = 3;
    const Case cases[] = {
        {i2, -5, u"-5"},
        {ui2, 65535, u"65535"},
        {Int(0x00010003u, -70000), -70000, u"-70000"},
        {Int(0x00010013u, static_cast<LONG>(0x80000001u)), static_cast<LONG>(0x80000001u), u"-2147483647"},
        {Int(0x0001000Bu, 1), 1, u"1"},
        {Int(0x00010066u, 42), 42, u"42"},
        {r8, -7, u"was"},
        {blob, -1, u"<BLOB>"},
        {Text(0x0001001Fu, u"Plain"), -1, u"Plain"},
        {Date(0x00010040u, 2009, 3, 2), -1, u"<Date> 3-2-2009"},
        {Stream(0x00010064u, 9), -1, u"was"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PropValToInt(c.value), c.number) << std::hex << c.value.propid;
        std::u16string text = u"was";
        FormatPropVal(text, c.value.propid, &c.value);
        EXPECT_EQ(text, c.text) << std::hex << c.value.propid;
    }
    std::u16string text = u"was";
    FormatPropVal(text, 0x0001001Fu, nullptr);
    const CEPROPVAL missing = Missing(0x0001001Fu);
    FormatPropVal(text, missing.propid, &missing);
    EXPECT_EQ(text, u"was");
    CEPROPVAL huge = Prop(0x00010005u);
    huge.val.dblVal = 1e300;
    EXPECT_EQ(PropValToInt(huge), -1);
    const std::u16string long1023(1023, u'x');
    const CEPROPVAL longText = Text(0x0001001Fu, long1023.c_str());
    FormatPropVal(text, longText.propid, &longText);
    EXPECT_EQ(text, long1023);
}

TEST(VolumeLists, PairsGoToTheListOfTheirOidRange) {
    struct Case {
        DWORD oid;
        bool withAppts;
        int contacts, tasks, appts;
    };
    const Case cases[] = {
        {0x80000000u, true, 1, 0, 0}, {0x80004E1Fu, true, 1, 0, 0}, {0x80004E20u, true, 0, 0, 0},
        {0x7FFFFFFFu, true, 0, 0, 0}, {0xC0000000u, true, 0, 1, 0}, {0xC0004E20u, true, 0, 0, 0},
        {0x40004E1Fu, true, 0, 0, 1}, {0x40004E1Fu, false, 0, 0, 0}, {0x00000001u, true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        CatPairArray contacts, tasks, appts;
        AddAssocPairByKind(CatAssocPair{static_cast<LONG>(c.oid), 1}, contacts, tasks, c.withAppts ? &appts : nullptr);
        EXPECT_EQ(contacts.Size(), c.contacts) << std::hex << c.oid;
        EXPECT_EQ(tasks.Size(), c.tasks) << std::hex << c.oid;
        EXPECT_EQ(appts.Size(), c.appts) << std::hex << c.oid;
    }
}

TEST(VolumeLists, SortedInsertsKeepReadingOrderForEqualKeys) {
    CatArray cats;
    for (const char16_t* name : {u"work", u"Apple", u"Work", u"banana"}) {
        CatRecord c;
        c.name = name;
        AddCatFromDb(cats, c);
    }
    std::u16string names;
    for (const CatRecord& c : cats) names += c.name + u";";
    EXPECT_EQ(names, u"Apple;banana;work;Work;");

    CatPairArray pairs;
    for (const CatAssocPair p : {CatAssocPair{0x40000002, 1}, CatAssocPair{0x40000001, 2}, CatAssocPair{0x40000002, 3}})
        InsertAssocPair(pairs, p);
    // A new pair goes before the first pair of the same OID.
    EXPECT_EQ(pairs[0].catId, 2);
    EXPECT_EQ(pairs[1].catId, 3);
    EXPECT_EQ(pairs[2].catId, 1);
    EXPECT_EQ(GetCatNameById(7, cats), u"");
}

}  // namespace
