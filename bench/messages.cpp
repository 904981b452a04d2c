// Message throughput: posting and dispatching 100,000 messages on one thread, and the round trip of a
// SendMessageW to a window of another thread.
#include <benchmark/benchmark.h>

#include <atomic>

#include "platform/testing.h"
#include "platform/threads.h"
#include "platform/user.h"

namespace {

constexpr int kMessages = 100000;
constexpr const WCHAR* kBenchClass = u"QvBenchWindow";

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeBenchWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = kBenchClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kBenchClass, u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

void BM_PostAndDispatch100k(benchmark::State& state) {
    platform::testing::TestDevice device;
    const HWND hwnd = MakeBenchWindow();
    for (auto _ : state) {
        for (int i = 0; i < kMessages; ++i) PostMessageW(hwnd, WM_USER, static_cast<WPARAM>(i), 0);
        MSG msg{};
        int dispatched = 0;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
            ++dispatched;
        }
        benchmark::DoNotOptimize(dispatched);
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_PostAndDispatch100k)->Unit(benchmark::kMillisecond);

struct Receiver {
    HWND hwnd = nullptr;
    HANDLE ready = nullptr;
    std::atomic<bool> stop{false};
};

DWORD WINAPI ReceiverLoop(LPVOID param) {
    auto* r = static_cast<Receiver*>(param);
    r->hwnd = MakeBenchWindow();
    SetEvent(r->ready);
    MSG msg{};
    while (!r->stop && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(r->hwnd);
    return 0;
}

void BM_CrossThreadSendRoundTrip(benchmark::State& state) {
    platform::testing::TestDevice device;
    Receiver receiver;
    receiver.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD threadId = 0;
    const HANDLE thread = CreateThread(nullptr, 0, ReceiverLoop, &receiver, 0, &threadId);
    WaitForSingleObject(receiver.ready, INFINITE);
    WPARAM n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = static_cast<WPARAM>(SendMessageW(receiver.hwnd, WM_USER, n, 0)));
    state.SetItemsProcessed(state.iterations());
    receiver.stop = true;
    PostThreadMessageW(threadId, WM_NULL, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(receiver.ready);
}
BENCHMARK(BM_CrossThreadSendRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
