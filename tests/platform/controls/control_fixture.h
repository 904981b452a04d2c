// Helpers of the control tests: a parent window that records the notifications its controls send
// and answers owner-draw requests, and controls made inside it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_user.h"

namespace ctltest {

struct Notice {
    UINT message;
    int id;
    int code;  // WM_COMMAND notification code; for WM_VSCROLL/WM_HSCROLL the request
    LPARAM lParam;
};

struct ParentLog {
    std::vector<Notice> notices;
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    UINT measureHeight = 20;
};

inline ParentLog& Log() {
    static ParentLog log;
    return log;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: Log().notices.push_back({message, LOWORD(wParam), HIWORD(wParam), lParam}); return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: Log().notices.push_back({message, 0, static_cast<int>(wParam), lParam}); return 0;
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->itemHeight = Log().measureHeight;
        Log().measured.push_back(*m);
        return TRUE;
    }
    case WM_DRAWITEM: Log().drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::RegisterStandardControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = u"QvControlParent";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        Log() = ParentLog{};
        parent_ = CreateWindowExW(0, u"QvControlParent", u"Parent", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
        platform::testing::PumpMessages();
    }
    HWND Make(LPCWSTR cls, DWORD style, int id, LPCWSTR text = u"", RECT r = {10, 10, 110, 30}) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    static int Count(int id, int code) {
        return static_cast<int>(std::count_if(Log().notices.begin(), Log().notices.end(), [&](const Notice& n) {
            return n.message == WM_COMMAND && n.id == id && n.code == code;
        }));
    }
    static std::u16string TextOf(HWND hwnd) {
        WCHAR text[512] = {};
        GetWindowTextW(hwnd, text, 512);
        return text;
    }
    static void Tap(HWND hwnd, int x, int y) {
        SendMessageW(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static void Type(HWND hwnd, std::u16string_view text) {
        for (const WCHAR c : text) SendMessageW(hwnd, WM_CHAR, c, 0);
    }

    platform::testing::TestDevice device_;
    HWND parent_ = nullptr;
};

}  // namespace ctltest
