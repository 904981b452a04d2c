// The PIM object model: the application object, folders, item collections, appointments, tasks,
// contacts, recurrence patterns, recipients and item property sets, over the device's PIM store.
// Dates are OLE DATEs (days since 30 December 1899); 949998.0 (1 January 4501) means "no date".
#pragma once

#include "platform/cedb.h"
#include "platform/com.h"

// What the store keeps as "no date".
#define POOM_NO_DATE 949998.0

enum OlDefaultFolders { olFolderCalendar = 9, olFolderContacts = 10, olFolderTasks = 13, olFolderInfrared = 102 };
enum OlItemType { olAppointmentItem = 1, olContactItem = 2, olTaskItem = 3 };
enum OlBusyStatus { olFree = 0, olTentative = 1, olBusy = 2, olOutOfOffice = 3 };
enum OlSensitivity { olNormal = 0, olPersonal = 1, olPrivate = 2, olConfidential = 3 };
enum OlImportance { olImportanceLow = 0, olImportanceNormal = 1, olImportanceHigh = 2 };
enum OlMeetingStatus { olNonMeeting = 0, olMeeting = 1, olMeetingReceived = 3, olMeetingCanceled = 5 };
// A pattern that is not set reads as type -1.
enum OlRecurrenceType {
    olRecursDaily = 0,
    olRecursWeekly = 1,
    olRecursMonthly = 2,
    olRecursMonthNth = 3,
    olRecursYearly = 5,
    olRecursYearNth = 6,
};
enum OlDaysOfWeek {
    olSunday = 1,
    olMonday = 2,
    olTuesday = 4,
    olWednesday = 8,
    olThursday = 16,
    olFriday = 32,
    olSaturday = 64,
};

// Results of Save.
#define E_POOM_INVALID_REMINDER static_cast<HRESULT>(0x80040067)  // reminder not possible for the item
#define E_POOM_INVALID_DATES static_cast<HRESULT>(0x80040068)     // task start without due date, or after it

// Property identifiers: the number in the high word, the CEVT_ type in the low word.
#define PIMPR_OID 0x10000066u
#define PIMPR_FOLDERNOTIFICATIONS 0x10010013u
#define PIMPR_SUBJECT 0x0020001Fu
#define PIMPR_SENSITIVITY 0x00210013u
#define PIMPR_IS_RECURRING 0x0022000Bu
#define PIMPR_REMINDER_SET 0x0028000Bu
#define PIMPR_CATEGORIES 0x101D001Fu
#define PIMPR_BODY_BINARY 0x001E0064u
#define PIMPR_BODY_TEXT 0x101F001Fu
#define PIMPR_RECURRENCE_STREAM 0x203F0064u
// Tasks.
#define PIMPR_IMPORTANCE 0x00600013u
#define PIMPR_TEAM_TASK 0x0061000Bu
#define PIMPR_START_DATE 0x00620040u
#define PIMPR_DUE_DATE 0x00630040u
#define PIMPR_DATE_COMPLETED 0x00640040u
#define PIMPR_COMPLETE 0x0065000Bu
#define PIMPR_REMINDER_TIME 0x00660040u
// Appointments.
#define PIMPR_DURATION 0x00400013u
#define PIMPR_LOCATION 0x0041001Fu
#define PIMPR_START 0x00420040u
#define PIMPR_END 0x00430040u
#define PIMPR_ALL_DAY_EVENT 0x0044000Bu
#define PIMPR_BUSY_STATUS 0x00450013u
#define PIMPR_MEETING_STATUS 0x00460013u
#define PIMPR_REMINDER_MINUTES_BEFORE_START 0x00470013u
// Contacts.
#define PIMPR_FILEAS 0x0080001Fu
#define PIMPR_TITLE 0x0081001Fu
#define PIMPR_FIRST_NAME 0x0082001Fu
#define PIMPR_MIDDLE_NAME 0x0083001Fu
#define PIMPR_LAST_NAME 0x0084001Fu
#define PIMPR_SUFFIX 0x0085001Fu
#define PIMPR_JOB_TITLE 0x0089001Fu
#define PIMPR_COMPANY_NAME 0x008A001Fu
#define PIMPR_DEPARTMENT 0x008B001Fu
#define PIMPR_EMAIL1_ADDRESS 0x0090001Fu
#define PIMPR_EMAIL2_ADDRESS 0x0091001Fu
#define PIMPR_EMAIL3_ADDRESS 0x0092001Fu
#define PIMPR_MOBILE_TELEPHONE_NUMBER 0x0096001Fu
#define PIMPR_BUSINESS_TELEPHONE_NUMBER 0x0097001Fu
#define PIMPR_BUSINESS2_TELEPHONE_NUMBER 0x0098001Fu
#define PIMPR_HOME_TELEPHONE_NUMBER 0x0099001Fu
#define PIMPR_HOME2_TELEPHONE_NUMBER 0x009A001Fu
#define PIMPR_PAGER_NUMBER 0x009D001Fu
#define PIMPR_CAR_TELEPHONE_NUMBER 0x009E001Fu
#define PIMPR_RADIO_TELEPHONE_NUMBER 0x00A0001Fu
#define PIMPR_ASSISTANT_TELEPHONE_NUMBER 0x00A1001Fu
#define PIMPR_WEB_PAGE 0x00A9001Fu
#define PIMPR_BIRTHDAY 0x00F00040u
#define PIMPR_ANNIVERSARY 0x00F10040u
#define PIMPR_SMARTPROP 0x00F80013u
#define PIMPR_PICTURE 0x00FF0064u

// Values of PIMPR_FOLDERNOTIFICATIONS.
#define PIMFOLDERNOTIFICATION_LOCAL 0x01
#define PIMFOLDERNOTIFICATION_REMOTE 0x02
#define PIMFOLDERNOTIFICATION_ALL (PIMFOLDERNOTIFICATION_LOCAL | PIMFOLDERNOTIFICATION_REMOTE)

// Posted to the window given to Logon: wParam the item's OID, lParam the folder's identifier.
#define PIM_ITEM_CREATED_LOCAL 0x8100   // WM_APP + 0x100
#define PIM_ITEM_DELETED_LOCAL 0x8101
#define PIM_ITEM_CHANGED_LOCAL 0x8102
#define PIM_ITEM_CREATED_REMOTE 0x8105
#define PIM_ITEM_DELETED_REMOTE 0x8106
#define PIM_ITEM_CHANGED_REMOTE 0x8107

struct IPOutlookApp;
struct IFolder;
struct IPOutlookItemCollection;
struct IAppointment;
struct ITask;
struct IContact;
struct IRecurrencePattern;
struct IRecipients;
struct IRecipient;

// The property set of an item or a folder.
struct IItem : IUnknown {
    // With CEDB_ALLOWREALLOC the buffer is (re)allocated on the heap given; the values follow the
    // requested order, a missing property flagged CEDB_PROPNOTFOUND.
    virtual HRESULT GetProps(const CEPROPID* propIds, ULONG flags, WORD count, CEPROPVAL** values,
                             ULONG* bufferBytes, HANDLE heap) = 0;
    virtual HRESULT SetProps(ULONG flags, WORD count, CEPROPVAL* values) = 0;
    virtual HRESULT get_Oid(CEOID* oid) = 0;
    virtual HRESULT get_DefaultItemType(int* type) = 0;
    virtual HRESULT Save() = 0;
    virtual HRESULT Delete() = 0;
    virtual HRESULT Copy(IItem** copy) = 0;
    virtual HRESULT Display(HWND parent) = 0;
    virtual HRESULT OpenProperty(CEPROPID propId, DWORD mode, IStream** stream) = 0;

protected:
    ~IItem() = default;
};

struct IPOutlookApp : IDispatch {
    virtual HRESULT Logon(LONG_PTR window) = 0;
    virtual HRESULT Logoff() = 0;
    virtual HRESULT get_Version(BSTR* version) = 0;
    virtual HRESULT GetDefaultFolder(int folder, IFolder** out) = 0;
    virtual HRESULT CreateItem(int itemType, IDispatch** item) = 0;
    virtual HRESULT GetItemFromOid(LONG oid, IDispatch** item) = 0;
    virtual HRESULT SysFreeString(BSTR text) = 0;
    virtual HRESULT VariantTimeToSystemTime(DATE date, SYSTEMTIME* time) = 0;
    virtual HRESULT SystemTimeToVariantTime(SYSTEMTIME* time, DATE* date) = 0;

protected:
    ~IPOutlookApp() = default;
};

struct IPOutlookApp2 : IPOutlookApp {
    virtual HRESULT GetItemFromOidEx(LONG oid, DWORD flags, IDispatch** item) = 0;

protected:
    ~IPOutlookApp2() = default;
};

struct IFolder : IDispatch {
    virtual HRESULT get_Items(IPOutlookItemCollection** items) = 0;
    virtual HRESULT get_DefaultItemType(int* type) = 0;
    virtual HRESULT get_Application(IPOutlookApp** app) = 0;
    // Only the infrared folder (olFolderInfrared) takes items to send; the others answer E_NOTIMPL.
    virtual HRESULT AddItemToInfraredFolder(int itemType, IDispatch* item) = 0;
    virtual HRESULT SendToInfrared() = 0;

protected:
    ~IFolder() = default;
};

// Elements are numbered from 1. With IncludeRecurrences set, a Restrict on [Start] gives every
// occurrence in its range as an element of its own (reporting its series' OID), in start order.
struct IPOutlookItemCollection : IDispatch {
    virtual HRESULT Add(IDispatch** item) = 0;
    virtual HRESULT get_Count(int* count) = 0;
    virtual HRESULT Item(int index, IDispatch** item) = 0;
    virtual HRESULT Remove(int index) = 0;
    virtual HRESULT Restrict(LPCWSTR restriction, IPOutlookItemCollection** items) = 0;
    virtual HRESULT Sort(LPCWSTR property, VARIANT_BOOL descending) = 0;
    virtual HRESULT get_IncludeRecurrences(VARIANT_BOOL* include) = 0;
    virtual HRESULT put_IncludeRecurrences(VARIANT_BOOL include) = 0;
    virtual HRESULT get_Application(IPOutlookApp** app) = 0;

protected:
    ~IPOutlookItemCollection() = default;
};

struct IAppointment : IDispatch {
    virtual HRESULT ClearRecurrencePattern() = 0;
    virtual HRESULT GetRecurrencePattern(IRecurrencePattern** pattern) = 0;
    virtual HRESULT get_IsRecurring(VARIANT_BOOL* recurring) = 0;
    virtual HRESULT get_Subject(BSTR* text) = 0;
    virtual HRESULT get_Location(BSTR* text) = 0;
    virtual HRESULT get_Categories(BSTR* text) = 0;
    virtual HRESULT get_Start(DATE* date) = 0;
    virtual HRESULT get_Duration(LONG* minutes) = 0;
    virtual HRESULT get_End(DATE* date) = 0;
    virtual HRESULT get_AllDayEvent(VARIANT_BOOL* allDay) = 0;
    virtual HRESULT get_BusyStatus(LONG* status) = 0;
    virtual HRESULT get_Sensitivity(LONG* sensitivity) = 0;
    virtual HRESULT get_Body(BSTR* text) = 0;
    virtual HRESULT get_Recipients(IRecipients** recipients) = 0;
    virtual HRESULT get_MeetingStatus(LONG* status) = 0;
    virtual HRESULT get_ReminderSet(VARIANT_BOOL* set) = 0;
    virtual HRESULT get_ReminderMinutesBeforeStart(LONG* minutes) = 0;
    virtual HRESULT put_Subject(LPCWSTR text) = 0;
    virtual HRESULT put_Location(LPCWSTR text) = 0;
    virtual HRESULT put_Categories(LPCWSTR text) = 0;
    virtual HRESULT put_Start(DATE date) = 0;
    virtual HRESULT put_Duration(LONG minutes) = 0;
    virtual HRESULT put_End(DATE date) = 0;
    virtual HRESULT put_AllDayEvent(VARIANT_BOOL allDay) = 0;
    virtual HRESULT put_BusyStatus(LONG status) = 0;
    virtual HRESULT put_Sensitivity(LONG sensitivity) = 0;
    virtual HRESULT put_Body(LPCWSTR text) = 0;
    virtual HRESULT put_ReminderSet(VARIANT_BOOL set) = 0;
    virtual HRESULT put_ReminderMinutesBeforeStart(LONG minutes) = 0;
    virtual HRESULT Display() = 0;
    virtual HRESULT Save() = 0;
    virtual HRESULT Send() = 0;
    virtual HRESULT Delete() = 0;
    virtual HRESULT Cancel() = 0;
    virtual HRESULT Copy(IAppointment** copy) = 0;
    virtual HRESULT get_Oid(LONG* oid) = 0;
    virtual HRESULT get_Application(IPOutlookApp** app) = 0;

protected:
    ~IAppointment() = default;
};

struct ITask : IDispatch {
    virtual HRESULT ClearRecurrencePattern() = 0;
    virtual HRESULT GetRecurrencePattern(IRecurrencePattern** pattern) = 0;
    virtual HRESULT get_IsRecurring(VARIANT_BOOL* recurring) = 0;
    virtual HRESULT get_Subject(BSTR* text) = 0;
    virtual HRESULT get_Categories(BSTR* text) = 0;
    virtual HRESULT get_StartDate(DATE* date) = 0;
    virtual HRESULT get_DueDate(DATE* date) = 0;
    virtual HRESULT get_DateCompleted(DATE* date) = 0;
    virtual HRESULT get_Importance(LONG* importance) = 0;
    virtual HRESULT get_Complete(VARIANT_BOOL* complete) = 0;
    virtual HRESULT get_Sensitivity(LONG* sensitivity) = 0;
    virtual HRESULT get_Body(BSTR* text) = 0;
    virtual HRESULT get_ReminderSet(VARIANT_BOOL* set) = 0;
    virtual HRESULT get_ReminderTime(DATE* date) = 0;
    virtual HRESULT put_Subject(LPCWSTR text) = 0;
    virtual HRESULT put_Categories(LPCWSTR text) = 0;
    virtual HRESULT put_StartDate(DATE date) = 0;
    virtual HRESULT put_DueDate(DATE date) = 0;
    virtual HRESULT put_Importance(LONG importance) = 0;
    virtual HRESULT put_Complete(VARIANT_BOOL complete) = 0;
    virtual HRESULT put_Sensitivity(LONG sensitivity) = 0;
    virtual HRESULT put_Body(LPCWSTR text) = 0;
    virtual HRESULT put_ReminderSet(VARIANT_BOOL set) = 0;
    virtual HRESULT put_ReminderTime(DATE date) = 0;
    virtual HRESULT Display() = 0;
    virtual HRESULT Save() = 0;
    virtual HRESULT Delete() = 0;
    virtual HRESULT Copy(ITask** copy) = 0;
    virtual HRESULT get_Oid(LONG* oid) = 0;
    virtual HRESULT get_Application(IPOutlookApp** app) = 0;

protected:
    ~ITask() = default;
};

struct IContact : IDispatch {
    virtual HRESULT get_Birthday(DATE* date) = 0;
    virtual HRESULT get_Anniversary(DATE* date) = 0;
    virtual HRESULT get_FileAs(BSTR* text) = 0;
    virtual HRESULT get_Title(BSTR* text) = 0;
    virtual HRESULT get_FirstName(BSTR* text) = 0;
    virtual HRESULT get_MiddleName(BSTR* text) = 0;
    virtual HRESULT get_LastName(BSTR* text) = 0;
    virtual HRESULT get_Suffix(BSTR* text) = 0;
    virtual HRESULT get_JobTitle(BSTR* text) = 0;
    virtual HRESULT get_CompanyName(BSTR* text) = 0;
    virtual HRESULT get_Department(BSTR* text) = 0;
    virtual HRESULT get_Email1Address(BSTR* text) = 0;
    virtual HRESULT get_Email2Address(BSTR* text) = 0;
    virtual HRESULT get_Email3Address(BSTR* text) = 0;
    virtual HRESULT get_MobileTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_BusinessTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_Business2TelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_HomeTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_Home2TelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_PagerNumber(BSTR* text) = 0;
    virtual HRESULT get_CarTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_RadioTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_AssistantTelephoneNumber(BSTR* text) = 0;
    virtual HRESULT get_WebPage(BSTR* text) = 0;
    virtual HRESULT get_Body(BSTR* text) = 0;
    virtual HRESULT get_Categories(BSTR* text) = 0;
    virtual HRESULT put_Birthday(DATE date) = 0;
    virtual HRESULT put_Anniversary(DATE date) = 0;
    virtual HRESULT put_FileAs(LPCWSTR text) = 0;
    virtual HRESULT put_Title(LPCWSTR text) = 0;
    virtual HRESULT put_FirstName(LPCWSTR text) = 0;
    virtual HRESULT put_MiddleName(LPCWSTR text) = 0;
    virtual HRESULT put_LastName(LPCWSTR text) = 0;
    virtual HRESULT put_Suffix(LPCWSTR text) = 0;
    virtual HRESULT put_JobTitle(LPCWSTR text) = 0;
    virtual HRESULT put_CompanyName(LPCWSTR text) = 0;
    virtual HRESULT put_Department(LPCWSTR text) = 0;
    virtual HRESULT put_Email1Address(LPCWSTR text) = 0;
    virtual HRESULT put_Email2Address(LPCWSTR text) = 0;
    virtual HRESULT put_Email3Address(LPCWSTR text) = 0;
    virtual HRESULT put_MobileTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_BusinessTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_Business2TelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_HomeTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_Home2TelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_PagerNumber(LPCWSTR text) = 0;
    virtual HRESULT put_CarTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_RadioTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_AssistantTelephoneNumber(LPCWSTR text) = 0;
    virtual HRESULT put_WebPage(LPCWSTR text) = 0;
    virtual HRESULT put_Body(LPCWSTR text) = 0;
    virtual HRESULT put_Categories(LPCWSTR text) = 0;
    virtual HRESULT Display() = 0;
    virtual HRESULT Save() = 0;
    virtual HRESULT Delete() = 0;
    virtual HRESULT Copy(IContact** copy) = 0;
    virtual HRESULT get_Oid(LONG* oid) = 0;
    virtual HRESULT get_Application(IPOutlookApp** app) = 0;

protected:
    ~IContact() = default;
};

// The pattern of an appointment or a task; changes reach the store with the item's Save.
struct IRecurrencePattern : IDispatch {
    virtual HRESULT get_RecurrenceType(LONG* type) = 0;
    virtual HRESULT get_StartTime(DATE* date) = 0;
    virtual HRESULT get_EndTime(DATE* date) = 0;
    virtual HRESULT get_PatternStartDate(DATE* date) = 0;
    virtual HRESULT get_PatternEndDate(DATE* date) = 0;
    virtual HRESULT get_Duration(LONG* minutes) = 0;
    virtual HRESULT get_Occurrences(LONG* count) = 0;
    virtual HRESULT get_Interval(LONG* interval) = 0;
    virtual HRESULT get_DayOfWeekMask(LONG* mask) = 0;
    virtual HRESULT get_DayOfMonth(LONG* day) = 0;
    virtual HRESULT get_Instance(LONG* instance) = 0;
    virtual HRESULT get_MonthOfYear(LONG* month) = 0;
    virtual HRESULT get_NoEndDate(VARIANT_BOOL* noEnd) = 0;
    virtual HRESULT put_RecurrenceType(LONG type) = 0;
    virtual HRESULT put_StartTime(DATE date) = 0;
    virtual HRESULT put_EndTime(DATE date) = 0;
    virtual HRESULT put_PatternStartDate(DATE date) = 0;
    virtual HRESULT put_PatternEndDate(DATE date) = 0;
    virtual HRESULT put_Duration(LONG minutes) = 0;
    virtual HRESULT put_Occurrences(LONG count) = 0;
    virtual HRESULT put_Interval(LONG interval) = 0;
    virtual HRESULT put_DayOfWeekMask(LONG mask) = 0;
    virtual HRESULT put_DayOfMonth(LONG day) = 0;
    virtual HRESULT put_Instance(LONG instance) = 0;
    virtual HRESULT put_MonthOfYear(LONG month) = 0;
    virtual HRESULT put_NoEndDate(VARIANT_BOOL noEnd) = 0;
    // The occurrence that starts on the day of the date given (the time of day is not looked at).
    virtual HRESULT GetOccurrence(DATE date, IAppointment** occurrence) = 0;

protected:
    ~IRecurrencePattern() = default;
};

struct IRecipients : IDispatch {
    virtual HRESULT Add(LPCWSTR name, IRecipient** recipient) = 0;
    virtual HRESULT Item(int index, IRecipient** recipient) = 0;
    virtual HRESULT Remove(int index) = 0;
    virtual HRESULT get_Count(int* count) = 0;

protected:
    ~IRecipients() = default;
};

struct IRecipient : IDispatch {
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT get_Address(BSTR* address) = 0;
    virtual HRESULT put_Address(LPCWSTR address) = 0;

protected:
    ~IRecipient() = default;
};

inline constexpr IID IID_IPOutlookApp = {0x05058F22, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline constexpr IID IID_IItem = {0xFB8998D0, 0x38F0, 0x4D12, {0xAC, 0x56, 0x4E, 0xC8, 0xFC, 0xE9, 0xF3, 0xD5}};
inline constexpr IID IID_IPOutlookApp2 = {0x7E1A0001, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x01}};
inline constexpr IID IID_IFolder = {0x7E1A0002, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x02}};
inline constexpr IID IID_IPOutlookItemCollection = {0x7E1A0003, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x03}};
inline constexpr IID IID_IAppointment = {0x7E1A0004, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x04}};
inline constexpr IID IID_ITask = {0x7E1A0005, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x05}};
inline constexpr IID IID_IContact = {0x7E1A0006, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x06}};
inline constexpr IID IID_IRecurrencePattern = {0x7E1A0007, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x07}};
inline constexpr IID IID_IRecipients = {0x7E1A0008, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x08}};
inline constexpr IID IID_IRecipient = {0x7E1A0009, 0x5A3C, 0x4E21, {0x9D, 0x41, 0x51, 0x56, 0x52, 0x41, 0x00, 0x09}};
