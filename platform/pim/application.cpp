// The application object: logon to the store, the three default folders, new items and items by OID,
// and the date conversions.
#include <mutex>

#include "pim/bstr_util.h"
#include "pim/fail_points.h"
#include "pim/item_fields.h"
#include "pim/objects.h"
#include "pim/ole_date.h"

namespace platform::pim {
namespace {

constexpr const char16_t* kVersion = u"5.2";

class Application final : public ComObject<IPOutlookApp2> {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IPOutlookApp, static_cast<IPOutlookApp*>(this)},
                                 {&IID_IPOutlookApp2, static_cast<IPOutlookApp2*>(this)}});
    }

    // Opens the store; a damaged store fails here and is kept aside unchanged.
    HRESULT Logon(LONG_PTR window) override {
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::Logon"); FAILED(injected)) return injected;
        HRESULT error = S_OK;
        std::shared_ptr<Store> store = Store::Get(&error);
        if (!store) return FAILED(error) ? error : E_FAIL;
        {
            const std::lock_guard guard(lock_);
            store_ = std::move(store);
        }
        window_ = window;
        SetLogonWindow(window);
        return S_OK;
    }
    HRESULT Logoff() override {
        if (window_) SetLogonWindow(0);
        window_ = 0;
        const std::lock_guard guard(lock_);
        store_.reset();
        return S_OK;
    }
    HRESULT get_Version(BSTR* version) override { return ReturnText(kVersion, version); }

    HRESULT GetDefaultFolder(int folder, IFolder** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::GetDefaultFolder"); FAILED(injected))
            return injected;
        if (folder == olFolderInfrared) {
            *out = NewInfraredFolder(this);
            return S_OK;
        }
        const std::optional<ItemKind> kind = KindOfFolder(folder);
        if (!kind) return E_INVALIDARG;
        std::shared_ptr<Store> store = EnsureStore();
        if (!store) return E_FAIL;
        *out = NewFolder(this, std::move(store), *kind);
        return S_OK;
    }
    HRESULT CreateItem(int itemType, IDispatch** item) override {
        if (!item) return E_POINTER;
        *item = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::CreateItem"); FAILED(injected)) return injected;
        if (itemType != olAppointmentItem && itemType != olContactItem && itemType != olTaskItem) return E_INVALIDARG;
        std::shared_ptr<Store> store = EnsureStore();
        if (!store) return E_FAIL;
        auto state = NewState(std::move(store));
        state->SetData(NewItem(static_cast<ItemKind>(itemType)));
        *item = NewItemObject(std::move(state));
        return S_OK;
    }
    HRESULT GetItemFromOid(LONG oid, IDispatch** item) override {
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::GetItemFromOid"); FAILED(injected)) {
            if (item) *item = nullptr;
            return injected;
        }
        return Fetch(oid, item);
    }
    HRESULT GetItemFromOidEx(LONG oid, DWORD, IDispatch** item) override {
        if (const HRESULT injected = InjectedFailure("IPOutlookApp2::GetItemFromOidEx"); FAILED(injected)) {
            if (item) *item = nullptr;
            return injected;
        }
        return Fetch(oid, item);
    }
    HRESULT SysFreeString(BSTR text) override {
        ::SysFreeString(text);
        return S_OK;
    }
    HRESULT VariantTimeToSystemTime(DATE date, SYSTEMTIME* time) override {
        if (!time) return E_POINTER;
        return OleToSystemTime(date, *time) ? S_OK : E_INVALIDARG;
    }
    HRESULT SystemTimeToVariantTime(SYSTEMTIME* time, DATE* date) override {
        if (!time || !date) return E_POINTER;
        return SystemTimeToOle(*time, *date) ? S_OK : E_INVALIDARG;
    }

private:
    ~Application() override {
        if (window_) SetLogonWindow(0);
    }

    // Both of the program's threads use one application object.
    std::shared_ptr<Store> EnsureStore() {
        const std::lock_guard guard(lock_);
        if (!store_) store_ = Store::Get();
        return store_;
    }

    std::shared_ptr<ItemState> NewState(std::shared_ptr<Store> store) {
        auto state = std::make_shared<ItemState>();
        state->store = std::move(store);
        AddRef();
        state->app = ComPtr<IPOutlookApp>(this);
        return state;
    }

    HRESULT Fetch(LONG oid, IDispatch** item) {
        if (!item) return E_POINTER;
        *item = nullptr;
        std::shared_ptr<Store> store = EnsureStore();
        if (!store) return E_FAIL;
        std::optional<ItemData> data = store->Load(static_cast<CEOID>(oid));
        if (!data) return E_FAIL;
        auto state = NewState(std::move(store));
        state->SetData(std::move(*data));
        *item = NewItemObject(std::move(state));
        return S_OK;
    }

    std::mutex lock_;
    std::shared_ptr<Store> store_;
    LONG_PTR window_ = 0;
};

}  // namespace

IPOutlookApp2* NewApplication() { return new Application(); }

}  // namespace platform::pim
