// Contact objects.
#include "pim/item_core.h"

namespace platform::pim {
namespace {

// The text properties of a contact: member name and property identifier.
#define QV_CONTACT_TEXTS(X)                                                  \
    X(FileAs, PIMPR_FILEAS)                                                  \
    X(Title, PIMPR_TITLE)                                                    \
    X(FirstName, PIMPR_FIRST_NAME)                                           \
    X(MiddleName, PIMPR_MIDDLE_NAME)                                         \
    X(LastName, PIMPR_LAST_NAME)                                             \
    X(Suffix, PIMPR_SUFFIX)                                                  \
    X(JobTitle, PIMPR_JOB_TITLE)                                             \
    X(CompanyName, PIMPR_COMPANY_NAME)                                       \
    X(Department, PIMPR_DEPARTMENT)                                          \
    X(Email1Address, PIMPR_EMAIL1_ADDRESS)                                   \
    X(Email2Address, PIMPR_EMAIL2_ADDRESS)                                   \
    X(Email3Address, PIMPR_EMAIL3_ADDRESS)                                   \
    X(MobileTelephoneNumber, PIMPR_MOBILE_TELEPHONE_NUMBER)                  \
    X(BusinessTelephoneNumber, PIMPR_BUSINESS_TELEPHONE_NUMBER)              \
    X(Business2TelephoneNumber, PIMPR_BUSINESS2_TELEPHONE_NUMBER)            \
    X(HomeTelephoneNumber, PIMPR_HOME_TELEPHONE_NUMBER)                      \
    X(Home2TelephoneNumber, PIMPR_HOME2_TELEPHONE_NUMBER)                    \
    X(PagerNumber, PIMPR_PAGER_NUMBER)                                       \
    X(CarTelephoneNumber, PIMPR_CAR_TELEPHONE_NUMBER)                        \
    X(RadioTelephoneNumber, PIMPR_RADIO_TELEPHONE_NUMBER)                    \
    X(AssistantTelephoneNumber, PIMPR_ASSISTANT_TELEPHONE_NUMBER)            \
    X(WebPage, PIMPR_WEB_PAGE)                                               \
    X(Body, PIMPR_BODY_TEXT)

class Contact final : public ComObject<IContact>, public IItem {
public:
    explicit Contact(std::shared_ptr<ItemState> state) : core_(std::move(state)) {}
    QV_ITEM_UNKNOWN(IContact)

#define QV_TEXT_MEMBERS(Name, Prop)                                                          \
    HRESULT get_##Name(BSTR* v) override { return core_.GetText(Prop, v); }                 \
    HRESULT put_##Name(LPCWSTR v) override { return core_.PutText(Prop, v); }
    QV_CONTACT_TEXTS(QV_TEXT_MEMBERS)
#undef QV_TEXT_MEMBERS

    HRESULT get_Birthday(DATE* v) override { return core_.GetDate(PIMPR_BIRTHDAY, v); }
    HRESULT get_Anniversary(DATE* v) override { return core_.GetDate(PIMPR_ANNIVERSARY, v); }
    HRESULT put_Birthday(DATE v) override { return core_.PutDate(PIMPR_BIRTHDAY, v); }
    HRESULT put_Anniversary(DATE v) override { return core_.PutDate(PIMPR_ANNIVERSARY, v); }
    HRESULT get_Categories(BSTR* v) override { return core_.GetCategories(v); }
    HRESULT put_Categories(LPCWSTR v) override { return core_.PutCategories(v); }
    HRESULT Display() override { return core_.State().deleted ? E_FAIL : S_OK; }
    HRESULT Save() override { return core_.SaveItem("IContact::Save"); }
    HRESULT Delete() override { return core_.DeleteItem("IContact::Delete"); }
    HRESULT Copy(IContact** copy) override {
        if (!copy) return E_POINTER;
        IDispatch* made = nullptr;
        const HRESULT hr = core_.CopyItem(&made);
        *copy = static_cast<IContact*>(made);
        return hr;
    }
    HRESULT get_Oid(LONG* v) override { return core_.GetOid(v); }
    HRESULT get_Application(IPOutlookApp** app) override { return core_.GetApplication(app); }

    // IItem
    HRESULT GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values, ULONG* bytes,
                     HANDLE heap) override {
        return core_.GetProps(ids, flags, count, values, bytes, heap);
    }
    HRESULT SetProps(ULONG flags, WORD count, CEPROPVAL* values) override { return core_.SetProps(flags, count, values); }
    HRESULT get_Oid(CEOID* v) override { return core_.GetOid(v); }
    HRESULT get_DefaultItemType(int* type) override {
        if (!type) return E_POINTER;
        *type = olContactItem;
        return S_OK;
    }
    HRESULT Copy(IItem** copy) override {
        if (!copy) return E_POINTER;
        IDispatch* made = nullptr;
        const HRESULT hr = core_.CopyItem(&made);
        *copy = nullptr;
        if (made) {
            made->QueryInterface(IID_IItem, reinterpret_cast<void**>(copy));
            made->Release();
        }
        return hr;
    }
    HRESULT Display(HWND) override { return Display(); }
    HRESULT OpenProperty(CEPROPID id, DWORD mode, IStream** stream) override {
        return core_.OpenProperty(id, mode, stream);
    }

private:
    ItemCore core_;
};

}  // namespace

IDispatch* NewContactObject(std::shared_ptr<ItemState> state) {
    return static_cast<IContact*>(new Contact(std::move(state)));
}

IDispatch* NewItemObject(std::shared_ptr<ItemState> state) {
    switch (state->data.kind) {
    case ItemKind::Appointment: return NewAppointmentObject(std::move(state));
    case ItemKind::Task: return NewTaskObject(std::move(state));
    case ItemKind::Contact: return NewContactObject(std::move(state));
    }
    return nullptr;
}

}  // namespace platform::pim
