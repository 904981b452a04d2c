// The appointment readers on a store filled by devicectl: full reads and occurrences (the step-back
// rule of series that run past midnight), categories by OS version, attendees, notes, titles and
// the default-communication text, and items deleted meanwhile.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/appt_readers.h"
#include "core/cat_loading.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "pim_store_fixture.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "ui/view_focus.h"

extern DateRec g_SelectedDate;

namespace {

class ApptReaders : public pimfixture::PimStoreTest {
protected:
    void SetUp() override {
        PimStoreTest::SetUp();
        StartPoomSession(nullptr);
        ASSERT_TRUE(MountPimVol(g_PimVol));
        ASSERT_EQ(ReloadCategories(), 1);
        for (const int folder : {kPoomFolderCalendar, kPoomFolderTasks, kPoomFolderContacts}) ReadOids(folder);
        platform::testing::ClearMessageBoxes();
        g_CurItem = CurItem{};
    }
    void TearDown() override {
        UnmountPimVol(g_PimVol);
        g_CatAssocLists = CatAssocListSet{};
        g_CurItem = CurItem{};
        PimStoreTest::TearDown();
    }
    void ReadOids(int folder) {
        PoomPtr<IFolder> f;
        ASSERT_EQ(GetPoomApp()->GetDefaultFolder(folder, f.Out()), S_OK);
        PoomPtr<IPOutlookItemCollection> items;
        ASSERT_EQ(f->get_Items(items.Out()), S_OK);
        int count = 0;
        items->get_Count(&count);
        for (int i = 1; i <= count; ++i) {
            PoomPtr<IDispatch> item;
            ASSERT_EQ(items->Item(i, item.Out()), S_OK);
            const PoomPtr<IItem> props = QueryPoom<IItem>(item.Get(), IID_IItem);
            CEOID oid = 0;
            props->get_Oid(&oid);
            std::u16string name;
            if (const auto a = QueryPoom<IAppointment>(item.Get(), IID_IAppointment)) {
                BSTR s = nullptr;
                a->get_Subject(&s);
                name = TakeBstr(s);
            } else if (const auto t = QueryPoom<ITask>(item.Get(), IID_ITask)) {
                BSTR s = nullptr;
                t->get_Subject(&s);
                name = TakeBstr(s);
            } else if (const auto c = QueryPoom<IContact>(item.Get(), IID_IContact)) {
                BSTR s = nullptr;
                c->get_FileAs(&s);
                name = TakeBstr(s);
            }
            oids[name] = static_cast<LONG>(oid);
        }
    }
    void Delete(LONG oid) {
        const PoomPtr<IDispatch> item = [&] {
            PoomPtr<IDispatch> d;
            GetPoomApp()->GetItemFromOid(oid, d.Out());
            return d;
        }();
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        ASSERT_TRUE(appt);
        ASSERT_EQ(appt->Delete(), S_OK);
    }
    void UseOsMajor(DWORD major) {
        platform::DeviceProfile profile;
        profile.osMajor = major;
        profile.osMinor = 0;
        device.SetProfile(profile);
    }

    std::map<std::u16string, LONG> oids;
};

TEST_F(ApptReaders, FullReadOfASeriesAndOfASingleAppointment) {
    ApptRecord night;
    night.notes = u"stale";
    night.categories.Append(u"stale");
    ASSERT_EQ(LoadApptFromPOOM(oids.at(u"Night shift"), night), 1);
    EXPECT_EQ(night.light, 0);
    EXPECT_EQ(night.recurring, 1);
    EXPECT_EQ(night.oid, oids.at(u"Night shift"));
    EXPECT_EQ(night.subject, u"Night shift");
    EXPECT_EQ(night.location, u"Depot");
    EXPECT_TRUE(DateEqual(night.start, DateRec(2009, 3, 2, 22, 0)));
    EXPECT_EQ(night.duration, 240);
    EXPECT_EQ(night.notes, u"Bring the keys");
    EXPECT_EQ(night.hasNotes, 1);
    EXPECT_TRUE(StrArrHasNoCase(night.categories, u"Work"));
    EXPECT_TRUE(StrArrHasNoCase(night.categories, u"Home"));
    EXPECT_EQ(night.categories.Size(), 2);

    ApptRecord blank;
    ASSERT_EQ(LoadApptFromPOOM(oids.at(u"Blank notes"), blank), 1);
    EXPECT_EQ(blank.recurring, 0);
    EXPECT_EQ(blank.hasNotes, 0);
    EXPECT_EQ(blank.notes, u"");
    EXPECT_EQ(blank.reminderSet, -1);  // the POOM boolean as given
    EXPECT_EQ(blank.reminderMinutes, 15);
    EXPECT_EQ(blank.allDay, 0);
    EXPECT_EQ(blank.meeting, 0);
    EXPECT_EQ(JoinCommas(blank.categories), u"Home");
}

TEST_F(ApptReaders, OccurrenceOfAMultiDaySeriesIsFoundByStepBack) {
    struct Case {
        DateRec asked;
        int found;
        DateRec start;
    };
    const Case cases[] = {
        {DateRec(2009, 3, 4), 1, DateRec(2009, 3, 4, 22, 0)},  // its own day
        {DateRec(2009, 3, 5, 13, 0), 1, DateRec(2009, 3, 5, 22, 0)},
        {DateRec(2009, 3, 7), 1, DateRec(2009, 3, 6, 22, 0)},  // the last one, on its second day
        {DateRec(2009, 3, 1), 0, DateRec()},
    };
    for (const Case& c : cases) {
        ApptRecord record;
        EXPECT_EQ(LoadApptOccurFromPOOM(oids.at(u"Night shift"), record, c.asked), c.found) << c.asked.wDay;
        if (c.found) {
            EXPECT_TRUE(DateEqual(record.start, c.start)) << c.asked.wDay << " " << record.start.wDay;
        }
        EXPECT_EQ(record.recurring, 1);
        EXPECT_EQ(record.oid, c.found ? oids.at(u"Night shift") : -1);
    }
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ApptReaders, LightRecordFilledInPlaceFromItsOwnStart) {
    // The views turn a cached light record into the full one by passing its own start as the day.
    struct Case {
        const char16_t* name;
        DateRec start;
        LONG duration;
    };
    const Case cases[] = {
        {u"Gym", DateRec(2009, 3, 9, 18, 0), 60},
        {u"Night shift", DateRec(2009, 3, 5, 22, 0), 240},
    };
    for (const Case& c : cases) {
        ApptRecord record;
        record.light = 1;
        record.oid = oids.at(c.name);
        record.start = c.start;
        record.subject = c.name;
        ASSERT_EQ(LoadApptOccurFromPOOM(record.oid, record, record.start), 1) << record.subject.size();
        EXPECT_EQ(record.light, 0);
        EXPECT_EQ(record.recurring, 1);
        EXPECT_EQ(record.subject, c.name);
        EXPECT_TRUE(DateEqual(record.start, c.start)) << record.start.wDay << " " << record.start.wHour;
        EXPECT_EQ(record.duration, c.duration);
    }
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ApptReaders, StepBackFindsNoOccurrenceThatEndedBeforeTheDay) {
    // The last occurrence starts 6 March at 22:00 and ends 7 March at 02:00.
    ApptRecord record;
    EXPECT_EQ(LoadApptOccurFromPOOM(oids.at(u"Night shift"), record, DateRec(2009, 3, 10)), 0);
    EXPECT_EQ(LoadApptOccurFromPOOM(oids.at(u"Night shift"), record, DateRec(2009, 3, 8)), 0);
}

TEST_F(ApptReaders, SingleDaySeriesOnADayWithoutOccurrenceGivesNothingAndNoMessage) {
    ApptRecord record;
    EXPECT_EQ(LoadApptOccurFromPOOM(oids.at(u"Gym"), record, DateRec(2009, 3, 3)), 0);
    EXPECT_EQ(LoadApptByOid(oids.at(u"Gym"), record, DateRec(2009, 3, 9)), 1);
    EXPECT_TRUE(DateEqual(record.start, DateRec(2009, 3, 9, 18, 0)));
    EXPECT_EQ(LoadApptByOid(-1, record, DateRec(2009, 3, 9)), 0);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ApptReaders, OsVersion3ReadsTheSeriesAndVersion4TheCategoryText) {
    UseOsMajor(3);
    ApptRecord record;
    ASSERT_EQ(LoadApptOccurFromPOOM(oids.at(u"Night shift"), record, DateRec(2009, 3, 4)), 1);
    EXPECT_TRUE(DateEqual(record.start, DateRec(2009, 3, 2, 22, 0)));
    UseOsMajor(4);
    CatRecord& home = g_CatList[FindCatIndexById(g_CatAssocLists.appts[0].catId, g_CatList)];
    home.colour = 0x123456;
    ASSERT_EQ(LoadApptOccurFromPOOM(oids.at(u"Night shift"), record, DateRec(2009, 3, 4)), 1);
    EXPECT_TRUE(DateEqual(record.start, DateRec(2009, 3, 4, 22, 0)));
    EXPECT_EQ(record.categories.Size(), 2);
    EXPECT_TRUE(StrArrHasNoCase(record.categories, u"Work"));
}

TEST_F(ApptReaders, ItemDeletedMeanwhileIsACleanFailure) {
    const LONG night = oids.at(u"Night shift");
    Delete(night);
    ApptRecord record;
    record.subject = u"untouched";
    EXPECT_EQ(LoadApptFromPOOM(night, record), 0);
    EXPECT_EQ(LoadApptOccurFromPOOM(night, record, DateRec(2009, 3, 4)), 0);
    EXPECT_EQ(record.subject, u"untouched");
    StrArray names;
    EXPECT_EQ(GetApptAttendees(night, names), 0);
    std::u16string title = u"kept";
    GetItemTitleByOid(oids.at(u"B2: Pay rent") + 1000, kItemTask, title);
    EXPECT_EQ(title, u"kept");
    GetCtsTextProp(oids.at(u"Acme") + 1000, title);
    EXPECT_EQ(title, u"kept");

    g_CurItem.oid = night;
    platform::testing::ClearMessageBoxes();
    EXPECT_FALSE(ReadRecurPattern(night, DateRec(2009, 3, 4)));
    EXPECT_EQ(g_CurItem.oid, kNoOid);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    const std::string digits = std::to_string(night);
    EXPECT_EQ(boxes[0].text, u"Error: Recur Main Error(" + std::u16string(digits.begin(), digits.end()) + u")");
    EXPECT_EQ(boxes[0].type & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(ApptReaders, NoSessionIsNoItem) {
    EndPoomSession();
    ApptRecord record;
    EXPECT_EQ(LoadApptFromPOOM(oids.at(u"Gym"), record), 0);
    EXPECT_FALSE(ReadRecurPattern(oids.at(u"Gym"), DateRec(2009, 3, 2)));
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ApptReaders, AttendeesAreAppendedAndMeetingFlagFollowsTheStatus) {
    const LONG gym = oids.at(u"Gym");
    {
        PoomPtr<IDispatch> item;
        ASSERT_EQ(GetPoomApp()->GetItemFromOid(gym, item.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        PoomPtr<IRecipients> recipients;
        ASSERT_EQ(appt->get_Recipients(recipients.Out()), S_OK);
        for (const char16_t* name : {u"Ada", u"Charles"}) {
            PoomPtr<IRecipient> r;
            ASSERT_EQ(recipients->Add(name, r.Out()), S_OK);
        }
        const PoomPtr<IItem> props = QueryPoom<IItem>(item.Get(), IID_IItem);
        CEPROPVAL status{};
        status.propid = PIMPR_MEETING_STATUS;
        status.val.lVal = olMeeting;
        props->SetProps(0, 1, &status);
        ASSERT_EQ(appt->Save(), S_OK);
    }
    StrArray names;
    names.Append(u"Earlier");
    EXPECT_EQ(GetApptAttendees(gym, names), 1);
    EXPECT_EQ(JoinCommas(names), u"Earlier,Ada,Charles");

    g_SelectedDate = DateRec(2009, 3, 16);
    g_CurItem = CurItem{gym, -1, -1, kItemAppt};
    ApptRecord record;
    ASSERT_EQ(LoadApptByOid(gym, record, g_SelectedDate), 1);
    EXPECT_EQ(IsCurApptMeeting(), record.meeting);
    g_CurItem.kind = kItemTask;
    EXPECT_EQ(IsCurApptMeeting(), 0);
    g_CurItem = CurItem{gym, -1, -1, kItemAppt};
    g_SelectedDate = DateRec(2009, 3, 17);  // no occurrence that day
    EXPECT_EQ(IsCurApptMeeting(), 0);
}

TEST_F(ApptReaders, TitlesByKind) {
    g_SelectedDate = DateRec(2009, 3, 9);
    struct Case {
        LONG oid;
        LONG kind;
        std::u16string title;
    };
    const Case cases[] = {
        {oids.at(u"B2: Pay rent"), kItemTask, u"Pay rent"},
        {oids.at(u"Lovelace, Ada"), kItemContact, u"Lovelace, Ada"},
        {oids.at(u"Gym"), kItemAppt, u"Gym"},
        {oids.at(u"Blank notes"), kItemAppt, u"Blank notes"},  // not a series: read whatever the date
        {oids.at(u"Night shift"), kItemAppt, u""},             // its last occurrence ended on 7 March
        {-1, kItemAppt, u""},
        {oids.at(u"Gym"), kItemNone, u"before"},
    };
    for (const Case& c : cases) {
        std::u16string title = u"before";
        GetItemTitleByOid(c.oid, c.kind, title);
        EXPECT_EQ(title, c.title) << c.kind;
    }
}

TEST_F(ApptReaders, OwnCustomIconWinsOverTheIconsOfItsCategories) {
    const LONG night = oids.at(u"Night shift");
    for (CatRecord& cat : g_CatList)
        if (cat.name == u"Home") cat.icon = 6;  // only one of its two categories has an icon
    ApptRecord record;
    ASSERT_EQ(LoadApptFromPOOM(night, record), 1);
    EXPECT_EQ(record.icon, 6);
    g_CustomIconIndex.Append(IdPair{3, night});
    const int read = LoadApptFromPOOM(night, record);
    g_CustomIconIndex.RemoveAll();
    ASSERT_EQ(read, 1);
    EXPECT_EQ(record.icon, 3);
}

TEST_F(ApptReaders, NotesOfTasksAndContacts) {
    std::u16string notes = u"kept";
    GetTskTextProp(-1, notes);
    GetCtsTextProp(-1, notes);
    EXPECT_EQ(notes, u"kept");
    GetTskTextProp(oids.at(u"Water plants"), notes);
    EXPECT_EQ(notes, u"");
}

TEST_F(ApptReaders, DefaultCommunicationTextStaysWithinTheCallersBuffer) {
    const std::u16string longNumber(600, u'5');
    PoomPtr<IDispatch> object;
    ASSERT_EQ(GetPoomApp()->GetItemFromOid(pimfixture::SaveContact(u"Long", PIMPR_MOBILE_TELEPHONE_NUMBER, longNumber),
                                           object.Out()),
              S_OK);
    std::u16string text;
    LONG field = -1;
    EXPECT_EQ(GetItemPropsText(object.Get(), text, field), 0);
    EXPECT_EQ(field, 2);
    EXPECT_EQ(text, longNumber.substr(0, kPropsTextChars - 1));
    // Without a default field nothing is written.
    const PoomPtr<IDispatch> ada = [&] {
        PoomPtr<IDispatch> d;
        GetPoomApp()->GetItemFromOid(oids.at(u"Acme"), d.Out());
        return d;
    }();
    text.clear();
    field = 7;
    GetItemPropsText(ada.Get(), text, field);
    EXPECT_EQ(field, -1);
    EXPECT_EQ(text, u"");
}

TEST_F(ApptReaders, TitleFromTheCurrentAppointment) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"ApptReadersTitle";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, u"ApptReadersTitle", u"Before", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    g_Frame.mainWnd = window;
    g_SelectedDate = DateRec(2009, 3, 5);
    g_CurItem = CurItem{oids.at(u"Night shift"), -1, -1, kItemAppt};
    SetTitleFromCurrentAppt();
    WCHAR text[64] = {};
    GetWindowTextW(window, text, 64);
    std::u16string expected;
    FormatLongDate(expected, DateRec(2009, 3, 5, 22, 0), true, false);
    EXPECT_EQ(std::u16string(text), expected);
    g_CurItem.oid = kNoOid;
    SetWindowTextW(window, u"Kept");
    SetTitleFromCurrentAppt();
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::u16string(text), u"Kept");
    DestroyWindow(window);
    g_Frame.mainWnd = nullptr;
}

}  // namespace
