// "zqicons.dat": the index written as count, then OID and icon per pair in ascending OID order, and
// read back; a missing file leaves the index alone and a damaged count stops at the end of the file.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/custom_icon.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/program_folder.h"
#include "frame/side_files.h"
#include "platform/testing.h"

namespace {

constexpr const char16_t* kFile = u"zqicons.dat";

class CustomIconFile : public ::testing::Test {
protected:
    CustomIconFile() { g_CustomIconIndex.RemoveAll(); }
    ~CustomIconFile() override { g_CustomIconIndex.RemoveAll(); }

    std::string FileText() const {
        std::string text = device_.ReadFile(ProgramFolderFile(kFile));
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }

    platform::testing::TestDevice device_;
};

TEST_F(CustomIconFile, ThreePairsAreSevenLinesAndReadBack) {
    device_.WriteFile(ProgramFolderFile(kFile), "9\n1\n2\n3\n4\n5\n6\n7\n8\n");
    IdIndexInsert(300, 7, g_CustomIconIndex);
    IdIndexInsert(-5, 0, g_CustomIconIndex);
    IdIndexInsert(42, 199, g_CustomIconIndex);
    SaveCustomIconsFile();
    EXPECT_EQ(FileText(), "3\n-5\n0\n42\n199\n300\n7\n");

    g_CustomIconIndex.RemoveAll();
    IdIndexInsert(1, 1, g_CustomIconIndex);
    LoadCustomIconsFile();
    ASSERT_EQ(g_CustomIconIndex.Size(), 3);
    EXPECT_EQ(LookupCustomIcon(-5), 0);
    EXPECT_EQ(LookupCustomIcon(42), 199);
    EXPECT_EQ(LookupCustomIcon(300), 7);
    EXPECT_EQ(LookupCustomIcon(1), -1);
}

TEST_F(CustomIconFile, MissingFileKeepsTheIndexAndCountZeroEmptiesIt) {
    IdIndexInsert(9, 3, g_CustomIconIndex);
    LoadCustomIconsFile();
    EXPECT_EQ(LookupCustomIcon(9), 3);

    device_.WriteFile(ProgramFolderFile(kFile), "0\n");
    LoadCustomIconsFile();
    EXPECT_TRUE(g_CustomIconIndex.IsEmpty());
}

TEST_F(CustomIconFile, DamagedCountStopsAtTheEndOfTheFile) {
    device_.WriteFile(ProgramFolderFile(kFile), "1000000\n10\n2\n20\n");
    LoadCustomIconsFile();
    ASSERT_EQ(g_CustomIconIndex.Size(), 1);
    EXPECT_EQ(LookupCustomIcon(10), 2);
}

// A count damaged to a smaller number used to drop the pairs after it at the next save.
TEST_F(CustomIconFile, ACountTooSmallKeepsEveryPairThroughASave) {
    device_.WriteFile(ProgramFolderFile(kFile), "1\n10\n2\n20\n5\n");
    LoadCustomIconsFile();
    ASSERT_EQ(g_CustomIconIndex.Size(), 2);
    SaveCustomIconsFile();
    EXPECT_EQ(FileText(), "2\n10\n2\n20\n5\n");
}

// The pairs were searched as sorted but loaded as they stood: an item lost its icon.
TEST_F(CustomIconFile, PairsOutOfOrderAreSortedAndTheLastOfAnOidCounts) {
    device_.WriteFile(ProgramFolderFile(kFile), "4\n300\n7\n-5\n0\n42\n199\n300\n8\n");
    LoadCustomIconsFile();
    ASSERT_EQ(g_CustomIconIndex.Size(), 3);
    EXPECT_EQ(LookupCustomIcon(-5), 0);
    EXPECT_EQ(LookupCustomIcon(42), 199);
    EXPECT_EQ(LookupCustomIcon(300), 8);
}

}  // namespace
