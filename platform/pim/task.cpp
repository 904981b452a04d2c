// Task objects.
#include "pim/item_core.h"

namespace platform::pim {
namespace {

class Task final : public ComObject<ITask>, public IItem {
public:
    explicit Task(std::shared_ptr<ItemState> state) : core_(std::move(state)) {}
    QV_ITEM_UNKNOWN(ITask)

    HRESULT ClearRecurrencePattern() override { return core_.ClearPattern(); }
    HRESULT GetRecurrencePattern(IRecurrencePattern** p) override { return core_.GetPattern(p); }
    HRESULT get_IsRecurring(VARIANT_BOOL* v) override { return core_.GetIsRecurring(v); }
    HRESULT get_Subject(BSTR* v) override { return core_.GetText(PIMPR_SUBJECT, v); }
    HRESULT get_Categories(BSTR* v) override { return core_.GetCategories(v); }
    HRESULT get_StartDate(DATE* v) override { return core_.GetDate(PIMPR_START_DATE, v); }
    HRESULT get_DueDate(DATE* v) override { return core_.GetDate(PIMPR_DUE_DATE, v); }
    HRESULT get_DateCompleted(DATE* v) override { return core_.GetDate(PIMPR_DATE_COMPLETED, v); }
    HRESULT get_Importance(LONG* v) override { return core_.GetLong(PIMPR_IMPORTANCE, v); }
    HRESULT get_Complete(VARIANT_BOOL* v) override { return core_.GetBool(PIMPR_COMPLETE, v); }
    HRESULT get_Sensitivity(LONG* v) override { return core_.GetLong(PIMPR_SENSITIVITY, v); }
    HRESULT get_Body(BSTR* v) override { return core_.GetText(PIMPR_BODY_TEXT, v); }
    HRESULT get_ReminderSet(VARIANT_BOOL* v) override { return core_.GetBool(PIMPR_REMINDER_SET, v); }
    HRESULT get_ReminderTime(DATE* v) override { return core_.GetDate(PIMPR_REMINDER_TIME, v); }
    HRESULT put_Subject(LPCWSTR v) override { return core_.PutText(PIMPR_SUBJECT, v); }
    HRESULT put_Categories(LPCWSTR v) override { return core_.PutCategories(v); }
    HRESULT put_StartDate(DATE v) override { return core_.PutDate(PIMPR_START_DATE, v); }
    HRESULT put_DueDate(DATE v) override { return core_.PutDate(PIMPR_DUE_DATE, v); }
    HRESULT put_Importance(LONG v) override {
        if (v < olImportanceLow || v > olImportanceHigh) return E_INVALIDARG;
        return core_.PutLong(PIMPR_IMPORTANCE, v);
    }
    HRESULT put_Complete(VARIANT_BOOL v) override { return core_.PutBool(PIMPR_COMPLETE, v); }
    HRESULT put_Sensitivity(LONG v) override { return core_.PutLong(PIMPR_SENSITIVITY, v); }
    HRESULT put_Body(LPCWSTR v) override { return core_.PutText(PIMPR_BODY_TEXT, v); }
    HRESULT put_ReminderSet(VARIANT_BOOL v) override { return core_.PutBool(PIMPR_REMINDER_SET, v); }
    HRESULT put_ReminderTime(DATE v) override { return core_.PutDate(PIMPR_REMINDER_TIME, v); }
    HRESULT Display() override { return core_.State().deleted ? E_FAIL : S_OK; }
    HRESULT Save() override { return core_.SaveItem("ITask::Save"); }
    HRESULT Delete() override { return core_.DeleteItem("ITask::Delete"); }
    HRESULT Copy(ITask** copy) override {
        if (!copy) return E_POINTER;
        IDispatch* made = nullptr;
        const HRESULT hr = core_.CopyItem(&made);
        *copy = static_cast<ITask*>(made);
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
        *type = olTaskItem;
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

IDispatch* NewTaskObject(std::shared_ptr<ItemState> state) {
    return static_cast<ITask*>(new Task(std::move(state)));
}

}  // namespace platform::pim
