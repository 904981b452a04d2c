// The template table, the category test and the action lookups by field kind.
#include <gtest/gtest.h>

#include "wallet/wlt_dialog_checks.h"
#include "wallet_fixture.h"

namespace {

class WalletItems : public wallettest::WalletTest {};

TEST_F(WalletItems, TemplatesFollowTheTableInOrder) {
    struct Row {
        int index;
        const char16_t* type;
        LONG icon;
        int fields;
        const char16_t* lastLabel;
        LONG lastKind;
    };
    const Row rows[] = {
        {0, u"Bank Account", 18, 8, u"Password", kWltKindSecret},
        {3, u"Credit Card", 2, 11, u"Password", kWltKindSecret},
        {4, u"Driver's License", 1, 5, u"Expiration Date", kWltKindDate},
        {7, u"Generic Note", 14, 2, u"Note", kWltKindNote},
        {11, u"Lock Combination", 17, 1, u"Combination", kWltKindSecret},
        {13, u"Website", 12, 3, u"Password", kWltKindSecret},
    };
    FillWalletTemplates();
    FillWalletTemplates();  // built once
    ASSERT_EQ(g_Wlt.templates.Size(), kWltTemplateCount);
    for (const Row& row : rows) {
        const WltItem& t = g_Wlt.templates[row.index];
        SCOPED_TRACE(row.index);
        EXPECT_EQ(t.type, row.type);
        EXPECT_EQ(t.icon, row.icon);
        ASSERT_EQ(t.fields.Size(), row.fields);
        EXPECT_EQ(t.fields[row.fields - 1].label, row.lastLabel);
        EXPECT_EQ(t.fields[row.fields - 1].kind, row.lastKind);
        EXPECT_EQ(t.itemId, kWltNoId);
        for (const WltEntry& field : t.fields) EXPECT_TRUE(field.value.empty());
    }
    int most = 0;
    for (const WltItem& t : g_Wlt.templates) most = std::max(most, t.fields.Size());
    EXPECT_EQ(most, kWltMaxShownFields);
}

TEST_F(WalletItems, AnItemFindsItsTemplateIgnoringCase) {
    WltItem item;
    item.type = u"credit CARD";
    EXPECT_EQ(FindWltTemplate(item), 3);
    item.type = u"Credit Cards";
    EXPECT_EQ(FindWltTemplate(item), -1);
}

TEST_F(WalletItems, CategoryTestSplitsTrimsAndIgnoresCase) {
    struct Case {
        const char16_t* categories;
        const char16_t* name;
        bool has;
    };
    const Case cases[] = {
        {u"Work,Personal,", u"Personal", true}, {u"  work , PERSONAL ,", u"personal", true},
        {u"Work,", u"Wor", false},              {u"", u"Work", false},
        {u",,Work", u"work", true},             {u"Business", u"Work", false},
    };
    for (const Case& c : cases) {
        WltItem item;
        item.categories = c.categories;
        EXPECT_EQ(WltItemHasCat(item, c.name), c.has);
    }
}

TEST_F(WalletItems, ActionLookupsTakeTheFirstFieldOfTheKindWithAValue) {
    WltItem item = wallettest::FilledItem(1, u"Card");  // "Calling Card": one phone field, last
    item.fields[4].value.clear();
    WltEntry second;
    second.kind = kWltKindPhone;
    second.value = u"555-0100";
    WltItemAddField(item, second);
    WltEntry mail;
    mail.kind = kWltKindMail;
    mail.value = u"me@example.org";
    WltItemAddField(item, mail);
    EXPECT_EQ(GetWltPhoneValue(item), u"555-0100");
    EXPECT_EQ(GetWltEmailValue(item), u"me@example.org");
    EXPECT_EQ(GetWltWebsiteValue(item), u"");

    g_Wlt.items.Append(item);
    EXPECT_FALSE(WltItemHasPhone());  // nothing selected
    g_Wlt.selection = 0;
    EXPECT_TRUE(WltItemHasPhone());
    EXPECT_TRUE(WltItemHasEmail());
    EXPECT_FALSE(WltItemHasWebsite());
}

TEST_F(WalletItems, NewItemTakesTheNextIdAndBecomesTheSelection) {
    FillWalletTemplates();
    g_Wlt.nextItemId = 7;
    g_Wlt.items.Append(wallettest::FilledItem(0, u"First"));
    AddNewWltItem(g_Wlt.templates[5], u"Mail", 16, u"Work,");
    ASSERT_EQ(g_Wlt.items.Size(), 2);
    EXPECT_EQ(g_Wlt.selection, 1);
    const WltItem& made = g_Wlt.items[1];
    EXPECT_EQ(made.itemId, 8);
    EXPECT_EQ(g_Wlt.nextItemId, 9);
    EXPECT_EQ(made.type, u"Email");
    EXPECT_EQ(made.categories, u"Work,");
    EXPECT_EQ(made.fields.Size(), 5);
}

TEST_F(WalletItems, DialogInputIsRefusedInOrder) {
    struct Case {
        WltFileInput input;
        const char16_t* refusal;  // null when accepted
    };
    const Case cases[] = {
        {{true, u"", u"", u"", true}, u"Wallet File Name Required."},
        {{true, u"   ", u"a", u"a", false}, u"Wallet File Name Required."},
        {{true, u" a?b ", u"", u"", true}, u"A '?' is not allowed in the file name."},
        {{true, u"Mine", u"", u"", true}, u"Password Required on Secure File."},
        {{true, u"Mine", u"abc", u"abd", true}, u"Passwords do not match. Please re-enter passwords."},
        {{true, u"Mine", u"abc", u"ABC", true}, u"Passwords do not match. Please re-enter passwords."},
        {{true, u"Mine", u"", u"x", false}, nullptr},
        {{true, u"Mine", u"", u"x", false, true}, kWltFileExistsText},
        {{false, u"", u"abc", u"abc", true, true}, nullptr},
        {{false, u"", u"abc", u"abc", true}, nullptr},
    };
    for (const Case& c : cases) {
        const auto refusal = CheckWltFileInput(c.input);
        if (!c.refusal) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(std::u16string(refusal->text), c.refusal);
    }
    EXPECT_EQ(std::u16string(CheckWltItemInput(u"", 0)->text), u"Wallet Item Name Required.");
    EXPECT_EQ(std::u16string(CheckWltItemInput(u"Bank", -1)->text), u"No Icon Selected.");
    EXPECT_FALSE(CheckWltItemInput(u"Bank", 0).has_value());
}

// Outside the code page every character became '?', so two such passwords opened each other's wallets.
TEST_F(WalletItems, NewPasswordsTheCodePageCannotHoldAreRefused) {
    struct Case {
        UINT codePage;
        std::u16string password;
        bool refused;
    };
    const Case cases[] = {
        {1252, u"\u043f\u0430\u0440\u043e\u043b\u044c", true},  // Cyrillic
        {1252, u"\u5bc6\u7801", true},                               // CJK
        {1252, u"M\u00fcller \u20ac5", false},                        // all in the page
        {65001, u"\u043f\u0430\u0440\u043e\u043b\u044c", false},
        {65001, u"\u5bc6\u7801", false},
        // The conversion stopped at a NUL and dropped a lone surrogate: "ab\0c" opened "ab\0d"'s wallet.
        {65001, {u"ab\0cd", 5}, true},
        {1252, {u"ab\0cd", 5}, true},
        {65001, u"ab\xD800", true},
        {65001, u"ab\xDC00" u"cd", true},
        {1252, u"ab\xD800", true},
        {65001, u"ab\U0001F511", false},  // a whole pair is a character like any other
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage);
        platform::DeviceProfile profile;
        profile.ansiCodePage = c.codePage;
        device_.SetProfile(profile);
        const WltFileInput input{true, u"Mine", c.password, c.password, true};
        const auto refusal = CheckWltFileInput(input);
        EXPECT_EQ(refusal.has_value(), c.refused);
        if (refusal) {
            EXPECT_EQ(std::u16string(refusal->text), kWltPasswordCharsText);
        }
        // Not a new password: an existing wallet still opens with what it was written with.
        EXPECT_FALSE(CheckWltFileInput({false, u"", u"", u"", false}).has_value());
    }
}

TEST_F(WalletItems, PasswordsLongerThanTheKeyAreToldHowMuchCounts) {
    struct Case {
        UINT codePage;
        std::u16string password;
        const char16_t* counted;  // null: all of it counts
    };
    const Case cases[] = {
        {65001, std::u16string(56, u'a'), nullptr},
        {65001, std::u16string(57, u'a'), u"56"},
        {1252, std::u16string(56, u'\u00e9'), nullptr},
        // Two bytes a character in UTF-8: the key, rounded from 20 characters to 24 bytes, takes 12.
        {65001, std::u16string(20, u'\u043f'), u"24"},
        {65001, u"short", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password.size());
        platform::DeviceProfile profile;
        profile.ansiCodePage = c.codePage;
        device_.SetProfile(profile);
        const auto warning = WltPasswordLengthWarning(c.password);
        ASSERT_EQ(warning.has_value(), c.counted != nullptr);
        if (warning) {
            EXPECT_NE(warning->find(u"first " + std::u16string(c.counted) + u" bytes"), std::u16string::npos);
        }
    }
}

}  // namespace
