// The edit thread beside the device's own editor: it finds the system application's new soft-key
// bar, or the kept one when no new bar comes up, presses its "Edit" key, and says so once when it
// finds neither.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "frame/item_threads.h"
#include "frame_fixture.h"
#include "platform/testing_user.h"
#include "platform/threads.h"
#include "platform/user.h"

namespace {

constexpr const WCHAR* kMainClass = u"ItemThreadsMain";
constexpr const WCHAR* kBarClass = u"MS_SOFTKEY_CE_1.0";
constexpr LONG kContactKind = 3;
std::vector<HWND> g_editPressed;

LRESULT CALLBACK RecordingBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && wp == 105) g_editPressed.push_back(hwnd);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class ItemThreads : public frametest::FrameTest {
protected:
    ItemThreads() {
        g_editPressed.clear();
        g_KeptSoftKeyBars = {};
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = kMainClass;
        RegisterClassW(&wc);
        WNDCLASSW bar{};
        bar.lpfnWndProc = DefWindowProcW;
        bar.lpszClassName = kBarClass;
        RegisterClassW(&bar);  // fails harmlessly when the shell made it first
        main_ = CreateWindowExW(0, kMainClass, u"Vestral Agenda", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                nullptr, nullptr);
        oldBar_ = NewBar(main_);
    }
    ~ItemThreads() override {
        DestroyWindow(main_);
        g_KeptSoftKeyBars = {};
    }

    static HWND NewBar(HWND parent) {
        const HWND bar = CreateWindowExW(0, kBarClass, u"", WS_VISIBLE, 0, 300, 240, 20, parent, nullptr, nullptr,
                                         nullptr);
        SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingBarProc));
        return bar;
    }

    // Runs the edit thread; `appear` makes the system window (and maybe its bar) once the thread has
    // listed the bars that were there before.
    void RunEditThread(const std::function<void(HWND system)>& appear) {
        auto arg = std::make_unique<ItemThreadArg>(ItemThreadArg{main_, kContactKind, 1});
        const HANDLE thread = CreateThread(nullptr, 0, EditThreadProc, arg.get(), 0, nullptr);
        ASSERT_NE(thread, nullptr);
        arg.release();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const HWND system = CreateWindowExW(0, kMainClass, u"Contacts", WS_POPUP | WS_VISIBLE, 0, 0, 240, 300, main_,
                                            nullptr, nullptr, nullptr);
        // The system application's window is its own top-level window, owned by the main window.
        appear(system);
        EXPECT_TRUE(platform::testing::PumpUntil(
            [&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, std::chrono::seconds(10)));
        CloseHandle(thread);
    }

    HWND main_ = nullptr;
    HWND oldBar_ = nullptr;
};

TEST_F(ItemThreads, NewBarIsPressedAndKept) {
    HWND newBar = nullptr;
    RunEditThread([&](HWND system) { newBar = NewBar(system); });
    EXPECT_EQ(g_KeptSoftKeyBars.contacts, newBar);
    EXPECT_EQ(g_editPressed, std::vector<HWND>{newBar});
}

TEST_F(ItemThreads, ReusedBarIsFoundThroughTheKeptOne) {
    g_KeptSoftKeyBars.contacts = oldBar_;
    platform::testing::ClearMessageBoxes();
    RunEditThread([](HWND) {});
    EXPECT_EQ(g_editPressed, std::vector<HWND>{oldBar_});
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ItemThreads, NoBarAtAllIsToldOnceAndNothingIsPressed) {
    platform::testing::ClearMessageBoxes();
    RunEditThread([](HWND) {});
    EXPECT_TRUE(g_editPressed.empty());
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Soft Key Error. Please Choose Edit.");
    platform::testing::ClearMessageBoxes();
}

TEST_F(ItemThreads, BarListsSeeOnlyBarsAndStopAtTheNullEntry) {
    SoftKeyBarList list{};
    EXPECT_EQ(FindSoftKeyBars(list), 1);
    EXPECT_EQ(list[0], oldBar_);
    EXPECT_EQ(list[1], nullptr);
    EXPECT_EQ(FindNewSoftKeyBar(list), nullptr);
    const HWND added = NewBar(main_);
    EXPECT_EQ(FindNewSoftKeyBar(list), added);
    EXPECT_EQ(FindKeptSoftKeyBar(added), added);
    DestroyWindow(added);
    EXPECT_EQ(FindKeptSoftKeyBar(added), nullptr);
}

}  // namespace
