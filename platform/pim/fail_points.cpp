// Failures on demand for tests, and the count of live objects of the object model.
#include "pim/fail_points.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "pim/com_object.h"
#include "platform/testing_pim.h"

namespace platform::pim {
namespace {

struct Planned {
    HRESULT result = E_FAIL;
    int skip = 0;   // calls that still succeed first
    int times = 0;  // calls that then fail
    bool raise = false;  // the failure is an access fault rather than a result
};

// What a damaged store raises on the device: a structured exception, not a result.
struct AccessFault {};

struct FailPoints {
    std::mutex lock;
    std::map<std::string, Planned, std::less<>> planned;
    // Whether anything is planned: every member call asks, and nearly always nothing is.
    std::atomic<bool> any{false};
};

FailPoints& Points() {
    static FailPoints points;
    return points;
}

std::atomic<long> liveObjects{0};

}  // namespace

HRESULT InjectedFailure(const char* member) {
    FailPoints& points = Points();
    if (!points.any.load(std::memory_order_acquire)) return S_OK;
    const std::lock_guard guard(points.lock);
    const auto it = points.planned.find(std::string_view(member));
    if (it == points.planned.end()) return S_OK;
    Planned& p = it->second;
    if (p.skip > 0) {
        --p.skip;
        return S_OK;
    }
    const HRESULT result = p.result;
    const bool raise = p.raise;
    if (--p.times <= 0) points.planned.erase(it);
    points.any = !points.planned.empty();
    if (raise) throw AccessFault{};
    return result;
}

void CountObject(int delta) { liveObjects += delta; }

}  // namespace platform::pim

namespace platform::testing {

void FailPimCall(const char* member, HRESULT result, int times, int after) {
    auto& points = pim::Points();
    const std::lock_guard guard(points.lock);
    points.planned[member] = {result, after, times};
    points.any = true;
}

void FaultPimCall(const char* member, int after) {
    auto& points = pim::Points();
    const std::lock_guard guard(points.lock);
    points.planned[member] = {E_FAIL, after, 1, true};
    points.any = true;
}

void ClearPimFailures() {
    auto& points = pim::Points();
    const std::lock_guard guard(points.lock);
    points.planned.clear();
    points.any = false;
}

long LivePimObjects() { return pim::liveObjects.load(); }

}  // namespace platform::testing
