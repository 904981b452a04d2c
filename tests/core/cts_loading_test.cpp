// Loading the contacts through POOM and from the PIM volume, the search lists and the OID index,
// birthdays and anniversaries, the deferred details, the default field and single reloads.
#include "core/cts_loading.h"

#include <gtest/gtest.h>

#include "core/cts_fields.h"
#include "core/month_cache_edit.h"
#include "platform/testing_user.h"
#include "loading_fixture.h"

namespace {

using loadtest::NewContact;

class CtsLoadingTest : public loadtest::LoadingTest {
protected:
    void AddFixtureContacts() {
        ada_ = AddContact({u"Ada", u"Lovelace", u"Analytical Engines", u"+44 1", u"ada@example.org",
                           DateRec(1815, 12, 10), DateRec(kNoDateYear, 1, 1), u"Met at the society"});
        charles_ = AddContact({u"Charles", u"Babbage", u"", u"", u"", DateRec(kNoDateYear, 1, 1),
                               DateRec(1814, 7, 2)});
        acme_ = AddContact({u"", u"", u"Acme"});
        grace_ = AddContact({u"Grace", u"Hopper", u"Navy", u"", u"", DateRec(1906, 12, 9)});
        AddContact({u"Alan", u"", u""});
    }
    IContact* Contact(LONG oid) {
        held_ = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        return held_.Get();
    }
    LONG StoredDefault(LONG oid) {
        PoomPtr<IItem> item = QueryPoom<IItem>(Contact(oid), IID_IItem);
        LONG field = -1;
        CEPROPID id = 0;
        GetCtsSmartPropField(item.Get(), field, id);
        held_.Reset();
        return static_cast<LONG>(id);
    }
    void StoreDefault(LONG oid, CEPROPID id) {
        PoomPtr<IItem> item = QueryPoom<IItem>(Contact(oid), IID_IItem);
        CEPROPVAL value{};
        value.propid = PIMPR_SMARTPROP;
        value.val.ulVal = id;
        ASSERT_EQ(item->SetProps(0, 1, &value), S_OK);
        ASSERT_EQ(item->Save(), S_OK);
        held_.Reset();
    }
    // Every entry of a search list names the contact at its position.
    void ExpectListNames(const NameIndex& index, std::u16string CtsRecord::*name) {
        for (const NameIdxEntry& entry : index) {
            ASSERT_GE(entry.position, 0);
            ASSERT_LT(entry.position, g_CtsList.Size());
            const CtsRecord& record = g_CtsList[entry.position];
            EXPECT_FALSE(entry.name.empty());
            EXPECT_TRUE(entry.name == record.*name || entry.name == record.company) << entry.position;
        }
    }
    void ExpectIndexesConsistent() {
        ASSERT_EQ(g_CtsIdIndex.Size(), g_CtsList.Size());
        for (int i = 0; i < g_CtsList.Size(); ++i) EXPECT_EQ(IdIndexGet(g_CtsList[i].oid, g_CtsIdIndex), i);
        ExpectListNames(g_CtsNameIndexes.firstNames, &CtsRecord::firstName);
        ExpectListNames(g_CtsNameIndexes.lastNames, &CtsRecord::lastName);
        ExpectListNames(g_CtsNameIndexes.companies, &CtsRecord::company);
    }

    LONG ada_ = -1, charles_ = -1, acme_ = -1, grace_ = -1;
    PoomPtr<IContact> held_;
};

TEST_F(CtsLoadingTest, BothPathsGiveTheSameRecords) {
    AddFixtureContacts();
    for (LONG byCompany : {0, 1}) {
        g_Settings.contactSort = byCompany;
        LoadCtsPOOM();
        const CtsArray viaPoom = g_CtsList;
        const AnnivArray annivPoom = g_AnnivList;
        const CtsNameIndexes namesPoom = g_CtsNameIndexes;
        EXPECT_EQ(g_CtsSortedByCompany, byCompany);
        LoadCtsDb(1);
        EXPECT_EQ(g_CtsSortedByCompany, byCompany);
        ASSERT_EQ(g_CtsList.Size(), 5);
        ASSERT_EQ(viaPoom.Size(), 5);
        for (int i = 0; i < 5; ++i) {
            const CtsRecord& a = viaPoom[i];
            // In name order both give the same sequence; in company order the two sorts may place
            // contacts without a company differently, so records are matched by OID.
            const int at = byCompany ? IdIndexGet(a.oid, g_CtsIdIndex) : i;
            ASSERT_GE(at, 0);
            const CtsRecord& b = g_CtsList[at];
            EXPECT_EQ(a.oid, b.oid) << byCompany << " " << i;
            EXPECT_EQ(a.fileAs, b.fileAs);
            EXPECT_EQ(a.firstName, b.firstName);
            EXPECT_EQ(a.lastName, b.lastName);
            EXPECT_EQ(a.company, b.company);
            EXPECT_EQ(a.detailsPending, 1);
            EXPECT_EQ(b.detailsPending, 1);
        }
        ASSERT_EQ(annivPoom.Size(), g_AnnivList.Size());
        for (int i = 0; i < annivPoom.Size(); ++i) {
            EXPECT_EQ(annivPoom[i].name, g_AnnivList[i].name);
            EXPECT_EQ(annivPoom[i].kind, g_AnnivList[i].kind);
            EXPECT_EQ(annivPoom[i].contactOid, g_AnnivList[i].contactOid);
            EXPECT_TRUE(DateSameDay(annivPoom[i].date, g_AnnivList[i].date));
        }
        EXPECT_EQ(namesPoom.lastNames.Size(), g_CtsNameIndexes.lastNames.Size());
        EXPECT_EQ(namesPoom.firstNames.Size(), g_CtsNameIndexes.firstNames.Size());
        ExpectIndexesConsistent();
        EXPECT_EQ(g_LoadState.contactsLoaded, 1);
    }
}

TEST_F(CtsLoadingTest, BirthdaysAndAnniversariesInDayOrder) {
    AddFixtureContacts();
    LoadCtsPOOM();
    // Contacts without a date ("no date" in the store) give no entry.
    ASSERT_EQ(g_AnnivList.Size(), 3);
    EXPECT_EQ(g_AnnivList[0].name, u"Charles Babbage");
    EXPECT_EQ(g_AnnivList[0].kind, kAnnivAnniversary);
    EXPECT_EQ(g_AnnivList[1].contactOid, grace_);
    EXPECT_EQ(g_AnnivList[2].contactOid, ada_);
    EXPECT_EQ(g_AnnivList[2].date.wYear, 1815);
    g_Settings.dateItems = 0;
    LoadCtsPOOM();
    EXPECT_TRUE(g_AnnivList.IsEmpty());
    LoadCtsDb(0);
    EXPECT_TRUE(g_AnnivList.IsEmpty());
}

TEST_F(CtsLoadingTest, SearchListsBySettings) {
    AddFixtureContacts();
    AddContact({u"ada", u"lovelace", u"navy"});  // names equal but for case keep their order
    struct Case {
        LONG searchCompany, lastNamesOnly;
        int firsts, lasts, companies;
    } const cases[] = {
        // The company-only contact stands in the last-name list under its company.
        {0, 0, 5, 5, 0},
        {1, 0, 5, 5, 3},  // no empty ones, and not Acme, which has no names
        {0, 1, 0, 5, 0},
    };
    for (const Case& c : cases) {
        g_Settings.searchCompany = c.searchCompany;
        g_Settings.lastNamesOnly = c.lastNamesOnly;
        LoadCtsPOOM();
        EXPECT_EQ(g_CtsNameIndexes.firstNames.Size(), c.firsts);
        EXPECT_EQ(g_CtsNameIndexes.lastNames.Size(), c.lasts);
        EXPECT_EQ(g_CtsNameIndexes.companies.Size(), c.companies);
        for (const NameIdxEntry& entry : g_CtsNameIndexes.companies) EXPECT_NE(entry.name, u"Acme");
        ExpectIndexesConsistent();
        // The whole-list rebuild gives the lists that entering the contacts one by one gives.
        const CtsNameIndexes rebuilt = g_CtsNameIndexes;
        g_CtsNameIndexes = CtsNameIndexes();
        g_CtsIdIndex.RemoveAll();
        for (int i = 0; i < g_CtsList.Size(); ++i) {
            const CtsRecord& r = g_CtsList[i];
            AddCtsToSearchLists(i, r.oid, r.firstName, r.lastName, r.company);
        }
        for (auto list : {&CtsNameIndexes::firstNames, &CtsNameIndexes::lastNames, &CtsNameIndexes::companies}) {
            ASSERT_EQ((rebuilt.*list).Size(), (g_CtsNameIndexes.*list).Size());
            for (int i = 0; i < (rebuilt.*list).Size(); ++i) {
                EXPECT_EQ((rebuilt.*list)[i].name, (g_CtsNameIndexes.*list)[i].name);
                EXPECT_EQ((rebuilt.*list)[i].position, (g_CtsNameIndexes.*list)[i].position);
            }
        }
    }
}

// Contacts with names but no company must not leave entries in the company list that their
// removal cannot find.
TEST_F(CtsLoadingTest, CompanySearchListHoldsNoEmptyCompanies) {
    AddFixtureContacts();
    g_Settings.searchCompany = 1;
    LoadCtsDb(0);
    for (const NameIdxEntry& entry : g_CtsNameIndexes.companies) EXPECT_FALSE(entry.name.empty());
    RemoveCtsFromLists(charles_, 0);
    RemoveCtsFromLists(ada_, 0);
    EXPECT_EQ(g_CtsList.Size(), 3);
    EXPECT_EQ(IdIndexFind(ada_, g_CtsIdIndex), -1);
    EXPECT_EQ(FindRecordByTwoKeys(charles_, kAnnivAnniversary), -1);
    EXPECT_EQ(FindRecordByTwoKeys(ada_, kAnnivBirthday), -1);
    EXPECT_EQ(g_AnnivList.Size(), 1);
    ExpectIndexesConsistent();
    ASSERT_EQ(g_CtsNameIndexes.companies.Size(), 1);
    EXPECT_EQ(g_CtsNameIndexes.companies[0].name, u"Navy");
    // Unknown and no OID change nothing.
    RemoveCtsFromLists(-1, 0);
    RemoveCtsFromLists(ada_, 0);
    EXPECT_EQ(g_CtsList.Size(), 3);
}

TEST_F(CtsLoadingTest, SourceChoiceByVersionAndSetting) {
    AddFixtureContacts();
    // Before version 5 the object model reads them: the contacts view used to wait for them forever.
    SetOsMajor(4);
    platform::testing::FailPimCall("CeOpenDatabaseInSession", E_FAIL, 1000);
    LoadCtsList(0);
    EXPECT_EQ(g_CtsList.Size(), 5);
    EXPECT_EQ(g_LoadState.contactsLoaded, 1);
    platform::testing::ClearPimFailures();
    SetOsMajor(5);
    platform::testing::FailPimCall("CeOpenDatabaseInSession", E_FAIL, 1000);
    LoadCtsList(0);
    EXPECT_EQ(g_CtsList.Size(), 5);  // through POOM
    platform::testing::ClearPimFailures();
    g_Settings.loadPoom = 1;
    platform::testing::FailPimCall("IPOutlookApp::GetDefaultFolder", E_FAIL, 1000);
    LoadCtsList(0);
    EXPECT_TRUE(g_CtsList.IsEmpty());
    EXPECT_EQ(g_LoadState.contactsLoaded, 1);
}

TEST_F(CtsLoadingTest, DetailsComeFromTheStoredDefaultOrTheFirstFieldWithText) {
    AddFixtureContacts();
    StoreDefault(ada_, PIMPR_EMAIL1_ADDRESS);
    LoadCtsPOOM();
    CtsRecord ada = g_CtsList[IdIndexGet(ada_, g_CtsIdIndex)];
    LoadCtsExtra(ada);
    EXPECT_EQ(ada.detailsPending, 0);
    EXPECT_EQ(ada.defaultField, 4);
    EXPECT_EQ(ada.defaultText, u"ada@example.org");
    EXPECT_EQ(ada.hasNotes, 1);
    CtsRecord grace = g_CtsList[IdIndexGet(grace_, g_CtsIdIndex)];
    LoadCtsExtra(grace);
    EXPECT_EQ(grace.defaultField, -1);
    EXPECT_EQ(grace.defaultText, u"");
    EXPECT_EQ(grace.hasNotes, 0);
    EXPECT_EQ(GetCtsDefFieldByOid(ada_), 4);
    EXPECT_EQ(GetCtsDefFieldByOid(-1), -1);
}

// A contact that POOM cannot give back would otherwise be asked for on every paint of its row.
TEST_F(CtsLoadingTest, FailedItemFetchEndsTheLoadWithWhatWasRead) {
    AddFixtureContacts();
    platform::testing::FailPimCall("IPOutlookItemCollection::Item", E_FAIL, 1, 2);
    LoadCtsPOOM();
    platform::testing::ClearPimFailures();
    EXPECT_EQ(g_CtsList.Size(), 2);
    EXPECT_EQ(g_LoadState.contactsLoaded, 1);
    ExpectIndexesConsistent();
    for (const AnnivEntry& entry : g_AnnivList) EXPECT_GE(IdIndexGet(entry.contactOid, g_CtsIdIndex), 0);
}

TEST_F(CtsLoadingTest, ContactWhoseDetailsCannotBeFetchedIsMarkedAsTried) {
    CtsRecord gone;
    gone.oid = 0x7123;
    gone.detailsPending = 1;
    gone.defaultText = u"kept";
    LoadCtsExtra(gone);
    EXPECT_EQ(gone.detailsPending, 0);
    EXPECT_EQ(gone.defaultText, u"kept");
}

TEST_F(CtsLoadingTest, DefaultFieldCyclesOverFieldsWithText) {
    const LONG oid = AddContact({u"Eve", u"Field", u"", u"555 2", u"eve@example.org"});
    {
        PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        contact->put_HomeTelephoneNumber(u"555 0");
        contact->put_Email3Address(u"eve3@example.org");
        ASSERT_EQ(contact->Save(), S_OK);
    }
    LoadCtsPOOM();
    const int pos = IdIndexGet(oid, g_CtsIdIndex);
    struct Case {
        LONG from;
        bool next;
        LONG to;
        const char16_t* text;
    } const cases[] = {
        {12, true, 0, u"555 0"},            // from e-mail 3 round to the home telephone
        {0, true, 2, u"555 2"},
        {2, true, 4, u"eve@example.org"},
        {4, true, 12, u"eve3@example.org"},
        {-1, true, 0, u"555 0"},
        {-1, false, 12, u"eve3@example.org"},
        {0, false, 12, u"eve3@example.org"},
        {4, false, 2, u"555 2"},
    };
    for (const Case& c : cases) {
        g_CtsList[pos].defaultField = c.from;
        EXPECT_EQ(c.next ? NextCtsDefField(oid) : PrevCtsDefField(oid), 1);
        EXPECT_EQ(g_CtsList[pos].defaultField, c.to) << c.from << (c.next ? " next" : " prev");
        EXPECT_EQ(g_CtsList[pos].defaultText, c.text);
    }
    EXPECT_EQ(NextCtsDefField(-1), 0);
}

TEST_F(CtsLoadingTest, OnlyFieldWithTextStaysTheDefault) {
    const LONG oid = AddContact({u"Solo", u"Mobile", u"", u"555 9"});
    StoreDefault(oid, PIMPR_MOBILE_TELEPHONE_NUMBER);
    LoadCtsPOOM();
    const int pos = IdIndexGet(oid, g_CtsIdIndex);
    g_CtsList[pos].defaultField = 2;
    EXPECT_EQ(NextCtsDefField(oid), 1);
    EXPECT_EQ(g_CtsList[pos].defaultField, 2);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);  // nothing was saved
}

// The web page and e-mail 3 have no identifier of their own; storing the business telephone's
// instead would turn the default into the business telephone on the next load.
TEST_F(CtsLoadingTest, DefaultWithoutAnIdentifierWritesNothing) {
    const LONG oid = AddContact({u"Web", u"Page", u""});
    {
        PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        contact->put_HomeTelephoneNumber(u"555 0");
        contact->put_WebPage(u"http://example.org");
        ASSERT_EQ(contact->Save(), S_OK);
    }
    StoreDefault(oid, PIMPR_HOME_TELEPHONE_NUMBER);
    LoadCtsPOOM();
    const int pos = IdIndexGet(oid, g_CtsIdIndex);
    g_CtsList[pos].defaultField = 0;
    EXPECT_EQ(NextCtsDefField(oid), 1);
    EXPECT_EQ(g_CtsList[pos].defaultField, 5);
    EXPECT_EQ(StoredDefault(oid), static_cast<LONG>(PIMPR_HOME_TELEPHONE_NUMBER));
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    // A field with an identifier is stored, and only then is the own change marked.
    StoreDefault(oid, PIMPR_MOBILE_TELEPHONE_NUMBER);
    g_CtsList[pos].defaultField = 12;
    EXPECT_EQ(NextCtsDefField(oid), 1);
    EXPECT_EQ(g_CtsList[pos].defaultField, 0);
    EXPECT_EQ(StoredDefault(oid), static_cast<LONG>(PIMPR_HOME_TELEPHONE_NUMBER));
    EXPECT_EQ(g_ChangeMarks.ownChange, 1);
}

TEST_F(CtsLoadingTest, FailedStoreOfTheDefaultIsShownAndNotMarked) {
    const LONG oid = AddContact({u"Fail", u"Save", u"", u"555 2"});
    LoadCtsPOOM();
    platform::testing::FailPimCall("IItem::SetProps");
    EXPECT_EQ(NextCtsDefField(oid), 1);
    EXPECT_EQ(g_CtsList[IdIndexGet(oid, g_CtsIdIndex)].defaultField, 2);  // kept in memory
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, u"Error in Setdefcts#: 0x80004005");
    platform::testing::ClearMessageBoxes();
}

TEST_F(CtsLoadingTest, ReloadAndEmailByOid) {
    AddFixtureContacts();
    LoadCtsPOOM();
    {
        PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), grace_, IID_IContact);
        contact->put_LastName(u"Murray Hopper");
        contact->put_Email2Address(u"grace@example.org");
        ASSERT_EQ(contact->Save(), S_OK);
    }
    RemoveCtsFromLists(grace_, 1);
    ReloadCtsByOid(grace_);
    ASSERT_EQ(g_CtsList.Size(), 5);
    EXPECT_EQ(g_CtsList[IdIndexGet(grace_, g_CtsIdIndex)].lastName, u"Murray Hopper");
    EXPECT_GE(FindRecordByTwoKeys(grace_, kAnnivBirthday), 0);
    EXPECT_EQ(g_AnnivList.Size(), 3);
    ExpectIndexesConsistent();
    std::u16string email;
    EXPECT_EQ(GetCtsEmailByOid(email, grace_), u"grace@example.org");
    EXPECT_EQ(GetCtsEmailByOid(email, ada_), u"ada@example.org");
    EXPECT_EQ(GetCtsEmailByOid(email, 0x7123), u"");
}

}  // namespace
