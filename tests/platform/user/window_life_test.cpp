// Creating and destroying windows: the order of their messages, failed creations, destroyed handles.
#include "window_fixture.h"

namespace {

using qvtest::WindowTest;

// Messages a test of the creation order does not look at.
const std::vector<UINT> kNotOrdered = {WM_GETTEXT, WM_GETTEXTLENGTH, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED,
                                       WM_ENABLE, WM_CAPTURECHANGED};

TEST_F(WindowTest, CreateShowSizeAndDestroyComeInTheDocumentedOrder) {
    const HWND hwnd = MakeWindow(WS_VISIBLE);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(Log().Messages(hwnd, kNotOrdered),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS, WM_SIZE, WM_MOVE}));
    Log().Clear();
    ASSERT_TRUE(DestroyWindow(hwnd));
    EXPECT_EQ(Log().Messages(hwnd, kNotOrdered),
              (std::vector<UINT>{WM_ACTIVATE, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTest, HiddenWindowGetsSizeAtCreationAndShowLater) {
    const HWND hwnd = MakeWindow(0);
    EXPECT_EQ(Log().Messages(hwnd, kNotOrdered), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    Log().Clear();
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));  // it was hidden
    EXPECT_EQ(Log().Messages(hwnd, kNotOrdered), (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));  // now it was visible, and nothing more is sent
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(WindowTest, SizeAndMoveCarryTheClientSizeAndPlace) {
    const HWND parent = MakeWindow(WS_VISIBLE | WS_BORDER);
    Log().Clear();
    const HWND child = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD | WS_VISIBLE, 5, 7, 30, 40, parent,
                                       nullptr, nullptr, nullptr);
    for (const auto& e : Log().Entries()) {
        if (e.hwnd != child) continue;
        if (e.message == WM_SIZE) {
            EXPECT_EQ(e.lParam, MAKELPARAM(30, 40));
        }
        if (e.message == WM_MOVE) {
            EXPECT_EQ(e.lParam, MAKELPARAM(5, 7));  // in the parent's client area
        }
    }
    RECT r{};
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 10 + 1 + 5);  // parent at 10, its border, then the child's place
    EXPECT_EQ(r.top, 20 + 1 + 7);
}

TEST_F(WindowTest, DestroyGoesToChildrenAfterTheParentAndNcDestroyEndsWithTheParent) {
    const HWND parent = MakeWindow(0);
    const HWND child = MakeWindow(WS_CHILD, parent);
    const HWND grandchild = MakeWindow(WS_CHILD, child);
    Log().Clear();
    ASSERT_TRUE(DestroyWindow(parent));
    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& e : Log().Entries())
        if (e.message == WM_DESTROY || e.message == WM_NCDESTROY) order.emplace_back(e.hwnd, e.message);
    const std::vector<std::pair<HWND, UINT>> expected = {
        {parent, WM_DESTROY},        {child, WM_DESTROY},    {grandchild, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    for (const HWND h : {parent, child, grandchild}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTest, OwnedWindowsAreDestroyedBeforeTheirOwner) {
    const HWND owner = MakeWindow(WS_VISIBLE);
    const HWND owned = MakeWindow(WS_POPUP | WS_VISIBLE, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner);  // a top-level window answers with its owner
    Log().Clear();
    DestroyWindow(owner);
    std::vector<HWND> destroyed;
    for (const auto& e : Log().Entries())
        if (e.message == WM_DESTROY) destroyed.push_back(e.hwnd);
    EXPECT_EQ(destroyed, (std::vector<HWND>{owned, owner}));
}

TEST_F(WindowTest, CreateAnsweredWithMinusOneFailsAndDestroysTheWindow) {
    Log().On(WM_CREATE, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(-1); });
    EXPECT_EQ(MakeWindow(WS_VISIBLE), nullptr);
    EXPECT_EQ(Log().Messages(nullptr, kNotOrdered),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTest, NcCreateAnsweredFalseFailsWithoutCreate) {
    Log().On(WM_NCCREATE, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(FALSE); });
    EXPECT_EQ(MakeWindow(0), nullptr);
    EXPECT_EQ(Log().Messages(nullptr, kNotOrdered), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
}

TEST_F(WindowTest, CreateSeesTheCreateParametersAndTheWindowText) {
    int marker = 42;
    Log().On(WM_CREATE, [&](HWND hwnd, WPARAM, LPARAM lParam) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        EXPECT_EQ(cs->lpCreateParams, &marker);
        EXPECT_EQ(cs->cx, 100);
        WCHAR text[16] = {};
        EXPECT_EQ(GetWindowTextW(hwnd, text, 16), 5);
        EXPECT_EQ(std::u16string(text), u"Hello");
        return std::optional<LRESULT>(0);
    });
    EXPECT_NE(CreateWindowExW(0, qvtest::kTestClass, u"Hello", 0, 0, 0, 100, 50, nullptr, nullptr, nullptr, &marker),
              nullptr);
}

TEST_F(WindowTest, BadInputGivesTheFailureResultAndError) {
    SetLastError(0);
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));

    const HWND gone = MakeWindow(0);
    DestroyWindow(gone);
    const HWND bogus = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678));
    for (const HWND bad : {gone, bogus}) {
        SetLastError(0);
        EXPECT_EQ(SendMessageW(bad, WM_USER, 1, 2), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
        EXPECT_FALSE(PostMessageW(bad, WM_USER, 0, 0));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(SetWindowTextW(bad, u"x"));
        EXPECT_EQ(GetWindowLongPtrW(bad, GWL_USERDATA), 0);
        RECT r{};
        EXPECT_FALSE(GetWindowRect(bad, &r));
        EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
        EXPECT_EQ(SetTimer(bad, 1, 100, nullptr), 0u);
        EXPECT_EQ(GetParent(bad), nullptr);
        EXPECT_EQ(MessageBoxW(bad, u"t", u"c", MB_OK), 0);
    }
}

TEST_F(WindowTest, MessagesPostedBeforeDestructionFailWhenDispatched) {
    const HWND hwnd = MakeWindow(0);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    DestroyWindow(hwnd);
    Log().Clear();
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
    SetLastError(0);
    EXPECT_EQ(DispatchMessageW(&msg), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(Log().Messages().empty());
}

TEST_F(WindowTest, DestroyWindowFromWmDestroyIsHarmless) {
    Log().On(WM_DESTROY, [](HWND hwnd, WPARAM, LPARAM) {
        EXPECT_TRUE(DestroyWindow(hwnd));
        return std::optional<LRESULT>(0);
    });
    const HWND hwnd = MakeWindow(0);
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_EQ(Log().Messages(hwnd, kNotOrdered).back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(WindowTest, WindowOfAnotherThreadCannotBeDestroyedHere) {
    HWND made = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE finish = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    struct Args {
        HWND* made;
        HANDLE ready;
        HANDLE finish;
    } args{&made, ready, finish};
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        auto* a = static_cast<Args*>(p);
        *a->made = CreateWindowExW(0, qvtest::kTestClass, u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        SetEvent(a->ready);
        WaitForSingleObject(a->finish, 10000);
        return 0;
    }, &args, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);
    EXPECT_FALSE(DestroyWindow(made));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINDOW_OF_OTHER_THREAD));
    SetEvent(finish);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    // The thread is gone, and its windows with it.
    EXPECT_FALSE(IsWindow(made));
    for (const HANDLE h : {ready, finish, thread}) CloseHandle(h);
}

}  // namespace
