// What appointments, tasks and contacts share: reading and writing their properties, the property
// set (IItem), saving, deleting and copying through the store.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "pim/objects.h"

namespace platform::pim {

// The rules of a new or changed item from outside the object model (the device tool's add, set and
// import): refuses a number or date out of its range (E_INVALIDARG), then as every save does an
// invalid reminder or invalid task dates, and fills in what the store derives (a contact's file-as
// name, a task's completion date).
HRESULT PrepareForSave(ItemData& item);

// What a number field may hold: POOM's codes, its flags and 32-bit minutes.
struct NumberRange {
    std::int64_t low;
    std::int64_t high;
};
std::optional<NumberRange> NumberRangeOf(CEPROPID id);
// A date the store keeps: from 1 January 1601 up to the no-date value, which means none.
bool DateInRange(DATE date);
// The first number or date field of the item outside its range; none when all are kept.
std::optional<CEPROPID> FieldOutOfRange(const ItemData& item);

class ItemCore {
public:
    explicit ItemCore(std::shared_ptr<ItemState> state) : s_(std::move(state)) {}

    HRESULT GetText(CEPROPID id, BSTR* out) const;
    HRESULT PutText(CEPROPID id, LPCWSTR text);
    HRESULT GetDate(CEPROPID id, DATE* out) const;
    HRESULT PutDate(CEPROPID id, DATE date);
    HRESULT GetLong(CEPROPID id, LONG* out) const;
    HRESULT PutLong(CEPROPID id, LONG value);
    HRESULT GetBool(CEPROPID id, VARIANT_BOOL* out) const;
    HRESULT PutBool(CEPROPID id, VARIANT_BOOL value);
    HRESULT GetCategories(BSTR* out) const;
    HRESULT PutCategories(LPCWSTR text);
    HRESULT GetOid(LONG* out) const;
    HRESULT GetOid(CEOID* out) const;
    // Opens the device's card of the item and returns once it is closed.
    HRESULT Display(HWND parent);
    HRESULT GetApplication(IPOutlookApp** app) const;
    HRESULT GetIsRecurring(VARIANT_BOOL* out) const;
    HRESULT ClearPattern();
    HRESULT GetPattern(IRecurrencePattern** out);

    // Checks the kind's rules and writes the item in one transaction (a new item gets its OID).
    HRESULT SaveItem(const char* member);
    HRESULT DeleteItem(const char* member);
    // Stores a copy as a new item and gives its object.
    HRESULT CopyItem(IDispatch** copy);

    HRESULT GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values, ULONG* bytes, HANDLE heap);
    HRESULT SetProps(ULONG flags, WORD count, CEPROPVAL* values);
    HRESULT OpenProperty(CEPROPID id, DWORD mode, IStream** stream);

    ItemState& State() { return *s_; }
    const ItemState& State() const { return *s_; }
    const std::shared_ptr<ItemState>& Shared() const { return s_; }

private:
    HRESULT SaveCompletedRecurringTask();

    std::shared_ptr<ItemState> s_;
};

// What the three item classes share: reference counting and QueryInterface for their interface and
// IItem, the members of the same form in IAppointment, ITask and IContact, and the property set.
template <class I, int Type>
class ItemObject : public ComObject<I>, public IItem {
public:
    ItemObject(std::shared_ptr<ItemState> state, const char* saveMember, const char* deleteMember)
        : core_(std::move(state)), saveMember_(saveMember), deleteMember_(deleteMember) {}

    ULONG AddRef() override { return ComObject<I>::AddRef(); }
    ULONG Release() override { return ComObject<I>::Release(); }
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return this->Answer(iid, out, {{&InterfaceId(), static_cast<I*>(this)}, {&IID_IItem, static_cast<IItem*>(this)}});
    }

    HRESULT Display() override { return core_.Display(nullptr); }
    HRESULT Save() override { return core_.SaveItem(saveMember_); }
    HRESULT Delete() override { return core_.DeleteItem(deleteMember_); }
    HRESULT Copy(I** copy) override {
        if (!copy) return E_POINTER;
        IDispatch* made = nullptr;
        const HRESULT hr = core_.CopyItem(&made);
        *copy = static_cast<I*>(made);
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
        *type = Type;
        return S_OK;
    }
    HRESULT Copy(IItem** copy) override {
        if (!copy) return E_POINTER;
        I* made = nullptr;
        const HRESULT hr = Copy(&made);
        *copy = made ? static_cast<IItem*>(static_cast<ItemObject*>(made)) : nullptr;
        return hr;
    }
    HRESULT Display(HWND parent) override { return core_.Display(parent); }
    HRESULT OpenProperty(CEPROPID id, DWORD mode, IStream** stream) override {
        return core_.OpenProperty(id, mode, stream);
    }

protected:
    static const IID& InterfaceId() {
        if constexpr (Type == olAppointmentItem) return IID_IAppointment;
        else if constexpr (Type == olTaskItem) return IID_ITask;
        else return IID_IContact;
    }

    ItemCore core_;

private:
    const char* saveMember_;
    const char* deleteMember_;
};

}  // namespace platform::pim
