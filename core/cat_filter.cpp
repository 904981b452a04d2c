// The category filter's switches and pass tests. The marks live in the category records; which
// view is on screen decides both the switch and, without the shared filter, the kind of mark.
#include "core/cat_filter.h"

#include <array>
#include <functional>

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/view_id.h"

namespace {

struct ViewFilter {
    LONG view;
    LONG AppSettings::*filterOn;
    LONG kind;
};

// Every other view (the calendar views) uses the schedule switch and the calendar marks.
constexpr std::array<ViewFilter, 4> kViewFilters = {{
    {kViewTasks, &AppSettings::taskFilterOn, kCatKindTasks},
    {kViewContacts, &AppSettings::contactFilterOn, kCatKindContacts},
    {kViewNotes, &AppSettings::notesFilterOn, kCatKindNotes},
    {kViewWallet, &AppSettings::walletFilterOn, kCatKindWallet},
}};
constexpr ViewFilter kScheduleFilter = {-1, &AppSettings::scheduleFilterOn, kCatKindCalendar};

const ViewFilter& CurrentViewFilter() {
    for (const ViewFilter& entry : kViewFilters) {
        if (entry.view == ViewId) return entry;
    }
    return kScheduleFilter;
}

BOOL PassCatFilter(const StrArray& categories, LONG kind, const std::function<bool(std::u16string_view)>& holds) {
    if (!GetViewCatFilter()) return 1;
    if (categories.IsEmpty()) return 0;
    const bool shared = SharedFilter();
    for (const CatRecord& category : g_CatList) {
        if (CatGetKindValue(category, shared, kind) != 0 && holds(category.name)) return 1;
    }
    return 0;
}

}  // namespace

bool SharedFilter() { return g_Settings.globalFilter != 0; }

bool GetViewCatFilter() {
    if (SharedFilter()) return g_Settings.globalFilterOn != 0;
    return g_Settings.*CurrentViewFilter().filterOn != 0;
}

LONG GetCatFilterKind() { return SharedFilter() ? kCatKindShared : CurrentViewFilter().kind; }

void SetViewCatFilter(bool on) {
    if (SharedFilter()) g_Settings.globalFilterOn = on ? 1 : 0;
    g_Settings.*CurrentViewFilter().filterOn = on ? 1 : 0;
}

BOOL CtsPassCatFilter(const CtsRecord& contact, LONG kind) {
    return PassCatFilter(contact.categories, kind,
                         [&contact](std::u16string_view name) { return StrArrHasNoCase(contact.categories, name); });
}

BOOL TskPassCatFilter(const TskRecord& task, LONG kind) {
    return PassCatFilter(task.categories, kind, [&task](std::u16string_view name) { return TskHasCategory(task, name); });
}

BOOL ApptPassCatFilter(const ApptRecord& appt) {
    return PassCatFilter(appt.categories, kCatKindCalendar,
                         [&appt](std::u16string_view name) { return ApptHasCat(appt, name); });
}
