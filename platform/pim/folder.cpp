// The three default folders: their items, and their property set with the notification setting.
#include "pim/fail_points.h"
#include "pim/objects.h"
#include "pim/prop_buffer.h"

namespace platform::pim {
namespace {

// Folder identifiers lie outside every item range.
constexpr CEOID kFolderOidBase = 0x00100000u;

class Folder final : public ComObject<IFolder>, public IItem {
public:
    Folder(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind) : store_(std::move(store)), kind_(kind) {
        if (app) app->AddRef();
        app_ = ComPtr<IPOutlookApp>(app);
    }

    ULONG AddRef() override { return ComObject<IFolder>::AddRef(); }
    ULONG Release() override { return ComObject<IFolder>::Release(); }
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IFolder, static_cast<IFolder*>(this)}, {&IID_IItem, static_cast<IItem*>(this)}});
    }

    HRESULT get_Items(IPOutlookItemCollection** items) override {
        if (!items) return E_POINTER;
        *items = nullptr;
        if (const HRESULT injected = InjectedFailure("IFolder::get_Items"); FAILED(injected)) return injected;
        *items = NewCollection(app_.Get(), store_, kind_);
        return S_OK;
    }
    HRESULT get_DefaultItemType(int* type) override {
        if (!type) return E_POINTER;
        *type = static_cast<int>(kind_);
        return S_OK;
    }
    HRESULT get_Application(IPOutlookApp** app) override {
        if (!app) return E_POINTER;
        *app = app_.Get();
        if (*app) (*app)->AddRef();
        return *app ? S_OK : E_FAIL;
    }

    HRESULT AddItemToInfraredFolder(int, IDispatch*) override { return E_NOTIMPL; }
    HRESULT SendToInfrared() override { return E_NOTIMPL; }

    // IItem: the folder's own properties.
    HRESULT GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values, ULONG* bytes,
                     HANDLE heap) override {
        if (!ids || !values || !bytes) return E_POINTER;
        std::vector<PropOut> out;
        for (WORD i = 0; i < count; ++i) {
            PropOut p{ids[i], std::nullopt};
            if (ids[i] == PIMPR_FOLDERNOTIFICATIONS) p.value = std::int64_t{FolderNotifications(kind_)};
            if (ids[i] == PIMPR_OID) p.value = static_cast<std::int64_t>(FolderOid(kind_));
            out.push_back(std::move(p));
        }
        DWORD size = *bytes;
        BYTE* buffer = reinterpret_cast<BYTE*>(*values);
        const HRESULT hr = WritePropBuffer(out, flags, &buffer, &size, heap);
        *values = reinterpret_cast<CEPROPVAL*>(buffer);
        *bytes = size;
        return hr;
    }
    HRESULT SetProps(ULONG, WORD count, CEPROPVAL* values) override {
        if (const HRESULT injected = InjectedFailure("IFolder::SetProps"); FAILED(injected)) return injected;
        if (count > 0 && !values) return E_POINTER;
        for (WORD i = 0; i < count; ++i) {
            if (values[i].propid != PIMPR_FOLDERNOTIFICATIONS) return E_INVALIDARG;
            SetFolderNotifications(kind_, (values[i].wFlags & CEDB_PROPDELETE) ? 0 : values[i].val.ulVal);
        }
        return S_OK;
    }
    HRESULT get_Oid(CEOID* oid) override {
        if (!oid) return E_POINTER;
        *oid = FolderOid(kind_);
        return S_OK;
    }
    HRESULT Save() override { return S_OK; }
    HRESULT Delete() override { return E_ACCESSDENIED; }
    HRESULT Copy(IItem** copy) override {
        if (copy) *copy = nullptr;
        return E_NOTIMPL;
    }
    HRESULT Display(HWND) override { return S_OK; }
    HRESULT OpenProperty(CEPROPID, DWORD, IStream** stream) override {
        if (stream) *stream = nullptr;
        return E_INVALIDARG;
    }

private:
    ComPtr<IPOutlookApp> app_;
    std::shared_ptr<Store> store_;
    ItemKind kind_;
};

}  // namespace

IFolder* NewFolder(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind) {
    return new Folder(app, std::move(store), kind);
}

CEOID FolderOid(ItemKind kind) { return kFolderOidBase | static_cast<CEOID>(FolderOfKind(kind)); }

std::optional<ItemKind> KindOfFolder(int olFolder) {
    switch (olFolder) {
    case olFolderCalendar: return ItemKind::Appointment;
    case olFolderContacts: return ItemKind::Contact;
    case olFolderTasks: return ItemKind::Task;
    default: return std::nullopt;
    }
}

int FolderOfKind(ItemKind kind) {
    switch (kind) {
    case ItemKind::Appointment: return olFolderCalendar;
    case ItemKind::Contact: return olFolderContacts;
    case ItemKind::Task: return olFolderTasks;
    }
    return 0;
}

}  // namespace platform::pim
