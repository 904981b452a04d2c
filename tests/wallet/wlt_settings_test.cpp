// The wallet's values in the settings key: defaults, the cap on the idle minutes, the last file.
#include <gtest/gtest.h>

#include "core/cmd_line.h"
#include "core/reg_key.h"
#include "frame/settings_store.h"
#include "wallet_fixture.h"

namespace {

class WalletSettings : public wallettest::WalletTest {
protected:
    WalletSettings() { g_CmdLine = {}; }
    ~WalletSettings() override { g_CmdLine = {}; }
    static void Write(const WCHAR* name, LONG value) {
        RegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        ASSERT_EQ(key.WriteNumber(name, value), ERROR_SUCCESS);
    }
    static void WriteText(const WCHAR* name, const std::u16string& value) {
        RegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        ASSERT_EQ(key.WriteText(name, value), ERROR_SUCCESS);
    }
};

TEST_F(WalletSettings, DefaultsWithoutAKey) {
    g_Wlt = WltState();
    LoadWltSettings();
    EXPECT_EQ(g_WltSettings.timeoutOn, 1);
    EXPECT_EQ(g_WltSettings.timeoutMinutes, 5);
    EXPECT_EQ(g_WltSettings.genLength, 8);
    EXPECT_EQ(g_WltSettings.firstTimeAdd, 1);
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\MainWallet.zqw");
    EXPECT_EQ(g_Wlt.folder, u"\\My Documents\\");
}

TEST_F(WalletSettings, IdleMinutesAreCappedAt30) {
    struct Case {
        LONG stored, read;
    };
    for (const Case c : {Case{45, 30}, Case{30, 30}, Case{0, 0}, Case{-4, 0}}) {
        Write(u"WALLETTIMEOUTMIN", c.stored);
        LoadWltSettings();
        EXPECT_EQ(g_WltSettings.timeoutMinutes, c.read) << c.stored;
    }
}

TEST_F(WalletSettings, LastWalletMustExistAndTheSwitchWins) {
    device_.WriteFile(u"\\My Documents\\Kept.zqw", "x");
    WriteText(u"LASTWLT", u"\\My Documents\\Kept.zqw");
    LoadWltSettings();
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Kept.zqw");

    WriteText(u"LASTWLT", u"\\My Documents\\Gone.zqw");
    LoadWltSettings();
    EXPECT_EQ(g_Wlt.path, u"");
    EXPECT_EQ(g_Wlt.folder, u"\\My Documents\\");

    g_CmdLine.wltFile = 1;
    g_Frame.walletFilePath = u"\\Storage\\Given.zqw";
    LoadWltSettings();
    EXPECT_EQ(g_Wlt.path, u"\\Storage\\Given.zqw");
    EXPECT_EQ(g_Wlt.folder, u"\\Storage\\");
    g_Frame = {};
}

TEST_F(WalletSettings, SavedValuesReadBack) {
    g_WltSettings.timeoutMinutes = 12;
    g_WltSettings.genLowerOnly = 0;
    g_WltSettings.noMask = 1;
    device_.WriteFile(u"\\My Documents\\Saved.zqw", "x");
    g_Wlt.path = u"\\My Documents\\Saved.zqw";
    SaveWltSettings();
    g_WltSettings = WltSettings();
    g_Wlt = WltState();
    LoadWltSettings();
    EXPECT_EQ(g_WltSettings.timeoutMinutes, 12);
    EXPECT_EQ(g_WltSettings.genLowerOnly, 0);
    EXPECT_EQ(g_WltSettings.noMask, 1);
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Saved.zqw");
}

}  // namespace
