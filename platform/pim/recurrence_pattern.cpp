// Recurrence pattern objects: the pattern of the item they came from, changed in place and stored
// with the item's Save; GetOccurrence finds one occurrence of the stored series by its day.
#include "pim/fail_points.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim/objects.h"

namespace platform::pim {
namespace {

class RecurrencePattern final : public ComObject<IRecurrencePattern> {
public:
    explicit RecurrencePattern(std::shared_ptr<ItemState> state) : s_(std::move(state)) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IRecurrencePattern, static_cast<IRecurrencePattern*>(this)}});
    }

    HRESULT get_RecurrenceType(LONG* v) override { return Get(v, Pattern().type); }
    HRESULT get_StartTime(DATE* v) override {
        if (!v) return E_POINTER;
        const DATE start = ItemStart();
        *v = start - static_cast<double>(OleDay(start));
        return S_OK;
    }
    HRESULT get_EndTime(DATE* v) override {
        if (!v) return E_POINTER;
        const DATE start = ItemStart();
        *v = OleFromMinutes(OleMinutes(start) - OleDay(start) * kMinutesPerDay + Duration());
        return S_OK;
    }
    HRESULT get_PatternStartDate(DATE* v) override { return GetDate(v, Pattern().patternStart); }
    HRESULT get_PatternEndDate(DATE* v) override { return GetDate(v, Pattern().Set() ? Pattern().patternEnd : kNoDate); }
    HRESULT get_Duration(LONG* v) override { return Get(v, Duration()); }
    HRESULT get_Occurrences(LONG* v) override { return Get(v, Pattern().occurrences); }
    HRESULT get_Interval(LONG* v) override { return Get(v, Pattern().interval); }
    HRESULT get_DayOfWeekMask(LONG* v) override { return Get(v, Pattern().dayOfWeekMask); }
    HRESULT get_DayOfMonth(LONG* v) override { return Get(v, Pattern().dayOfMonth); }
    HRESULT get_Instance(LONG* v) override { return Get(v, Pattern().instance); }
    HRESULT get_MonthOfYear(LONG* v) override { return Get(v, Pattern().monthOfYear); }
    HRESULT get_NoEndDate(VARIANT_BOOL* v) override {
        if (!v) return E_POINTER;
        *v = Pattern().noEndDate ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }

    // Setting the type starts a fresh pattern from the item's start, as a user would expect.
    HRESULT put_RecurrenceType(LONG type) override {
        static constexpr LONG kTypes[] = {olRecursDaily, olRecursWeekly, olRecursMonthly, olRecursMonthNth,
                                          olRecursYearly, olRecursYearNth};
        bool known = false;
        for (const LONG t : kTypes) known = known || t == type;
        if (!known || s_->occurrence) return E_INVALIDARG;
        ApplyPatternDefaults(EditPattern(), type, ItemStart());
        return S_OK;
    }
    // The start of the series: its day starts the pattern; for appointments its time is the time of
    // every occurrence.
    HRESULT put_StartTime(DATE v) override {
        if (!Pattern().Set()) return E_FAIL;
        if (s_->Data().kind == ItemKind::Appointment) {
            const DATE start = s_->Data().Date(PIMPR_START, v);
            const std::int64_t timeOfDay = OleMinutes(v) - OleDay(v) * kMinutesPerDay;
            s_->Edit().SetDate(PIMPR_START, OleFromMinutes(OleDay(start) * kMinutesPerDay + timeOfDay));
        }
        if (v >= 1.0) EditPattern().patternStart = OleFromDay(OleDay(v));
        return S_OK;
    }
    HRESULT put_EndTime(DATE v) override {
        if (!Pattern().Set() || s_->Data().kind != ItemKind::Appointment) return E_FAIL;
        const DATE start = ItemStart();
        std::int64_t minutes = (OleMinutes(v) - OleDay(v) * kMinutesPerDay) - (OleMinutes(start) - OleDay(start) * kMinutesPerDay);
        if (minutes < 0) minutes += kMinutesPerDay;
        s_->Edit().SetInt(PIMPR_DURATION, minutes);
        return S_OK;
    }
    HRESULT put_PatternStartDate(DATE v) override { return Put([&] { EditPattern().patternStart = OleFromDay(OleDay(v)); }); }
    HRESULT put_PatternEndDate(DATE v) override {
        return Put([&] {
            RecurrenceData& r = EditPattern();
            r.patternEnd = OleFromDay(OleDay(v));
            r.noEndDate = false;
            r.occurrences = 0;
        });
    }
    HRESULT put_Duration(LONG v) override {
        if (v < 0) return E_INVALIDARG;
        return Put([&] { s_->Edit().SetInt(PIMPR_DURATION, v); });
    }
    HRESULT put_Occurrences(LONG v) override {
        if (v < 1) return E_INVALIDARG;
        return Put([&] {
            RecurrenceData& r = EditPattern();
            r.occurrences = v;
            r.noEndDate = false;
        });
    }
    HRESULT put_Interval(LONG v) override {
        if (v < 1) return E_INVALIDARG;
        return Put([&] { EditPattern().interval = v; });
    }
    HRESULT put_DayOfWeekMask(LONG v) override {
        if (v < 0 || v > 127) return E_INVALIDARG;
        return Put([&] { EditPattern().dayOfWeekMask = v; });
    }
    HRESULT put_DayOfMonth(LONG v) override {
        if (v < 1 || v > 31) return E_INVALIDARG;
        return Put([&] { EditPattern().dayOfMonth = v; });
    }
    HRESULT put_Instance(LONG v) override {
        if (v < 1 || v > 5) return E_INVALIDARG;
        return Put([&] { EditPattern().instance = v; });
    }
    HRESULT put_MonthOfYear(LONG v) override {
        if (v < 1 || v > 12) return E_INVALIDARG;
        return Put([&] { EditPattern().monthOfYear = v; });
    }
    HRESULT put_NoEndDate(VARIANT_BOOL v) override {
        return Put([&] {
            RecurrenceData& r = EditPattern();
            r.noEndDate = v != 0;
            if (r.noEndDate) r.occurrences = 0;
        });
    }

    HRESULT GetOccurrence(DATE date, IAppointment** occurrence) override {
        if (!occurrence) return E_POINTER;
        *occurrence = nullptr;
        if (const HRESULT injected = InjectedFailure("IRecurrencePattern::GetOccurrence"); FAILED(injected))
            return injected;
        if (s_->Data().kind != ItemKind::Appointment || s_->Data().oid == 0 || s_->deleted) return E_FAIL;
        // The stored series, so that unsaved edits of this object do not invent occurrences.
        std::optional<ItemData> series = s_->store->Load(s_->Data().oid);
        if (!series || !series->recurrence.Set()) return E_FAIL;
        const std::optional<Occurrence> found = OccurrenceOnDay(*series, OleDay(date));
        if (!found) return E_FAIL;
        auto state = std::make_shared<ItemState>();
        state->store = s_->store;
        state->app = s_->app;
        ExceptionData e = found->exception ? *found->exception : ExceptionData{};
        e.originalDay = found->originalDay;
        e.start = found->start;
        e.duration = found->duration;
        state->SetData(std::move(*series));
        state->occurrence = e;
        *occurrence = static_cast<IAppointment*>(NewItemObject(std::move(state)));
        return S_OK;
    }

private:
    const RecurrenceData& Pattern() const { return s_->Data().recurrence; }
    RecurrenceData& EditPattern() { return s_->Edit().recurrence; }
    DATE ItemStart() const {
        const ItemData& d = s_->Data();
        if (d.kind == ItemKind::Appointment) return d.Date(PIMPR_START, OleNow());
        const DATE due = d.Date(PIMPR_DUE_DATE);
        const DATE start = d.Date(PIMPR_START_DATE);
        return !IsNoDate(start) ? start : !IsNoDate(due) ? due : OleNow();
    }
    LONG Duration() const { return static_cast<LONG>(s_->Data().Int(PIMPR_DURATION, 0)); }
    template <class T>
    static HRESULT Get(T* out, T value) {
        if (!out) return E_POINTER;
        *out = value;
        return S_OK;
    }
    static HRESULT GetDate(DATE* out, DATE value) { return Get(out, value); }
    template <class F>
    HRESULT Put(F change) {
        if (!Pattern().Set() || s_->occurrence) return E_FAIL;
        change();
        return S_OK;
    }

    std::shared_ptr<ItemState> s_;
};

}  // namespace

IRecurrencePattern* NewRecurrencePattern(std::shared_ptr<ItemState> state) {
    return new RecurrencePattern(std::move(state));
}

}  // namespace platform::pim
