// The POOM session on a store filled by devicectl: start and end with nothing left alive, the folder
// notifications and identifiers by OS version, categories attached from the store's pairs, the
// default-communication field, the contact picture and the POOM dates.
#include <gtest/gtest.h>

#include <array>

#include "core/poom_session.h"
#include "core/program_folder.h"
#include "pim_store_fixture.h"
#include "platform/memory.h"
#include "platform/testing_pim.h"
#include "ui/item_pictures.h"

namespace {

using pimfixture::PimStoreTest;

// The folder's notification property as the store keeps it; -1 when it is not there.
LONG FolderNotifyValue(int folder) {
    PoomPtr<IFolder> held;
    if (FAILED(GetPoomApp()->GetDefaultFolder(folder, held.Out()))) return -1;
    const PoomPtr<IItem> item = QueryPoom<IItem>(held.Get(), IID_IItem);
    CEPROPID id = PIMPR_FOLDERNOTIFICATIONS;
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    LONG result = -1;
    if (SUCCEEDED(item->GetProps(&id, CEDB_ALLOWREALLOC, 1, &values, &bytes, GetProcessHeap())) && values &&
        !(values->wFlags & CEDB_PROPNOTFOUND))
        result = static_cast<LONG>(values->val.ulVal);
    if (values) HeapFree(GetProcessHeap(), 0, values);
    return result;
}

TEST_F(PimStoreTest, SessionOnVersion5SetsFolderNotificationsAndDistinctFolderIds) {
    StartPoomSession(nullptr);
    ASSERT_NE(GetPoomApp(), nullptr);
    EXPECT_NE(g_PimFolderIds.calendar, 0u);
    EXPECT_NE(g_PimFolderIds.tasks, 0u);
    EXPECT_NE(g_PimFolderIds.contacts, 0u);
    EXPECT_NE(g_PimFolderIds.calendar, g_PimFolderIds.tasks);
    EXPECT_NE(g_PimFolderIds.tasks, g_PimFolderIds.contacts);
    for (const int folder : {kPoomFolderCalendar, kPoomFolderContacts, kPoomFolderTasks})
        EXPECT_EQ(FolderNotifyValue(folder), static_cast<LONG>(kFolderNotifyAll)) << folder;
    EndPoomSession();
    EXPECT_EQ(GetPoomApp(), nullptr);
    EXPECT_EQ(platform::testing::LivePimObjects(), 0);
}

TEST_F(PimStoreTest, SessionBeforeVersion5LeavesFoldersAlone) {
    platform::DeviceProfile profile;
    profile.osMajor = 4;
    profile.osMinor = 21;
    device.SetProfile(profile);
    StartPoomSession(nullptr);
    ASSERT_NE(GetPoomApp(), nullptr);
    EXPECT_EQ(g_PimFolderIds.calendar, 0u);
    EXPECT_EQ(g_PimFolderIds.tasks, 0u);
    EXPECT_EQ(g_PimFolderIds.contacts, 0u);
    for (const int folder : {kPoomFolderCalendar, kPoomFolderContacts, kPoomFolderTasks})
        EXPECT_NE(FolderNotifyValue(folder), static_cast<LONG>(kFolderNotifyAll)) << folder;
}

TEST_F(PimStoreTest, FailedLogonKeepsTheApplicationWithoutFolderIds) {
    platform::testing::FailPimCall("IPOutlookApp::Logon");
    StartPoomSession(nullptr);
    EXPECT_NE(GetPoomApp(), nullptr);
    EXPECT_EQ(g_PimFolderIds.calendar, 0u);
    EndPoomSession();
    EXPECT_EQ(platform::testing::LivePimObjects(), 0);
}

TEST_F(PimStoreTest, FolderThatCannotBeHadLeavesItsIdZero) {
    StartPoomSession(nullptr);
    platform::testing::FailPimCall("IPOutlookApp::GetDefaultFolder", E_FAIL, 1, 1);  // the calendar, asked second
    CEOID calendar = 7, tasks = 7, contacts = 7;
    GetPimFolderIds(GetPoomApp(), calendar, tasks, contacts);
    EXPECT_NE(contacts, 0u);
    EXPECT_EQ(calendar, 0u);
    EXPECT_NE(tasks, 0u);
    EXPECT_EQ(EnableFolderNotifications(kPoomFolderCalendar, kFolderNotifyAll, nullptr), E_FAIL);
}

// Categories attached from the pairs: a small table of categories and pairs.
class AttachCategories : public ::testing::Test {
protected:
    void SetUp() override {
        cats.Append(Cat(u"Home", 1, 0x0000FF, -1));
        cats.Append(Cat(u"Travel", 2, 0x00FF00, 7));
        cats.Append(Cat(u"Work", 3, 0xFF0000, -1));
        for (const CatAssocPair p : {CatAssocPair{0x40000001, 1}, CatAssocPair{0x40000002, 3},
                                     CatAssocPair{0x40000002, 9}, CatAssocPair{0x40000002, 2},
                                     CatAssocPair{0x40000003, 1}, CatAssocPair{0x40000003, 3}})
            pairs.Append(p);
    }
    static CatRecord Cat(const char16_t* name, LONG id, COLORREF colour, LONG icon) {
        CatRecord c;
        c.name = name;
        c.pimId = id;
        c.colour = colour;
        c.icon = icon;
        return c;
    }
    static ApptRecord Appt(LONG icon) {
        ApptRecord a;
        a.icon = icon;
        a.categories.Append(u"stale");
        return a;
    }
    CatArray cats;
    CatPairArray pairs;
};

TEST_F(AttachCategories, ColourAndIconComeFromTheFirstFittingCategory) {
    struct Case {
        LONG oid;
        CatIcon take;
        LONG ownIcon;
        std::u16string names;
        COLORREF colour;
        LONG icon;
    };
    const Case cases[] = {
        // Unknown id 9 skipped; only the second category has an icon.
        {0x40000002, CatIcon::Take, -1, u"Work,Travel", 0x00FF00, 7},
        {0x40000002, CatIcon::Keep, 4, u"Work,Travel", 0xFF0000, 4},
        // No category has an icon: the colour of the last one seen.
        {0x40000003, CatIcon::Take, -1, u"Home,Work", 0xFF0000, -1},
        // No pairs: the list emptied, colour and icon kept.
        {0x40000009, CatIcon::Take, 5, u"", kApptDefaultColour, 5},
    };
    for (const Case& c : cases) {
        ApptRecord appt = Appt(c.ownIcon);
        AttachItemCategories(c.oid, pairs, cats, appt, c.take);
        EXPECT_EQ(JoinCommas(appt.categories), c.names) << c.oid;
        EXPECT_EQ(appt.colour, c.colour) << c.oid;
        EXPECT_EQ(appt.icon, c.icon) << c.oid;
    }
}

TEST(FindFirstPairIndex, FindsTheFirstPairOfEveryOidInLongAndShortLists) {
    for (const int size : {0, 1, 5, 10, 11, 12, 40, 101}) {
        CatPairArray pairs;
        for (int i = 0; i < size; ++i) pairs.Append(CatAssocPair{static_cast<LONG>(0x80000000u + i / 3), i});
        for (int i = 0; i < size; ++i) {
            const LONG oid = pairs[i].oid;
            EXPECT_EQ(FindFirstPairIndex(pairs, oid), i - i % 3) << size << " " << i;
        }
        EXPECT_EQ(FindFirstPairIndex(pairs, static_cast<LONG>(0x80000000u + size)), -1) << size;
        EXPECT_EQ(FindFirstPairIndex(pairs, 0x40000000), -1) << size;
    }
}

LONG SaveContactWithSmartProp(DWORD stored) { return pimfixture::SaveContact(u"Smart", stored); }

TEST_F(PimStoreTest, DefaultCommunicationFieldByStoredPropertyId) {
    StartPoomSession(nullptr);
    struct Case {
        DWORD stored;
        LONG field;
    };
    const Case cases[] = {
        {PIMPR_HOME_TELEPHONE_NUMBER, 0}, {PIMPR_EMAIL1_ADDRESS, 4},   {PIMPR_HOME2_TELEPHONE_NUMBER, 6},
        {PIMPR_ASSISTANT_TELEPHONE_NUMBER, 11}, {PIMPR_WEB_PAGE, -1}, {0, -1},
    };
    for (const Case& c : cases) {
        const LONG oid = SaveContactWithSmartProp(c.stored);
        const PoomPtr<IItem> item = GetPoomItem<IItem>(GetPoomApp(), oid, IID_IItem);
        ASSERT_TRUE(item);
        LONG field = 99;
        CEPROPID propId = 1;
        EXPECT_EQ(GetCtsSmartPropField(item.Get(), field, propId), 0);
        EXPECT_EQ(field, c.field) << std::hex << c.stored;
        EXPECT_EQ(propId, c.stored) << "the stored id is handed out even when unlisted";
    }
}

TEST_F(PimStoreTest, ContactPictureFailuresGiveNoBitmap) {
    StartPoomSession(nullptr);
    EXPECT_EQ(LoadCtsPictureByOid(-1, 48), nullptr);
    const LONG oid = SaveContactWithSmartProp(0);
    HBITMAP bitmap = nullptr;
    // A contact without a picture has an empty stream.
    EXPECT_EQ(LoadItemPictureByOid(oid, GetPoomApp(), bitmap, 48, false), E_FAIL);
    EXPECT_EQ(LoadCtsPictureByOid(oid, 48), nullptr);
    // An item deleted meanwhile.
    {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        ASSERT_TRUE(contact);
        ASSERT_EQ(contact->Delete(), S_OK);
    }
    EXPECT_TRUE(FAILED(LoadItemPictureByOid(oid, GetPoomApp(), bitmap, 48, false)));
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_EQ(LoadItemPictureByOid(oid, nullptr, bitmap, 48, false), E_FAIL);
}

TEST_F(PimStoreTest, ItemOfAnotherKindOrDeletedIsNoItem) {
    StartPoomSession(nullptr);
    const LONG oid = SaveContactWithSmartProp(0);
    EXPECT_FALSE(GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment));
    EXPECT_TRUE(GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact));
    EXPECT_FALSE(GetPoomItem<IContact>(GetPoomApp(), oid + 1000, IID_IContact));
    EXPECT_FALSE(GetPoomItem<IContact>(nullptr, oid, IID_IContact));
}

TEST(PoomDates, NoDateIsNeverConvertedByValue) {
    DateRec date(2009, 3, 2, 9, 30);
    EXPECT_FALSE(PoomDateToDateRec(nullptr, POOM_NO_DATE, date));
    EXPECT_EQ(date.wYear, 2009);
    // 2 March 2009 is day 39874 after 30 December 1899.
    ASSERT_TRUE(PoomDateToDateRec(nullptr, 39874.75, date));
    EXPECT_EQ(date.wYear, 2009);
    EXPECT_EQ(date.wMonth, 3);
    EXPECT_EQ(date.wDay, 2);
    EXPECT_EQ(date.wHour, 18);
    EXPECT_EQ(date.wDayOfWeek, 1);
    EXPECT_DOUBLE_EQ(DayToPoom(nullptr, date), 39874.0);
    EXPECT_DOUBLE_EQ(DateRecToPoom(nullptr, date), 39874.75);
}

}  // namespace

namespace {

TEST(LogOemInfo, WritesTheDeviceOemTextAsOneLogLine) {
    platform::DeviceProfile profile;
    profile.oemInfo = u"Handheld X1";
    platform::testing::TestDevice device;
    device.SetProfile(profile);
    const std::u16string logPath = ProgramFolderFile(u"quorvialog.txt");
    device.WriteFile(logPath, "");
    LogOemInfo();
    const std::string log = device.ReadFile(logPath);
    EXPECT_EQ(log, "Handheld X1\n");
}

}  // namespace
