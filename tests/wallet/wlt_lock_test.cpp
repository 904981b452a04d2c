// The automatic lock on the frozen clock, the lock command, the closing of open dialogs and the
// password generator's alphabets.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/time.h"
#include "platform/user.h"
#include "ui/text_prompt.h"
#include "wallet/wlt_lock.h"
#include "wallet_fixture.h"

namespace {

class WalletLock : public wallettest::WalletTest {
protected:
    WalletLock() { platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0}); }
    ~WalletLock() override { platform::testing::ThawClock(); }

    static void OpenWallet(LONG secured) {
        g_Wlt.items.Append(wallettest::FilledItem(8, u"Login"));
        g_Wlt.secured = secured;
        g_Wlt.password = secured ? u"pw" : u"";
        g_Wlt.locked = 0;
        g_Wlt.selection = 0;
        TouchWltActivity();
    }
};

TEST_F(WalletLock, LocksOnlyWhenIdleLongerThanTheMinutes) {
    OpenWallet(1);
    g_WltSettings.timeoutMinutes = 5;
    platform::testing::AdvanceClock(5 * kMsPerMinute);
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.locked, 0);
    platform::testing::AdvanceClock(1);
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_TRUE(g_Wlt.items.IsEmpty());
    EXPECT_TRUE(g_Wlt.password.empty());
    EXPECT_EQ(g_Wlt.selection, kWltNoSelection);
}

TEST_F(WalletLock, ActivityRestartsTheIdleTime) {
    OpenWallet(1);
    g_WltSettings.timeoutMinutes = 0;
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.locked, 0);  // no idle time at all
    platform::testing::AdvanceClock(1);
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.locked, 1);
}

TEST_F(WalletLock, PlainWalletNeverLocksAndTheCommandSaysWhy) {
    OpenWallet(0);
    platform::testing::AdvanceClock(31 * kMsPerMinute);
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.locked, 0);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    LockWallet(LeaveView::No);
    EXPECT_EQ(g_Wlt.locked, 0);
    EXPECT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(CountBoxes(kWltNotSecuredText), 1);
}

TEST_F(WalletLock, SwitchedOffLockStopsItsTimer) {
    OpenWallet(1);
    g_Wlt.timerRunning = 1;
    g_WltSettings.timeoutOn = 0;
    platform::testing::AdvanceClock(31 * kMsPerMinute);
    CheckWalletAutoLock();
    EXPECT_EQ(g_Wlt.timerRunning, 0);
    EXPECT_EQ(g_Wlt.locked, 0);
}

std::vector<int> g_ClosedOrder;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgEndDialog) g_ClosedOrder.push_back(static_cast<int>(GetWindowLongPtrW(window, GWLP_ID)));
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WalletLock, LockClosesTheOpenDialogsNewestFirst) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = g_Main.instance;
    wc.lpszClassName = u"WltLockTestDlg";
    RegisterClassW(&wc);
    std::vector<HWND> windows;
    for (int id = 1; id <= 3; ++id) {
        HWND w = CreateWindowExW(0, u"WltLockTestDlg", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, g_Main.instance, nullptr);
        SetWindowLongPtrW(w, GWLP_ID, id);
        PushOpenDlg(w);
        windows.push_back(w);
    }
    g_ClosedOrder.clear();
    OpenWallet(1);
    platform::testing::AdvanceClock(6 * kMsPerMinute);
    CheckWalletAutoLock();
    EXPECT_EQ(g_ClosedOrder, (std::vector<int>{3, 2, 1}));
    CloseAllOpenDlgs();  // the stack was emptied
    EXPECT_EQ(g_ClosedOrder.size(), 3u);
    for (HWND w : windows) DestroyWindow(w);
}

TEST_F(WalletLock, GeneratedPasswordsKeepToTheirAlphabet) {
    struct Case {
        LONG digits, lowerOnly, digitsOnly, length;
        const char* alphabet;
    };
    const Case cases[] = {
        {1, 1, 1, 8, "0123456789"},
        {0, 0, 1, 8, "0123456789"},
        {1, 1, 0, 12, "abcdefghijklmnopqrstuvwxyz0123456789"},
        {0, 1, 0, 12, "abcdefghijklmnopqrstuvwxyz"},
        {1, 0, 0, 40, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"},
        {0, 0, 0, 40, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
        {1, 1, 0, 0, ""},
        {1, 1, 0, -3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alphabet);
        WltSettings s;
        s.genDigits = c.digits;
        s.genLowerOnly = c.lowerOnly;
        s.genDigitsOnly = c.digitsOnly;
        s.genLength = c.length;
        const std::string alphabet = c.alphabet;
        for (int round = 0; round < 50; ++round) {
            const auto password = MakeGeneratedPassword(s);
            ASSERT_TRUE(password.has_value());
            ASSERT_EQ(password->size(), static_cast<std::size_t>(std::max<LONG>(c.length, 0)));
            for (const char16_t ch : *password) ASSERT_NE(alphabet.find(static_cast<char>(ch)), std::string::npos);
        }
    }
}

// Seeded with the tick count, two passwords made in the same millisecond were equal, and the
// remainder of a plain random number favours the first characters.
TEST_F(WalletLock, GeneratedPasswordsAreUnpredictableAndEvenlySpread) {
    WltSettings s;
    s.genDigits = 1;
    s.genLowerOnly = 0;
    s.genDigitsOnly = 0;
    s.genLength = 40;
    EXPECT_NE(*MakeGeneratedPassword(s), *MakeGeneratedPassword(s)) << "the clock is frozen";

    // 62 characters: a byte's remainder would give the first 8 of them 5 chances in 256 instead of 4.
    s.genLength = 62 * 1000;
    const std::u16string many = *MakeGeneratedPassword(s);
    std::map<char16_t, int> counts;
    for (const char16_t ch : many) ++counts[ch];
    ASSERT_EQ(counts.size(), 62u);
    for (const auto& [ch, count] : counts) {
        SCOPED_TRACE(static_cast<char>(ch));
        EXPECT_GT(count, 850);   // 1,000 expected; the spread is about 32
        EXPECT_LT(count, 1150);
    }
}

TEST_F(WalletLock, LockingOverwritesThePasswordThePromptAndEveryItemSlot) {
    OpenWallet(1);
    g_Wlt.items.Append(wallettest::FilledItem(8, u"Second"));
    g_Wlt.items.RemoveAt(0);  // leaves a stale copy in the slot past the size
    g_PromptText = u"pw";
    LockWallet(LeaveView::No);
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_TRUE(g_Wlt.password.empty());
    EXPECT_TRUE(g_PromptText.empty());
    EXPECT_EQ(g_Wlt.items.Capacity(), 0) << "no slot keeps a decrypted item";
}

}  // namespace
