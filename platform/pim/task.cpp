// Task objects.
#include "pim/item_core.h"

namespace platform::pim {
namespace {

class Task final : public ItemObject<ITask, olTaskItem> {
public:
    explicit Task(std::shared_ptr<ItemState> state) : ItemObject(std::move(state), "ITask::Save", "ITask::Delete") {}

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

};

}  // namespace

IDispatch* NewTaskObject(std::shared_ptr<ItemState> state) {
    return static_cast<ITask*>(new Task(std::move(state)));
}

}  // namespace platform::pim
