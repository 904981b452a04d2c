// Speed of the standard controls where the program leans on them: typing into a long note in a
// multi-line edit (each character lays the text out again), and filling a list box with many rows
// and paging through it.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"

namespace {

constexpr WCHAR kParentClass[] = u"QvBenchParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeParent() {
    platform::RegisterStandardControls();
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.lpszClassName = kParentClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kParentClass, u"Bench", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
}

// A note of `chars` characters in sentences and paragraphs, as people write them.
std::u16string Note(std::size_t chars) {
    std::u16string text;
    while (text.size() < chars) text += (text.size() % 600 < 590) ? u"The meeting moved to Thursday at nine. " : u"\r\n";
    return text;
}

void BM_TypeIntoLongNote(benchmark::State& state) {
    const platform::testing::TestDevice device;
    const HWND parent = MakeParent();
    const HWND edit = CreateWindowExW(0, WC_EDITW, nullptr, WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 240,
                                      200, parent, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextW(edit, Note(static_cast<std::size_t>(state.range(0))).c_str());
    SendMessageW(edit, EM_SETSEL, 0, 0);
    for (auto _ : state) SendMessageW(edit, WM_CHAR, u'x', 0);
    state.SetItemsProcessed(state.iterations());
    DestroyWindow(parent);
}
BENCHMARK(BM_TypeIntoLongNote)->Arg(2000)->Arg(20000);

void BM_FillAndPageListBox(benchmark::State& state) {
    const platform::testing::TestDevice device;
    const HWND parent = MakeParent();
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const HWND list = CreateWindowExW(0, WC_LISTBOXW, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0,
                                          200, 200, parent, reinterpret_cast<HMENU>(2), nullptr, nullptr);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < rows; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Reminder row"));
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        for (int i = 0; i < rows; i += 10) SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        DestroyWindow(list);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    DestroyWindow(parent);
}
BENCHMARK(BM_FillAndPageListBox)->Arg(5000);

}  // namespace
