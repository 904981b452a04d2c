// SetTimer and KillTimer. Timers live in the queue of the thread that set them; WM_TIMER is made when
// the queue is looked at and the device clock has reached the timer's time (message_queue.cpp).
#include <algorithm>
#include <atomic>

#include "kernel/clock.h"
#include "platform/system.h"
#include "user/message_queue.h"
#include "user/window_table.h"

namespace platform {
namespace {

// The shortest period, as on the device.
constexpr UINT kShortestPeriod = 10;
// Identifiers of timers without a window count from here.
constexpr UINT_PTR kFirstThreadTimerId = 0x7000;

std::atomic<UINT_PTR> nextThreadTimerId{kFirstThreadTimerId};

}  // namespace
}  // namespace platform

using namespace platform;

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (window && !OwnWindowOrFail(window)) return 0;
    if (!window) id = nextThreadTimerId++;
    const UINT period = std::max(elapse, kShortestPeriod);
    const auto queue = CurrentQueue();
    {
        const std::lock_guard guard(queue->lock);
        const auto it = std::find_if(queue->timers.begin(), queue->timers.end(),
                                     [&](const Timer& t) { return t.hwnd == window && t.id == id; });
        const Timer timer{window, id, period, ClockNowMs() + period, proc};
        if (it != queue->timers.end())
            *it = timer;
        else
            queue->timers.push_back(timer);
        queue->woken = true;
    }
    queue->wake.notify_all();
    return window && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    const auto queue = CurrentQueue();
    const std::lock_guard guard(queue->lock);
    const auto it = std::find_if(queue->timers.begin(), queue->timers.end(),
                                 [&](const Timer& t) { return t.hwnd == window && t.id == id; });
    if (it == queue->timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    queue->timers.erase(it);
    return TRUE;
}
