// The recently viewed contacts file: at most twelve, newest first, no OID twice, pruned of
// contacts that are gone, and a missing or damaged file read as an empty or shorter list.
#include <gtest/gtest.h>

#include <string>

#include "core/cts_loading.h"
#include "core/program_folder.h"
#include "lists/cts_recent.h"
#include "platform/files.h"
#include "platform/testing.h"

namespace {

class CtsRecentTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The program folder, as the installer leaves it.
        std::u16string folder = ProgramFolderFile(u"");
        folder.pop_back();
        CreateDirectoryW(folder.substr(0, folder.rfind(u'\\')).c_str(), nullptr);
        CreateDirectoryW(folder.c_str(), nullptr);
        g_CtsViewPairs.RemoveAll();
        g_CtsIdIndex.RemoveAll();
    }
    void TearDown() override {
        g_CtsViewPairs.RemoveAll();
        g_CtsIdIndex.RemoveAll();
    }
    std::string FileText() const { return device.ReadFile(ProgramFolderFile(kRecentContactsFile)); }
    static std::string Lines(std::initializer_list<int> numbers) {
        std::string text;
        for (int n : numbers) text += std::to_string(n) + "\n";
        return text;
    }

    platform::testing::TestDevice device;
};

TEST_F(CtsRecentTest, ThirteenViewsKeepTheTwelveNewestFirst) {
    for (LONG oid = 101; oid <= 113; ++oid) PutCtsViewPairFirst(oid);
    std::string expected = "12\n";
    for (int oid = 113; oid >= 102; --oid) expected += std::to_string(oid) + "\n0\n";
    EXPECT_EQ(FileText(), expected);

    g_CtsViewPairs.RemoveAll();
    LoadCtsView();
    ASSERT_EQ(g_CtsViewPairs.Size(), 12);
    EXPECT_EQ(g_CtsViewPairs[0].key, 113);
    EXPECT_EQ(g_CtsViewPairs[11].key, 102);
}

TEST_F(CtsRecentTest, ViewingAgainMovesToTheFront) {
    for (LONG oid : {1, 2, 3, 2, 2}) PutCtsViewPairFirst(oid);
    EXPECT_EQ(FileText(), Lines({3, 2, 0, 3, 0, 1, 0}));
}

TEST_F(CtsRecentTest, PruneDropsContactsThatAreGone) {
    IdIndexInsert(7, 0, g_CtsIdIndex);
    IdIndexInsert(9, 1, g_CtsIdIndex);
    for (LONG oid : {7, 8, -1, 9}) g_CtsViewPairs.Append(CtsViewPair{0, oid});
    PruneCtsViewPairs();
    EXPECT_EQ(FileText(), Lines({2, 7, 0, 9, 0}));
    RemoveCtsViewPairs(7);
    EXPECT_EQ(FileText(), Lines({1, 9, 0}));
}

TEST_F(CtsRecentTest, ValuesAreKeptAndBadFilesReadShort) {
    LoadCtsView();
    EXPECT_TRUE(g_CtsViewPairs.IsEmpty());

    device.WriteFile(ProgramFolderFile(kRecentContactsFile), Lines({3, 5, 42, 6, 0, 7}));  // third pair cut short
    LoadCtsView();
    ASSERT_EQ(g_CtsViewPairs.Size(), 2);
    EXPECT_EQ(g_CtsViewPairs[0].key, 5);
    EXPECT_EQ(g_CtsViewPairs[0].value, 42);
    SaveCtsView();
    EXPECT_EQ(FileText(), Lines({2, 5, 42, 6, 0}));

    g_CtsViewPairs.RemoveAll();
    SaveCtsView();
    EXPECT_EQ(FileText(), "0\n");
}

}  // namespace
