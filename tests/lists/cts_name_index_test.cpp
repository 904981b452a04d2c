// Contact name indexes: letter lookups, the coarse insertion start, sorted insertion, finding a
// contact named in a text, renumbering, and the display name formats.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/cts_name_index.h"
#include "platform/text.h"

namespace {

NameIndex Index(std::initializer_list<const char16_t*> names) {
    NameIndex index;
    LONG position = 0;
    for (const char16_t* name : names) index.Append(NameIdxEntry{position++, name});
    return index;
}

CtsRecord Contact(LONG oid, const char16_t* first, const char16_t* last, const char16_t* fileAs = u"") {
    CtsRecord record;
    record.oid = oid;
    record.firstName = first;
    record.lastName = last;
    record.fileAs = fileAs;
    return record;
}

TEST(CtsNameIndex, FindByLetter) {
    const NameIndex single = Index({u"Bob"});
    EXPECT_EQ(FindNameIdxByLetter(u'c', single), 0);
    EXPECT_EQ(FindNameIdxByLetter(u'b', single), 0);
    EXPECT_EQ(FindNameIdxByLetter(u'a', single), -1);

    const NameIndex three = Index({u"adam", u"Anna", u"Bea"});
    EXPECT_EQ(FindNameIdxByLetter(u'A', three), 0);
    EXPECT_EQ(FindNameIdxByLetter(u'b', three), 2);
    EXPECT_EQ(FindNameIdxByLetter(u'c', three), -1);
    EXPECT_EQ(FindNameIdxByLetter(u'a', NameIndex{}), -1);

    const NameIndex run = Index({u"Al", u"Bo", u"Bu", u"Bx", u"By", u"Bz", u"Ca", u"Cb"});
    EXPECT_EQ(FindNameIdxByLetter(u'b', run), 1);  // the first of the run, not the binary hit
}

TEST(CtsNameIndex, EmptyNamesNeverMatch) {
    const NameIdxEntry empty{0, u""};
    EXPECT_FALSE(FirstCharGreater(empty, u'A'));
    EXPECT_EQ(FirstCharCompare(empty, u'A'), 0);
    EXPECT_FALSE(FirstCharEqNoCase(empty, u'A'));
    const NameIdxEntry zed{0, u"zed"};
    EXPECT_TRUE(FirstCharEqNoCase(zed, u'Z'));
    EXPECT_EQ(FirstCharCompare(zed, u'a'), 0);
    EXPECT_EQ(FirstCharCompare(zed, u'~'), 2);
}

TEST(CtsNameIndex, SomewhereCloserOnlyNarrowsLongIndexes) {
    NameIndex nineteen;
    for (int i = 0; i < 19; ++i) nineteen.Append(NameIdxEntry{i, u"A"});
    for (WCHAR letter : {u'A', u'Z'}) EXPECT_EQ(GetSomewhereCloser(letter, nineteen), 0);

    // 40 names: ten each of A, B, C, D.
    NameIndex forty;
    for (const char16_t* name : {u"A", u"B", u"C", u"D"}) {
        for (int i = 0; i < 10; ++i) forty.Append(NameIdxEntry{forty.Size(), name});
    }
    struct Case {
        WCHAR letter;
        int start;
    };
    constexpr Case cases[] = {{u'A', 0}, {u'B', 0}, {u'C', 10}, {u'D', 20}, {u'E', 30}, {u'z', 30}};
    for (const Case& c : cases) {
        const int start = GetSomewhereCloser(c.letter, forty);
        EXPECT_EQ(start, c.start) << static_cast<char>(c.letter);
        for (int i = 0; i < start; ++i) EXPECT_TRUE(FirstCharGreater(forty[i], c.letter));
    }
}

TEST(CtsNameIndex, AddKeepsCaseInsensitiveOrderAndArrivalOrder) {
    NameIndex index;
    const char16_t* names[] = {u"miller", u"Adams", u"", u"Zed", u"baker", u"Miller", u"adams"};
    LONG position = 0;
    for (const char16_t* name : names) AddToNameIndex(name, position++, index);
    ASSERT_EQ(index.Size(), 6);  // the empty name is not entered
    const LONG wantPositions[] = {1, 6, 4, 0, 5, 3};
    for (int i = 0; i < index.Size(); ++i) EXPECT_EQ(index[i].position, wantPositions[i]) << i;

    // Enough names for the coarse start to matter.
    NameIndex big;
    for (int i = 0; i < 60; ++i) {
        const std::u16string name{static_cast<char16_t>(u'A' + (i * 7) % 26), static_cast<char16_t>(u'a' + i % 26)};
        AddToNameIndex(name, i, big);
    }
    for (int i = 1; i < big.Size(); ++i) EXPECT_LE(platform::CompareNoCase(big[i - 1].name, big[i].name), 0) << i;
}

TEST(CtsNameIndex, NamePrefixEqualsIgnoresCaseAndNeedsTheWholeText) {
    struct Case {
        const char16_t* name;
        const char16_t* text;
        bool equal;
    };
    constexpr Case cases[] = {
        {u"Johnson", u"joh", true}, {u"Johnson", u"JOHNSON", true}, {u"Johnson", u"", true},
        {u"Jo", u"Joh", false},     {u"Johnson", u"jon", false},    {u"", u"a", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NamePrefixEquals(NameIdxEntry{0, c.name}, c.text), c.equal)
            << platform::ToUtf8(c.name) << " / " << platform::ToUtf8(c.text);
    }
}

TEST(CtsNameIndex, RenumberAfterRemoval) {
    NameIndex index = Index({u"a", u"b", u"c"});
    RenumberIdsAfter(1, index);
    EXPECT_EQ(index[0].position, 0);
    EXPECT_EQ(index[1].position, 1);
    EXPECT_EQ(index[2].position, 1);
}

TEST(CtsNameIndex, FindCtsIdByName) {
    CtsArray contacts;
    CtsNameIndexes indexes;
    const CtsRecord records[] = {Contact(0x80000001, u"Ann", u"Lee"), Contact(0x80000002, u"Lee", u"Brown"),
                                 Contact(0x80000003, u"", u"Adams")};
    for (const CtsRecord& r : records) {
        const LONG position = contacts.Append(r);
        AddToNameIndex(r.lastName, position, indexes.lastNames);
        AddToNameIndex(r.firstName, position, indexes.firstNames);
    }
    struct Case {
        const char16_t* text;
        LONG oid;
    };
    const Case cases[] = {
        {u"Ann Lee", static_cast<LONG>(0x80000001)},
        {u"  Lee Brown ", static_cast<LONG>(0x80000002)},
        {u"Adams", static_cast<LONG>(0x80000003)},
        {u"Ann Brown", -1},
        {u"ann lee", -1},  // the names are matched with their case
        {u"", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(FindCtsIdByName(c.text, contacts, indexes), c.oid) << platform::ToUtf8(c.text);
    EXPECT_EQ(FindCtsIdByName(u"Ann Lee", CtsArray{}, indexes), -1);
}

TEST(CtsNameIndex, TextHasNames) {
    EXPECT_FALSE(CtsTextHasNames(Contact(1, u"", u""), u"anything", false));
    EXPECT_TRUE(CtsTextHasNames(Contact(1, u"Ann", u""), u"Ann Lee", false));
    EXPECT_FALSE(CtsTextHasNames(Contact(1, u"Ann", u""), u"Ann Lee", true));
    EXPECT_FALSE(CtsTextHasNames(Contact(1, u"Ann", u"Lee"), u"Ann", false));
}

TEST(CtsNameIndex, DisplayNameFormats) {
    struct Case {
        CtsRecord record;
        LONG mode;
        const char16_t* name;
    };
    const Case cases[] = {
        {Contact(1, u"Ann", u"Lee", u"Lee, Ann"), kNameLastFirst, u"Lee, Ann"},
        {Contact(1, u"Ann", u"Lee", u"Lee, Ann"), kNameFirstLast, u"Ann Lee"},
        {Contact(1, u"Ann", u"Lee", u"Filed"), 2, u"Filed"},
        {Contact(1, u"Ann", u"", u"Filed"), kNameLastFirst, u"Ann"},
        {Contact(1, u"", u"Lee", u"Filed"), kNameFirstLast, u"Lee"},
        {Contact(1, u"", u"", u"Acme Ltd"), kNameLastFirst, u"Acme Ltd"},
        {Contact(1, u"", u"", u"Acme Ltd"), kNameFirstLast, u"Acme Ltd"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetCtsDisplayName(c.record, c.mode), c.name);
    EXPECT_TRUE(CtsNameEquals(Contact(1, u"", u"", u"Lee, Ann"), u"LEE, ann"));
    EXPECT_FALSE(CtsNameEquals(Contact(1, u"", u"", u""), u"Lee"));
}

}  // namespace
