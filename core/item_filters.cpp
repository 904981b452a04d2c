// Visibility tests before the category filter, the calendar folder and the phone-field test.
#include "core/item_filters.h"

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/poom_session.h"
#include "core/theme_words.h"

namespace {

// Sensitivity 1 and above (personal, private, confidential) counts as private.
constexpr LONG kFirstPrivateSensitivity = 1;

// The default fields that dial: the telephone numbers and "Call Contact".
constexpr LONG kPhoneFields[] = {0, 1, 2, 3, 6, 7, 9, 10, 11};

}  // namespace

BOOL AddApptUnlessHidden(const ApptRecord& record) {
    if (g_Settings.hidePrivate && record.sensitivity >= kFirstPrivateSensitivity) return FALSE;
    return ApptPassCatFilter(record) ? TRUE : FALSE;
}

BOOL TskIsShown(const TskRecord& task, LONG filterKind) {
    if (g_Settings.hideComplete && task.complete) return FALSE;
    if (g_Settings.hidePrivate && task.sensitivity >= kFirstPrivateSensitivity) return FALSE;
    return TskPassCatFilter(task, filterKind) ? TRUE : FALSE;
}

bool IsMonthLoadOn() { return true; }

IPOutlookItemCollection* GetCalendarFolder(IPOutlookApp* app) {
    if (!app) return nullptr;
    PoomPtr<IFolder> folder;
    if (FAILED(app->GetDefaultFolder(kPoomFolderCalendar, folder.Out())) || !folder) return nullptr;
    PoomPtr<IPOutlookItemCollection> items;
    if (FAILED(folder->get_Items(items.Out())) || !items) return nullptr;
    if (FAILED(items->put_IncludeRecurrences(VARIANT_FALSE))) return nullptr;
    return items.Detach();
}

COLORREF GetThemeColor5() { return static_cast<COLORREF>(GetThemeWord(kThemeTitleSecondary)); }

bool IsPhoneCtsField(LONG field) {
    for (const LONG phone : kPhoneFields)
        if (phone == field) return true;
    return false;
}
