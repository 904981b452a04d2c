// The item link table and "linkinfo.dat": owner order with the owner lookup, pairs one each way,
// removal of pairs, texts and whole items, and the file's round trip, damage and absence.
#include <gtest/gtest.h>

#include <string>

#include "core/link_table.h"
#include "core/prj_cats.h"
#include "core/program_folder.h"
#include "frame/change_notify.h"
#include "tests/projects/prj_device.h"

namespace {

class LinkTableTest : public ::testing::Test {
protected:
    void SetUp() override { g_LinkTable.RemoveAll(); }
    void TearDown() override { g_LinkTable.RemoveAll(); }
    std::string FileText() const { return device.ReadFile(ProgramFolderFile(kLinkInfoFile)); }
    void WriteLinkFile(const std::string& text) const { device.WriteFile(ProgramFolderFile(kLinkInfoFile), text); }

    PrjDevice device;
};

TEST_F(LinkTableTest, LookupFindsTheFirstRecordOfAnOwnerInLongRuns) {
    LinkTable table;
    EXPECT_EQ(FindLinkByKey(table, 5), -1);
    for (LONG owner : {-7, 1, 2, 3}) AddLinkToText(table, owner, u"x", kLinkWeb);
    for (int i = 0; i < 12; ++i) AddLinkToText(table, 40, u"file" + std::u16string(1, u'a' + i), kLinkFile);
    for (LONG owner = 41; owner < 70; ++owner) AddLinkToText(table, owner, u"y", kLinkWeb);
    // Added out of order: each lands behind the records of its owner.
    AddLinkToText(table, 40, u"last", kLinkFile);
    AddLinkToText(table, 0, u"zero", kLinkFile);

    for (int i = 1; i < table.Size(); ++i) ASSERT_LE(table[i - 1].owner, table[i].owner);
    const int first = FindLinkByKey(table, 40);
    ASSERT_GE(first, 0);
    EXPECT_EQ(table[first].text, u"filea");
    EXPECT_TRUE(first == 0 || table[first - 1].owner != 40);
    EXPECT_EQ(table[first + 12].text, u"last");
    EXPECT_EQ(FindLinkByKey(table, -7), 0);
    EXPECT_EQ(FindLinkByKey(table, 69), table.Size() - 1);
    EXPECT_EQ(FindLinkByKey(table, 39), -1);
}

TEST_F(LinkTableTest, ItemLinksArePairsAndGoAsPairs) {
    LinkTable table;
    AddLinkPair(table, 5, 9, kLinkTask, kLinkContact);
    ASSERT_EQ(table.Size(), 2);
    EXPECT_EQ(table[0].owner, 5);
    EXPECT_EQ(table[0].target, 9);
    EXPECT_EQ(table[0].kind, kLinkContact);
    EXPECT_EQ(table[1].owner, 9);
    EXPECT_EQ(table[1].target, 5);
    EXPECT_EQ(table[1].kind, kLinkTask);
    EXPECT_TRUE(LinkExists(table, 5, 9));
    EXPECT_TRUE(LinkExists(table, 9, 5));
    EXPECT_FALSE(LinkExists(table, 5, 7));
    AddLinkToText(table, 5, u"\\My Documents\\a.txt", kLinkFile);
    EXPECT_EQ(RemoveLinkPair(table, 5, 9), 2);
    ASSERT_EQ(table.Size(), 1);
    EXPECT_EQ(table[0].kind, kLinkFile);
}

TEST_F(LinkTableTest, RemovingByTextTakesTheFirstMatchIgnoringCase) {
    LinkTable table;
    AddLinkToText(table, 3, u"\\Docs\\A.txt", kLinkFile);
    AddLinkToText(table, 3, u"\\docs\\a.TXT", kLinkFile);
    AddLinkToText(table, 4, u"\\docs\\a.txt", kLinkFile);
    EXPECT_TRUE(RemoveLinkByText(table, 3, u"\\DOCS\\a.txt"));
    ASSERT_EQ(table.Size(), 2);
    EXPECT_EQ(table[0].text, u"\\docs\\a.TXT");
    EXPECT_FALSE(RemoveLinkByText(table, 8, u"\\docs\\a.txt"));
}

TEST_F(LinkTableTest, DeletingAnItemTakesItsOwnLinksAndThoseToIt) {
    LinkTable table;
    AddLinkPair(table, 5, 9, kLinkTask, kLinkContact);
    AddLinkPair(table, 9, 12, kLinkContact, kLinkAppt);
    AddLinkToText(table, 9, u"http://x", kLinkWeb);
    AddLinkToText(table, 12, u"http://y", kLinkWeb);
    EXPECT_TRUE(RemoveItemLinks(table, 9));
    ASSERT_EQ(table.Size(), 1);
    EXPECT_EQ(table[0].owner, 12);
    EXPECT_EQ(table[0].text, u"http://y");
    EXPECT_FALSE(RemoveItemLinks(table, 9));
}

// A file or web link's target is -1: removing the links of OID -1 must not take them all.
TEST_F(LinkTableTest, RemovingLinksOfNoItemKeepsFileAndWebLinks) {
    LinkTable table;
    AddLinkToText(table, 3, u"\\a.txt", kLinkFile);
    AddLinkToText(table, 4, u"http://x", kLinkWeb);
    EXPECT_FALSE(RemoveItemLinks(table, -1));
    EXPECT_EQ(table.Size(), 2);
}

TEST_F(LinkTableTest, IndexesOutOfRangeAreRefused) {
    LinkTable table;
    EXPECT_EQ(LinkInsertAt(table, 1, LinkRecord{}), -1);
    EXPECT_EQ(LinkInsertAt(table, -1, LinkRecord{}), -1);
    EXPECT_EQ(LinkInsertAt(table, 0, LinkRecord{1, 2, kLinkTask, {}}), 0);
    EXPECT_EQ(RemoveLinkAt(table, 1), -1);
    const LinkRecord empty = GetLinkAt(table, 3);
    EXPECT_EQ(empty.owner, -1);
    EXPECT_EQ(empty.target, -1);
    EXPECT_EQ(empty.kind, -1);
    EXPECT_TRUE(empty.text.empty());
    EXPECT_EQ(GetLinkAt(table, 0).target, 2);
    EXPECT_EQ(RemoveLinkAt(table, 0), 0);
}

TEST_F(LinkTableTest, FileRoundTripKeepsTableOrderAndTexts) {
    SaveLinkInfoFile();
    EXPECT_EQ(FileText(), "0\n");

    AddLinkPair(g_LinkTable, 5, 9, kLinkTask, kLinkContact);
    AddLinkToText(g_LinkTable, 5, u"\\My Documents\\Über Plan.txt", kLinkFile);
    SaveLinkInfoFile();
    EXPECT_EQ(FileText(), "3\n\n5\n9\n3\n\\My Documents\\Über Plan.txt\n5\n-1\n5\n\n9\n5\n1\n");

    g_LinkTable.RemoveAll();
    LoadLinkInfoFile();
    ASSERT_EQ(g_LinkTable.Size(), 3);
    EXPECT_EQ(g_LinkTable[1].text, u"\\My Documents\\Über Plan.txt");
    EXPECT_EQ(g_LinkTable[2].owner, 9);
    EXPECT_TRUE(ItemHasLinks(9));
    EXPECT_FALSE(ItemHasLinks(10));
}

TEST_F(LinkTableTest, MissingFileLeavesTheTableAndDamagedFileKeepsWholeRecords) {
    AddLinkPair(g_LinkTable, 1, 2, kLinkTask, kLinkTask);
    LoadLinkInfoFile();
    EXPECT_EQ(g_LinkTable.Size(), 2);

    // Counted five, holding one whole record and half of the next.
    WriteLinkFile("5\nhttp://a\n7\n-1\n4\nhttp://b\n8\n");
    LoadLinkInfoFile();
    ASSERT_EQ(g_LinkTable.Size(), 1);
    EXPECT_EQ(g_LinkTable[0].text, u"http://a");

    WriteLinkFile("-3\n");
    LoadLinkInfoFile();
    EXPECT_EQ(g_LinkTable.Size(), 0);
}

// One digit of the count damaged to a smaller number used to lose the records after it at the next save.
TEST_F(LinkTableTest, ACountTooSmallKeepsEveryRecordThroughASave) {
    WriteLinkFile("1\nhttp://a\n7\n-1\n4\nhttp://b\n8\n-1\n4\nhttp://c\n9\n-1\n4\n");
    LoadLinkInfoFile();
    ASSERT_EQ(g_LinkTable.Size(), 3);
    DropItemLinks(9);
    EXPECT_EQ(FileText(), "2\nhttp://a\n7\n-1\n4\nhttp://b\n8\n-1\n4\n");
}

TEST_F(LinkTableTest, RecordsOutOfOrderLoadInFileOrder) {
    WriteLinkFile("2\n\n9\n5\n1\n\n5\n9\n3\n");
    LoadLinkInfoFile();
    ASSERT_EQ(g_LinkTable.Size(), 2);
    EXPECT_EQ(g_LinkTable[0].owner, 9);
    EXPECT_EQ(g_LinkTable[1].owner, 5);
}

TEST_F(LinkTableTest, DroppingAnItemSavesOnlyWhenSomethingWent) {
    AddLinkPair(g_LinkTable, 5, 9, kLinkTask, kLinkContact);
    DropItemLinks(77);
    EXPECT_FALSE(device.FileExists(ProgramFolderFile(kLinkInfoFile)));
    DropItemLinks(9);
    EXPECT_EQ(FileText(), "0\n");
}

// The store's notice of a deleted item, the program's own deletion included, takes its links along.
TEST_F(LinkTableTest, TheStoresDeleteNoticeTakesTheItemsLinks) {
    AddLinkPair(g_LinkTable, 5, 9, kLinkTask, kLinkContact);
    AddLinkToText(g_LinkTable, 5, u"http://x", kLinkWeb);
    OnPimRecordDeleted(9, 0);
    ASSERT_EQ(g_LinkTable.Size(), 1);
    EXPECT_EQ(g_LinkTable[0].text, u"http://x");
    EXPECT_EQ(FileText(), "1\nhttp://x\n5\n-1\n4\n");
}

}  // namespace
