// The roads through the drawn agenda in the program's window: the soft keys of the Day and Dates
// lists and the previews, the wallet's item page and its keys, the task check box of the Day list,
// what a Day list row shows beside its text, and the go-to-date button of the weekday bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calendar/agenda_switch.h"
#include "calendar/sched_bar.h"
#include "core/poom_session.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "frame/menu_bars.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"
#include "ui/date_pickers.h"
#include "ui/draw_prims.h"
#include "ui/theme_pictures.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_view.h"

namespace {

namespace pt = platform::testing;

// The theme's string word of the views' background picture.
constexpr int kBackPictureWord = 44;

class AgendaPaths : public frametest::ProgramTest {
protected:
    AgendaPaths() {
        FreezeTestDay();
        WriteSetting(u"STARTON30", kStartMonth);
        WriteSetting(u"AGENDAFMT", 2);
        WriteSetting(u"VIEWMENU3", 0);
    }
    ~AgendaPaths() override {
        CloseProgram();
        g_WltSettings = WltSettings();
        g_Theme.String(kBackPictureWord).clear();
        FreeBackPictures();
    }

    // The Day view of today, from the month view.
    static void EnterToday() {
        Command(IDM_GO_TO_TODAY);
        pt::Key(VK_RETURN);
        pt::PumpUntilIdle();
    }
    static void Press(UINT key, int times = 1) {
        for (int i = 0; i < times; ++i) pt::Key(key);
        pt::PumpUntilIdle();
    }
    static RECT AgendaRect() {
        RECT r{};
        GetWindowRect(g_Agenda.wnd, &r);
        return r;
    }
    // The first text the agenda window shows that contains `text`; an empty box when none.
    static pt::DrawnText Shown(const pt::DrawRecord& record, std::u16string_view text) {
        for (const pt::DrawnText& t : record.ScreenTextsIn(AgendaRect()))
            if (t.text.find(text) != std::u16string::npos) return t;
        return {};
    }
    static bool Shows(const pt::DrawRecord& record, std::u16string_view text) {
        return !Shown(record, text).text.empty();
    }
    static std::u16string LeftSoftKey() {
        const std::vector<std::u16string> keys = pt::SoftKeyTexts();
        return keys.empty() ? std::u16string() : keys.front();
    }
    void DriveWalletItemPage(bool dayFirst);
    static bool TaskComplete(LONG oid) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        VARIANT_BOOL complete = VARIANT_FALSE;
        if (task) task->get_Complete(&complete);
        return complete != VARIANT_FALSE;
    }
};

TEST_F(AgendaPaths, DayDatesAndPreviewsBringTheirOwnSoftKeys) {
    {
        Store store;
        store.Appt(u"Dentist", DateRec(2026, 12, 10, 10, 0), 60);
        store.Task(u"Pay rent", DateRec(2026, 12, 10));
    }
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(LeftSoftKey(), u"Next View");

    struct Step {
        const char* what;
        UINT command;  // 0: the key
        UINT key;
        LONG view;
        const char16_t* left;
        HWND MenuBarSlots::*bar;
    };
    const Step kSteps[] = {
        {"Enter on the month", 0, VK_RETURN, kViewDay, u"Back", &MenuBarSlots::day},
        {"down to the first item", 0, VK_DOWN, kViewDay, u"Back", &MenuBarSlots::day},
        {"Enter on it", 0, VK_RETURN, kViewApptPreview, u"Edit", &MenuBarSlots::apptPreview},
        {"Left in the preview", 0, VK_LEFT, kViewDay, u"Back", &MenuBarSlots::day},
        {"down to the task", 0, VK_DOWN, kViewDay, u"Back", &MenuBarSlots::day},
        {"Enter on the task", 0, VK_RETURN, kViewTaskPreview, u"Edit", &MenuBarSlots::taskPreview},
        {"the Dates view", IDM_VIEW_DATES, 0, kViewDates, u"Next View", &MenuBarSlots::dates},
    };
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.what);
        if (s.command) {
            Command(s.command);
        } else {
            Press(s.key);
        }
        ASSERT_EQ(ViewId, s.view);
        EXPECT_EQ(LeftSoftKey(), s.left);
        EXPECT_NE(g_MenuBars.*(s.bar), nullptr);
        EXPECT_EQ(pt::ShownSoftKeyBar(), g_MenuBars.*(s.bar)) << "the view's own bar is the one on screen";
    }
}

// The wallet's welcome item made long and opened on its page: Space, Up, Down, Left and Enter.
void AgendaPaths::DriveWalletItemPage(bool dayFirst) {
    g_Wlt = WltState();
    g_WltSettings = WltSettings();
    ASSERT_NE(Open(), nullptr);
    if (dayFirst) EnterToday();
    Command(IDM_VIEW_WALLET);
    ASSERT_EQ(ViewId, kViewWallet);
    ASSERT_GE(g_Wlt.items.Size(), 1);
    // The welcome item with a PIN first and more lines at its end than the window holds.
    WltItem& item = g_Wlt.items[0];
    WltEntry pin;
    pin.kind = kWltKindSecret;
    pin.label = u"PIN";
    pin.value = u"4321";
    item.fields.InsertAt(0, pin);
    for (int i = 1; i <= 40; ++i) {
        WltEntry line;
        line.kind = 1;
        line.label = u"Line";
        line.value = u"Value " + platform::FromUtf8(std::to_string(i));
        item.fields.Append(line);
    }
    FillWalletTree();
    const HWND tree = g_ViewWnds.walletTree;
    const auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ASSERT_NE(group, nullptr);
    const auto node = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(group)));
    ASSERT_NE(node, nullptr);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));

    pt::DrawRecord record;
    struct Step {
        const char* what;
        UINT key;  // 0: open the item page
        LONG view;
        const char16_t* shown;    // on the page after the key, or null
        const char16_t* missing;  // not on the page, or null
    };
    const Step kSteps[] = {
        {"the page opens masked", 0, kViewWalletItem, u"*****", u"4321"},
        {"Space shows the PIN", VK_SPACE, kViewWalletItem, u"4321", u"*****"},
        {"Space hides it again", VK_SPACE, kViewWalletItem, u"*****", u"4321"},
        {"the end of the page is below the window", 0, kViewWalletItem, u"Welcome", u"Value 40"},
        {"Down scrolls to it", VK_DOWN, kViewWalletItem, u"Value 40", u"Welcome"},
        {"Up scrolls back", VK_UP, kViewWalletItem, u"Welcome", u"Value 40"},
        {"Left goes back to the tree", VK_LEFT, kViewWallet, nullptr, nullptr},
        {"the page again", 0, kViewWalletItem, u"Welcome", nullptr},
        {"Enter goes back to the tree", VK_RETURN, kViewWallet, nullptr, nullptr},
    };
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.what);
        if (s.key == 0) {
            if (ViewId != kViewWalletItem) Command(IDM_VIEW_ITEM);
        } else {
            // Down and Up go far enough for any page of this length.
            Press(s.key, s.key == VK_DOWN || s.key == VK_UP ? 150 : 1);
        }
        ASSERT_EQ(ViewId, s.view);
        if (s.view != kViewWalletItem) {
            EXPECT_FALSE(IsWindowVisible(g_Agenda.wnd));
            continue;
        }
        ASSERT_TRUE(IsWindowVisible(g_Agenda.wnd));
        if (s.shown) {
            EXPECT_TRUE(Shows(record, s.shown)) << platform::ToUtf8(s.shown);
        }
        if (s.missing) {
            EXPECT_FALSE(Shows(record, s.missing)) << platform::ToUtf8(s.missing);
        }
    }
}

TEST_F(AgendaPaths, WalletItemPageAnswersItsKeysAndScrolls) { DriveWalletItemPage(true); }

// The page shares the agenda view window, which a wallet opened first has to make.
TEST_F(AgendaPaths, WalletItemPageOpenedBeforeAnyAgendaView) { DriveWalletItemPage(false); }

TEST_F(AgendaPaths, TaskCheckBoxOfTheDayListTogglesTheTask) {
    LONG oid = -1;
    {
        Store store;
        store.Appt(u"Dentist", DateRec(2026, 12, 10, 10, 0), 60);
        oid = store.Task(u"Pay rent", DateRec(2026, 12, 10));
    }
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    EnterToday();
    ASSERT_EQ(ViewId, kViewDay);
    struct Tap {
        const char* what;
        int x;  // from the agenda window's left edge
        bool complete;
    };
    const Tap kTaps[] = {
        {"the check box", 10, true},
        {"the subject", 120, true},
        {"the check box again", 10, false},
    };
    for (const Tap& t : kTaps) {
        SCOPED_TRACE(t.what);
        const pt::DrawnText row = Shown(record, u"Pay rent");
        ASSERT_FALSE(row.text.empty());
        pt::Tap(AgendaRect().left + t.x, (row.rect.top + row.rect.bottom) / 2);
        pt::PumpUntilIdle();
        EXPECT_EQ(g_CurItem.oid, oid) << "the tap selects the task";
        EXPECT_EQ(TaskComplete(oid), t.complete);
    }
}

TEST_F(AgendaPaths, DayRowsShowColourBarSpanGlyphsPictureAndAnniversaryIcons) {
    {
        Store store;
        store.Appt(u"Dentist", DateRec(2026, 12, 10, 10, 0), 60);
        store.Appt(u"Night shift", DateRec(2026, 12, 9, 22, 0), 26 * 60);  // 9th 22:00 to 11th 0:00
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(u"Ada");
        contact->put_LastName(u"Byron");
        contact->put_Birthday(Store::Ole(DateRec(1990, 12, 10)));
        EXPECT_EQ(contact->Save(), S_OK);
    }
    WriteSetting(u"LEFTCOLORBAR", 1);
    WriteSetting(u"STATUSCOLORS", 1);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    EnterToday();
    ASSERT_EQ(ViewId, kViewDay);
    const RECT agenda = AgendaRect();

    // The colour bar left of an appointment row, in its busy status's colour.
    const pt::DrawnText dentist = Shown(record, u"Dentist");
    ASSERT_FALSE(dentist.text.empty());
    const int barX = agenda.left + 8 + 2;
    EXPECT_EQ(pt::ReadScreenPixel(barX, (dentist.rect.top + dentist.rect.bottom) / 2) & 0xFFFFFF,
              GetViewColor(olBusy) & 0xFFFFFF);

    // The middle day of the night shift: the span glyph instead of a time.
    const pt::DrawnText shift = Shown(record, u"Night shift");
    ASSERT_FALSE(shift.text.empty());
    const RECT shiftRow{agenda.left, shift.rect.top - 4, shift.rect.left, shift.rect.bottom + 4};
    const auto glyphs = record.ScreenPicturesIn(shiftRow);
    EXPECT_TRUE(std::any_of(glyphs.begin(), glyphs.end(), [](const pt::DrawnPicture& p) { return p.resourceId != 0; }))
        << "a glyph left of the subject";
    EXPECT_FALSE(Shows(record, u"<>"));

    // The birthday row: its icon beside "Birthday".
    const pt::DrawnText birthday = Shown(record, u"Birthday");
    ASSERT_FALSE(birthday.text.empty());
    const RECT birthdayRow{agenda.left, birthday.rect.top - 6, birthday.rect.left, birthday.rect.bottom + 6};
    EXPECT_FALSE(record.ScreenPicturesIn(birthdayRow).empty()) << "the birthday icon";
    EXPECT_TRUE(Shows(record, u"Ada"));

    // The theme's background picture behind the list.
    const std::u16string path = u"\\My Documents\\agenda back.bmp";
    std::filesystem::create_directories(device_.HostPath(u"\\My Documents"));
    std::filesystem::copy_file(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp",
                               device_.HostPath(path));
    g_Theme.String(kBackPictureWord) = path;
    FreeBackPictures();
    ShowDayView(0, 1);
    pt::PumpUntilIdle();
    EXPECT_EQ(pt::ReadScreenPixel(agenda.left + 1, agenda.top + 1) & 0xFFFFFF, 0xFF00FFu) << "the picture's corner";
}

// A birthday row leads with the contact's own photo when it has one, its text moved past it; a
// contact without a photo gets none (no stand-in picture).
TEST_F(AgendaPaths, DayBirthdayRowShowsTheContactsPhoto) {
    {
        Store store;
        std::ifstream in(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(bytes.empty());
        for (const char16_t* last : {u"Byron", u"Curie"}) {
            PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
            contact->put_FirstName(last[0] == u'B' ? u"Ada" : u"Marie");
            contact->put_LastName(last);
            contact->put_Birthday(Store::Ole(DateRec(1990, 12, 10)));
            if (last[0] == u'B') {
                const PoomPtr<IItem> item = QueryPoom<IItem>(contact.Get(), IID_IItem);
                ASSERT_TRUE(item);
                PoomPtr<IStream> stream;
                ASSERT_EQ(item->OpenProperty(PIMPR_PICTURE, GENERIC_READ | GENERIC_WRITE, stream.Out()), S_OK);
                ULONG written = 0;
                stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
            }
            EXPECT_EQ(contact->Save(), S_OK);
        }
    }
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    EnterToday();
    ASSERT_EQ(ViewId, kViewDay);
    const RECT agenda = AgendaRect();
    // A picture decoded from the contact's own data, not one of the program's resources.
    const auto photosIn = [&](const pt::DrawnText& text) {
        const RECT row{agenda.left, text.rect.top - 2, text.rect.left, text.rect.bottom + 2};
        std::vector<pt::DrawnPicture> photos;
        for (const pt::DrawnPicture& p : record.ScreenPicturesIn(row))
            if (p.resourceId == 0 && p.file.empty()) photos.push_back(p);
        return photos;
    };
    const pt::DrawnText ada = Shown(record, u"Ada");
    const pt::DrawnText marie = Shown(record, u"Marie");
    ASSERT_FALSE(ada.text.empty());
    ASSERT_FALSE(marie.text.empty());
    const std::vector<pt::DrawnPicture> photos = photosIn(ada);
    ASSERT_EQ(photos.size(), 1u) << "the photo before the name";
    const RECT photo = photos.front().rect;
    EXPECT_EQ(photo.right - photo.left, photo.bottom - photo.top) << "a square";
    EXPECT_GE(photo.right - photo.left, 10);
    EXPECT_LT(photo.right, ada.rect.left);
    EXPECT_GT(ada.rect.left, marie.rect.left) << "the name moves past the photo";
    EXPECT_TRUE(photosIn(marie).empty());
}

TEST_F(AgendaPaths, GoToDateButtonOpensTheGoToDateWheel) {
    WriteSetting(u"DAYTOOLBAR", 1);
    ASSERT_NE(Open(), nullptr);
    EnterToday();
    ASSERT_EQ(ViewId, kViewDay);
    const HWND bar = g_ViewWnds.weekdayBar;
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(IsWindowVisible(bar));
    RECT button{};
    ASSERT_TRUE(SendMessageW(bar, TB_GETITEMRECT, 11, reinterpret_cast<LPARAM>(&button)));
    POINT middle{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(bar, &middle);

    struct Case {
        const char* what;
        bool choose;
        DateRec want;
    };
    const Case kCases[] = {
        {"cancelled", false, DateRec(2026, 12, 10)},
        {"a day chosen", true, DateRec(2027, 1, 5)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<std::u16string> keys;
        DateRec seeded;
        g_GoToDate = GoToDateWheel();
        pt::ActInsideDialog([&](HWND dialog) {
            keys = pt::SoftKeyTexts();
            seeded = DateRec(g_GoToDate.year, g_GoToDate.month, g_GoToDate.day);
            g_GoToDate.year = 2027;
            g_GoToDate.month = 1;
            g_GoToDate.day = 5;
            SendMessageW(dialog, WM_COMMAND, c.choose ? 20071 : 20072, 0);
        });
        pt::Tap(middle.x, middle.y);
        pt::PumpUntilIdle();
        EXPECT_EQ(keys, (std::vector<std::u16string>{u"Select", u"Menu"})) << "the go-to-date wheel's soft keys";
        EXPECT_EQ(seeded.wYear, 2026);
        EXPECT_EQ(seeded.wMonth, 12);
        EXPECT_EQ(seeded.wDay, 10);
        EXPECT_EQ(g_SelectedDate.wYear, c.want.wYear);
        EXPECT_EQ(g_SelectedDate.wMonth, c.want.wMonth);
        EXPECT_EQ(g_SelectedDate.wDay, c.want.wDay);
        EXPECT_EQ(ViewId, kViewDay);
    }
}

}  // namespace

namespace {

// With the default list-style Day view, an appointment without a location shows the first line of
// its notes; a line break there was drawn as a box. It reads as a blank.
TEST_F(AgendaPaths, NotesSnippetShowsLineBreaksAsBlanks) {
    {
        Store store;
        PoomPtr<IAppointment> appt = Store::Create<IAppointment>(olAppointmentItem, IID_IAppointment);
        appt->put_Subject(u"Dentist");
        appt->put_Start(Store::Ole(DateRec(2026, 12, 10, 10, 0)));
        appt->put_Duration(60);
        appt->put_ReminderSet(VARIANT_FALSE);
        appt->put_Body(u"Bring\r\nforms");
        EXPECT_EQ(appt->Save(), S_OK);
    }
    WriteSetting(u"AGENDAFMT", 1);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    EnterToday();
    ASSERT_EQ(ViewId, kViewDay);
    const auto shown = record.ScreenTextsContaining(u"Bring");
    ASSERT_FALSE(shown.empty());
    for (const pt::DrawnText& text : shown) {
        EXPECT_EQ(text.text.find_first_of(u"\r\n"), std::u16string::npos);
        EXPECT_NE(text.text.find(u"forms"), std::u16string::npos) << "the note's second line follows on";
    }
}

}  // namespace
