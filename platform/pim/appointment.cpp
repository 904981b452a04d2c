// Appointment objects: a stored appointment, a new one, or one occurrence of a series.
#include "pim/bstr_util.h"
#include "pim/item_core.h"
#include "pim/ole_date.h"

namespace platform::pim {
namespace {

class Appointment final : public ItemObject<IAppointment, olAppointmentItem> {
public:
    explicit Appointment(std::shared_ptr<ItemState> state) : ItemObject(std::move(state), "IAppointment::Save", "IAppointment::Delete") {}

    HRESULT ClearRecurrencePattern() override { return core_.ClearPattern(); }
    HRESULT GetRecurrencePattern(IRecurrencePattern** p) override { return core_.GetPattern(p); }
    HRESULT get_IsRecurring(VARIANT_BOOL* v) override { return core_.GetIsRecurring(v); }
    HRESULT get_Subject(BSTR* v) override { return core_.GetText(PIMPR_SUBJECT, v); }
    HRESULT get_Location(BSTR* v) override { return core_.GetText(PIMPR_LOCATION, v); }
    HRESULT get_Categories(BSTR* v) override { return core_.GetCategories(v); }
    HRESULT get_Start(DATE* v) override { return core_.GetDate(PIMPR_START, v); }
    HRESULT get_Duration(LONG* v) override { return core_.GetLong(PIMPR_DURATION, v); }
    HRESULT get_End(DATE* v) override { return core_.GetDate(PIMPR_END, v); }
    HRESULT get_AllDayEvent(VARIANT_BOOL* v) override { return core_.GetBool(PIMPR_ALL_DAY_EVENT, v); }
    HRESULT get_BusyStatus(LONG* v) override { return core_.GetLong(PIMPR_BUSY_STATUS, v); }
    HRESULT get_Sensitivity(LONG* v) override { return core_.GetLong(PIMPR_SENSITIVITY, v); }
    HRESULT get_Body(BSTR* v) override { return core_.GetText(PIMPR_BODY_TEXT, v); }
    HRESULT get_Recipients(IRecipients** v) override {
        if (!v) return E_POINTER;
        *v = NewRecipients(core_.Shared());
        return S_OK;
    }
    HRESULT get_MeetingStatus(LONG* v) override { return core_.GetLong(PIMPR_MEETING_STATUS, v); }
    HRESULT get_ReminderSet(VARIANT_BOOL* v) override { return core_.GetBool(PIMPR_REMINDER_SET, v); }
    HRESULT get_ReminderMinutesBeforeStart(LONG* v) override {
        return core_.GetLong(PIMPR_REMINDER_MINUTES_BEFORE_START, v);
    }
    HRESULT put_Subject(LPCWSTR v) override { return core_.PutText(PIMPR_SUBJECT, v); }
    HRESULT put_Location(LPCWSTR v) override { return core_.PutText(PIMPR_LOCATION, v); }
    HRESULT put_Categories(LPCWSTR v) override { return core_.PutCategories(v); }
    HRESULT put_Start(DATE v) override { return core_.PutDate(PIMPR_START, v); }
    HRESULT put_Duration(LONG v) override { return core_.PutLong(PIMPR_DURATION, v); }
    HRESULT put_End(DATE v) override { return core_.PutDate(PIMPR_END, v); }
    HRESULT put_AllDayEvent(VARIANT_BOOL v) override { return core_.PutBool(PIMPR_ALL_DAY_EVENT, v); }
    HRESULT put_BusyStatus(LONG v) override { return core_.PutLong(PIMPR_BUSY_STATUS, v); }
    HRESULT put_Sensitivity(LONG v) override { return core_.PutLong(PIMPR_SENSITIVITY, v); }
    HRESULT put_Body(LPCWSTR v) override { return core_.PutText(PIMPR_BODY_TEXT, v); }
    HRESULT put_ReminderSet(VARIANT_BOOL v) override { return core_.PutBool(PIMPR_REMINDER_SET, v); }
    HRESULT put_ReminderMinutesBeforeStart(LONG v) override {
        return core_.PutLong(PIMPR_REMINDER_MINUTES_BEFORE_START, v);
    }
    // A meeting request: the device has no mail transport, so sending marks and stores the meeting.
    HRESULT Send() override { return Mark(olMeeting, "IAppointment::Send"); }
    HRESULT Cancel() override { return Mark(olMeetingCanceled, "IAppointment::Cancel"); }

private:
    HRESULT Mark(LONG status, const char* member) {
        if (core_.State().occurrence) return core_.SaveItem(member);
        const LONG old = static_cast<LONG>(core_.State().Data().Int(PIMPR_MEETING_STATUS, olNonMeeting));
        core_.State().Edit().SetInt(PIMPR_MEETING_STATUS, status);
        const HRESULT hr = core_.SaveItem(member);
        if (FAILED(hr)) core_.State().Edit().SetInt(PIMPR_MEETING_STATUS, old);
        return hr;
    }
};

}  // namespace

IDispatch* NewAppointmentObject(std::shared_ptr<ItemState> state) {
    return static_cast<IAppointment*>(new Appointment(std::move(state)));
}

}  // namespace platform::pim
