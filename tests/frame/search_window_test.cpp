// Search as a user meets it in the program's window on a VGA screen: series and single appointments
// found, the result list laid out whole under the text and history fields, the selected row
// keeping its icon, and the chosen item's preview titled with its date.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/view_id.h"
#include "extras/search.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
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

}  // namespace
