// Properties, saving, deleting and copying of appointments, tasks and contacts.
#include "pim/item_core.h"

#include <algorithm>
#include <limits>

#include "pim/bstr_util.h"
#include "pim/fail_points.h"
#include "pim/item_fields.h"
#include "pim/ole_date.h"
#include "pim/prop_buffer.h"
#include "pim/recurrence.h"
#include "platform/files.h"

namespace platform::pim {
namespace {

bool IsOccurrenceField(CEPROPID id) {
    return id == PIMPR_SUBJECT || id == PIMPR_LOCATION || id == PIMPR_BODY_TEXT || id == PIMPR_START ||
           id == PIMPR_DURATION;
}

// A file-as name from the names when none was given: "Last, First", else the company.
std::u16string DefaultFileAs(const ItemData& contact) {
    const std::u16string first = contact.Text(PIMPR_FIRST_NAME);
    const std::u16string last = contact.Text(PIMPR_LAST_NAME);
    if (!last.empty() && !first.empty()) return last + u", " + first;
    if (!last.empty() || !first.empty()) return last + first;
    return contact.Text(PIMPR_COMPANY_NAME);
}

void ShiftDate(ItemData& item, CEPROPID id, std::int64_t days) {
    const DATE d = item.Date(id);
    if (!IsNoDate(d)) item.SetDate(id, d + static_cast<double>(days));
}

struct FieldRange {
    CEPROPID id;
    NumberRange range;
};
constexpr std::int64_t kMaxMinutes = 0x7FFFFFFF;  // kept in 32 bits
constexpr FieldRange kNumberRanges[] = {
    {PIMPR_DURATION, {0, kMaxMinutes}},
    {PIMPR_ALL_DAY_EVENT, {0, 1}},
    {PIMPR_BUSY_STATUS, {olFree, olOutOfOffice}},
    {PIMPR_SENSITIVITY, {olNormal, olConfidential}},
    {PIMPR_IMPORTANCE, {olImportanceLow, olImportanceHigh}},
    {PIMPR_COMPLETE, {0, 1}},
};
constexpr CEPROPID kDateFields[] = {PIMPR_START,     PIMPR_START_DATE, PIMPR_DUE_DATE,     PIMPR_DATE_COMPLETED,
                                    PIMPR_BIRTHDAY, PIMPR_ANNIVERSARY, PIMPR_REMINDER_TIME};
constexpr double kFirstDate = -109205.0;  // 1 January 1601, where file times begin

HRESULT ValidateForSave(const ItemData& d) {
    switch (d.kind) {
    case ItemKind::Appointment: {
        if (d.Int(PIMPR_DURATION, 0) < 0) return E_INVALIDARG;
        if (d.Int(PIMPR_REMINDER_SET, 0) == 0) return S_OK;
        const std::int64_t minutes = d.Int(PIMPR_REMINDER_MINUTES_BEFORE_START, 0);
        if (minutes < 0) return E_POOM_INVALID_REMINDER;
        if (d.recurrence.Set()) {
            const auto gap = ShortestGapMinutes(d.recurrence);
            if (gap && minutes >= *gap) return E_POOM_INVALID_REMINDER;
        }
        return S_OK;
    }
    case ItemKind::Task: {
        const DATE start = d.Date(PIMPR_START_DATE);
        const DATE due = d.Date(PIMPR_DUE_DATE);
        if (!IsNoDate(start) && (IsNoDate(due) || OleDay(start) > OleDay(due))) return E_POOM_INVALID_DATES;
        if (d.Int(PIMPR_REMINDER_SET, 0) != 0 && IsNoDate(d.Date(PIMPR_REMINDER_TIME))) return E_POOM_INVALID_REMINDER;
        return S_OK;
    }
    case ItemKind::Contact: return S_OK;
    }
    return S_OK;
}

// What the store derives on every save.
void DeriveForSave(ItemData& d) {
    if (d.kind == ItemKind::Contact && d.Text(PIMPR_FILEAS).empty()) d.SetText(PIMPR_FILEAS, DefaultFileAs(d));
    if (d.kind == ItemKind::Task) {
        if (d.Int(PIMPR_COMPLETE, 0) == 0) d.SetDate(PIMPR_DATE_COMPLETED, kNoDate);
        else if (IsNoDate(d.Date(PIMPR_DATE_COMPLETED))) d.SetDate(PIMPR_DATE_COMPLETED, OleFromDay(OleDay(OleNow())));
    }
}

}  // namespace

std::optional<NumberRange> NumberRangeOf(CEPROPID id) {
    for (const FieldRange& f : kNumberRanges)
        if (f.id == id) return f.range;
    return std::nullopt;
}

bool DateInRange(DATE date) { return date == kNoDate || (date >= kFirstDate && date < kNoDate); }

std::optional<CEPROPID> FieldOutOfRange(const ItemData& item) {
    for (const FieldRange& f : kNumberRanges) {
        if (!item.Has(f.id)) continue;
        const std::int64_t value = item.Int(f.id, 0);
        if (value < f.range.low || value > f.range.high) return f.id;
    }
    for (const CEPROPID id : kDateFields)
        if (item.Has(id) && !DateInRange(item.Date(id))) return id;
    return std::nullopt;
}

HRESULT PrepareForSave(ItemData& d) {
    if (FieldOutOfRange(d)) return E_INVALIDARG;
    if (const HRESULT invalid = ValidateForSave(d); FAILED(invalid)) return invalid;
    DeriveForSave(d);
    return S_OK;
}

HRESULT ItemCore::GetText(CEPROPID id, BSTR* out) const {
    if (s_->occurrence) {
        const ExceptionData& e = *s_->occurrence;
        if (id == PIMPR_SUBJECT && e.subject) return ReturnText(*e.subject, out);
        if (id == PIMPR_LOCATION && e.location) return ReturnText(*e.location, out);
        if (id == PIMPR_BODY_TEXT && e.body) return ReturnText(*e.body, out);
    }
    return ReturnText(s_->Data().Text(id), out);
}

HRESULT ItemCore::PutText(CEPROPID id, LPCWSTR text) {
    if (s_->deleted) return E_FAIL;
    if (s_->occurrence && IsOccurrenceField(id)) {
        ExceptionData& e = *s_->occurrence;
        (id == PIMPR_SUBJECT ? e.subject : id == PIMPR_LOCATION ? e.location : e.body) = TextOf(text);
        return S_OK;
    }
    s_->Edit().SetText(id, TextOf(text));
    return S_OK;
}

HRESULT ItemCore::GetDate(CEPROPID id, DATE* out) const {
    if (!out) return E_POINTER;
    if (s_->occurrence && (id == PIMPR_START || id == PIMPR_END)) {
        const ExceptionData& e = *s_->occurrence;
        *out = id == PIMPR_START ? e.start : OleFromMinutes(OleMinutes(e.start) + e.duration);
        return S_OK;
    }
    if (id == PIMPR_END) {
        *out = std::get<double>(FieldValue(s_->Data(), PIMPR_END));
        return S_OK;
    }
    *out = s_->Data().Date(id, kNoDate);
    return S_OK;
}

HRESULT ItemCore::PutDate(CEPROPID id, DATE date) {
    if (s_->deleted) return E_FAIL;
    if (!(date > -657434.0 && date <= kNoDate + 1)) return E_INVALIDARG;
    if (id == PIMPR_END) {
        DATE start = 0;
        GetDate(PIMPR_START, &start);
        const std::int64_t minutes = OleMinutes(date) - OleMinutes(start);
        if (minutes < 0) return E_INVALIDARG;
        return PutLong(PIMPR_DURATION, static_cast<LONG>(minutes));
    }
    if (s_->occurrence && id == PIMPR_START) {
        s_->occurrence->start = date;
        return S_OK;
    }
    s_->Edit().SetDate(id, date);
    return S_OK;
}

HRESULT ItemCore::GetLong(CEPROPID id, LONG* out) const {
    if (!out) return E_POINTER;
    if (s_->occurrence && id == PIMPR_DURATION) {
        *out = s_->occurrence->duration;
        return S_OK;
    }
    // Another program may have stored more than 32 bits: the nearest value, never a wrapped one.
    *out = static_cast<LONG>(std::clamp<std::int64_t>(s_->Data().Int(id, 0), std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
    return S_OK;
}

HRESULT ItemCore::PutLong(CEPROPID id, LONG value) {
    if (s_->deleted) return E_FAIL;
    if (id == PIMPR_DURATION && value < 0) return E_INVALIDARG;
    if (s_->occurrence && id == PIMPR_DURATION) {
        s_->occurrence->duration = value;
        return S_OK;
    }
    s_->Edit().SetInt(id, value);
    return S_OK;
}

HRESULT ItemCore::GetBool(CEPROPID id, VARIANT_BOOL* out) const {
    if (!out) return E_POINTER;
    *out = s_->Data().Int(id, 0) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ItemCore::PutBool(CEPROPID id, VARIANT_BOOL value) {
    if (s_->deleted) return E_FAIL;
    s_->Edit().SetInt(id, value != 0 ? 1 : 0);
    return S_OK;
}

HRESULT ItemCore::GetCategories(BSTR* out) const { return ReturnText(JoinCategories(s_->Data().categories), out); }

HRESULT ItemCore::PutCategories(LPCWSTR text) {
    if (s_->deleted) return E_FAIL;
    s_->Edit().categories = SplitCategories(TextOf(text));
    return S_OK;
}

HRESULT ItemCore::GetOid(LONG* out) const {
    if (!out) return E_POINTER;
    *out = static_cast<LONG>(s_->Data().oid);
    return s_->Data().oid != 0 ? S_OK : E_FAIL;
}

HRESULT ItemCore::GetOid(CEOID* out) const {
    if (!out) return E_POINTER;
    *out = s_->Data().oid;
    return s_->Data().oid != 0 ? S_OK : E_FAIL;
}

HRESULT ItemCore::GetApplication(IPOutlookApp** app) const {
    if (!app) return E_POINTER;
    *app = s_->app.Get();
    if (*app) (*app)->AddRef();
    return *app ? S_OK : E_FAIL;
}

HRESULT ItemCore::GetIsRecurring(VARIANT_BOOL* out) const {
    if (!out) return E_POINTER;
    *out = s_->occurrence || s_->Data().recurrence.Set() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ItemCore::ClearPattern() {
    if (s_->deleted || s_->occurrence) return E_FAIL;
    ItemData& d = s_->Edit();
    d.recurrence = RecurrenceData{};
    d.exceptions.clear();
    return S_OK;
}

HRESULT ItemCore::GetPattern(IRecurrencePattern** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (const HRESULT injected = InjectedFailure("GetRecurrencePattern"); FAILED(injected)) return injected;
    if (s_->Data().kind == ItemKind::Contact) return E_FAIL;
    *out = NewRecurrencePattern(s_);
    return S_OK;
}

HRESULT ItemCore::SaveCompletedRecurringTask() {
    ItemData done = s_->Data();
    ItemData next = s_->Data();
    const DATE due = done.Date(PIMPR_DUE_DATE);
    const DATE start = done.Date(PIMPR_START_DATE);
    const std::int64_t anchor = !IsNoDate(due) ? OleDay(due) : !IsNoDate(start) ? OleDay(start) : OleDay(OleNow());
    const std::optional<std::int64_t> nextDay = NextPatternDay(done.recurrence, anchor);
    done.recurrence = RecurrenceData{};
    done.exceptions.clear();
    if (IsNoDate(done.Date(PIMPR_DATE_COMPLETED))) done.SetDate(PIMPR_DATE_COMPLETED, OleFromDay(OleDay(OleNow())));
    Store& store = *s_->store;
    if (!nextDay) {
        const HRESULT hr = store.Save(done);
        if (SUCCEEDED(hr)) s_->SetData(std::move(done));
        return hr;
    }
    const std::int64_t shift = *nextDay - anchor;
    next.oid = 0;
    next.SetInt(PIMPR_COMPLETE, 0);
    next.SetDate(PIMPR_DATE_COMPLETED, kNoDate);
    ShiftDate(next, PIMPR_DUE_DATE, shift);
    ShiftDate(next, PIMPR_START_DATE, shift);
    ShiftDate(next, PIMPR_REMINDER_TIME, shift);
    HRESULT hr = S_OK;
    // The completed task is saved first, then its next occurrence is created, as one change.
    const bool ok = store.InTransaction([&] {
        hr = store.Save(done);
        if (SUCCEEDED(hr)) hr = store.Save(next);
        return SUCCEEDED(hr);
    });
    if (!ok) return FAILED(hr) ? hr : E_FAIL;
    s_->SetData(std::move(done));
    return S_OK;
}

HRESULT ItemCore::SaveItem(const char* member) {
    if (const HRESULT injected = InjectedFailure(member); FAILED(injected)) return injected;
    if (s_->deleted) return E_FAIL;
    ItemData& d = s_->Edit();
    if (s_->occurrence) {
        // One changed occurrence: kept with its series.
        ExceptionData e = *s_->occurrence;
        std::erase_if(d.exceptions, [&](const ExceptionData& x) { return x.originalDay == e.originalDay; });
        d.exceptions.push_back(e);
        return s_->store->Save(d);
    }
    if (const HRESULT invalid = ValidateForSave(d); FAILED(invalid)) return invalid;
    if (d.kind == ItemKind::Task && d.oid != 0 && d.recurrence.Set() && d.Int(PIMPR_COMPLETE, 0) != 0) {
        const auto stored = s_->store->Load(d.oid);
        if (stored && stored->Int(PIMPR_COMPLETE, 0) == 0) return SaveCompletedRecurringTask();
    }
    // The ranges are not checked here: an item another program stored out of range stays editable.
    DeriveForSave(d);
    return s_->store->Save(d);
}

HRESULT ItemCore::DeleteItem(const char* member) {
    if (const HRESULT injected = InjectedFailure(member); FAILED(injected)) return injected;
    if (s_->deleted || s_->Data().oid == 0) return E_FAIL;
    if (s_->occurrence) {
        ExceptionData e = *s_->occurrence;
        e.deleted = true;
        ItemData& d = s_->Edit();
        std::erase_if(d.exceptions, [&](const ExceptionData& x) { return x.originalDay == e.originalDay; });
        d.exceptions.push_back(e);
        const HRESULT hr = s_->store->Save(d);
        if (SUCCEEDED(hr)) s_->deleted = true;
        return hr;
    }
    const HRESULT hr = s_->store->Delete(s_->Data().oid);
    if (SUCCEEDED(hr)) s_->deleted = true;
    return hr;
}

HRESULT ItemCore::CopyItem(IDispatch** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    if (s_->deleted) return E_FAIL;
    auto state = std::make_shared<ItemState>();
    state->store = s_->store;
    state->app = s_->app;
    state->SetData(s_->Data());
    state->Edit().oid = 0;
    if (const HRESULT hr = state->store->Save(state->Edit()); FAILED(hr)) return hr;
    *copy = NewItemObject(std::move(state));
    return S_OK;
}

HRESULT ItemCore::GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values, ULONG* bytes,
                           HANDLE heap) {
    if (const HRESULT injected = InjectedFailure("IItem::GetProps"); FAILED(injected)) return injected;
    if (!ids || !values || !bytes) return E_POINTER;
    const ItemData& d = s_->Data();
    std::vector<PropOut> out;
    for (WORD i = 0; i < count; ++i) {
        PropOut p{ids[i], std::nullopt};
        const bool computed = ids[i] == PIMPR_OID || ids[i] == PIMPR_CATEGORIES || ids[i] == PIMPR_IS_RECURRING ||
                              (ids[i] == PIMPR_END && d.kind == ItemKind::Appointment);
        if (computed || d.Has(ids[i])) p.value = FieldValue(d, ids[i]);
        out.push_back(std::move(p));
    }
    DWORD size = *bytes;
    BYTE* buffer = reinterpret_cast<BYTE*>(*values);
    const HRESULT hr = WritePropBuffer(out, flags, &buffer, &size, heap);
    *values = reinterpret_cast<CEPROPVAL*>(buffer);
    *bytes = size;
    return hr;
}

HRESULT ItemCore::SetProps(ULONG, WORD count, CEPROPVAL* values) {
    if (const HRESULT injected = InjectedFailure("IItem::SetProps"); FAILED(injected)) return injected;
    if (s_->deleted) return E_FAIL;
    if (count > 0 && !values) return E_POINTER;
    ItemData& d = s_->Edit();
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& v = values[i];
        if (v.propid == PIMPR_OID || v.propid == PIMPR_IS_RECURRING) continue;
        if (v.wFlags & CEDB_PROPDELETE) {
            if (v.propid == PIMPR_CATEGORIES) d.categories.clear();
            d.props.erase(v.propid);
            continue;
        }
        std::optional<PropValue> value = ReadPropVal(v);
        if (!value) return E_INVALIDARG;
        if (v.propid == PIMPR_CATEGORIES) {
            d.categories = SplitCategories(std::get<std::u16string>(*value));
        } else if (auto* text = std::get_if<std::u16string>(&*value)) {
            d.SetText(v.propid, std::move(*text));
        } else {
            d.props[v.propid] = std::move(*value);
        }
    }
    return S_OK;
}

HRESULT ItemCore::OpenProperty(CEPROPID id, DWORD mode, IStream** stream) {
    if (!stream) return E_POINTER;
    *stream = nullptr;
    if (const HRESULT injected = InjectedFailure("IItem::OpenProperty"); FAILED(injected)) return injected;
    if (TypeFromPropID(id) != CEVT_STREAM && TypeFromPropID(id) != CEVT_BLOB) return E_INVALIDARG;
    if (s_->deleted) return E_FAIL;
    *stream = NewPropertyStream(s_, id, (mode & GENERIC_WRITE) != 0);
    return S_OK;
}

}  // namespace platform::pim
