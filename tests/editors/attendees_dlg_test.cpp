// The Attendees dialog over the appointment form: contacts added in name order, a contact without
// an e-mail address refused, the selected attendee removed, Cancel putting everything back, the
// form's title following the list, and the attendees written to the appointment's recipients.
#include "editors/attendees_dlg.h"

#include <filesystem>
#include <vector>

#include "core/appt_readers.h"
#include "platform/testing_display.h"
#include "resources/resource.h"
#include "tests/editors/appt_form_fixture.h"

namespace pt = platform::testing;

namespace {

class AttendeesDlgTest : public ApptFormTest {
protected:
    void SetUp() override {
        ApptFormTest::SetUp();
        InitCommonControls();  // the list view, as the program registers it at start
        bob_ = AddContact({u"bob", u"Stone", u"", u"", u"bob@example.org"});
        alice_ = AddContact({u"Alice", u"Hart", u"", u"", u"alice@example.org"});
        alice2_ = AddContact({u"Alice", u"Hart", u"Works", u"", u"ahart@example.org"});
        noMail_ = AddContact({u"Carl", u"Ng", u"", u"555 0100", u""});
        g_Settings.firstLast = kNameFirstLast;
        LoadCtsPOOM();
        AttendArrRemoveAll();
    }
    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_ATTENDEE_LIST); }
    static std::vector<std::u16string> Rows(HWND dialog) {
        std::vector<std::u16string> texts;
        const auto count = static_cast<int>(SendMessageW(List(dialog), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[64] = {};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 64;
            SendMessageW(List(dialog), LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            texts.emplace_back(text);
        }
        return texts;
    }
    static std::vector<std::u16string> Array() {
        std::vector<std::u16string> out;
        for (const Attendee& attendee : g_AttendeeArray) out.push_back(attendee.name + u"<" + attendee.address + u">");
        return out;
    }
    static void RemoveRow(HWND dialog, int row) {
        SendMessageW(List(dialog), LVM_SETSELECTIONMARK, 0, row);
        Press(dialog, IDM_REMOVE_ATTENDEE);
    }

    LONG bob_ = -1, alice_ = -1, alice2_ = -1, noMail_ = -1;
};

// Added through the form's command: names in order without case, an equal name after the first,
// the contact without an address refused by name; removing the selected one; the form a meeting.
TEST_F(AttendeesDlgTest, ContactsAddedAndRemovedAreWrittenAsTheRecipients) {
    std::vector<std::u16string> afterAdding, afterRemoving;
    std::u16string formTitle;
    ActInsideForm([&](HWND form) {
        SetDlgItemTextW(form, kApptSubjectId, u"Review");
        pt::ActInsideDialog([&](HWND dialog) {
            pt::AnswerMessageBox(IDOK);
            EXPECT_EQ(Rows(dialog), (std::vector<std::u16string>{u"No Attendees Selected..."}));
            EXPECT_EQ(pt::NavBarTitle(), u"Attendees");
            for (LONG oid : {bob_, alice_, noMail_, alice2_}) AddAttendeeFromCtsOid(dialog, oid);
            afterAdding = Rows(dialog);
            RemoveRow(dialog, 2);  // bob
            RemoveRow(dialog, -1);  // nothing selected: nothing removed
            afterRemoving = Rows(dialog);
            Press(dialog, IDM_DLG_DONE);
        });
        Press(form, IDM_ATTENDEES);
        formTitle = pt::NavBarTitle();
        Press(form, IDM_DLG_DONE);
    });
    NewApptDlg();
    EXPECT_EQ(afterAdding, (std::vector<std::u16string>{u"Alice Hart", u"Alice Hart", u"bob Stone"}));
    EXPECT_EQ(afterRemoving, (std::vector<std::u16string>{u"Alice Hart", u"Alice Hart"}));
    EXPECT_EQ(formTitle, u"Meeting");
    const auto boxes = pt::MessageBoxesShown();
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"'Carl Ng' does not have an email address and will not be added.");

    const ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 1);
    const PoomPtr<IAppointment> stored = Stored(all[0].oid);
    ASSERT_TRUE(stored);
    EXPECT_EQ(LoadAttendeesFromAppt(stored.Get()), 2);
    EXPECT_EQ(Array(), (std::vector<std::u16string>{u"Alice Hart<alice@example.org>", u"Alice Hart<ahart@example.org>"}));
}

// Cancel by the soft key or by Escape (which ends the dialog as IDCANCEL; its edits were kept).
TEST_F(AttendeesDlgTest, CancelPutsTheListAndTheChangedFlagBack) {
    for (const UINT cancel : {static_cast<UINT>(IDM_DLG_CANCEL), static_cast<UINT>(IDCANCEL)}) {
        SCOPED_TRACE(cancel);
        g_AttendeeArray = AttendeeList();
        AttendInsertSorted(u"Dora Fox", u"dora@example.org");
        g_ApptEditFlags.attendeesChanged = 0;
        pt::ActInsideDialog([&](HWND dialog) {
            AddAttendeeFromCtsOid(dialog, alice_);
            AddAttendeeFromCtsOid(dialog, bob_);
            RemoveRow(dialog, 2);  // Dora
            EXPECT_EQ(g_AttendeeArray.Size(), 2);
            EXPECT_EQ(g_ApptEditFlags.attendeesChanged, 1);
            Press(dialog, cancel);
        });
        AttendeesDlg(nullptr);
        EXPECT_EQ(Array(), (std::vector<std::u16string>{u"Dora Fox<dora@example.org>"}));
        EXPECT_EQ(g_ApptEditFlags.attendeesChanged, 0);
    }
}

// The row "No Attendees Selected..." stands for no attendee: removing it marks no change, so a save
// leaves the item's recipients alone.
TEST_F(AttendeesDlgTest, RemovingThePlaceholderRowMarksNoChange) {
    g_ApptEditFlags.attendeesChanged = 0;
    pt::ActInsideDialog([](HWND dialog) {
        RemoveRow(dialog, 0);
        Press(dialog, IDM_DLG_DONE);
    });
    AttendeesDlg(nullptr);
    EXPECT_EQ(g_AttendeeArray.Size(), 0);
    EXPECT_EQ(g_ApptEditFlags.attendeesChanged, 0);
}

// A meeting whose last attendee is removed is an appointment again once the dialog is done.
TEST_F(AttendeesDlgTest, RemovingTheLastAttendeeLeavesAnAppointment) {
    const LONG oid = AddAppt({u"Sync", DateRec(2026, 3, 12, 9, 0, 0), 30});
    {
        const PoomPtr<IAppointment> appt = Stored(oid);
        AttendInsertSorted(u"Dora Fox", u"dora@example.org");
        ASSERT_TRUE(WriteAttendeesToAppt(appt.Get()));
        ASSERT_EQ(appt->Save(), S_OK);
    }
    SelectAppt(oid);
    std::u16string before, after;
    std::vector<std::u16string> rows;
    ActInsideForm([&](HWND form) {
        before = pt::NavBarTitle();
        pt::ActInsideDialog([&](HWND dialog) {
            RemoveRow(dialog, 0);
            rows = Rows(dialog);
            Press(dialog, IDM_DLG_DONE);
        });
        Press(form, IDM_ATTENDEES);
        after = pt::NavBarTitle();
        Press(form, IDM_DLG_DONE);
    });
    EditSelApptDlg();
    EXPECT_EQ(before, u"Meeting");
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"No Attendees Selected..."}));
    EXPECT_EQ(after, u"Appointment");
    StrArray names;
    GetApptAttendees(oid, names);
    EXPECT_EQ(names.Size(), 0);
}

TEST_F(AttendeesDlgTest, Screenshot) {
    AttendInsertSorted(u"Alice Hart", u"alice@example.org");
    AttendInsertSorted(u"bob Stone", u"bob@example.org");
    pt::ActInsideDialog([](HWND dialog) {
        pt::PumpUntilIdle();
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "editors_attendees.png";
        EXPECT_TRUE(pt::SaveScreenshot(out));
        Press(dialog, IDM_DLG_CANCEL);
    });
    AttendeesDlg(nullptr);
}

}  // namespace
