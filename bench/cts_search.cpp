// A key of the contacts view's searches on 5,000 contacts, as the user feels it: the keypad search's
// digit and the letter type-ahead's letter, each with the list's refill and repaint, beside the search
// alone (the rows found, nothing shown), which is the floor the rest is measured against.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/view_id.h"
#include "frame/frame_hooks.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "ui/view_windows.h"

namespace {

constexpr int kContacts = 5000;

std::u16string Letter(char16_t base, int i) { return std::u16string(1, static_cast<char16_t>(base + i % 26)); }

// The contacts view shown in a main window of its own, 5,000 contacts loaded in name order (as the
// full device's import makes them: "Firstx1234 Lasty").
struct Scene {
    Scene() {
        RegisterFrameHooks();
        RegisterQuorviaResources();
        InitCommonControls();
        g_Settings = AppSettings();
        main = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 268, nullptr, nullptr, nullptr,
                               nullptr);
        g_Frame.mainWnd = main;
        for (int i = 0; i < kContacts; ++i) {
            CtsRecord record;
            record.oid = static_cast<LONG>(0x80000000u + static_cast<unsigned>(i) + 1);
            record.firstName = u"First" + Letter(u'a', i) + std::u16string(u"0") + static_cast<char16_t>(u'0' + i % 10);
            record.lastName = u"Last" + Letter(u'a', i / 26);
            if (i % 4) record.company = u"Company " + Letter(u'A', i % 50);
            record.fileAs = record.lastName + u", " + record.firstName;
            g_CtsList.Append(record);
        }
        g_CtsSortedByCompany = 0;
        RebuildCtsSearchLists();
        g_LoadState.contactsLoaded = 1;
        g_ViewShown[ShownView::Contacts] = 1;
        ShowCtsView(false);
        platform::testing::PumpUntilIdle();
        shown = g_CtsListWnd && IsWindowVisible(g_CtsListWnd);
    }
    ~Scene() { DestroyWindow(main); }

    platform::testing::TestDevice device;
    HWND main = nullptr;
    bool shown = false;
};

Scene& TheScene() {
    static Scene* scene = new Scene();  // kept to the end of the run
    return *scene;
}

// Each key begins a search of its own, as after the pause: the search that looks at every contact.
void FreshSearch() {
    ClearKeypadKeys();
    ClearCtsTypeAhead();
}

double SearchAloneMs(UINT key) {
    double best = 1e9;
    for (int run = 0; run < 20; ++run) {
        FreshSearch();
        const auto start = std::chrono::steady_clock::now();
        if (key >= '0' && key <= '9') {
            g_KeypadKeys.keys[++g_KeypadKeys.last] = static_cast<WCHAR>(key);
            FillCtsByKeypad();
        } else {
            g_CtsTypeAhead.letter = static_cast<WCHAR>(key);
            FillCtsByLetter();
        }
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void KeyWithRepaint(benchmark::State& state, UINT key) {
    if (!TheScene().shown) {
        state.SkipWithError("the contacts view did not show");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        FreshSearch();
        state.ResumeTiming();
        OnCtsKey(key, 0);
        platform::testing::PumpUntilIdle();
    }
    state.counters["rows"] = static_cast<double>(SendMessageW(g_CtsListWnd, LVM_GETITEMCOUNT, 0, 0));
    state.counters["floor_ms"] = SearchAloneMs(key);
}

void BM_CtsKeypadKey(benchmark::State& state) { KeyWithRepaint(state, '5'); }
BENCHMARK(BM_CtsKeypadKey)->Unit(benchmark::kMillisecond);

void BM_CtsLetterKey(benchmark::State& state) { KeyWithRepaint(state, 'L'); }
BENCHMARK(BM_CtsLetterKey)->Unit(benchmark::kMillisecond);

}  // namespace
