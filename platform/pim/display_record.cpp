// Display of an item: the device's own card and editor are not part of this platform, so the call is
// recorded for tests and succeeds for any item that still exists.
#include <mutex>

#include "pim/item_core.h"
#include "platform/testing_pim.h"

namespace platform::pim {
namespace {

struct Displayed {
    std::mutex lock;
    std::vector<CEOID> oids;
};

Displayed& Record() {
    static Displayed record;
    return record;
}

}  // namespace

HRESULT ItemCore::Display() {
    if (s_->deleted) return E_FAIL;
    Displayed& r = Record();
    const std::lock_guard guard(r.lock);
    r.oids.push_back(s_->data.oid);
    return S_OK;
}

}  // namespace platform::pim

namespace platform::testing {

std::vector<CEOID> PimItemsDisplayed() {
    auto& r = pim::Record();
    const std::lock_guard guard(r.lock);
    return r.oids;
}

void ClearPimItemsDisplayed() {
    auto& r = pim::Record();
    const std::lock_guard guard(r.lock);
    r.oids.clear();
}

}  // namespace platform::testing
