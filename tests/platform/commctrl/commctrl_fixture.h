// A parent window for the common-control tests: it records every notification, measure request,
// draw request and command its controls send, and lets a test answer chosen notifications.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace qvtest {

struct Notification {
    UINT code = 0;
    UINT_PTR id = 0;
    HWND from = nullptr;
    int item = -1;          // list views: iItem
    UINT oldState = 0;      // list views: state changes
    UINT newState = 0;
    UINT changed = 0;
    UINT action = 0;        // tree views
    HTREEITEM oldItem = nullptr;
    HTREEITEM newItem = nullptr;
    WORD key = 0;           // key-down notifications
    DWORD dateFlags = 0;    // date pickers
    SYSTEMTIME time{};
};

struct ParentLog {
    std::vector<Notification> notes;
    std::vector<MEASUREITEMSTRUCT> measures;
    std::vector<DRAWITEMSTRUCT> draws;
    std::vector<WPARAM> commands;
    UINT measuredHeight = 0;  // the height the parent answers, 0 to leave it
    std::map<UINT, std::function<LRESULT(const NMHDR*)>> answers;

    std::vector<UINT> Codes() const {
        std::vector<UINT> out;
        for (const Notification& n : notes) out.push_back(n.code);
        return out;
    }
    std::vector<Notification> Of(UINT code) const {
        std::vector<Notification> out;
        for (const Notification& n : notes)
            if (n.code == code) out.push_back(n);
        return out;
    }
    void Clear() {
        notes.clear();
        measures.clear();
        draws.clear();
        commands.clear();
    }
};

inline ParentLog& Parent() {
    static ParentLog log;
    return log;
}

inline Notification Record(const NMHDR* hdr) {
    Notification n;
    n.code = hdr->code;
    n.id = hdr->idFrom;
    n.from = hdr->hwndFrom;
    WCHAR cls[32] = {};
    GetClassNameW(hdr->hwndFrom, cls, 32);
    const std::u16string name(cls);
    if (name == WC_LISTVIEWW) {
        if (hdr->code == LVN_KEYDOWN) {
            n.key = reinterpret_cast<const NMLVKEYDOWN*>(hdr)->wVKey;
        } else if (hdr->code == NM_CLICK || hdr->code == NM_DBLCLK || hdr->code == LVN_ITEMACTIVATE) {
            n.item = reinterpret_cast<const NMITEMACTIVATE*>(hdr)->iItem;
        } else if (hdr->code != NM_RETURN && hdr->code != NM_SETFOCUS && hdr->code != NM_KILLFOCUS) {
            const auto* lv = reinterpret_cast<const NMLISTVIEW*>(hdr);
            n.item = lv->iItem;
            n.oldState = lv->uOldState;
            n.newState = lv->uNewState;
            n.changed = lv->uChanged;
        }
    } else if (name == WC_TREEVIEWW) {
        if (hdr->code == TVN_KEYDOWN) {
            n.key = reinterpret_cast<const NMTVKEYDOWN*>(hdr)->wVKey;
        } else if (hdr->code != NM_RETURN && hdr->code != NM_CLICK && hdr->code != NM_DBLCLK &&
                   hdr->code != NM_SETFOCUS && hdr->code != NM_KILLFOCUS) {
            const auto* tv = reinterpret_cast<const NMTREEVIEWW*>(hdr);
            n.action = tv->action;
            n.oldItem = tv->itemOld.hItem;
            n.newItem = tv->itemNew.hItem;
        }
    } else if (name == DATETIMEPICK_CLASSW && hdr->code == DTN_DATETIMECHANGE) {
        const auto* dt = reinterpret_cast<const NMDATETIMECHANGE*>(hdr);
        n.dateFlags = dt->dwFlags;
        n.time = dt->st;
    }
    return n;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ParentLog& log = Parent();
    switch (message) {
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        log.notes.push_back(Record(hdr));
        if (const auto it = log.answers.find(hdr->code); it != log.answers.end()) return it->second(hdr);
        return 0;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        log.measures.push_back(*mis);
        if (log.measuredHeight) mis->itemHeight = log.measuredHeight;
        return TRUE;
    }
    case WM_DRAWITEM: log.draws.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND: log.commands.push_back(wParam); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

inline constexpr const WCHAR* kParentClass = u"QvControlParent";

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = kParentClass;
        RegisterClassW(&wc);
        InitCommonControls();
        Parent() = ParentLog{};
        parent_ = CreateWindowExW(0, kParentClass, u"Parent", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent_);
        platform::testing::PumpMessages();
        Parent() = ParentLog{};
    }
    HWND Make(const WCHAR* cls, DWORD style, int width = 200, int height = 100, int id = 100) {
        return CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    static void Tap(HWND hwnd, int x, int y) {
        SendMessageW(hwnd, WM_LBUTTONDOWN, 0x0001, MAKELPARAM(x, y));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static void Key(HWND hwnd, WPARAM key) { SendMessageW(hwnd, WM_KEYDOWN, key, 0); }
    ParentLog& Log() { return Parent(); }

    platform::testing::TestDevice device_;
    HWND parent_ = nullptr;
};

}  // namespace qvtest
