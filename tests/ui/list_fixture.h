// An owner-drawn report list view on the test screen inside a parent that paints its rows with the
// toolkit's row painter, and puts back the settings, view code and view windows a test changes.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/theme_record.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/view_windows.h"

class ListFixture : public ::testing::Test {
protected:
    static constexpr const WCHAR* kParentClass = u"QvListTestParent";
    static constexpr int kListWidth = 240;

    ListFixture() : savedSettings_(g_Settings), savedTheme_(g_Theme), savedViews_(g_ViewWnds), savedView_(ViewId) {
        RegisterQuorviaResources();
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = kParentClass;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, kParentClass, u"Lists", WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        g_Frame.mainWnd = parent_;
        g_ParentKeys().clear();
    }
    ~ListFixture() override {
        DestroyWindow(parent_);
        platform::testing::PumpUntilIdle();
        UnregisterClassW(kParentClass, nullptr);
        g_Settings = savedSettings_;
        g_Theme = savedTheme_;
        g_ViewWnds = savedViews_;
        ViewId = savedView_;
        g_Frame.mainWnd = nullptr;
        ResetListTap();
    }

    // A single-selection owner-drawn list with one row per kind (the row's item data) and text.
    HWND MakeList(std::initializer_list<LPARAM> kinds, int height = 200) {
        const HWND list = CreateWindowExW(0, WC_LISTVIEW, u"",
                                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL |
                                              LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                                          0, 0, kListWidth, height, parent_, nullptr, nullptr, nullptr);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = kListWidth;
        SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        int row = 0;
        for (const LPARAM kind : kinds) {
            std::u16string text = u"Row " + std::u16string(1, static_cast<char16_t>(u'A' + row));
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = row++;
            item.pszText = text.data();
            item.lParam = kind;
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        return list;
    }

    static int Mark(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)); }
    static int Selected(HWND list) {
        return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    static int Count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
    static int Top(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }
    static void Select(HWND list, int row) {
        SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
        LVITEMW item{};
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    static RECT RowRect(HWND list, int row) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The screen point of a client point of the list.
    static POINT OnScreen(HWND list, int x, int y) {
        POINT p{x, y};
        ClientToScreen(list, &p);
        return p;
    }

    // The keys the parent received (Enter forwarded by the lists).
    static std::vector<WPARAM>& g_ParentKeys() {
        static std::vector<WPARAM> keys;
        return keys;
    }
    // Set by a test to paint more over each drawn row (the outline's screenshot).
    static void (*&ExtraPainter())(const DRAWITEMSTRUCT&) {
        static void (*painter)(const DRAWITEMSTRUCT&) = nullptr;
        return painter;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HWND parent_ = nullptr;

private:
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            DrawItemListRow(item, item.hwndItem, 0);
            if (ExtraPainter()) ExtraPainter()(item);
            return TRUE;
        }
        case WM_MEASUREITEM: MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_KEYDOWN: g_ParentKeys().push_back(wParam); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    AppSettings savedSettings_;
    ThemeRec savedTheme_;
    ViewWindows savedViews_;
    LONG savedView_;
};
