// What appointments, tasks and contacts share: reading and writing their properties, the property
// set (IItem), saving, deleting and copying through the store.
#pragma once

#include <memory>

#include "pim/objects.h"

namespace platform::pim {

// The rules every save follows: refuses an invalid reminder or invalid task dates, and fills in what
// the store derives (a contact's file-as name, a task's completion date).
HRESULT PrepareForSave(ItemData& item);

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

// The IUnknown of an item class that implements its kind's interface and IItem.
#define QV_ITEM_UNKNOWN(Interface)                                                                          \
    ULONG AddRef() override { return ComObject<Interface>::AddRef(); }                                    \
    ULONG Release() override { return ComObject<Interface>::Release(); }                                  \
    HRESULT QueryInterface(REFIID iid, void** out) override {                                             \
        return Answer(iid, out, {{&IID_##Interface, static_cast<Interface*>(this)},                       \
                                 {&IID_IItem, static_cast<IItem*>(this)}});                               \
    }

}  // namespace platform::pim
