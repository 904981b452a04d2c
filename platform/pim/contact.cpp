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

class Contact final : public ItemObject<IContact, olContactItem> {
public:
    explicit Contact(std::shared_ptr<ItemState> state) : ItemObject(std::move(state), "IContact::Save", "IContact::Delete") {}

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

};

}  // namespace

IDispatch* NewContactObject(std::shared_ptr<ItemState> state) {
    return static_cast<IContact*>(new Contact(std::move(state)));
}

IDispatch* NewItemObject(std::shared_ptr<ItemState> state) {
    switch (state->Data().kind) {
    case ItemKind::Appointment: return NewAppointmentObject(std::move(state));
    case ItemKind::Task: return NewTaskObject(std::move(state));
    case ItemKind::Contact: return NewContactObject(std::move(state));
    }
    return nullptr;
}

}  // namespace platform::pim
