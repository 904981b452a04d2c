// Search as a user meets it in the program's window: series and single appointments found, the
// result list laid out whole under the text and history fields, the selected row keeping its icon,
// the hint lines inside the list, the Action key searching, and the chosen item's preview titled
// with its date and left for its month.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/reg_key.h"
#include "core/settings_key.h"
#include "core/view_id.h"
#include "extras/search.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/shell.h"
#include "platform/testing_draw.h"
#include "platform/testing_gdi.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

struct ResultRow {
    std::u16string text;
    int image = -1;
};

std::vector<ResultRow> Rows(HWND list) {
    std::vector<ResultRow> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        WCHAR text[256] = {};
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back({text, item.iImage});
    }
    return rows;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The distinct colours of the screen inside a rectangle.
std::set<COLORREF> ColoursIn(const RECT& r) {
    std::set<COLORREF> colours;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) colours.insert(pt::ScreenPixel(x, y));
    return colours;
}

class SearchWindow : public frametest::ProgramTest {
protected:
    SearchWindow() {
        FreezeTestDay();
    }
};

TEST_F(SearchWindow, FindsSeriesAndShowsTheListWholeOnAVgaScreen) {
    UseScreen(480, 640);
    {
        Store store;
        store.Appt(u"Choir practice", DateRec(2026, 12, 2, 19, 30), 90, 10);
        store.Appt(u"Choir single", DateRec(2026, 12, 3, 10, 0), 60);
        store.Task(u"Choir robes", DateRec(2026, 12, 12));
    }
    WriteSetting(u"STARTON30", kStartMonth);
    Open();

    std::vector<ResultRow> rows;
    RECT combo{}, list{}, firstRow{};
    std::set<COLORREF> gap, firstIcon;
    pt::ActInsideDialog([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"choir");
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        pt::PumpUntilIdle();
        const HWND results = GetDlgItem(dialog, IDC_SEARCH_LIST);
        rows = Rows(results);
        combo = ScreenRect(GetDlgItem(dialog, IDC_SEARCH_HISTORY));
        list = ScreenRect(results);
        // Between the history field and the list nothing but the dialog's background.
        gap = ColoursIn(RECT{list.left, combo.bottom, list.right, list.top});
        firstRow.left = LVIR_ICON;
        SendMessageW(results, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstRow));
        POINT origin{firstRow.left, firstRow.top};
        ClientToScreen(results, &origin);
        firstIcon = ColoursIn(RECT{origin.x, origin.y, origin.x + firstRow.right - firstRow.left,
                                   origin.y + firstRow.bottom - firstRow.top});
        SendMessageW(dialog, WM_COMMAND, IDM_NEXT_VIEW, 0);
    });
    Command(IDM_SEARCH);

    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[0].text.find(u"Choir practice"), std::u16string::npos) << "the series is found";
    EXPECT_EQ(rows[0].image, kSearchImageAppt);
    EXPECT_NE(rows[1].text.find(u"Choir single"), std::u16string::npos);
    EXPECT_EQ(rows[2].text, u"Choir robes");
    // The history field is one row high, not the height its drop-down gets.
    EXPECT_LT(combo.bottom - combo.top, 60);
    EXPECT_LE(combo.bottom, list.top);
    EXPECT_EQ(gap.size(), 1u) << "no stale frame or row above the list";
    // The selected first row shows its icon on the highlight.
    EXPECT_GT(firstIcon.size(), 2u);

    // "View" opens the series' preview, titled with the date of its first meeting.
    EXPECT_EQ(ViewId, kViewApptPreview);
    EXPECT_EQ(pt::NavBarTitle(), u"Wed Dec 2, 2026");
}

// What the search dialog showed and kept while the user typed a text and pressed the Action key.
struct ActionKeySearch {
    std::vector<pt::DrawnText> hints;  // the hint lines, as drawn inside the list
    RECT list{};
    bool openAfterAction = false;
    std::vector<std::u16string> rows;  // the result rows drawn after the Action key
};

class SearchByKeys : public SearchWindow {
protected:
    // Opens the search on the month view of a new screen, types "choir" and presses the Action key;
    // "Done" then closes the dialog.
    ActionKeySearch TypeAndPressAction(int width, int height) {
        UseScreen(width, height);
        WriteSetting(u"STARTON30", kStartMonth);
        Open();
        ActionKeySearch seen;
        pt::DrawRecord record;
        HWND searchDialog = nullptr;
        pt::ActInsideDialog([&](HWND dialog) {
            searchDialog = dialog;
            GetWindowRect(GetDlgItem(dialog, IDC_SEARCH_LIST), &seen.list);
            for (const auto& text : record.ScreenTextsIn(seen.list))
                if (text.text == u"Enter Search Text." || text.text == u"Press 'Go' or Action to Search.")
                    seen.hints.push_back(text);
            pt::Text(u"choir");
            pt::Key(VK_RETURN);
        });
        pt::ActInsideDialog([&](HWND dialog) {
            seen.openAfterAction = dialog != nullptr && dialog == searchDialog;
            if (!seen.openAfterAction) return;
            pt::PumpUntilIdle();
            for (const auto& text : record.ScreenTextsIn(seen.list)) seen.rows.push_back(text.text);
            pt::Key(VK_TSOFT2);
        });
        pt::ActInsideModalLoop([] {
            for (int i = 0; i < 2; ++i) pt::Key(VK_DOWN);  // "Done", past the separator
            pt::Key(VK_RETURN);
        });
        Command(IDM_SEARCH);
        return seen;
    }
};

// The hint lines were drawn below the list on a QVGA screen, and the Action key in the text field
// closed the dialog and lost the typed text.
TEST_F(SearchByKeys, HintsSitAtTheListsFootAndTheActionKeySearches) {
    const struct {
        int width, height;
    } kScreens[] = {{240, 320}, {480, 640}};
    {
        Store store;
        store.Appt(u"Choir single", DateRec(2027, 2, 3, 10, 0), 60);
        store.Task(u"Water plants", DateRec(2026, 12, 12));
    }
    for (const auto& screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        const ActionKeySearch seen = TypeAndPressAction(screen.width, screen.height);
        ASSERT_EQ(seen.hints.size(), 2u);
        const pt::DrawnText& enter = seen.hints[0];
        const pt::DrawnText& press = seen.hints[1];
        EXPECT_EQ(enter.text, u"Enter Search Text.");
        EXPECT_LT(enter.rect.bottom, press.rect.top + 1) << "the second line under the first";
        // At the foot of the list, each centred across it.
        EXPECT_LE(seen.list.bottom - press.rect.bottom, press.rect.bottom - press.rect.top);
        for (const pt::DrawnText& line : seen.hints)
            EXPECT_NEAR((line.rect.left + line.rect.right) / 2, (seen.list.left + seen.list.right) / 2, 2);

        EXPECT_TRUE(seen.openAfterAction) << "the Action key searched, the dialog stayed";
        ASSERT_EQ(seen.rows.size(), 1u);
        EXPECT_NE(seen.rows[0].find(u"Choir single"), std::u16string::npos);
        RegKey key;
        std::u16string stored;
        ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        EXPECT_TRUE(key.ReadText(u"SEARCH1", 1024, stored));
        EXPECT_EQ(stored, u"choir");
        CloseProgram();
    }
}

// The month view's grid stayed the month the search was opened on, under the title of the month
// of the result that was viewed.
TEST_F(SearchByKeys, BackFromAResultInAnotherMonthShowsThatMonthsGrid) {
    UseScreen(240, 320);
    {
        Store store;
        store.Appt(u"Choir single", DateRec(2027, 2, 3, 10, 0), 60);
    }
    WriteSetting(u"STARTON30", kStartMonth);
    // From the start, so that the notes of the month's cached grid are kept too.
    pt::DrawRecord record;
    Open();
    ASSERT_EQ(pt::NavBarTitle(), u"December 2026");
    pt::ActInsideDialog([](HWND dialog) {
        pt::Text(u"choir");
        const RECT go = ScreenRect(GetDlgItem(dialog, IDC_SEARCH_GO));
        pt::Tap((go.left + go.right) / 2, (go.top + go.bottom) / 2);
    });
    pt::ActInsideDialog([](HWND) { pt::Key(VK_TSOFT1); });  // "View"
    Command(IDM_SEARCH);
    ASSERT_EQ(ViewId, kViewApptPreview);
    EXPECT_EQ(pt::NavBarTitle(), u"Wed Feb 3, 2027");

    record.Clear();
    for (int i = 0; i < 2; ++i) {
        pt::Key("BACK");
        pt::PumpUntilIdle();
    }
    ASSERT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(pt::NavBarTitle(), u"February 2027");
    // The first week of February 2027 runs from Sunday 31 January to Saturday 6 February.
    std::vector<std::u16string> firstWeek;
    const auto texts = record.ScreenTexts();
    for (const auto& text : texts) {
        if (text.text.empty() || text.text.size() > 2 || text.text[0] < u'0' || text.text[0] > u'9') continue;
        if (!firstWeek.empty() && text.rect.top > texts.front().rect.top && firstWeek.size() >= 7) break;
        firstWeek.push_back(text.text);
    }
    ASSERT_GE(firstWeek.size(), 7u);
    EXPECT_EQ(std::vector<std::u16string>(firstWeek.begin(), firstWeek.begin() + 7),
              (std::vector<std::u16string>{u"31", u"1", u"2", u"3", u"4", u"5", u"6"}));
}

}  // namespace

