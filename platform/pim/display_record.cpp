// Display of an item: the device's own card for it, over the window given or the one the
// application logged on with. Each call is also noted for tests.
#include <mutex>

#include "cards/item_card.h"
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

HRESULT ItemCore::Display(HWND parent) {
    if (s_->deleted) return E_FAIL;
    {
        Displayed& r = Record();
        const std::lock_guard guard(r.lock);
        r.oids.push_back(s_->Data().oid);
    }
    if (!parent) parent = reinterpret_cast<HWND>(LogonWindow());
    return cards::ShowItemCard(s_, parent);
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
