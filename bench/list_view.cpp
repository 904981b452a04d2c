// Filling a report list view with 5,000 rows (text, item data and a second column) and scrolling
// through all of it: a row at a time with the Down key, as a long contact list is used, and a page
// at a time with every page painted.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

constexpr int kRows = 5000;
constexpr const WCHAR* kParentClass = u"QvBenchListParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Fixture {
    platform::testing::TestDevice device;
    HWND parent = nullptr;
    HWND list = nullptr;

    Fixture() {
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = kParentClass;
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, kParentClass, u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    }
    ~Fixture() { DestroyWindow(parent); }

    void MakeList() {
        if (list) DestroyWindow(list);
        list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL |
                                                         LVS_NOCOLUMNHEADER,
                               0, 0, 240, 300, parent, nullptr, nullptr, nullptr);
        for (int c = 0; c < 2; ++c) {
            LVCOLUMNW col{};
            col.mask = LVCF_WIDTH;
            col.cx = 120;
            SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
        }
    }

    void Fill() {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        std::u16string text = u"Contact 00000";
        for (int i = 0; i < kRows; ++i) {
            text[text.size() - 1] = static_cast<char16_t>(u'0' + i % 10);
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = i;
            item.pszText = text.data();
            item.lParam = i;
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            LVITEMW sub{};
            sub.iSubItem = 1;
            sub.pszText = const_cast<LPWSTR>(u"555-0100");
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&sub));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    }
};

void BM_FillListView5000(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.MakeList();
        f.Fill();
        benchmark::DoNotOptimize(SendMessageW(f.list, LVM_GETITEMCOUNT, 0, 0));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FillListView5000)->Unit(benchmark::kMillisecond);

void BM_ScrollListView5000(benchmark::State& state) {
    Fixture f;
    f.MakeList();
    f.Fill();
    for (auto _ : state) {
        SendMessageW(f.list, WM_KEYDOWN, VK_HOME, 0);
        for (int i = 1; i < kRows; ++i) SendMessageW(f.list, WM_KEYDOWN, VK_DOWN, 0);
        platform::testing::PumpMessages();  // the repaints the moves asked for
        benchmark::DoNotOptimize(SendMessageW(f.list, LVM_GETTOPINDEX, 0, 0));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ScrollListView5000)->Unit(benchmark::kMillisecond);

void BM_ScrollListView5000ByPagesPainted(benchmark::State& state) {
    Fixture f;
    f.MakeList();
    f.Fill();
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(f.list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const int perPage = static_cast<int>(SendMessageW(f.list, LVM_GETCOUNTPERPAGE, 0, 0));
    const int pageHeight = perPage * static_cast<int>(row.bottom - row.top);
    for (auto _ : state) {
        SendMessageW(f.list, WM_VSCROLL, MAKEWPARAM(6 /* to the top */, 0), 0);
        for (int top = 0; top < kRows; top += perPage) {
            SendMessageW(f.list, LVM_SCROLL, 0, pageHeight);
            UpdateWindow(f.list);
        }
        benchmark::DoNotOptimize(SendMessageW(f.list, LVM_GETTOPINDEX, 0, 0));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ScrollListView5000ByPagesPainted)->Unit(benchmark::kMillisecond);

}  // namespace
