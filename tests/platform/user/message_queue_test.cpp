// The thread message queue: posted messages and their filters, WM_QUIT, WM_CHAR from keys, WM_PAINT
// after everything else, and SendMessageW between threads.
#include <atomic>

#include "window_fixture.h"

namespace {

using qvtest::WindowTest;

std::vector<UINT> DrainMessages(HWND filter = nullptr) {
    std::vector<UINT> out;
    MSG msg{};
    while (PeekMessageW(&msg, filter, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            out.push_back(WM_QUIT);
            break;
        }
        out.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    return out;
}

TEST_F(WindowTest, PostedMessagesComeInOrderAndFiltersLeaveTheRest) {
    const HWND a = MakeWindow(0);
    const HWND b = MakeWindow(0);
    DrainMessages();
    PostMessageW(a, WM_USER + 1, 0, 0);
    PostMessageW(b, WM_USER + 2, 0, 0);
    PostMessageW(a, WM_USER + 3, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 4, 0, 0);
    MSG msg{};
    // A range filter, a window filter, and a look without removing.
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 3, WM_USER + 4, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    ASSERT_TRUE(PeekMessageW(&msg, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    EXPECT_EQ(DrainMessages(), (std::vector<UINT>{WM_USER + 1, WM_USER + 3, WM_USER + 4}));
}

TEST_F(WindowTest, QuitComesAfterPostedMessagesAndEndsGetMessage) {
    const HWND hwnd = MakeWindow(0);
    DrainMessages();
    PostQuitMessage(7);
    PostMessageW(hwnd, WM_USER, 0, 0);
    MSG msg{};
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, GetMessageWithAWindowThatIsNotOneFails) {
    MSG msg{};
    EXPECT_EQ(GetMessageW(&msg, reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x4444)), 0, 0), -1);
}

TEST_F(WindowTest, TranslateMessageMakesCharactersFromKeys) {
    const HWND hwnd = MakeWindow(0);
    DrainMessages();
    struct Case {
        std::vector<UINT> keys;  // pressed in order, the last one translated
        WCHAR expected;          // 0: no character
    };
    const Case cases[] = {
        {{'A'}, u'a'},
        {{VK_SHIFT, 'A'}, u'A'},
        {{VK_SHIFT, '1'}, u'!'},
        {{'7'}, u'7'},
        {{VK_NUMPAD5}, u'5'},
        {{VK_RETURN}, u'\r'},
        {{VK_CONTROL, 'C'}, 3},
        {{VK_LEFT}, 0},
        {{VK_F1}, 0},
    };
    for (const Case& c : cases) {
        Log().Clear();
        for (const UINT key : c.keys) PostMessageW(hwnd, WM_KEYDOWN, key, 0);
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::vector<WCHAR> chars;
        for (const auto& e : Log().Entries())
            if (e.message == WM_CHAR) chars.push_back(static_cast<WCHAR>(e.wParam));
        if (c.expected) {
            EXPECT_EQ(chars, std::vector<WCHAR>{c.expected}) << "key " << c.keys.back();
        } else {
            EXPECT_TRUE(chars.empty()) << "key " << c.keys.back();
        }
        for (const UINT key : c.keys) PostMessageW(hwnd, WM_KEYUP, key, 0);
        DrainMessages();
    }
}

TEST_F(WindowTest, CharacterComesRightAfterItsKey) {
    const HWND hwnd = MakeWindow(0);
    DrainMessages();
    PostMessageW(hwnd, WM_KEYDOWN, 'X', 0);
    PostMessageW(hwnd, WM_USER, 0, 0);
    std::vector<UINT> order;
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        TranslateMessage(&msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_USER}));
}

TEST_F(WindowTest, PaintComesWhenNothingElseIsQueuedAndOnlyOnceAfterValidation) {
    const HWND hwnd = MakeWindow(WS_VISIBLE);
    PostMessageW(hwnd, WM_USER, 0, 0);
    // The window was invalidated when shown; WM_PAINT waits for the posted message.
    EXPECT_EQ(DrainMessages(), (std::vector<UINT>{WM_USER, WM_PAINT}));
    EXPECT_TRUE(DrainMessages().empty());
    RECT part{5, 5, 10, 10};
    InvalidateRect(hwnd, &part, FALSE);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &part));
    ValidateRect(hwnd, nullptr);
    EXPECT_TRUE(DrainMessages().empty());
}

TEST_F(WindowTest, UnansweredPaintIsValidatedAfterDispatch) {
    // A procedure that answers WM_PAINT without painting must not get it again for ever.
    Log().On(WM_PAINT, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(0); });
    const HWND hwnd = MakeWindow(WS_VISIBLE);
    EXPECT_EQ(DrainMessages(), std::vector<UINT>{WM_PAINT});
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(WindowTest, ParentPaintsBeforeItsChildAndHiddenWindowsDoNotPaint) {
    const HWND parent = MakeWindow(WS_VISIBLE);
    const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, parent);
    const HWND hidden = MakeWindow(0);
    InvalidateRect(hidden, nullptr, TRUE);
    Log().Clear();
    DrainMessages();
    std::vector<HWND> painted;
    for (const auto& e : Log().Entries())
        if (e.message == WM_PAINT) painted.push_back(e.hwnd);
    EXPECT_EQ(painted, (std::vector<HWND>{parent, child}));
}

TEST_F(WindowTest, InvalidatingAParentReachesChildrenUnlessItClipsThem) {
    for (const DWORD clip : {0ul, static_cast<unsigned long>(WS_CLIPCHILDREN)}) {
        const HWND parent = MakeWindow(WS_VISIBLE | clip);
        const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, parent);
        DrainMessages();
        InvalidateRect(parent, nullptr, TRUE);
        RECT r{};
        EXPECT_EQ(GetUpdateRect(child, &r, FALSE), clip ? FALSE : TRUE);
        DestroyWindow(parent);
    }
}

TEST_F(WindowTest, UpdateWindowPaintsAtOnce) {
    const HWND hwnd = MakeWindow(WS_VISIBLE);
    Log().Clear();
    UpdateWindow(hwnd);
    // The default painting erases the background on the way.
    EXPECT_EQ(Log().Messages(hwnd), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    Log().Clear();
    UpdateWindow(hwnd);  // nothing left to paint
    EXPECT_TRUE(Log().Messages(hwnd).empty());
}

// A window on a thread of its own, which pumps with PeekMessageW until told to stop.
class ReceiverThread {
public:
    ReceiverThread() {
        ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(ready_, 10000);
    }
    ~ReceiverThread() {
        stop_ = true;
        PostThreadMessageW(threadId_, WM_NULL, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        CloseHandle(ready_);
    }
    HWND Window() const { return hwnd_; }
    DWORD ThreadId() const { return threadId_; }

private:
    static DWORD WINAPI Run(LPVOID self) {
        auto* r = static_cast<ReceiverThread*>(self);
        r->threadId_ = GetCurrentThreadId();
        r->hwnd_ = CreateWindowExW(0, qvtest::kTestClass, u"Receiver", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                   nullptr);
        SetEvent(r->ready_);
        MSG msg{};
        while (!r->stop_) {
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            else
                WaitMessage();
        }
        DestroyWindow(r->hwnd_);
        return 0;
    }

    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    std::atomic<bool> stop_{false};
    DWORD threadId_ = 0;
    HWND hwnd_ = nullptr;
};

TEST_F(WindowTest, SendToAnotherThreadIsHandledInsideItsPeekMessageAndReturnsTheResult) {
    DWORD handledOn = 0;
    Log().On(WM_USER + 5, [&](HWND, WPARAM wParam, LPARAM lParam) {
        handledOn = GetCurrentThreadId();
        return std::optional<LRESULT>(static_cast<LRESULT>(wParam + lParam));
    });
    ReceiverThread receiver;
    EXPECT_EQ(SendMessageW(receiver.Window(), WM_USER + 5, 40, 2), 42);
    EXPECT_EQ(handledOn, receiver.ThreadId());
    EXPECT_EQ(GetWindowThreadProcessId(receiver.Window(), nullptr), receiver.ThreadId());
}

TEST_F(WindowTest, SendersHandleMessagesSentBackToThemWhileTheyWait) {
    const HWND mine = MakeWindow(0);
    Log().On(WM_USER + 7, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(5); });
    ReceiverThread receiver;
    // The receiver answers by asking the waiting sender first.
    Log().On(WM_USER + 6, [&](HWND, WPARAM, LPARAM) {
        return std::optional<LRESULT>(SendMessageW(mine, WM_USER + 7, 0, 0) * 10);
    });
    EXPECT_EQ(SendMessageW(receiver.Window(), WM_USER + 6, 0, 0), 50);
}

TEST_F(WindowTest, PostThreadMessageReachesAThreadWithAQueueOnly) {
    ReceiverThread receiver;
    EXPECT_TRUE(PostThreadMessageW(receiver.ThreadId(), WM_USER, 0, 0));
    EXPECT_FALSE(PostThreadMessageW(0xFFFFFFu, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
}

TEST_F(WindowTest, SendToAWindowWhoseThreadEndsReturnsZero) {
    HWND gone = nullptr;
    {
        ReceiverThread receiver;
        gone = receiver.Window();
    }
    SetLastError(0);
    EXPECT_EQ(SendMessageW(gone, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
