// Every built-in theme keeps every list, view and dialog list readable: each text drawn reads against
// the pixels under it (a contrast of at least 3:1), as do the arrows of the options, on a selected
// row as on the others, and the selected row stands out from the rest. The store is filled by
// devicectl, as another program fills it; the program starts with the theme as its default theme
// file and is driven by keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/calendar_state.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/theme_record.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_dlg.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "program_fixture.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/view_windows.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_settings.h"

namespace {

namespace pt = platform::testing;

// How far the fill under a text must move for the row to look selected: a step of a channel the
// eye tells apart on the device's screen.
constexpr int kVisibleStep = 24;

// Pixels this close to a text's colour are taken for the edges of its letters.
constexpr int kLetterEdge = 40;

// No font of the program is lower than this: a shorter box is a line cut by an edge.
constexpr int kWholeLine = 9;

// Pixels beside a text's box that count as under it.
constexpr int kAround = 4;

int ChannelStep(COLORREF a, COLORREF b) {
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8)
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return most;
}

// One drawn text and what lies under it: the most common pixel of each line of its box, other than
// the text's own colour; the fill is the middle line's.
struct Seen {
    std::u16string text;
    RECT rect{};
    COLORREF color = 0;
    COLORREF fill = 0;
    double contrast = 21.0;  // the median over the lines
};

bool Blank(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' ' || c == u'\t'; });
}

std::vector<Seen> Look(const std::vector<pt::DrawnText>& texts, const RECT& area) {
    std::vector<Seen> out;
    for (const pt::DrawnText& t : texts) {
        // A text cut by the edge of the view or of a list shows only in part; the rest is what counts.
        RECT box{};
        if (Blank(t.text) || t.rect.bottom - t.rect.top < kWholeLine || !IntersectRect(&box, &t.rect, &area) ||
            !EqualRect(&box, &t.rect))
            continue;
        // A box that hugs its glyphs gets a little of what is around them.
        InflateRect(&box, kAround, 0);
        IntersectRect(&box, &box, &area);
        std::vector<std::pair<double, COLORREF>> lines;
        for (int y = box.top; y < box.bottom; ++y) {
            std::map<COLORREF, int> counts;
            for (int x = box.left; x < box.right; ++x) ++counts[pt::ReadScreenPixel(x, y)];
            // The text's own colour and the edge pixels of its letters, which lie close to it.
            std::erase_if(counts, [&](const auto& c) { return ChannelStep(c.first, t.color) < kLetterEdge; });
            if (counts.empty()) continue;
            const auto most = std::max_element(counts.begin(), counts.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
            lines.emplace_back(ContrastRatio(t.color, most->first), most->first);
        }
        if (lines.empty()) continue;
        Seen s{t.text, t.rect, t.color, lines[lines.size() / 2].second, 21.0};
        std::sort(lines.begin(), lines.end());
        s.contrast = lines[lines.size() / 2].first;
        out.push_back(s);
    }
    return out;
}

// At least this many pixels change where the selection leaves one cell of a grid and marks another.
constexpr int kMarkedCellPixels = 300;

std::vector<COLORREF> Pixels(const RECT& r) {
    std::vector<COLORREF> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(pt::ReadScreenPixel(x, y));
    return out;
}

int ChangedPixels(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int changed = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) changed += ChannelStep(a[i], b[i]) >= kVisibleStep;
    return changed;
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
    return text;
}

// Where a view draws, on the screen: the main window's client area, or a part of it.
using AreaOf = RECT (*)();
RECT OnScreen(RECT r) {
    MapWindowPoints(g_Frame.mainWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
// The main window's client area above the soft-key bar, which covers the rest of it.
RECT WholeView() {
    RECT r{};
    GetClientRect(g_Frame.mainWnd, &r);
    r = OnScreen(r);
    RECT bar{};
    if (const HWND keys = pt::ShownSoftKeyBar(); keys && GetWindowRect(keys, &bar)) r.bottom = std::min(r.bottom, bar.top);
    return r;
}
RECT DayPane() { return OnScreen(SelDayPaneRect); }
// The rows of a list window of the view, where the view has one showing, else the whole view.
RECT WindowOr(HWND window) {
    RECT r{};
    if (!window || !IsWindowVisible(window)) return WholeView();
    GetWindowRect(window, &r);
    return r;
}
RECT ScheduleRows() { return WindowOr(g_ViewWnds.scheduleList); }
RECT AgendaRows() { return WindowOr(g_ViewWnds.agendaView); }
RECT TaskRows() { return WindowOr(g_ViewWnds.taskList); }
RECT ContactRows() { return WindowOr(g_ViewWnds.contactsList); }
RECT ContactCells() { return WindowOr(g_ViewWnds.contactGrid); }
RECT ProjectRows() { return WindowOr(g_ViewWnds.projectTree); }
RECT WalletRows() { return WindowOr(g_ViewWnds.walletTree); }
// The list of the dialog that is up.
RECT SavedViewRows() { return WindowOr(GetDlgItem(pt::CurrentDialog(), IDC_SAVED_VIEWS_LIST)); }
RECT OptionRows() { return WindowOr(GetDlgItem(pt::CurrentDialog(), IDC_OPTIONS_LIST)); }

// A plain mark (a picture of one colour, as an arrow) reads as a text does: the median contrast of
// its pixels against the most common pixel of its box, which is what lies under it.
double MarkContrast(const RECT& box) {
    std::map<COLORREF, int> counts;
    for (const COLORREF pixel : Pixels(box)) ++counts[pixel];
    const COLORREF under = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first;
    std::vector<double> ratios;
    for (const auto& [pixel, count] : counts)
        if (pixel != under) ratios.insert(ratios.end(), static_cast<std::size_t>(count), ContrastRatio(pixel, under));
    if (ratios.empty()) return 1.0;
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    return ratios[ratios.size() / 2];
}

struct ViewCase {
    const char* name;
    UINT command;       // 0: none
    const char* keys;   // keys pressed after the command: 'e' Enter, 'd' down, 's' the left soft key
    LONG view;          // the view that shows
    AreaOf area;
    AreaOf rows;        // where its selection moves; nullptr: a page without rows, which the down key scrolls
    LONG ctsIcon = 0;   // the contacts as an icon grid
    LONG agendaFmt = 0; // the Dates view as the agenda
    bool cells = false; // a grid of pictured cells
    bool dialog = false; // the command opens a modal dialog, looked at while it is up
    int marks[2] = {-1, -1}; // the image-list pictures in the rows that are plain marks
};

const ViewCase kViews[] = {
    {"Day", 0, "", kViewDay, WholeView, ScheduleRows},
    {"appointment preview", 0, "e", kViewApptPreview, WholeView, nullptr},
    {"month day pane", IDM_VIEW_MONTH, "", kViewMonth, DayPane, DayPane},
    {"Dates", IDM_VIEW_DATES, "", kViewDates, WholeView, AgendaRows},
    {"agenda", IDM_VIEW_DATES, "d", kViewDates, WholeView, AgendaRows, 0, 2},
    {"task list", IDM_VIEW_TASKS, "", kViewTasks, WholeView, TaskRows},
    {"contact list", IDM_VIEW_CONTACTS, "", kViewContacts, WholeView, ContactRows},
    {"options", IDM_OPTIONS, "", kViewContacts, OptionRows, OptionRows, 0, 0, false, true, {kStripArrowLeft, kStripArrowRight}},
    {"project tree", IDM_VIEW_PROJECTS, "", kViewProjects, WholeView, ProjectRows},
    {"wheel", IDM_VIEW_TASKS, "s", kViewSpinner, WholeView, nullptr},
    {"contact grid", IDM_VIEW_CONTACTS, "", kViewContacts, WholeView, ContactCells, 1, 0, true},
    {"saved views", IDM_SAVED_VIEWS, "", kViewContacts, SavedViewRows, SavedViewRows, 0, 0, false, true},
    {"wallet tree", IDM_VIEW_WALLET, "", kViewWallet, WholeView, WalletRows},
};

class ThemeSweep : public frametest::ProgramTest {
protected:
    ThemeSweep() {
        FreezeFixtureDay();
        AddBuiltinThemes();
        // A fresh wallet, whatever the tests before this one opened in this process.
        g_Wlt = WltState();
        g_WltSettings = WltSettings();
    }
    ~ThemeSweep() override {
        g_Theme = ThemeRec();
        g_SavedViews = SavedViewList();
    }

    // A year of appointments, contacts with a company and a phone, tasks due, done and overdue.
    void Fill() {
        Devicectl({"pim", "import", std::string(QV_FIXTURES_DIR) + "/journey/year.ics"});
        const auto cards = device_.Root() / "people.vcf";
        std::ofstream out(cards);
        const char* const names[] = {"Abbot", "Baker", "Carter", "Dalton", "Ellis", "Foster", "Grant", "Hughes"};
        int i = 0;
        for (const char* name : names)
            out << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" << name << ";Ann;;;\r\nFN:Ann " << name << "\r\nORG:Firm "
                << name << "\r\nTEL;TYPE=CELL:+1 555 010" << i++ << "\r\nEND:VCARD\r\n";
        out.close();
        Devicectl({"pim", "import", cards.string()});
        Devicectl({"pim", "add", "task", "--subject", "Overdue report", "--due", "2009-03-20", "--importance", "2"});
        Devicectl({"pim", "add", "task", "--subject", "Call the plumber", "--due", "2009-03-25"});
        Devicectl({"pim", "add", "task", "--subject", "Dig the beds", "--categories", "Prj:Garden"});
        for (const auto& [name, view] : {std::pair{u"Month", kViewMonth}, std::pair{u"Tasks", kViewTasks}}) {
            SavedView saved;
            saved.name = name;
            saved.viewCode = view;
            InsertSavedView(saved);
        }
        SaveSavedViews();
    }

    // The view or the dialog as it opened and with the selection one row further down.
    static void Sweep(const ViewCase& v, const pt::DrawRecord& record, const std::string& where) {
        for (const char* k = v.keys; *k; ++k) {
            if (*k == 's') pt::Key("SOFT1");
            else pt::Key(*k == 'e' ? VK_RETURN : VK_DOWN);
            pt::PumpUntilIdle();
        }
        if (ViewId != v.view) {
            ADD_FAILURE() << where << ": view " << ViewId;
            return;
        }
        pt::PumpUntilIdle();
        const RECT area = v.area();
        std::vector<Seen> states[2];
        std::vector<COLORREF> pixels[2];
        for (int state = 0; state < 2; ++state) {
            if (state == 1) {
                pt::Key(VK_DOWN);
                pt::PumpUntilIdle();
            }
            states[state] = Look(record.ScreenTexts(), area);
            if (v.cells) pixels[state] = Pixels(v.rows());
            EXPECT_FALSE(states[state].empty()) << where;
            for (const Seen& s : states[state])
                EXPECT_GE(s.contrast, kReadableContrast)
                    << where << (state ? " (moved)" : "") << ": \"" << platform::ToUtf8(s.text) << "\" " << Hex(s.color)
                    << " on " << Hex(s.fill) << " at " << s.rect.left << "," << s.rect.top << "-" << s.rect.bottom;
            int marks = 0;
            for (const pt::DrawnPicture& p : record.ScreenPicturesIn(area)) {
                if (p.index < 0 || (p.index != v.marks[0] && p.index != v.marks[1])) continue;
                ++marks;
                EXPECT_GE(MarkContrast(p.rect), kReadableContrast)
                    << where << (state ? " (moved)" : "") << ": mark " << p.index << " at " << p.rect.left << ","
                    << p.rect.top;
            }
            if (v.marks[0] >= 0) {
                EXPECT_GT(marks, 0) << where << ": no marks drawn";
            }
        }
        if (v.rows) {
            // The row the selection left and the row it came to change their fill or their text's colour.
            const RECT rows = v.rows();
            bool changed = false;
            for (const Seen& a : states[0]) {
                RECT inside{};
                if (!IntersectRect(&inside, &a.rect, &rows) || !EqualRect(&inside, &a.rect)) continue;
                for (const Seen& b : states[1])
                    changed |= a.text == b.text && (ChannelStep(a.fill, b.fill) >= kVisibleStep ||
                                                    ChannelStep(a.color, b.color) >= kVisibleStep);
            }
            // A cell of a grid is marked around its picture, not under its name.
            if (v.cells) changed |= ChangedPixels(pixels[0], pixels[1]) >= kMarkedCellPixels;
            EXPECT_TRUE(changed) << where << ": the selection does not show";
        } else {
            // Back from the page to the list it was opened from.
            pt::Key(VK_ESCAPE);
            pt::PumpUntilIdle();
        }
    }
};

TEST_F(ThemeSweep, EveryTextReadsAndTheSelectionShowsInEveryBuiltinTheme) {
    Fill();
    ASSERT_EQ(g_Themes.Size(), kBuiltinThemeCount);
    for (int theme = 0; theme < kBuiltinThemeCount; ++theme) {
        const std::u16string themeName = g_Themes[theme].String(kThemeName);
        const std::string name = platform::ToUtf8(themeName);
        // The theme as the user chose it: the default theme file the program starts with.
        ThemeRecCopy(g_Theme, g_Themes[theme]);
        SaveThemeFile(u"");
        WriteSetting(u"STARTON30", kStartDay);
        pt::DrawRecord record;
        ASSERT_NE(Open(), nullptr) << name;
        for (const ViewCase& v : kViews) {
            const std::string where = name + " / " + v.name;
            g_Settings.ctsIcon = v.ctsIcon;
            g_Settings.agendaFmt = v.agendaFmt;
            if (v.dialog) {
                pt::ActInsideDialog([&](HWND dialog) {
                    Sweep(v, record, where);
                    // Back closes the dialog; Done, behind it, when Back did not.
                    pt::Key("BACK");
                    PostMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
                });
                Command(v.command);
                continue;
            }
            if (v.command) Command(v.command);
            Sweep(v, record, where);
        }
        CloseProgram();
    }
}

}  // namespace
