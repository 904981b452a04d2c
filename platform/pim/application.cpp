// The application object: logon to the store, the three default folders, new items and items by OID,
// and the date conversions.
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

    // Opens the store; a damaged store fails here and stays untouched.
    HRESULT Logon(LONG_PTR window) override {
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::Logon"); FAILED(injected)) return injected;
        HRESULT error = S_OK;
        store_ = Store::Get(&error);
        if (!store_) return FAILED(error) ? error : E_FAIL;
        window_ = window;
        SetLogonWindow(window);
        return S_OK;
    }
    HRESULT Logoff() override {
        if (window_) SetLogonWindow(0);
        window_ = 0;
        store_.reset();
        return S_OK;
    }
    HRESULT get_Version(BSTR* version) override { return ReturnText(kVersion, version); }

    HRESULT GetDefaultFolder(int folder, IFolder** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::GetDefaultFolder"); FAILED(injected))
            return injected;
        const std::optional<ItemKind> kind = KindOfFolder(folder);
        if (!kind) return E_INVALIDARG;
        if (!EnsureStore()) return E_FAIL;
        *out = NewFolder(this, store_, *kind);
        return S_OK;
    }
    HRESULT CreateItem(int itemType, IDispatch** item) override {
        if (!item) return E_POINTER;
        *item = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookApp::CreateItem"); FAILED(injected)) return injected;
        if (itemType != olAppointmentItem && itemType != olContactItem && itemType != olTaskItem) return E_INVALIDARG;
        if (!EnsureStore()) return E_FAIL;
        auto state = NewState();
        state->data = NewItem(static_cast<ItemKind>(itemType));
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

    bool EnsureStore() {
        if (!store_) store_ = Store::Get();
        return store_ != nullptr;
    }

    std::shared_ptr<ItemState> NewState() {
        auto state = std::make_shared<ItemState>();
        state->store = store_;
        AddRef();
        state->app = ComPtr<IPOutlookApp>(this);
        return state;
    }

    HRESULT Fetch(LONG oid, IDispatch** item) {
        if (!item) return E_POINTER;
        *item = nullptr;
        if (!EnsureStore()) return E_FAIL;
        std::optional<ItemData> data = store_->Load(static_cast<CEOID>(oid));
        if (!data) return E_FAIL;
        auto state = NewState();
        state->data = std::move(*data);
        *item = NewItemObject(std::move(state));
        return S_OK;
    }

    std::shared_ptr<Store> store_;
    LONG_PTR window_ = 0;
};

}  // namespace

IPOutlookApp2* NewApplication() { return new Application(); }

}  // namespace platform::pim
