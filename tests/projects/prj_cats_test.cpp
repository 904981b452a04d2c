// Project categories and link-file names: the prefix test, parsing paths of one to three levels,
// the name lists of items, and the counted shortcut texts of link files.
#include <gtest/gtest.h>

#include <string>

#include "core/prj_cats.h"
#include "platform/testing.h"
#include "platform/text.h"

namespace {

TEST(PrjCatTest, PrefixIsTestedWithoutTrimmingInAnyCase) {
    const struct {
        std::u16string_view name;
        bool project;
    } cases[] = {
        {u"PRJ:Home", true}, {u"prj:Home", true}, {u"Prj:", true},  {u" Prj:Home", false},
        {u"Prj", false},     {u"", false},        {u"Prj-Home", false}, {u"Business", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPrjCat(c.name), c.project) << platform::ToUtf8(c.name);

    StrArray categories;
    EXPECT_FALSE(HasPrjCat(categories));
    categories.Append(u"Work");
    EXPECT_FALSE(HasPrjCat(categories));
    categories.Append(u"prj:Garden");
    EXPECT_TRUE(HasPrjCat(categories));
}

TEST(PrjCatTest, ParsesUpToThreeLevelsAndKeepsFurtherSeparatorsInTheLast) {
    const struct {
        std::u16string_view text;
        int result;
        std::u16string_view project, sub, subSub;
    } cases[] = {
        {u"Prj:A", 1, u"A", u"?", u"?"},
        {u"Prj:A>B", 1, u"A", u"B", u"?"},
        {u"Prj:A>B>C>D", 1, u"A", u"B", u"C>D"},
        {u"Prj:A>", 1, u"A", u"", u"?"},
        {u"PRJ:My Project>Sub Part", 1, u"My Project", u"Sub Part", u"?"},
        {u"Home", 0, u"?", u"?", u"?"},
    };
    for (const auto& c : cases) {
        std::u16string project = u"?", sub = u"?", subSub = u"?";
        LONG web = 0;
        EXPECT_EQ(ParsePrjCat(c.text, project, sub, subSub, web, PrjParseMode::kCategory), c.result);
        EXPECT_EQ(project, c.project) << platform::ToUtf8(c.text);
        EXPECT_EQ(sub, c.sub) << platform::ToUtf8(c.text);
        EXPECT_EQ(subSub, c.subSub) << platform::ToUtf8(c.text);
        EXPECT_EQ(web, 0);
    }
}

TEST(PrjCatTest, LinkNamesRoundTripThroughTheLinksFolder) {
    platform::testing::TestDevice device;
    const std::u16string dir = GetPrjLinksDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), u'\\');

    const struct {
        std::u16string_view file;
        std::u16string_view project, sub, subSub, title;
        LONG web;
    } cases[] = {
        {u"Prj-Lnk-A^B#x.lnk", u"A", u"B", u"", u"x", 1},
        {u"Prj-A#my.file.txt.lnk", u"A", u"", u"", u"my.file.txt", 0},
        {u"Prj-Garden^Pond^Fish#notes.lnk", u"Garden", u"Pond", u"Fish", u"notes", 0},
    };
    for (const auto& c : cases) {
        std::u16string project, sub, subSub, title;
        LONG web = 0;
        ASSERT_EQ(ParsePrjLinkName(dir + std::u16string(c.file), project, sub, subSub, title, web), 1);
        EXPECT_EQ(project, c.project);
        EXPECT_EQ(sub, c.sub);
        EXPECT_EQ(subSub, c.subSub);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(web, c.web);
        EXPECT_EQ(BuildPrjLinkName(title, project, sub, subSub, web != 0), dir + std::u16string(c.file));
    }
    std::u16string project, sub, subSub, title;
    LONG web = 0;
    EXPECT_EQ(ParsePrjLinkName(u"\\My Documents\\Prj-A#x.lnk", project, sub, subSub, title, web), 0);
    EXPECT_TRUE(title.empty());
}

TEST(PrjCatTest, BuildingDropsALastLevelWithoutItsParentOnlyInCategories) {
    EXPECT_EQ(BuildPrjCat(u"A", u"", u"Z"), u"Prj:A");
    EXPECT_EQ(BuildPrjCat(u"A", u"B", u"C"), u"Prj:A>B>C");
    EXPECT_EQ(BuildPrjCat(u"A", u"B", u""), u"Prj:A>B");
    const std::u16string name = BuildPrjLinkName(u"title", u"A", u"", u"Z", false);
    EXPECT_TRUE(name.ends_with(u"\\Prj-A^Z#title.lnk")) << platform::ToUtf8(name);
}

TEST(PrjCatTest, NameListsMatchTrimmedEntriesIgnoringCase) {
    const struct {
        std::u16string_view list, name;
        bool found;
    } cases[] = {
        {u"Business, Prj:Home ,", u"prj:home", true},
        {u"Business", u"Busi", false},
        {u"Work,Home", u"home", true},
        {u"Work,,Home", u"", false},
        {u"", u"Work", false},
        {u"work", u"Work", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatListHasName(std::u16string(c.list), c.name), c.found) << platform::ToUtf8(c.list);
}

TEST(PrjCatTest, ShortcutTextsCarryTheirCounts) {
    const std::u16string path19 = u"\\My Documents\\a.txt";
    ASSERT_EQ(path19.size(), 19u);
    EXPECT_EQ(MakeFileShortcut(path19), "21#\"\\My Documents\\a.txt\"");
    const std::u16string address20 = u"http://example.org/x";
    ASSERT_EQ(address20.size(), 20u);
    EXPECT_EQ(MakeUrlShortcut(address20), "31#iexplore http://example.org/x");
    EXPECT_LE(MakeFileShortcut(std::u16string(2000, u'a')).size(), kMaxShortcutBytes);
}

}  // namespace
