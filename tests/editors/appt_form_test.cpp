// The appointment form run modally and driven from inside its loop: new appointments entered and
// saved to the PIM store, existing ones (and recurring ones, whole or one occurrence) loaded,
// changed and saved, templates applied and saved, and the month cache after each save.
#include <filesystem>

#include "tests/editors/appt_form_fixture.h"

#include "core/appt_readers.h"
#include "core/cat_loading.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/res_string.h"
#include "platform/controls.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "resources/resource.h"
#include "tests/support/stored_pattern.h"

namespace {

INT_PTR RunFormFromTemplate() {
    g_ApptEditFlags.fromTemplate = 1;
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_APPT_FORM), nullptr, ApptEditDlgProc, 0);
    g_ApptEditFlags.fromTemplate = 0;
    return result;
}

bool Selected(HWND dialog, int id, int row) { return SendDlgItemMessageW(dialog, id, LB_GETSEL, row, 0) > 0; }

TEST_F(ApptFormTest, NewAppointmentEnteredInTheFormIsSavedAndCached) {
    CacheMonth(2026, 3);
    ActInsideForm([](HWND dialog) {
        EXPECT_EQ(platform::testing::NavBarTitle(), u"Appointment");
        // Another day than today: 08:00 for the default length of an hour.
        EXPECT_TRUE(DateEqual(Picker(dialog, kApptStartTimeId), DateRec(2026, 3, 12, 8, 0, 0)));
        EXPECT_TRUE(DateEqual(Picker(dialog, kApptEndTimeId), DateRec(2026, 3, 12, 9, 0, 0)));
        EXPECT_EQ(SendDlgItemMessageW(dialog, kCatListBoxId, LB_GETCOUNT, 0, 0), 2);  // no project category
        SetDlgItemTextW(dialog, kApptSubjectId, u"Dentist");
        SetDlgItemTextW(dialog, kApptLocationId, u"Main St");
        SendDlgItemMessageW(dialog, kCatListBoxId, LB_SETSEL, TRUE, 0);
        SendDlgItemMessageW(dialog, kCatListBoxId, LB_SETSEL, TRUE, 1);
        SendDlgItemMessageW(dialog, kApptStatusId, LB_SETCURSEL, 1, 0);
        SendDlgItemMessageW(dialog, kReminderListId, LB_SETCURSEL, 3, 0);
        Press(dialog, IDM_DLG_DONE);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);

    const ApptRecord* cached = CachedBySubject(2026, 3, u"Dentist");
    ASSERT_NE(cached, nullptr);
    const LONG oid = cached->oid;
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
    EXPECT_TRUE(DateEqual(cached->start, DateRec(2026, 3, 12, 8, 0, 0)));
    ApptRecord stored;
    ASSERT_EQ(LoadApptFromPOOM(oid, stored), 1);
    EXPECT_EQ(stored.location, u"Main St");
    EXPECT_EQ(stored.duration, 60);
    EXPECT_EQ(stored.busyStatus, olOutOfOffice);
    EXPECT_NE(stored.reminderSet, 0);
    EXPECT_EQ(stored.reminderMinutes, 10);
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Categories), u"Home, Work");  // as the store lists them
    EXPECT_EQ(g_ChangeMarks.ownChange, 1);
}

TEST_F(ApptFormTest, EmptySubjectAllDayIsStoredAsNoSubjectUpToTheNextDay) {
    ActInsideForm([](HWND dialog) {
        CheckDlgButton(dialog, kApptAllDayId, BST_CHECKED);
        Press(dialog, kApptAllDayId);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kApptStartTimeId)));
        EXPECT_EQ(Sel(dialog, kApptStatusId), 2);  // the first check makes it free
        SendDlgItemMessageW(dialog, kApptStatusId, LB_SETCURSEL, 3, 0);
        CheckDlgButton(dialog, kApptAllDayId, BST_UNCHECKED);
        Press(dialog, kApptAllDayId);
        CheckDlgButton(dialog, kApptAllDayId, BST_CHECKED);
        Press(dialog, kApptAllDayId);
        EXPECT_EQ(Sel(dialog, kApptStatusId), 3);  // a later check keeps the user's status
        Press(dialog, IDM_DLG_DONE);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    const ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 1);
    const LONG oid = all[0].oid;
    ApptRecord stored;
    ASSERT_EQ(LoadApptFromPOOM(oid, stored), 1);
    EXPECT_EQ(stored.subject, LoadResString(IDS_NO_SUBJECT));
    EXPECT_NE(stored.allDay, 0);
    EXPECT_EQ(stored.busyStatus, olTentative);
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_Start), DateRec(2026, 3, 12, 1, 0, 0)));
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_End), DateRec(2026, 3, 13, 1, 0, 0)));
}

TEST_F(ApptFormTest, EndNotAfterStartKeepsTheFormOpenAndWritesNothing) {
    ActInsideForm([](HWND dialog) {
        SetPicker(dialog, kApptEndTimeId, Picker(dialog, kApptStartTimeId));
        Press(dialog, IDM_DLG_DONE);
        EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));  // still open
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_CANCEL);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"The End Time must be after the Start Time.");
    EXPECT_EQ(AllStored().Size(), 0);
}

// A refused save sends no change notification, so the mark that would absorb it must not stay set
// and swallow the next change another program makes.
// An all-day item whose end date lies before its start is refused as a timed one is: the form stays
// open and the store keeps the item's days.
TEST_F(ApptFormTest, AnAllDayItemEndingBeforeItsStartIsRefused) {
    const LONG oid = AddAppt({u"Fair", DateRec(2026, 3, 12, 1, 0, 0), 24 * 60});
    {
        const PoomPtr<IAppointment> appt = Stored(oid);
        appt->put_AllDayEvent(VARIANT_TRUE);
        ASSERT_EQ(appt->Save(), S_OK);
    }
    const DateRec endBefore = StoredDate(oid, &IAppointment::get_End);
    SelectAppt(oid);
    bool stayedOpen = false;
    ActInsideForm([&stayedOpen](HWND dialog) {
        ASSERT_EQ(IsDlgButtonChecked(dialog, kApptAllDayId), BST_CHECKED);
        SetPicker(dialog, kApptEndDateId, DateRec(2026, 3, 10, 0, 0, 0));
        Press(dialog, IDM_DLG_DONE);
        stayedOpen = platform::testing::DialogIsOpen(dialog);
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditSelApptDlg();
    EXPECT_TRUE(stayedOpen);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"The End Time must be after the Start Time.");
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_End), endBefore));
}

TEST_F(ApptFormTest, FailedSaveLeavesNoOwnChangeMarkBehind) {
    const struct {
        HRESULT result;
        const char16_t* message;
    } cases[] = {
        {static_cast<HRESULT>(0x80040067),
         u"Appointment Save Failed. A possible cause is you can't use reminder length longer than the time between "
         u"recurring appointments."},
        {E_FAIL, u"Error in Appt Save: 0x80004005"},
    };
    for (const auto& c : cases) {
        platform::testing::ClearMessageBoxes();
        platform::testing::FailPimCall("IAppointment::Save", c.result);
        ActInsideForm([](HWND dialog) {
            SetDlgItemTextW(dialog, kApptSubjectId, u"Refused");
            Press(dialog, IDM_DLG_DONE);
            EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));  // the form stays open with the input
            EXPECT_EQ(Text(dialog, kApptSubjectId), u"Refused");
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewApptDlg();
        EXPECT_EQ(g_ApptFormResult, IDM_DLG_CANCEL);
        const auto shown = platform::testing::MessageBoxesShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(g_ChangeMarks.ownChange, 0);
        platform::testing::ClearPimFailures();
    }
    EXPECT_EQ(AllStored().Size(), 0);
}

TEST_F(ApptFormTest, AFullStoreSaysWhichKindIsFull) {
    platform::testing::ClearMessageBoxes();
    platform::testing::FailPimCall("Store::Save", E_OUTOFMEMORY);
    ActInsideForm([](HWND dialog) {
        SetDlgItemTextW(dialog, kApptSubjectId, u"Refused");
        Press(dialog, IDM_DLG_DONE);
        EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptDlg();
    platform::testing::ClearPimFailures();
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"The store is full: it holds 0 appointments, the most it can keep.");
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
}

TEST_F(ApptFormTest, NewItemStartFollowsTheClockAndTheDefaultLength) {
    const struct {
        DateRec now;
        LONG length;
        LONG view;
        DateRec shown;
        DateRec start;
    } cases[] = {
        {DateRec(2026, 3, 10, 21, 40, 0), 60, kViewMonth, DateRec(2026, 3, 10), DateRec(2026, 3, 10, 22, 0, 0)},
        {DateRec(2026, 3, 10, 21, 40, 0), 120, kViewMonth, DateRec(2026, 3, 10), DateRec(2026, 3, 10, 8, 0, 0)},
        {DateRec(2026, 3, 10, 22, 5, 0), 60, kViewMonth, DateRec(2026, 3, 10), DateRec(2026, 3, 10, 23, 0, 0)},
        {DateRec(2026, 3, 10, 22, 5, 0), 61, kViewMonth, DateRec(2026, 3, 10), DateRec(2026, 3, 10, 8, 0, 0)},
        {DateRec(2026, 3, 10, 23, 5, 0), 30, kViewMonth, DateRec(2026, 3, 10), DateRec(2026, 3, 10, 8, 0, 0)},
        {DateRec(2026, 3, 10, 9, 5, 0), 60, kViewMonth, DateRec(2026, 3, 20), DateRec(2026, 3, 20, 8, 0, 0)},
        // The Dates view starts new items today whatever day is shown.
        {DateRec(2026, 3, 10, 9, 5, 0), 60, kViewDates, DateRec(2026, 3, 20), DateRec(2026, 3, 10, 10, 0, 0)},
    };
    for (const auto& c : cases) {
        platform::testing::FreezeClock(c.now);
        g_Settings.apptLength = c.length;
        ViewId = c.view;
        g_SelectedDate = c.shown;
        DateRec start, end;
        DefaultApptTimes(start, end);
        DateRec expectedEnd = c.start;
        DateAddSpan(expectedEnd, DateSpan{0, 0, c.length, 0});
        EXPECT_TRUE(DateEqual(start, c.start)) << c.now.wHour << ":" << c.now.wMinute << " " << c.length;
        EXPECT_TRUE(DateEqual(end, expectedEnd)) << c.length;
    }
}

TEST_F(ApptFormTest, KeptDurationCountsHoursAndMinutesOfTheDay) {
    const struct {
        DateRec start, end;
        LONG hours, minutes;
    } cases[] = {
        {DateRec(2026, 3, 12, 9, 0, 0), DateRec(2026, 3, 12, 10, 30, 0), 1, 30},
        {DateRec(2026, 3, 12, 9, 15, 0), DateRec(2026, 3, 12, 10, 5, 0), 0, 50},
        {DateRec(2026, 3, 12, 9, 15, 0), DateRec(2026, 3, 12, 9, 45, 0), 0, 30},
        {DateRec(2026, 3, 12, 9, 40, 0), DateRec(2026, 3, 12, 12, 10, 0), 2, 30},
        // A start after the end records nothing.
        {DateRec(2026, 3, 12, 11, 0, 0), DateRec(2026, 3, 12, 10, 0, 0), 7, 7},
    };
    for (const auto& c : cases) {
        g_KeptDuration = KeptDuration{1, 7, 7};
        KeepApptDuration(c.start, c.end);
        EXPECT_EQ(g_KeptDuration.hours, c.hours) << c.start.wHour << ":" << c.start.wMinute;
        EXPECT_EQ(g_KeptDuration.minutes, c.minutes) << c.start.wHour << ":" << c.start.wMinute;
    }
}

TEST_F(ApptFormTest, ExistingAppointmentIsLoadedChangedAndReplacedInTheCache) {
    const LONG oid = AddAppt({u"Review", DateRec(2026, 3, 12, 10, 0, 0), 60, u"Work,prj:Alpha,"});
    CacheMonth(2026, 3);
    SelectAppt(oid);
    ActInsideForm([](HWND dialog) {
        EXPECT_EQ(Text(dialog, kApptSubjectId), u"Review");
        EXPECT_TRUE(DateEqual(Picker(dialog, kApptStartTimeId), DateRec(2026, 3, 12, 10, 0, 0)));
        EXPECT_FALSE(Selected(dialog, kCatListBoxId, 0));
        EXPECT_TRUE(Selected(dialog, kCatListBoxId, 1));  // Work
        SetDlgItemTextW(dialog, kApptSubjectId, u"Review 2");
        SetPicker(dialog, kApptEndTimeId, DateRec(2026, 3, 12, 11, 30, 0));
        Press(dialog, IDM_DLG_DONE);
    });
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Subject), u"Review 2");
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_End), DateRec(2026, 3, 12, 11, 30, 0)));
    // The project category is carried through the form and written first.
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Categories), u"prj:Alpha, Work");
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
    const ApptRecord* cached = CachedBySubject(2026, 3, u"Review 2");
    ASSERT_NE(cached, nullptr);
    EXPECT_EQ(cached->duration, 90);
}

TEST_F(ApptFormTest, MovingTheStartDateMovesTheEndAndTheCachedRecord) {
    const LONG oid = AddAppt({u"Trip", DateRec(2026, 3, 12, 10, 0, 0), 60});
    CacheMonth(2026, 3);
    SelectAppt(oid);
    ActInsideForm([](HWND dialog) {
        const HWND start = GetDlgItem(dialog, kApptStartDateId);
        SetFocus(start);
        SetPicker(dialog, kApptStartDateId, DateRec(2026, 3, 20, 10, 0, 0));
        SetFocus(GetDlgItem(dialog, kApptSubjectId));  // the start date loses the focus
        EXPECT_TRUE(DateSameDay(Picker(dialog, kApptEndDateId), DateRec(2026, 3, 20)));
        Press(dialog, IDM_DLG_DONE);
    });
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_Start), DateRec(2026, 3, 20, 10, 0, 0)));
    EXPECT_TRUE(DateEqual(StoredDate(oid, &IAppointment::get_End), DateRec(2026, 3, 20, 11, 0, 0)));
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
    const ApptRecord* cached = CachedBySubject(2026, 3, u"Trip");
    ASSERT_NE(cached, nullptr);
    EXPECT_EQ(cached->start.wDay, 20);
}

TEST_F(ApptFormTest, DoneOnASeriesNoOccursRowNamesKeepsItsPattern) {
    const LONG oid = AddWeeklyAppt({u"Planning", DateRec(2026, 3, 12, 9, 0, 0), 30}, 4);
    {
        PoomPtr<IAppointment> series = Stored(oid);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(series->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_Interval(6);  // every 6 weeks: no row of Occurs says that
        ASSERT_EQ(series->Save(), S_OK);
    }
    SelectAppt(oid);
    g_SelectedDate = DateRec(2026, 3, 12);
    LONG shownChoice = 0;
    ActInsideForm([&shownChoice](HWND dialog) {
        shownChoice = Sel(dialog, kOccursListId);
        Press(dialog, IDM_DLG_DONE);
    }, {IDNO});  // the whole series
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    EXPECT_LT(shownChoice, 0) << "no row chosen";
    const testsupport::StoredPattern stored = testsupport::StoredPatternOf(Stored(oid).Get());
    ASSERT_TRUE(stored.recurring) << "Done without a change made the series a single appointment";
    EXPECT_EQ(stored.interval, 6);
    EXPECT_EQ(stored.occurrences, 4);
}

// The end set in Custom Recurrence on such a series reaches the store; the pattern stays.
TEST_F(ApptFormTest, AnEndSetOnASeriesNoOccursRowNamesIsStored) {
    const LONG oid = AddWeeklyAppt({u"Planning", DateRec(2026, 3, 12, 9, 0, 0), 30}, 4);
    {
        PoomPtr<IAppointment> series = Stored(oid);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(series->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_Interval(6);
        ASSERT_EQ(series->Save(), S_OK);
    }
    SelectAppt(oid);
    g_SelectedDate = DateRec(2026, 3, 12);
    ActInsideForm([](HWND dialog) {
        platform::testing::ActInsideDialog([](HWND custom) {
            SetDlgItemTextW(custom, IDC_RECUR_COUNT, u"2");
            Press(custom, IDM_DLG_DONE);
        });
        Press(dialog, IDM_CUSTOM_RECURRENCE);
        Press(dialog, IDM_DLG_DONE);
    }, {IDNO});  // the whole series
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    const testsupport::StoredPattern stored = testsupport::StoredPatternOf(Stored(oid).Get());
    ASSERT_TRUE(stored.recurring);
    EXPECT_EQ(stored.interval, 6);
    EXPECT_EQ(stored.occurrences, 2);
}

TEST_F(ApptFormTest, RecurringSeriesIsEditedWholeOrOneOccurrence) {
    // Weekly on Thursdays from 12 March, four times.
    const LONG oid = AddWeeklyAppt({u"Standup", DateRec(2026, 3, 12, 9, 0, 0), 30}, 4);
    SelectAppt(oid);
    g_SelectedDate = DateRec(2026, 3, 19);

    ActInsideForm([](HWND dialog) {
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kOccursListId)));
        EXPECT_EQ(Sel(dialog, kOccursListId), 4);  // every Thursday
        SetDlgItemTextW(dialog, kApptSubjectId, u"Daily sync");
        Press(dialog, IDM_DLG_DONE);
    }, {IDNO});  // the whole series
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    EXPECT_EQ(g_ApptEditFlags.isRecurring, 1);
    EXPECT_EQ(g_ApptEditFlags.occurrenceOnly, 0);
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Subject), u"Daily sync");
    {
        PoomPtr<IAppointment> series = Stored(oid);
        ASSERT_TRUE(series);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(series->GetRecurrencePattern(pattern.Out()), S_OK);
        LONG type = -1, mask = 0;
        pattern->get_RecurrenceType(&type);
        pattern->get_DayOfWeekMask(&mask);
        EXPECT_EQ(type, olRecursWeekly);
        EXPECT_EQ(mask, 1L << 4);
    }

    platform::testing::ClearMessageBoxes();
    ActInsideForm([](HWND dialog) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kOccursListId)));
        EXPECT_TRUE(DateSameDay(Picker(dialog, kApptStartDateId), DateRec(2026, 3, 19)));
        SetDlgItemTextW(dialog, kApptSubjectId, u"Moved sync");
        Press(dialog, IDM_DLG_DONE);
    }, {IDYES});  // this occurrence only
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    const auto occurrenceSubject = [&](const DateRec& day) {
        PoomPtr<IAppointment> occurrence = ReadRecurPattern(oid, day);
        BSTR text = nullptr;
        if (!occurrence || FAILED(occurrence->get_Subject(&text))) return std::u16string(u"<none>");
        return TakeBstr(text);
    };
    EXPECT_EQ(occurrenceSubject(DateRec(2026, 3, 19)), u"Moved sync");
    EXPECT_EQ(occurrenceSubject(DateRec(2026, 3, 26)), u"Daily sync");
}

// Each Occurs choice saved from the form is read back as the same choice when the series is opened.
TEST_F(ApptFormTest, OccursChoiceSurvivesTheStoreRoundTrip) {
    const LONG choices[] = {1, 2, 4, 5, 7, 9, 10, 13, 14, 16, 19, 20};
    for (const LONG choice : choices) {
        ResetSelection();
        ActInsideForm([choice](HWND dialog) {
            SetDlgItemTextW(dialog, kApptSubjectId, u"Repeats");
            SendDlgItemMessageW(dialog, kOccursListId, LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
            Press(dialog, kOccursListId, LBN_SELCHANGE);
            Press(dialog, IDM_DLG_DONE);
        });
        NewApptDlg();
        ASSERT_EQ(g_ApptFormResult, IDM_DLG_DONE) << choice;
        const ApptArray all = AllStored();
        ASSERT_EQ(all.Size(), 1) << choice;
        const LONG oid = all[0].oid;
        SelectAppt(oid);
        LONG shown = -1;
        ActInsideForm([&shown](HWND dialog) {
            shown = static_cast<LONG>(Sel(dialog, kOccursListId));
            Press(dialog, IDM_DLG_CANCEL);
        }, {IDNO});
        EditSelApptDlg();
        EXPECT_EQ(shown, choice);
        PoomPtr<IAppointment> appt = Stored(oid);
        ASSERT_TRUE(appt);
        appt->Delete();
    }
}

TEST_F(ApptFormTest, AFailedMeetingSendKeepsTheFormOpenWithTheMeeting) {
    bool stayedOpen = false;
    ActInsideForm([&stayedOpen](HWND dialog) {
        SetDlgItemTextW(dialog, kApptSubjectId, u"Planning");
        g_AttendeeArray.Append(Attendee{u"Ann Lee", u"ann@example.com"});
        g_ApptEditFlags.attendeesChanged = 1;
        platform::testing::FailPimCall("IAppointment::Send");
        Press(dialog, IDM_DLG_DONE);
        platform::testing::ClearPimFailures();
        stayedOpen = platform::testing::DialogIsOpen(dialog);
        EXPECT_EQ(Text(dialog, kApptSubjectId), u"Planning");
        EXPECT_EQ(g_ChangeMarks.ownChange, 0);
        Press(dialog, IDM_DLG_DONE);  // sent on the second try
    });
    NewApptDlg();
    EXPECT_TRUE(stayedOpen);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"Send Failed.");
    EXPECT_EQ(shown[1].text, u"Meeting Request has been sent.");
    EXPECT_EQ(AllStored().Size(), 1);
}

TEST_F(ApptFormTest, SubjectAndNotesLongerThanTheFieldsComeBackWhole) {
    const LONG oid = AddAppt({u"Long", DateRec(2026, 3, 12, 10, 0, 0), 60});
    const std::u16string subject(5000, u's');
    const std::u16string notes = std::u16string(12000, u'n') + u"end";
    {
        const PoomPtr<IAppointment> appt = Stored(oid);
        appt->put_Subject(subject.c_str());
        appt->put_Body(notes.c_str());
        ASSERT_EQ(appt->Save(), S_OK);
    }
    SelectAppt(oid);
    ActInsideForm([](HWND dialog) {
        SetDlgItemTextW(dialog, kApptLocationId, u"Room 2");
        Press(dialog, IDM_DLG_DONE);
    });
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Location), u"Room 2");
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Subject).size(), subject.size()) << "the subject was cut";
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Body), notes) << "the notes were cut";
}

TEST_F(ApptFormTest, AttendeesMakeAMeetingRequestAndUntouchedOnesAskFirst) {
    ActInsideForm([](HWND dialog) {
        SetDlgItemTextW(dialog, kApptSubjectId, u"Planning");
        g_AttendeeArray.Append(Attendee{u"Ann Lee", u"ann@example.com"});
        g_ApptEditFlags.attendeesChanged = 1;
        Press(dialog, IDM_DLG_DONE);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Meeting Request has been sent.");
    const ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 1);
    const LONG oid = all[0].oid;
    StrArray names;
    ASSERT_EQ(GetApptAttendees(oid, names), 1);
    ASSERT_EQ(names.Size(), 1);
    EXPECT_EQ(names[0], u"Ann Lee");

    platform::testing::ClearMessageBoxes();
    SelectAppt(oid);
    platform::testing::AnswerMessageBox(IDNO);  // not sent again: saved
    ActInsideForm([](HWND dialog) {
        EXPECT_EQ(platform::testing::NavBarTitle(), u"Meeting");
        SetDlgItemTextW(dialog, kApptSubjectId, u"Planning moved");
        Press(dialog, IDM_DLG_DONE);
    });
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_DONE);
    shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"The Meeting has Changed, Resend to Attendees?");
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Subject), u"Planning moved");
}

TEST_F(ApptFormTest, TemplateIsAppliedOnTheShownDateWithItsTimesOfDay) {
    ApptRecord late;
    late.subject = u"Night shift";
    late.start = DateRec(2025, 1, 5, 22, 0, 0);
    late.duration = 180;  // ends at 01:00 the next day
    late.reminderSet = 1;
    late.reminderMinutes = 90;
    late.busyStatus = olFree;
    late.categories.Append(u"work");
    g_ApptTemplateList.Append(late);
    g_TemplateChoice = 0;
    ActInsideForm([](HWND dialog) {
        EXPECT_EQ(Text(dialog, kApptSubjectId), u"Night shift");
        EXPECT_TRUE(DateEqual(Picker(dialog, kApptStartTimeId), DateRec(2026, 3, 12, 22, 0, 0)));
        EXPECT_TRUE(DateEqual(Picker(dialog, kApptEndTimeId), DateRec(2026, 3, 13, 1, 0, 0))) << "the next day";
        EXPECT_EQ(Sel(dialog, kApptStatusId), 2);
        EXPECT_TRUE(Selected(dialog, kCatListBoxId, 1));
        // 90 minutes is no listed reminder: one disabled custom row.
        EXPECT_EQ(SendDlgItemMessageW(dialog, kReminderListId, LB_GETCOUNT, 0, 0), 1);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kReminderListId)));
        Press(dialog, IDM_DLG_DONE);  // the end, the next day, lies after the start
    });
    EXPECT_EQ(RunFormFromTemplate(), IDM_DLG_DONE);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    const ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 1);
    EXPECT_TRUE(DateEqual(StoredDate(all[0].oid, &IAppointment::get_Start), DateRec(2026, 3, 12, 22, 0, 0)));
    EXPECT_TRUE(DateEqual(StoredDate(all[0].oid, &IAppointment::get_End), DateRec(2026, 3, 13, 1, 0, 0)));
    ApptRecord stored;
    ASSERT_EQ(LoadApptFromPOOM(all[0].oid, stored), 1);
    EXPECT_EQ(stored.reminderMinutes, 90) << "the template's unlisted reminder";
}

TEST_F(ApptFormTest, FromTemplateWithTheTemplateDialogCancelledOpensNoForm) {
    platform::testing::AnswerDialog(IDM_DLG_CANCEL);
    NewApptFromTemplateDlg();
    EXPECT_EQ(g_ApptFormResult, kDlgFailed);  // no form was run
    for (const auto& shown : platform::testing::DialogsShown()) {
        for (const int id : shown.controls) EXPECT_NE(id, kApptSubjectId) << "the form was opened";
    }
    EXPECT_EQ(g_TemplateKind, kTemplateKindAppt);  // the template dialog ran
    EXPECT_EQ(g_ApptEditFlags.fromTemplate, 0);
}

TEST_F(ApptFormTest, SaveAsTemplateFromANewItemAndLeavingCreatesNoAppointment) {
    platform::testing::AnswerMessageBox(IDYES);
    ActInsideForm([](HWND dialog) {
        SetDlgItemTextW(dialog, kApptSubjectId, u"Weekly review");
        SendDlgItemMessageW(dialog, kCatListBoxId, LB_SETSEL, TRUE, 0);
        Press(dialog, IDM_SAVE_AS_TEMPLATE);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_CANCEL);
    ASSERT_EQ(g_ApptTemplateList.Size(), 1);
    const ApptRecord& saved = g_ApptTemplateList[0];
    EXPECT_EQ(saved.subject, u"Weekly review");
    EXPECT_EQ(saved.duration, 60);
    EXPECT_EQ(saved.start.wHour, 8);
    ASSERT_EQ(saved.categories.Size(), 1);
    EXPECT_EQ(saved.categories[0], u"Home");
    EXPECT_TRUE(std::filesystem::exists(device_.HostPath(ProgramFolderFile(kApptTemplateFile))));
    EXPECT_EQ(AllStored().Size(), 0);
}

TEST_F(ApptFormTest, PickedIconIsWrittenOnlyBySavingTheForm) {
    const LONG oid = AddAppt({u"Marked", DateRec(2026, 3, 12, 10, 0, 0), 60});
    SelectAppt(oid);
    const struct {
        int button;
        LONG icon;
    } cases[] = {{IDM_DLG_CANCEL, -1}, {IDM_DLG_DONE, 4}};
    for (const auto& c : cases) {
        ActInsideForm([&c](HWND dialog) {
            // What "Assign Icon" leaves when the picker chose icon 4.
            g_ApptEditFlags.iconPicked = 1;
            g_ApptEditFlags.pickedIcon = 4;
            Press(dialog, c.button);
        });
        EditSelApptDlg();
        SelectAppt(oid);
        EXPECT_EQ(IdIndexGet(oid, g_CustomIconIndex), c.icon) << c.button;
    }
}

TEST_F(ApptFormTest, TemplateFollowsTheScreenAndCompressSetting) {
    const struct {
        int width, height;
        LONG compress;
        UINT id;
    } cases[] = {
        {240, 320, 1, IDD_APPT_FORM},
        {240, 320, 0, IDD_APPT_FORM},
        {320, 240, 1, IDD_APPT_FORM_COMPRESSED},
        {320, 240, 0, IDD_APPT_FORM_WIDE},
        {640, 480, 1, IDD_APPT_FORM},  // VGA is not of the QVGA class
    };
    for (const auto& c : cases) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        g_Settings.compressDlg = c.compress;
        EXPECT_EQ(ApptFormTemplateId(), c.id) << c.width << "x" << c.height << " " << c.compress;
    }
}

TEST_F(ApptFormTest, ScreenshotOfTheForm) {
    const LONG oid = AddAppt({u"Project kick-off", DateRec(2026, 3, 12, 14, 0, 0), 90, u"Work,"});
    SelectAppt(oid);
    ActInsideForm([](HWND dialog) {
        SetDlgItemTextW(dialog, kApptLocationId, u"Room 4");
        SetDlgItemTextW(dialog, kApptNotesId, u"Agenda and owners.");
        platform::testing::PumpUntilIdle();
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "editors_appt_form.png";
        EXPECT_TRUE(platform::testing::SaveScreenshot(out));
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditSelApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_CANCEL);
    EXPECT_EQ(StoredText(oid, &IAppointment::get_Location), u"");
}

TEST_F(ApptFormTest, ScreenshotOfTheCompressedLandscapeForm) {
    platform::DeviceProfile profile = platform::Profile();
    profile.screenWidth = 320;
    profile.screenHeight = 240;
    device_.SetProfile(profile);
    ActInsideForm([](HWND dialog) {
        // The compressed layout has no field labels and a private box without text.
        WCHAR text[32] = {};
        GetDlgItemTextW(dialog, kApptPrivateId, text, 32);
        EXPECT_EQ(std::u16string(text), u"");
        GetDlgItemTextW(dialog, kApptAllDayId, text, 32);
        EXPECT_EQ(std::u16string(text), u"All Day");
        SetDlgItemTextW(dialog, kApptSubjectId, u"Dentist");
        platform::testing::PumpUntilIdle();
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "editors_appt_form_landscape.png";
        EXPECT_TRUE(platform::testing::SaveScreenshot(out));
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptDlg();
    EXPECT_EQ(g_ApptFormResult, IDM_DLG_CANCEL);
}

}  // namespace

namespace {

// The form's lists show whole rows only: on a VGA screen, at the dots per inch of a VGA device and
// at the desktop's, no row of a spin list or of the category list is drawn cut at the list's foot,
// and each list still shows its first row.
TEST_F(ApptFormTest, ListsOnAVgaScreenShowWholeRowsOnly) {
    for (const int dpi : {192, 96}) {
        SCOPED_TRACE(dpi);
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = 480;
        profile.screenHeight = 640;
        profile.dpi = dpi;
        device_.SetProfile(profile);
        platform::testing::DrawRecord record;
        ActInsideForm([&](HWND dialog) {
            InvalidateRect(dialog, nullptr, TRUE);
            platform::testing::PumpUntilIdle();
            for (const int id : {kReminderListId, kApptStatusId, kOccursListId, kCatListBoxId}) {
                SCOPED_TRACE(id);
                const HWND list = GetDlgItem(dialog, id);
                RECT client{};
                GetClientRect(list, &client);
                const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
                ASSERT_GT(row, 0);
                EXPECT_EQ(client.bottom % row, 0) << client.bottom << " " << row;
                MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
                int shown = 0;
                for (const auto& text : record.ScreenTexts()) {
                    RECT overlap{};
                    if (!IntersectRect(&overlap, &text.rect, &client)) continue;
                    ++shown;
                    EXPECT_LE(text.rect.bottom, client.bottom) << std::string(text.text.begin(), text.text.end());
                }
                EXPECT_GE(shown, 1);
            }
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewApptDlg();
    }
}

}  // namespace
