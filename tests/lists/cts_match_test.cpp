// Contact tests: phone-key letters and letter cycling, keypad matching on the three names, free-text
// search, categories from a text and the category colour.
#include <gtest/gtest.h>

#include <string>

#include "core/cat_record.h"
#include "lists/cts_match.h"

namespace {

CtsRecord Contact(const char16_t* first, const char16_t* last, const char16_t* company = u"") {
    CtsRecord record;
    record.firstName = first;
    record.lastName = last;
    record.company = company;
    return record;
}

TEST(CtsMatch, KeyLettersFoldOnlyAsciiLetters) {
    struct Case {
        WCHAR letter;
        WCHAR key;
        bool matches;
    };
    const Case cases[] = {
        {u'a', u'2', true}, {u'C', u'2', true}, {u'D', u'2', false}, {u's', u'7', true},
        {u'Z', u'9', true}, {u'A', u'1', false}, {u'A', u'0', false}, {u'\u00e4', u'2', false},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyMatchesLetter(c.letter, c.key), c.matches) << char(c.letter) << char(c.key);
}

TEST(CtsMatch, CycleKeypadLetter) {
    struct Case {
        WCHAR key;
        WCHAR before;
        WCHAR after;
    };
    const Case cases[] = {
        {u'2', 0, u'A'},    {u'2', u'A', u'B'}, {u'2', u'B', u'C'}, {u'2', u'C', u'A'}, {u'2', u'X', u'A'},
        {u'7', u'R', u'S'}, {u'7', u'S', u'P'}, {u'9', u'Y', u'Z'}, {u'1', u'Q', u'Q'}, {u'#', 0, 0},
    };
    for (const Case& c : cases) {
        WCHAR letter = c.before;
        CycleKeypadLetter(c.key, letter);
        EXPECT_EQ(letter, c.after) << char(c.key) << " " << char(c.before);
    }
}

TEST(CtsMatch, NameMatchesKeysNeedsEveryKeyAndLength) {
    const WCHAR keys[] = {u'5', u'6'};
    for (const char16_t* name : {u"Jo", u"kmart", u"Lnx"}) EXPECT_TRUE(NameMatchesKeys(keys, 1, name)) << std::string(name, name + 2);
    for (const char16_t* name : {u"J", u"Ja", u"Mo", u""}) EXPECT_FALSE(NameMatchesKeys(keys, 1, name));
    EXPECT_TRUE(NameMatchesKeys(keys, 0, u"J"));
}

TEST(CtsMatch, CtsMatchesKeysTriesLastThenFirstThenCompany) {
    const WCHAR keys[] = {u'2'};  // A B C
    const CtsRecord byLast = Contact(u"Zed", u"Baker");
    const CtsRecord byFirst = Contact(u"Carl", u"Zorn");
    const CtsRecord byCompany = Contact(u"", u"", u"Acme");
    EXPECT_TRUE(CtsMatchesKeys(byLast, keys, 0, false, false));
    EXPECT_FALSE(CtsMatchesKeys(byFirst, keys, 0, false, true));
    EXPECT_TRUE(CtsMatchesKeys(byFirst, keys, 0, true, false));
    EXPECT_FALSE(CtsMatchesKeys(byCompany, keys, 0, true, false));
    EXPECT_TRUE(CtsMatchesKeys(byCompany, keys, 0, false, true));
}

TEST(CtsMatch, TextSearchLooksAtNamesFileAsAndDefaultText) {
    CtsRecord record = Contact(u"Anna", u"Berg");
    record.fileAs = u"Berg, Anna";
    record.defaultText = u"555-0100";
    for (const char16_t* text : {u"ANNA B", u"rg, an", u"0100", u"a"}) EXPECT_TRUE(CtsMatchesText(record, text));
    for (const char16_t* text : {u"annab", u"anna  berg", u"x"}) EXPECT_FALSE(CtsMatchesText(record, text));
}

TEST(CtsMatch, CompanyOnlyAndCategories) {
    EXPECT_TRUE(CtsIsCompanyOnly(Contact(u"", u"", u"Acme")));
    EXPECT_FALSE(CtsIsCompanyOnly(Contact(u"A", u"", u"Acme")));
    EXPECT_FALSE(CtsIsCompanyOnly(Contact(u"", u"", u"")));

    CtsRecord record;
    SetCtsCatsFromText(record, u"");
    EXPECT_TRUE(record.categories.IsEmpty());
    SetCtsCatsFromText(record, u"  Work , ,Home");
    ASSERT_EQ(record.categories.Size(), 2);
    EXPECT_EQ(record.categories[0], u"Work");
    EXPECT_EQ(record.categories[1], u"Home");
    EXPECT_EQ(JoinWithCommas(record.categories), u"Work,Home");
    EXPECT_TRUE(CtsHasCat(record, u"hOME"));
    EXPECT_FALSE(CtsHasCat(record, u"Hom"));
}

TEST(CtsMatch, CategoryColourIsThatOfTheFirstCategory) {
    const CatArray saved = g_CatList;
    g_CatList.RemoveAll();
    CatRecord work;
    work.name = u"Work";
    work.colour = 0x0000FF;
    CatRecord home;
    home.name = u"Home";
    home.colour = 0x00FF00;
    g_CatList.Append(work);
    g_CatList.Append(home);

    CtsRecord record;
    SetCtsCatsFromText(record, u"home,work");
    EXPECT_EQ(GetCtsCatColor(record), 0x00FF00u);
    CtsRecord unknown;
    SetCtsCatsFromText(unknown, u"Golf,Work");
    const CtsRecord none;
    EXPECT_EQ(GetCtsCatColor(unknown), GetCtsCatColor(none));  // the theme's text colour
    g_CatList = saved;
}

}  // namespace
