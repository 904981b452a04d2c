// Category loading on a store filled by devicectl: the store's table merged with "catinfo.dat" and
// with the marks ticked while running, a table that cannot be read, and the two commands that add
// a category (to the current contact, and through the "New Category" prompt).
#include <gtest/gtest.h>

#include "core/cat_file.h"
#include "core/cat_loading.h"
#include "core/program_folder.h"
#include "editors/new_category.h"
#include "pim_store_fixture.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "tests/support/prompt_answer.h"
#include "ui/text_prompt.h"

namespace {

using testsupport::AnswerPrompt;

class CatLoading : public pimfixture::PimStoreTest {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    void SetUp() override {
        PimStoreTest::SetUp();
        StartPoomSession(nullptr);
        ASSERT_TRUE(MountPimVol(g_PimVol));
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        UnmountPimVol(g_PimVol);
        g_CatAssocLists = CatAssocListSet{};
        PimStoreTest::TearDown();
    }
    static CatRecord Cat(const char16_t* name, COLORREF colour, LONG icon, DWORD taskMark) {
        CatRecord c;
        c.name = name;
        c.colour = colour;
        c.icon = icon;
        c.taskMark = taskMark;
        return c;
    }
    // "catinfo.dat" with the records given.
    static void WriteCatFile(std::initializer_list<CatRecord> records) {
        g_CatList.RemoveAll();
        for (const CatRecord& r : records) g_CatList.Append(r);
        SaveCategoriesFile();
        g_CatList.RemoveAll();
    }
    std::string CatFileBytes() const { return device.ReadFile(ProgramFolderFile(kCatFileName)); }
    static std::u16string Names() {
        std::u16string names;
        for (const CatRecord& c : g_CatList) names += c.name + u";";
        return names;
    }
    static const CatRecord& Named(const char16_t* name) {
        for (const CatRecord& c : g_CatList)
            if (c.name == name) return c;
        static const CatRecord none;
        ADD_FAILURE() << "no category of that name";
        return none;
    }
    LONG ContactOid(const char16_t* fileAs) {
        PoomPtr<IFolder> f;
        GetPoomApp()->GetDefaultFolder(kPoomFolderContacts, f.Out());
        PoomPtr<IPOutlookItemCollection> items;
        f->get_Items(items.Out());
        int count = 0;
        items->get_Count(&count);
        for (int i = 1; i <= count; ++i) {
            PoomPtr<IDispatch> item;
            items->Item(i, item.Out());
            const PoomPtr<IContact> c = QueryPoom<IContact>(item.Get(), IID_IContact);
            BSTR name = nullptr;
            c->get_FileAs(&name);
            LONG oid = -1;
            c->get_Oid(&oid);
            if (TakeBstr(name) == fileAs) return oid;
        }
        return -1;
    }
    std::u16string ContactCats(LONG oid) {
        const PoomPtr<IContact> c = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        BSTR text = nullptr;
        c->get_Categories(&text);
        return TakeBstr(text);
    }
};

TEST_F(CatLoading, StoreListTakesColoursFromTheFileAndKeepsMarksTickedWhileRunning) {
    WriteCatFile({Cat(u"work", 0x0000FF, 3, 0), Cat(u"Old", 0x00FF00, 4, 1), Cat(u"Friends", 0x111111, -1, 0)});
    ASSERT_EQ(LoadCategories(), 1);
    EXPECT_EQ(Names(), u"Friends;Home;Work;");
    EXPECT_EQ(Named(u"Work").colour, 0x0000FFu);  // the file's record differs only in letter case
    EXPECT_EQ(Named(u"Work").icon, 3);
    EXPECT_EQ(Named(u"Home").colour, kCatDefaultColour);
    EXPECT_NE(Named(u"Home").pimId, -1);
    // Ticked in the task filter while running: survives a reload though the file says 0.
    g_CatList[0].taskMark = 1;
    g_CatList[0].colour = 0x222222;
    ASSERT_EQ(ReloadCategories(), 1);
    EXPECT_EQ(Named(u"Friends").taskMark, 1u);
    EXPECT_EQ(Named(u"Friends").colour, 0x111111u);  // colours come from the file
    EXPECT_FALSE(g_CatAssocLists.contacts.IsEmpty());
    // The name only in the file leaves it at the next save.
    SaveCategoriesFile();
    EXPECT_EQ(CatFileBytes().find("Old"), std::string::npos);
}

TEST_F(CatLoading, UnreadableCategoryDatabaseNeitherEmptiesTheListNorTheFile) {
    WriteCatFile({Cat(u"Work", 0x0000FF, 3, 1)});
    const std::string before = CatFileBytes();
    platform::testing::FailPimCall("CeOpenDatabaseInSession");
    EXPECT_EQ(LoadCategories(), 0);
    EXPECT_TRUE(CatListFailedToLoad());
    SaveCategoriesFile();
    EXPECT_EQ(CatFileBytes(), before);

    ASSERT_EQ(LoadCategories(), 1);
    EXPECT_FALSE(CatListFailedToLoad());
    EXPECT_EQ(Named(u"Work").colour, 0x0000FFu);
    // A later failed reload keeps the loaded list, which may then be saved.
    platform::testing::FailPimCall("CeOpenDatabaseInSession");
    EXPECT_EQ(LoadCategories(), 0);
    EXPECT_EQ(Names(), u"Friends;Home;Work;");
    EXPECT_FALSE(CatListFailedToLoad());
}

TEST_F(CatLoading, BeforeVersion5TheListKeepsItsRecords) {
    WriteCatFile({Cat(u"Mine", 0x0000FF, 2, 0)});
    platform::DeviceProfile profile;
    profile.osMajor = 4;
    device.SetProfile(profile);
    g_CatList.Append(Cat(u"mine", kCatDefaultColour, -1, 1));
    ASSERT_EQ(LoadCategories(), 1);
    EXPECT_EQ(Names(), u"mine;");
    EXPECT_EQ(g_CatList[0].colour, 0x0000FFu);
    EXPECT_EQ(g_CatList[0].taskMark, 1u);
}

TEST_F(CatLoading, AddCatToContactWithoutCategoriesStoresTheNameAlone) {
    ASSERT_EQ(LoadCategories(), 1);
    const LONG acme = ContactOid(u"Acme");
    ASSERT_NE(acme, -1);
    EXPECT_EQ(AddCatToCurItem(acme, u"Travel"), 1);
    EXPECT_EQ(ContactCats(acme), u"Travel");
    EXPECT_EQ(Names(), u"Friends;Home;Travel;Work;");
}

TEST_F(CatLoading, AddCatToContactAppendsOnlyANewName) {
    ASSERT_EQ(LoadCategories(), 1);
    const LONG ada = ContactOid(u"Lovelace, Ada");
    const std::u16string before = ContactCats(ada);
    EXPECT_EQ(AddCatToCurItem(ada, u"WORK"), 1);
    EXPECT_EQ(ContactCats(ada), before);
    EXPECT_EQ(Names(), u"Friends;Home;Work;");
    EXPECT_EQ(AddCatToCurItem(ada, u"Home"), 1);
    EXPECT_TRUE(CatListHas(ContactCats(ada), u"Home"));
    EXPECT_TRUE(CatListHas(ContactCats(ada), u"Friends"));
    // A contact deleted meanwhile: nothing changes.
    {
        const PoomPtr<IContact> c = GetPoomItem<IContact>(GetPoomApp(), ada, IID_IContact);
        ASSERT_EQ(c->Delete(), S_OK);
    }
    EXPECT_EQ(AddCatToCurItem(ada, u"Garden"), 0);
    EXPECT_FALSE(CatNameExists(u"Garden"));
}

TEST_F(CatLoading, NewCategoryPrompt) {
    ASSERT_EQ(LoadCategories(), 1);
    AnswerPrompt(kPromptAccepted, u" Garden ");
    NewCatCmd(nullptr);
    EXPECT_EQ(Names(), u"Friends;Garden;Home;Work;");
    for (const auto& [result, text] : {std::pair<INT_PTR, std::u16string>{kPromptCancelled, u"Hobby"},
                                       std::pair<INT_PTR, std::u16string>{kPromptAccepted, u"   "}}) {
        AnswerPrompt(result, text);
        NewCatCmd(nullptr);
    }
    EXPECT_EQ(Names(), u"Friends;Garden;Home;Work;");
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    AnswerPrompt(kPromptAccepted, u"home");
    NewCatCmd(nullptr);
    EXPECT_EQ(Names(), u"Friends;Garden;Home;Work;");
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Category Exists");
    EXPECT_EQ(boxes[0].type & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
}

}  // namespace
