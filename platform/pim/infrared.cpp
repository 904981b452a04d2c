// The infrared folder: items added to it are sent by SendToInfrared. The device has no infrared
// port here, so a send is recorded for tests and the folder is emptied.
#include <mutex>
#include <vector>

#include "pim/fail_points.h"
#include "pim/objects.h"
#include "platform/testing_pim.h"

namespace platform::pim {
namespace {

struct BeamRecord {
    std::mutex lock;
    std::vector<testing::BeamedItem> items;
};

BeamRecord& Beamed() {
    static BeamRecord record;
    return record;
}

CEOID OidOf(IDispatch* item) {
    IItem* props = nullptr;
    if (FAILED(item->QueryInterface(IID_IItem, reinterpret_cast<void**>(&props))) || !props) return 0;
    CEOID oid = 0;
    props->get_Oid(&oid);
    props->Release();
    return oid;
}

class InfraredFolder final : public ComObject<IFolder> {
public:
    explicit InfraredFolder(IPOutlookApp* app) {
        if (app) app->AddRef();
        app_ = ComPtr<IPOutlookApp>(app);
    }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IFolder, static_cast<IFolder*>(this)}});
    }
    HRESULT get_Items(IPOutlookItemCollection** items) override {
        if (items) *items = nullptr;
        return E_NOTIMPL;
    }
    HRESULT get_DefaultItemType(int* type) override {
        if (!type) return E_POINTER;
        *type = olAppointmentItem;
        return S_OK;
    }
    HRESULT get_Application(IPOutlookApp** app) override {
        if (!app) return E_POINTER;
        *app = app_.Get();
        if (*app) (*app)->AddRef();
        return *app ? S_OK : E_FAIL;
    }
    HRESULT AddItemToInfraredFolder(int itemType, IDispatch* item) override {
        if (!item) return E_POINTER;
        if (itemType != olAppointmentItem && itemType != olContactItem && itemType != olTaskItem) return E_INVALIDARG;
        pending_.push_back(testing::BeamedItem{itemType, OidOf(item)});
        return S_OK;
    }
    HRESULT SendToInfrared() override {
        if (const HRESULT injected = InjectedFailure("IFolder::SendToInfrared"); FAILED(injected)) return injected;
        BeamRecord& r = Beamed();
        const std::lock_guard guard(r.lock);
        r.items.insert(r.items.end(), pending_.begin(), pending_.end());
        pending_.clear();
        return S_OK;
    }

private:
    ComPtr<IPOutlookApp> app_;
    std::vector<testing::BeamedItem> pending_;
};

}  // namespace

IFolder* NewInfraredFolder(IPOutlookApp* app) { return new InfraredFolder(app); }

}  // namespace platform::pim

namespace platform::testing {

std::vector<BeamedItem> PimItemsBeamed() {
    auto& r = pim::Beamed();
    const std::lock_guard guard(r.lock);
    return r.items;
}

void ClearPimItemsBeamed() {
    auto& r = pim::Beamed();
    const std::lock_guard guard(r.lock);
    r.items.clear();
}

}  // namespace platform::testing
