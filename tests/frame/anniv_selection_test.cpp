// A contact's birthday among the day's appointments in the Day and Dates lists, walked with the
// navigation pad: the birthday row is drawn selected when it is the selection, and the Action key
// opens its contact.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calendar/sched_list.h"
#include "core/cur_item.h"
#include "core/view_id.h"
#include "platform/testing_draw.h"
#include "platform/testing_pim.h"
#include "platform/user.h"
#include "program_fixture.h"
#include "ui/theme_colors.h"
#include "ui/view_windows.h"

namespace {

namespace pt = platform::testing;

class AnnivSelection : public frametest::ProgramTest {
protected:
    static LONG BirthdayContact(const char16_t* first, const char16_t* last, const DateRec& birthday) {
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(first);
        contact->put_LastName(last);
        contact->put_Birthday(Store::Ole(birthday));
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }
};

int RowKind(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

// The colours of the screen across a window, over the height of a drawn line.
std::set<COLORREF> BandColours(HWND window, const RECT& line) {
    RECT across{};
    GetWindowRect(window, &across);
    std::set<COLORREF> colours;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = across.left; x < across.right; ++x) colours.insert(pt::ReadScreenPixel(x, y));
    return colours;
}

// The birthday row looked the same selected or not, while the Action key still opened the contact:
// the drawn agenda left the row to its cached, unselected look.
TEST_F(AnnivSelection, TheSelectedBirthdayRowIsDrawnSelectedInDayAndDates) {
    FreezeTestDay();
    LONG contact = -1;
    {
        Store store;
        store.Appt(u"Standup", DateRec(2026, 12, 10, 9, 0), 30);
        contact = BirthdayContact(u"Zoe", u"Person", DateRec(1990, 12, 10));
        store.Appt(u"Lunch", DateRec(2026, 12, 10, 12, 0), 60);
    }
    const struct {
        LONG format;  // AGENDAFMT: 1 the two-line list, 2 the drawn agenda
        LONG start;
        LONG view;
        int width, height;
    } kCases[] = {
        {1, kStartDay, kViewDay, 240, 320}, {1, kStartDates, kViewDates, 240, 320},
        {2, kStartDay, kViewDay, 240, 320}, {2, kStartDates, kViewDates, 240, 320},
        {2, kStartDay, kViewDay, 480, 640}, {2, kStartDates, kViewDates, 480, 640},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.view == kViewDay ? "Day " : "Dates ") + "format " + std::to_string(c.format) + " " +
                     std::to_string(c.width));
        UseScreen(c.width, c.height);
        WriteSetting(u"STARTON30", c.start);
        WriteSetting(u"AGENDAFMT", c.format);
        pt::DrawRecord record;
        Open();
        ASSERT_EQ(ViewId, c.view);
        const bool drawn = c.format == 2;
        const HWND window = drawn ? g_ViewWnds.agendaView : g_ViewWnds.scheduleList;
        ASSERT_TRUE(window && IsWindowVisible(window));
        auto birthdaySelected = [&] {
            if (drawn) return g_CurItem.kind == kItemContact && g_CurItem.oid == contact;
            const int row = static_cast<int>(SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            return row >= 0 && RowKind(window, row) == kSchedAnniv;
        };
        auto birthdayLine = [&] {
            const auto lines = record.ScreenTextsContaining(u"Zoe Person");
            return lines.empty() ? RECT{} : lines.front().rect;
        };

        // The row as drawn while another row is the selection, then while it is.
        std::set<COLORREF> unselected, selected;
        for (int press = 0; press < 12 && selected.empty(); ++press) {
            if (birthdaySelected()) {
                if (!unselected.empty()) selected = BandColours(window, birthdayLine());
            } else {
                unselected = BandColours(window, birthdayLine());
            }
            if (selected.empty()) {
                pt::Key(VK_DOWN);
                pt::PumpUntilIdle();
            }
        }
        ASSERT_FALSE(selected.empty()) << "Down reached the birthday";
        EXPECT_NE(selected, unselected) << "Down changed what the row shows";
        EXPECT_TRUE(selected.count(ThemeColor(kThemeSelColor)) || selected.count(ThemeColor(kThemeSelFrameColor)))
            << "the selection's colour is on the row";
        EXPECT_FALSE(record.ScreenTextsContaining(u"Zoe Person").empty()) << "the selected row keeps its text";

        // The contact opens on the device's own card, which is modal: it is closed again.
        pt::ClearPimItemsDisplayed();
        pt::ActInsideModalLoop([] {
            if (const HWND card = pt::ShownItemCard()) PostMessageW(card, WM_CLOSE, 0, 0);
        });
        pt::Key(VK_RETURN);
        pt::PumpUntilIdle();
        EXPECT_EQ(pt::PimItemsDisplayed(), std::vector<CEOID>{static_cast<CEOID>(contact)});
        CloseProgram();
    }
}

}  // namespace
