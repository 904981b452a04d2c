// The occurrence of a recurring appointment on one day, which the editors fetch to change that
// occurrence alone.
#include "core/appt_occurrence.h"

#include "core/poom_session.h"
#include "core/show_message.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

constexpr char16_t kNoPatternText[] = u"Error: Get Recur Pattern";
constexpr char16_t kOccurrenceErrorFormat[] = u"Error: Recur Main Error(%d)";

}  // namespace

IAppointment* GetOccurrenceOnDate(LONG oid, const DateRec& date) {
    IPOutlookApp2* app = GetPoomApp();
    const PoomPtr<IAppointment> series = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!series) return nullptr;
    PoomPtr<IRecurrencePattern> pattern;
    if (FAILED(series->GetRecurrencePattern(pattern.Out())) || !pattern) {
        ShowMessage(nullptr, kNoPatternText, MB_ICONEXCLAMATION);
        return nullptr;
    }
    const DateRec day(date.wYear, date.wMonth, date.wDay);
    PoomPtr<IAppointment> occurrence;
    const HRESULT hr = pattern->GetOccurrence(DateRecToPoom(app, day), occurrence.Out());
    if (FAILED(hr) || !occurrence) {
        ShowMessage(nullptr, platform::FormatW(kOccurrenceErrorFormat, static_cast<int>(hr)).c_str(), MB_ICONEXCLAMATION);
        return nullptr;
    }
    return occurrence.Detach();
}
