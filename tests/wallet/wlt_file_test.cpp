// Wallet files: every item and field kind read back as written, plain and secured; a wrong password
// or a damaged file loads nothing and never changes the file; the bytes of the format.
#include <gtest/gtest.h>

#include <cstring>

#include "wallet/wlt_file.h"
#include "wallet_fixture.h"

namespace {

using wallettest::FilledItem;
using wallettest::kWalletPath;

class WalletFile : public wallettest::WalletTest {
protected:
    // Every template, plus the two kinds only files carry, extra texts and a stamp.
    static void FillEveryKind() {
        for (int t = 0; t < kWltTemplateCount; ++t) g_Wlt.items.Append(FilledItem(t, u"Item " + std::u16string(1, u'A' + t)));
        WltItem odd = FilledItem(7, u"Odd kinds");
        WltEntry mail;
        mail.kind = kWltKindMail;
        mail.label = u"Mail";
        mail.value = u"someone@example.org";
        mail.extras.Append(u"first extra");
        mail.extras.Append(u"");
        mail.stamp = SYSTEMTIME{2026, 12, 4, 10, 15, 30, 45, 999};
        WltItemAddField(odd, mail);
        WltEntry digits;
        digits.kind = kWltKindDigits;
        digits.label = u"Digits";
        digits.value = u"0123";
        WltItemAddField(odd, digits);
        odd.type = u"No Such Template";
        odd.categories = u"Work, personal,";
        g_Wlt.items.Append(odd);
    }

    static void ExpectSameItems(const WltItemArray& a, const WltItemArray& b) {
        ASSERT_EQ(a.Size(), b.Size());
        for (int i = 0; i < a.Size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(a[i].name, b[i].name);
            EXPECT_EQ(a[i].type, b[i].type);
            EXPECT_EQ(a[i].categories, b[i].categories);
            EXPECT_EQ(a[i].icon, b[i].icon);
            EXPECT_EQ(a[i].itemId, b[i].itemId);
            ASSERT_EQ(a[i].fields.Size(), b[i].fields.Size());
            for (int f = 0; f < a[i].fields.Size(); ++f) {
                const WltEntry& x = a[i].fields[f];
                const WltEntry& y = b[i].fields[f];
                EXPECT_EQ(x.kind, y.kind);
                EXPECT_EQ(x.label, y.label);
                EXPECT_EQ(x.value, y.value);
                EXPECT_EQ(0, std::memcmp(&x.stamp, &y.stamp, sizeof x.stamp));
                ASSERT_EQ(x.extras.Size(), y.extras.Size());
                for (int e = 0; e < x.extras.Size(); ++e) EXPECT_EQ(x.extras[e], y.extras[e]);
            }
        }
    }

    std::string FileBytes() const { return device_.ReadFile(kWalletPath); }
};

TEST_F(WalletFile, EveryItemTypeReadsBackAsWrittenPlainAndSecured) {
    struct Case {
        LONG secured;
        const char16_t* password;
    };
    const Case cases[] = {{0, u""}, {1, u"secret"}, {1, u"a much longer pass phrase of 37 chars"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secured);
        wallettest::ResetWallet();
        g_Wlt.path = kWalletPath;
        FillEveryKind();
        g_Wlt.secured = c.secured;
        g_Wlt.password = c.password;
        g_Wlt.locked = 0;
        for (int i = 0; i < kWltReservedCount; ++i) g_Wlt.reserved[i] = 100 + i;
        const WltItemArray written = g_Wlt.items;
        const LONG nextId = g_Wlt.nextItemId;
        ASSERT_TRUE(WriteWalletFile());

        g_Wlt.items.RemoveAll();
        g_Wlt.locked = 1;
        g_Wlt.nextItemId = 1;
        ReadWalletFile();
        EXPECT_EQ(g_Wlt.locked, 0);
        EXPECT_EQ(g_Wlt.secured, c.secured);
        EXPECT_EQ(g_Wlt.nextItemId, nextId);
        for (int i = 0; i < kWltReservedCount; ++i) EXPECT_EQ(g_Wlt.reserved[i], 100 + i);
        ExpectSameItems(g_Wlt.items, written);
    }
}

TEST_F(WalletFile, PlainFileBeginsWithThePrefixAndThePlainCheckWord) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    // Counted strings carry no line end; numbers are text lines.
    const std::string expected = std::string("\x02\x00ZQ\x08\x00ZQWALLET1\n0\n0\n0\n0\n0\n0\n", 28);
    EXPECT_EQ(FileBytes(), expected);
}

TEST_F(WalletFile, SecuredCheckWordIsPaddedToTheKeyLength) {
    g_Wlt.secured = 1;
    g_Wlt.password = u"pass";
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    const std::string bytes = FileBytes();
    ASSERT_GT(bytes.size(), 6u + 16u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x02\x00ZQ", 4));
    // Eight bytes of check word under a 16-byte key: 16 cipher bytes, none of them the plain text.
    EXPECT_EQ(bytes.substr(4, 2), std::string("\x10\x00", 2));
    EXPECT_EQ(bytes.find("ZQWALLET"), std::string::npos);
    EXPECT_EQ(bytes[22], '1');
    EXPECT_EQ(CheckWltFileHeader(), 1);
}

TEST_F(WalletFile, WrongPasswordLoadsNothingAndLeavesTheFileAsItWas) {
    g_Wlt.items.Append(FilledItem(8, u"Mail login"));
    g_Wlt.secured = 1;
    g_Wlt.password = u"right";
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    const std::string before = FileBytes();

    g_Wlt.items.RemoveAll();
    g_Wlt.locked = 1;
    g_Wlt.password = u"wrong";
    ReadWalletFile();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_TRUE(g_Wlt.items.IsEmpty());
    EXPECT_EQ(CountBoxes(kWltIncorrectPasswordText), 1);
    EXPECT_FALSE(WriteWalletFile());
    EXPECT_EQ(FileBytes(), before);
}

// A locked wallet holds no items: writing it would replace the user's file with an empty one.
TEST_F(WalletFile, WriteWhileLockedKeepsTheFile) {
    g_Wlt.items.Append(FilledItem(0, u"Bank"));
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    const std::string before = FileBytes();
    g_Wlt.items.RemoveAll();
    g_Wlt.locked = 1;
    EXPECT_FALSE(WriteWalletFile());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(WalletFile, PlainFileOpensWithAnyPassword) {
    g_Wlt.items.Append(FilledItem(3, u"Card"));
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    for (const char16_t* password : {u"", u"anything"}) {
        g_Wlt.items.RemoveAll();
        g_Wlt.locked = 1;
        g_Wlt.password = password;
        ReadWalletFile();
        EXPECT_EQ(g_Wlt.locked, 0);
        EXPECT_EQ(g_Wlt.secured, 0);
        ASSERT_EQ(g_Wlt.items.Size(), 1);
        EXPECT_EQ(g_Wlt.items[0].name, u"Card");
    }
}

// Wallets made before new passwords were checked keep opening: the key is made as it always was.
TEST_F(WalletFile, AWalletWithAPasswordOutsideTheCodePageStillOpensWithIt) {
    platform::DeviceProfile profile;
    profile.ansiCodePage = 1252;
    device_.SetProfile(profile);
    const std::u16string password = u"\u043f\u0430\u0440\u043e\u043b\u044c" + std::u16string(60, u'x');
    g_Wlt.items.Append(FilledItem(3, u"Card"));
    g_Wlt.secured = 1;
    g_Wlt.locked = 0;
    g_Wlt.password = password;
    ASSERT_TRUE(WriteWalletFile());
    g_Wlt.items.RemoveAll();
    g_Wlt.locked = 1;
    ReadWalletFile();
    EXPECT_EQ(g_Wlt.locked, 0);
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].name, u"Card");
}

TEST_F(WalletFile, TrailingCaretsGoOnlyInSecuredFiles) {
    for (const LONG secured : {0, 1}) {
        wallettest::ResetWallet();
        g_Wlt.path = kWalletPath;
        WltItem item = FilledItem(8, u"Caret^^");
        g_Wlt.items.Append(item);
        g_Wlt.secured = secured;
        g_Wlt.password = u"pw";
        g_Wlt.locked = 0;
        ASSERT_TRUE(WriteWalletFile());
        g_Wlt.locked = 1;
        ReadWalletFile();
        ASSERT_EQ(g_Wlt.items.Size(), 1);
        EXPECT_EQ(g_Wlt.items[0].name, secured ? u"Caret" : u"Caret^^");
    }
}

// Values were cut to 2,047 characters without a word; they are kept whole as far as the format's
// 16-bit counts go, and a value past that leaves the old file as it was.
TEST_F(WalletFile, LongLabelsAndValuesAreKeptWholeOrTheFileIsLeftAsItWas) {
    struct Case {
        std::size_t length;
        bool written;
    };
    const Case cases[] = {{2048, true}, {2049, true}, {30000, true}, {70000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        wallettest::ResetWallet();
        g_Wlt.path = kWalletPath;
        device_.WriteFile(kWalletPath, "old wallet");
        WltItem item = FilledItem(7, std::u16string(c.length, u'n'));
        item.fields[1].value = std::u16string(c.length, u'v');
        item.fields[1].label = std::u16string(c.length, u'l');
        g_Wlt.items.Append(item);
        g_Wlt.secured = 1;
        g_Wlt.password = u"pw";
        g_Wlt.locked = 0;
        ASSERT_EQ(WriteWalletFile(), c.written);
        if (!c.written) {
            EXPECT_EQ(FileBytes(), "old wallet");
            continue;
        }
        g_Wlt.locked = 1;
        ReadWalletFile();
        ASSERT_EQ(g_Wlt.items.Size(), 1);
        EXPECT_EQ(g_Wlt.items[0].name.size(), c.length);
        EXPECT_EQ(g_Wlt.items[0].fields[1].value, item.fields[1].value);
        EXPECT_EQ(g_Wlt.items[0].fields[1].label, item.fields[1].label);
    }
}

// A file cut short, a count reaching past its end or stopping before it, or bytes after the last
// item would load part of the wallet; the next save would then drop the rest. It is refused whole
// as damaged, never as a wrong password.
TEST_F(WalletFile, DamagedFileIsRefusedWholeAndNeverTakenForAWrongPassword) {
    for (int i = 0; i < 3; ++i) g_Wlt.items.Append(FilledItem(i, u"Item"));
    g_Wlt.secured = 1;
    g_Wlt.password = u"pw";
    g_Wlt.locked = 0;
    for (int i = 0; i < kWltReservedCount; ++i) g_Wlt.reserved[i] = 91 + i;
    ASSERT_TRUE(WriteWalletFile());
    const std::string whole = FileBytes();
    // The item count's line follows the last reserved number.
    const std::size_t countAt = whole.find("\n95\n3\n") + 4;
    ASSERT_NE(countAt, std::string::npos + 4);
    const std::size_t countEnd = countAt + 1;
    const std::string damaged[] = {
        whole.substr(0, whole.size() - 3) + "\xff",
        whole.substr(0, whole.size() / 2),
        whole.substr(0, 40),
        whole.substr(0, countAt) + "2" + whole.substr(countEnd),   // one item left unread
        whole.substr(0, countAt) + "4" + whole.substr(countEnd),   // a count past the end
        whole.substr(0, countAt) + "x" + whole.substr(countEnd),   // no count at all
        whole + "\n",
    };
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        device_.WriteFile(kWalletPath, bytes);
        g_Wlt.locked = 1;
        g_Wlt.password = u"pw";
        platform::testing::ClearMessageBoxes();
        ReadWalletFile();
        EXPECT_EQ(g_Wlt.locked, 1);
        EXPECT_TRUE(g_Wlt.items.IsEmpty());
        EXPECT_EQ(CountBoxes(kWltDamagedText), 1);
        EXPECT_EQ(CountBoxes(kWltIncorrectPasswordText), 0);
        EXPECT_EQ(FileBytes(), bytes);
    }
}

TEST_F(WalletFile, MissingFileLoadsNothingSilently) {
    g_Wlt.path = u"\\My Documents\\Nowhere.zqw";
    EXPECT_EQ(CheckWltFileHeader(), 1);
    ReadWalletFile();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_TRUE(g_Wlt.items.IsEmpty());
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

}  // namespace
