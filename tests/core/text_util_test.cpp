// Text utilities: digit runs, phone and link recognition, bracket tags and the priority prefix.
#include <gtest/gtest.h>

#include <string>

#include "core/cts_name_index.h"
#include "core/text_util.h"
#include "platform/testing.h"
#include "platform/text.h"

namespace {

TEST(TextUtil, CharacterTestsLeaveEverythingButAsciiAlone) {
    EXPECT_EQ(DigitValue(u'a'), -1);
    EXPECT_EQ(DigitValue(u'7'), 7);
    EXPECT_EQ(ToUpperAscii(u'q'), u'Q');
    EXPECT_EQ(ToUpperAscii(u'\u00e9'), u'\u00e9');
    EXPECT_EQ(ToLowerAscii(u'Z'), u'z');
    EXPECT_FALSE(IsAsciiLetter(u'\u00c9'));
    EXPECT_TRUE(IsEmailChar(u'^'));
    EXPECT_FALSE(IsEmailChar(u'@'));
    EXPECT_TRUE(IsUrlChar(u'?'));
    EXPECT_FALSE(IsUrlChar(u' '));
}

TEST(TextUtil, FindDigitRunRestartsAtEveryNonDigit) {
    int pos = 0;
    EXPECT_TRUE(FindDigitRun(u"ab12c345", 3, pos));
    EXPECT_EQ(pos, 8);
    pos = 2;
    EXPECT_FALSE(FindDigitRun(u"ab12c34", 3, pos));
    EXPECT_EQ(pos, 2);  // unchanged on failure
}

TEST(TextUtil, PhoneAndLinkWords) {
    struct Case {
        const char16_t* text;
        bool phoneChars, looksLikePhone, noLinkWord;
    };
    constexpr Case cases[] = {
        {u"555-1234", true, true, false},
        {u"12-34-56", true, false, false},
        {u"123456", true, true, false},
        {u"+1 (555) 123-4567", false, true, false},
        {u"+1(555)123-4567", true, true, false},
        {u"123", true, false, true},
        {u"(123)", true, false, true},
        {u"[Bob", false, false, true},
        {u"[Bob]", false, false, false},
        {u"", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.text));
        EXPECT_EQ(IsPhoneChars(c.text), c.phoneChars);
        EXPECT_EQ(LooksLikePhoneNumber(c.text), c.looksLikePhone);
        EXPECT_EQ(IsNoLinkWord(c.text), c.noLinkWord);
    }
}

TEST(TextUtil, DetectUrlIsCaseSensitive) {
    EXPECT_TRUE(DetectUrl(u"see www.example"));
    EXPECT_TRUE(DetectUrl(u"shop.co.uk/x"));
    EXPECT_TRUE(DetectUrl(u"http://x"));
    EXPECT_FALSE(DetectUrl(u"WWW EXAMPLE"));
    EXPECT_FALSE(DetectUrl(u"plain words"));
}

TEST(TextUtil, TrimBracketTag) {
    std::u16string text = u"  [Ann Lee] ";
    EXPECT_TRUE(TrimBracketTag(text));
    EXPECT_EQ(text, u"Ann Lee");
    text = u" [] ";
    EXPECT_FALSE(TrimBracketTag(text));
    EXPECT_EQ(text, u"[]");
}

TEST(TextUtil, IsCtsNameNeedsATagNamingALoadedContact) {
    CtsRecord ann;
    ann.oid = 0x80000001;
    ann.firstName = u"Ann";
    ann.lastName = u"Lee";
    g_CtsList.RemoveAll();
    g_CtsNameIndexes = {};
    g_CtsList.Append(ann);
    AddToNameIndex(ann.lastName, 0, g_CtsNameIndexes.lastNames);
    AddToNameIndex(ann.firstName, 0, g_CtsNameIndexes.firstNames);
    EXPECT_TRUE(IsCtsName(u" [Ann Lee]"));
    EXPECT_FALSE(IsCtsName(u"Ann Lee"));  // no brackets
    EXPECT_FALSE(IsCtsName(u"[Bob Lee]"));
    g_CtsList.RemoveAll();
    g_CtsNameIndexes = {};
}

TEST(TextUtil, ParseLetterNumberPrefix) {
    struct Case {
        const char16_t* subject;
        WCHAR letter;
        LONG number;
        const char16_t* rest;
    };
    constexpr Case cases[] = {
        {u"B12: Review", u'B', 12, u"Review"},
        {u"A1: Review", u'A', 1, u"Review"},
        {u"A12: Review", u'A', 12, u"Review"},
        {u"1A: x", 0, 0, u"1A: x"},
        {u"A100: x", 0, 0, u"A100: x"},  // three digits are no prefix
        {u"AB: x", 0, 0, u"AB: x"},
        {u"A1", 0, 0, u"A1"},
        {u"C3:  two blanks", u'C', 3, u" two blanks"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.subject));
        std::u16string rest;
        WCHAR letter = u'?';
        LONG number = -5;
        ParseLetterNumberPrefix(rest, c.subject, letter, number);
        EXPECT_EQ(letter, c.letter);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(rest, c.rest);
    }
}

// A prefix without its blank used to lose the first letter of the subject on every load.
TEST(TextUtil, PrefixWithoutBlankKeepsTheWholeSubject) {
    std::u16string rest;
    WCHAR letter = 0;
    LONG number = 0;
    ParseLetterNumberPrefix(rest, u"A1:Review", letter, number);
    EXPECT_EQ(letter, u'A');
    EXPECT_EQ(number, 1);
    EXPECT_EQ(rest, u"Review");
    ParseLetterNumberPrefix(rest, u"A1:x", letter, number);
    EXPECT_EQ(rest, u"x");
}

// Every prefix the writer produces must read back as the same letter, number and subject.
TEST(TextUtil, PrefixWriterAndParserAgree) {
    for (const char16_t* subject : {u"Review", u"", u" padded", u"B2: looks prefixed"}) {
        for (LONG number = 0; number <= 101; ++number) {
            std::u16string written;
            FormatLetterNumberPrefix(written, subject, u'K', number);
            std::u16string rest;
            WCHAR letter = 0;
            LONG parsed = 0;
            ParseLetterNumberPrefix(rest, written, letter, parsed);
            if (written == subject) {
                EXPECT_GT(number, kMaxPrefixNumber);
                continue;
            }
            EXPECT_EQ(letter, u'K') << number;
            EXPECT_EQ(parsed, number);
            EXPECT_EQ(rest, subject);
        }
    }
}

TEST(TextUtil, FormatLetterNumberPrefix) {
    std::u16string out;
    FormatLetterNumberPrefix(out, u"Call", u'B', 12);
    EXPECT_EQ(out, u"B12: Call");
    FormatLetterNumberPrefix(out, u"Call", u'C', 101);
    EXPECT_EQ(out, u"Call");
    FormatLetterNumberPrefix(out, u"Call", u'C', -1);  // taken as unsigned
    EXPECT_EQ(out, u"Call");
    FormatLetterNumberPrefix(out, u"Call", u'1', 5);
    EXPECT_EQ(out, u"Call");
}

TEST(TextUtil, FileExistsFindsFilesAndFolders) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\My Documents\\a.txt", "x");
    EXPECT_TRUE(FileExists(u"\\My Documents\\A.TXT"));
    EXPECT_TRUE(FileExists(u"\\My Documents"));
    EXPECT_TRUE(FileExists(u"\\My Documents\\*.txt"));
    EXPECT_FALSE(FileExists(u"\\My Documents\\b.txt"));
}

}  // namespace

TEST(TextUtil, FormatTextToBufFillsNumberedInserts) {
    WCHAR buffer[100];
    EXPECT_EQ(FormatTextToBuf(buffer, 100, u"%1 of %2!d! (%3)", u"Week", 12, u"Sun"), 16);
    EXPECT_EQ(std::u16string(buffer), u"Week of 12 (Sun)");
    WCHAR small[5];
    EXPECT_EQ(FormatTextToBuf(small, 5, u"%1", u"too long"), 0);
    EXPECT_EQ(small[0], 0);
    EXPECT_EQ(FormatTextToBuf(buffer, 100, u"no inserts"), 10);
}
