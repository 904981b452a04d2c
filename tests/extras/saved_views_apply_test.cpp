// Saved views applied over the running program: a task list and a contact list come back in the
// sort order and with the type-ahead search they were saved with, as the user picks them from the
// "Select Saved View" list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/month_view.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "extras/saved_views.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "platform/commctrl.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/testing_gdi.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"
#include "ui/dialog_conventions.h"
#include "ui/list_rows.h"

namespace {

namespace pt = platform::testing;

class SavedViewsApplied : public frametest::ProgramTest {
protected:
    // By name: Adams, Bell, Berg, Carr; by company: Berg, Carr, Bell, Adams.
    static void StoreFourContacts() {
        Store store;
        (void)store;
        Contact(u"Zed", u"Adams", u"Zeta Works");
        Contact(u"Anna", u"Berg", u"Alpha Inc");
        Contact(u"Bo", u"Bell", u"Mid Co");
        Contact(u"Cy", u"Carr", u"Beta Ltd");
    }
    // The contacts by name, narrowed by type-ahead to "Be".
    static SavedView LettersBe() {
        SavedView view;
        view.name = u"Be people";
        view.viewCode = kViewContacts;
        view.contact[1] = kCtsModeName;
        view.typeAheadLetter = u'B';
        view.typeAheadText = u"Be";
        view.contactState = 1;
        return view;
    }
    ~SavedViewsApplied() override {
        ClearCtsTypeAhead();
        ClearKeypadKeys();
        g_SavedViews = SavedViewList();
    }
    static LONG Contact(const char16_t* first, const char16_t* last, const char16_t* company) {
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(first);
        contact->put_LastName(last);
        contact->put_CompanyName(company);
        contact->put_FileAs((std::u16string(last) + u", " + first).c_str());
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }
    static void Keep(SavedView view) {
        InsertSavedView(view);
        SaveSavedViews();
    }
    // The user opens "Select Saved View" and takes the row of that name.
    static void Pick(const std::u16string& name) {
        pt::ActInsideDialog([name](HWND dialog) {
            const HWND list = GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST);
            for (int row = 0; row < g_SavedViews.views.Size(); ++row) {
                if (g_SavedViews.views[row].name != name) continue;
                LVITEMW state{};
                state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                state.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
            }
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        Command(IDM_SAVED_VIEWS);
    }
    static std::vector<std::u16string> TaskOrder() {
        std::vector<std::u16string> order;
        for (const TskRecord& task : g_TskList) order.push_back(task.subject);
        return order;
    }
    static std::vector<std::u16string> ContactOrder() {
        std::vector<std::u16string> order;
        for (const CtsRecord& contact : g_CtsList) order.push_back(contact.lastName);
        return order;
    }
    // The contacts the list shows, in row order.
    static std::vector<std::u16string> ShownContacts() {
        std::vector<std::u16string> shown;
        for (const auto& row : g_CtsRows) {
            if (row.kind != kRowItem) continue;
            const LONG slot = IdIndexGet(row.id, g_CtsIdIndex);
            if (slot >= 0) shown.push_back(g_CtsList[slot].lastName);
        }
        return shown;
    }
};

TEST_F(SavedViewsApplied, TaskViewBringsBackItsSortOrder) {
    {
        Store store;
        store.Task(u"Apples", DateRec(2026, 5, 11));
        store.Task(u"Zinc", DateRec(2026, 5, 20));
        store.Task(u"Milk", DateRec(2026, 5, 2));
    }
    WriteSetting(u"STARTON30", kStartTasks);
    WriteSetting(u"TASKSORT", kTskSortName);
    WriteSetting(u"TASKSORTASC1", 1);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    ASSERT_EQ(TaskOrder(), (std::vector<std::u16string>{u"Apples", u"Milk", u"Zinc"}));

    SavedView byDue;
    byDue.name = u"By due date";
    byDue.viewCode = kViewTasks;
    byDue.weekTask[5] = kTskSortDueDate;  // TASKSORT
    Keep(byDue);
    SavedView byName = byDue;
    byName.name = u"By name";
    byName.weekTask[5] = kTskSortName;
    Keep(byName);

    Pick(u"By due date");
    EXPECT_EQ(ViewId, kViewTasks);
    EXPECT_EQ(g_Settings.taskSort, kTskSortDueDate);
    EXPECT_EQ(TaskOrder(), (std::vector<std::u16string>{u"Milk", u"Apples", u"Zinc"}));

    Pick(u"By name");
    EXPECT_EQ(TaskOrder(), (std::vector<std::u16string>{u"Apples", u"Milk", u"Zinc"}));
}

TEST_F(SavedViewsApplied, ContactViewBringsBackItsSortAndSearch) {
    StoreFourContacts();
    WriteSetting(u"STARTON30", kStartContacts);
    WriteSetting(u"CTSICON", 0);
    Open();
    ASSERT_EQ(ViewId, kViewContacts);
    ASSERT_EQ(ContactOrder(), (std::vector<std::u16string>{u"Adams", u"Bell", u"Berg", u"Carr"}));

    SavedView byCompany;
    byCompany.name = u"By company";
    byCompany.viewCode = kViewContacts;
    byCompany.contact[1] = kCtsModeCompany;  // CONTACTSORT
    Keep(byCompany);
    Keep(LettersBe());

    Pick(u"By company");
    EXPECT_EQ(g_Settings.contactSort, kCtsModeCompany);
    EXPECT_EQ(g_CtsSortedByCompany, 1);
    EXPECT_EQ(ContactOrder(), (std::vector<std::u16string>{u"Berg", u"Carr", u"Bell", u"Adams"}));
    EXPECT_EQ(ShownContacts(), (std::vector<std::u16string>{u"Berg", u"Carr", u"Bell", u"Adams"}));

    Pick(u"Be people");
    EXPECT_EQ(g_Settings.contactSort, kCtsModeName);
    EXPECT_EQ(ContactOrder(), (std::vector<std::u16string>{u"Adams", u"Bell", u"Berg", u"Carr"}));
    EXPECT_EQ(g_CtsTypeAhead.letter, u'B');
    EXPECT_EQ(g_CtsTypeAhead.text, u"Be");
    EXPECT_EQ(ShownContacts(), (std::vector<std::u16string>{u"Bell", u"Berg"}));
}

// The search was put back only when the contact list was already on screen: opened from another
// view the list showed every contact.
TEST_F(SavedViewsApplied, ContactListNarrowedByLettersComesBackFromAnotherView) {
    StoreFourContacts();
    WriteSetting(u"STARTON30", kStartTasks);
    WriteSetting(u"CTSICON", 0);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    Keep(LettersBe());

    pt::DrawRecord record;
    Pick(u"Be people");
    ASSERT_EQ(ViewId, kViewContacts);
    EXPECT_EQ(ShownContacts(), (std::vector<std::u16string>{u"Bell", u"Berg"}));
    EXPECT_FALSE(record.ScreenTextsContaining(u"Bell").empty());
    EXPECT_TRUE(record.ScreenTextsContaining(u"Adams").empty()) << "a contact the search leaves out is drawn";
    EXPECT_TRUE(record.ScreenTextsContaining(u"Carr").empty());
}

// Back left the "Select Saved View" list on screen where every other dialog closes.
TEST_F(SavedViewsApplied, BackClosesTheListOfSavedViews) {
    WriteSetting(u"STARTON30", kStartTasks);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    SavedView month;
    month.name = u"Month";
    month.viewCode = kViewMonth;
    Keep(month);

    pt::ActInsideDialog([](HWND dialog) {
        pt::Key("BACK");
        // Behind the key: when the key left the list up, Done ends it (showing the month) instead
        // of the test waiting forever.
        PostMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    Command(IDM_SAVED_VIEWS);
    const auto shown = pt::DialogsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().result, kDlgCancel);
    EXPECT_EQ(ViewId, kViewTasks) << "Back applied the saved view";
}

TEST_F(SavedViewsApplied, DayViewGoesBackToTheViewItWasSavedFrom) {
    WriteSetting(u"STARTON30", kStartTasks);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    SavedView day;
    day.name = u"Month day";
    day.viewCode = kViewDay;
    day.daySourceView = kViewMonth;
    Keep(day);

    Pick(u"Month day");
    EXPECT_EQ(ViewId, kViewDay);
    EXPECT_EQ(g_Frame.prevViewId, kViewMonth);
}

TEST_F(SavedViewsApplied, MonthViewWithDatesDrawsTheSavedMonth) {
    WriteSetting(u"STARTON30", kStartMonth);
    const HWND main = Open();
    ASSERT_EQ(ViewId, kViewMonth);
    // A month whose first day falls on another weekday than the shown one's.
    const bool shownIsFebruary = g_SelectedDate.wYear == 2025 && g_SelectedDate.wMonth == 2;
    SavedView month;
    month.name = u"Other month";
    month.viewCode = kViewMonth;
    month.datesSaved = 1;
    month.shownDate = {2025, shownIsFebruary ? 6 : 2, 14};
    Keep(month);

    const auto screen = [main] {
        RECT r{};
        GetWindowRect(main, &r);
        std::vector<COLORREF> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels.push_back(pt::ScreenPixel(x, y));
        return pixels;
    };
    Pick(u"Other month");
    ASSERT_EQ(ViewId, kViewMonth);
    ASSERT_EQ(g_SelectedDate.wYear, 2025);
    const std::vector<COLORREF> shown = screen();
    // The same month drawn from nothing.
    DropMonthGridCache();
    InvalidateRect(main, nullptr, TRUE);
    pt::PumpUntilIdle();
    EXPECT_TRUE(shown == screen()) << "the grid of the month shown before stayed on the screen";
}

}  // namespace
