// The named properties of appointments, tasks and contacts.
#include "pim/item_fields.h"

#include <cmath>

#include "pim/ole_date.h"
#include "platform/text.h"

namespace platform::pim {
namespace {

constexpr LONG kDefaultDurationMinutes = 60;
constexpr LONG kDefaultReminderMinutes = 15;

constexpr FieldInfo kFields[] = {
    {u"Subject", PIMPR_SUBJECT, KindMask::AppointmentTask},
    {u"Sensitivity", PIMPR_SENSITIVITY, KindMask::AppointmentTask},
    {u"ReminderSet", PIMPR_REMINDER_SET, KindMask::AppointmentTask},
    {u"Body", PIMPR_BODY_TEXT, KindMask::All},
    {u"Categories", PIMPR_CATEGORIES, KindMask::All},
    {u"Oid", PIMPR_OID, KindMask::All},
    {u"IsRecurring", PIMPR_IS_RECURRING, KindMask::AppointmentTask},
    {u"Location", PIMPR_LOCATION, KindMask::Appointment},
    {u"Start", PIMPR_START, KindMask::Appointment},
    {u"End", PIMPR_END, KindMask::Appointment},
    {u"Duration", PIMPR_DURATION, KindMask::Appointment},
    {u"AllDayEvent", PIMPR_ALL_DAY_EVENT, KindMask::Appointment},
    {u"BusyStatus", PIMPR_BUSY_STATUS, KindMask::Appointment},
    {u"MeetingStatus", PIMPR_MEETING_STATUS, KindMask::Appointment},
    {u"ReminderMinutesBeforeStart", PIMPR_REMINDER_MINUTES_BEFORE_START, KindMask::Appointment},
    {u"StartDate", PIMPR_START_DATE, KindMask::Task},
    {u"DueDate", PIMPR_DUE_DATE, KindMask::Task},
    {u"DateCompleted", PIMPR_DATE_COMPLETED, KindMask::Task},
    {u"Complete", PIMPR_COMPLETE, KindMask::Task},
    {u"Importance", PIMPR_IMPORTANCE, KindMask::Task},
    {u"ReminderTime", PIMPR_REMINDER_TIME, KindMask::Task},
    {u"FileAs", PIMPR_FILEAS, KindMask::Contact},
    {u"Title", PIMPR_TITLE, KindMask::Contact},
    {u"FirstName", PIMPR_FIRST_NAME, KindMask::Contact},
    {u"MiddleName", PIMPR_MIDDLE_NAME, KindMask::Contact},
    {u"LastName", PIMPR_LAST_NAME, KindMask::Contact},
    {u"Suffix", PIMPR_SUFFIX, KindMask::Contact},
    {u"JobTitle", PIMPR_JOB_TITLE, KindMask::Contact},
    {u"CompanyName", PIMPR_COMPANY_NAME, KindMask::Contact},
    {u"Department", PIMPR_DEPARTMENT, KindMask::Contact},
    {u"Email1Address", PIMPR_EMAIL1_ADDRESS, KindMask::Contact},
    {u"Email2Address", PIMPR_EMAIL2_ADDRESS, KindMask::Contact},
    {u"Email3Address", PIMPR_EMAIL3_ADDRESS, KindMask::Contact},
    {u"MobileTelephoneNumber", PIMPR_MOBILE_TELEPHONE_NUMBER, KindMask::Contact},
    {u"BusinessTelephoneNumber", PIMPR_BUSINESS_TELEPHONE_NUMBER, KindMask::Contact},
    {u"Business2TelephoneNumber", PIMPR_BUSINESS2_TELEPHONE_NUMBER, KindMask::Contact},
    {u"HomeTelephoneNumber", PIMPR_HOME_TELEPHONE_NUMBER, KindMask::Contact},
    {u"Home2TelephoneNumber", PIMPR_HOME2_TELEPHONE_NUMBER, KindMask::Contact},
    {u"PagerNumber", PIMPR_PAGER_NUMBER, KindMask::Contact},
    {u"CarTelephoneNumber", PIMPR_CAR_TELEPHONE_NUMBER, KindMask::Contact},
    {u"RadioTelephoneNumber", PIMPR_RADIO_TELEPHONE_NUMBER, KindMask::Contact},
    {u"AssistantTelephoneNumber", PIMPR_ASSISTANT_TELEPHONE_NUMBER, KindMask::Contact},
    {u"WebPage", PIMPR_WEB_PAGE, KindMask::Contact},
    {u"Birthday", PIMPR_BIRTHDAY, KindMask::Contact},
    {u"Anniversary", PIMPR_ANNIVERSARY, KindMask::Contact},
    {u"SmartProperty", PIMPR_SMARTPROP, KindMask::Contact},
    {u"Picture", PIMPR_PICTURE, KindMask::Contact},
};

}  // namespace

bool KindHas(KindMask mask, ItemKind kind) {
    const unsigned bit = kind == ItemKind::Appointment ? 1u : kind == ItemKind::Contact ? 2u : 4u;
    return (static_cast<unsigned>(mask) & bit) != 0;
}

const FieldInfo* FindField(std::u16string_view name, ItemKind kind) {
    for (const FieldInfo& f : kFields)
        if (KindHas(f.kinds, kind) && EqualNoCase(f.name, name)) return &f;
    return nullptr;
}

const FieldInfo* FindFieldById(CEPROPID id, ItemKind kind) {
    for (const FieldInfo& f : kFields)
        if (KindHas(f.kinds, kind) && f.id == id) return &f;
    return nullptr;
}

PropValue FieldValue(const ItemData& item, CEPROPID id, std::optional<DATE> start, std::optional<LONG> duration) {
    switch (id) {
    case PIMPR_OID: return static_cast<std::int64_t>(item.oid);
    case PIMPR_CATEGORIES: return JoinCategories(item.categories);
    case PIMPR_IS_RECURRING: return std::int64_t{item.recurrence.Set() ? 1 : 0};
    case PIMPR_START:
        if (start) return *start;
        break;
    case PIMPR_DURATION:
        if (duration) return std::int64_t{*duration};
        break;
    case PIMPR_END: {
        const DATE s = start.value_or(item.Date(PIMPR_START, 0));
        const LONG d = duration.value_or(static_cast<LONG>(item.Int(PIMPR_DURATION, 0)));
        return OleFromMinutes(OleMinutes(s) + d);
    }
    default: break;
    }
    const auto it = item.props.find(id);
    if (it != item.props.end()) return it->second;
    if (PropType(id) == CEVT_LPWSTR) return std::u16string{};
    if (PropType(id) == CEVT_FILETIME) return kNoDate;
    return std::int64_t{0};
}

ItemData NewItem(ItemKind kind) {
    ItemData item;
    item.kind = kind;
    switch (kind) {
    case ItemKind::Appointment: {
        // The next full hour, for one hour, with the usual reminder.
        const std::int64_t now = OleMinutes(OleNow());
        const std::int64_t nextHour = (now / 60 + 1) * 60;
        item.SetDate(PIMPR_START, OleFromMinutes(nextHour));
        item.SetInt(PIMPR_DURATION, kDefaultDurationMinutes);
        item.SetInt(PIMPR_ALL_DAY_EVENT, 0);
        item.SetInt(PIMPR_BUSY_STATUS, olBusy);
        item.SetInt(PIMPR_SENSITIVITY, olNormal);
        item.SetInt(PIMPR_MEETING_STATUS, olNonMeeting);
        item.SetInt(PIMPR_REMINDER_SET, 1);
        item.SetInt(PIMPR_REMINDER_MINUTES_BEFORE_START, kDefaultReminderMinutes);
        break;
    }
    case ItemKind::Task:
        item.SetDate(PIMPR_START_DATE, kNoDate);
        item.SetDate(PIMPR_DUE_DATE, kNoDate);
        item.SetDate(PIMPR_DATE_COMPLETED, kNoDate);
        item.SetInt(PIMPR_COMPLETE, 0);
        item.SetInt(PIMPR_IMPORTANCE, olImportanceNormal);
        item.SetInt(PIMPR_SENSITIVITY, olNormal);
        item.SetInt(PIMPR_REMINDER_SET, 0);
        item.SetDate(PIMPR_REMINDER_TIME, kNoDate);
        break;
    case ItemKind::Contact:
        item.SetDate(PIMPR_BIRTHDAY, kNoDate);
        item.SetDate(PIMPR_ANNIVERSARY, kNoDate);
        break;
    }
    return item;
}

}  // namespace platform::pim
