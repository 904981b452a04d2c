// Every view paints the whole of the main window when it is switched to, on every screen class: no
// band keeps the pixels of the view shown before it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/testing_display.h"
#include "platform/testing_gdi.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

// A colour no view draws, put on the screen before each switch.
constexpr COLORREF kMarker = RGB(3, 251, 7);
constexpr int kStep = 3;

struct Switch {
    const char* name;
    UINT command;  // 0: the key below
    UINT key;
};

constexpr Switch kSwitches[] = {
    {"month", IDM_VIEW_MONTH, 0},   {"day", 0, VK_RETURN},         {"week", IDM_VIEW_WEEK, 0},
    {"timeline", IDM_VIEW_TIMELINE, 0}, {"dates", IDM_VIEW_DATES, 0}, {"year", IDM_VIEW_YEAR, 0},
    {"tasks", IDM_VIEW_TASKS, 0},   {"contacts", IDM_VIEW_CONTACTS, 0}, {"projects", IDM_VIEW_PROJECTS, 0},
    {"notes", IDM_VIEW_NOTES, 0},   {"month again", IDM_VIEW_MONTH, 0}, {"wheel", 0, VK_TSOFT1},
};

class ScreenPainted : public frametest::ProgramTest {
protected:
    ScreenPainted() {
        FreezeTestDay();
    }

    // The main window's area covered with the marker, straight on the screen, as a previous
    // view's pixels would be.
    static void Mark() {
        const HDC dc = GetDC(g_Frame.mainWnd);
        RECT client{};
        GetClientRect(g_Frame.mainWnd, &client);
        const HBRUSH brush = CreateSolidBrush(kMarker);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        ReleaseDC(g_Frame.mainWnd, dc);
    }
    // The rows of the screen where the marker still shows, as "first-last".
    static std::string MarkedRows() {
        RECT window{};
        GetWindowRect(g_Frame.mainWnd, &window);
        int first = -1;
        int last = -1;
        for (int y = window.top; y < window.bottom; y += kStep) {
            for (int x = window.left; x < window.right; x += kStep) {
                if (pt::ScreenPixel(x, y) != kMarker) continue;
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
        return first < 0 ? std::string() : std::to_string(first) + "-" + std::to_string(last);
    }
};

TEST_F(ScreenPainted, EveryViewSwitchPaintsTheWholeWindowOnEveryScreenClass) {
    struct Screen {
        int width;
        int height;
    };
    constexpr Screen kScreens[] = {{240, 320}, {320, 240}, {240, 240}, {320, 320}, {240, 400},
                                   {480, 640}, {640, 480}, {480, 480}, {480, 800}};
    {
        Store store;
        store.Appt(u"Choir practice", DateRec(2026, 12, 2, 19, 30), 90, 10);
        store.Appt(u"Dentist", DateRec(2026, 12, 10, 10, 0), 60);
        store.Task(u"Pay rent", DateRec(2026, 12, 12));
    }
    WriteSetting(u"STARTON30", kStartMonth);
    WriteSetting(u"VIEW_YEAR", 1);
    for (const Screen& s : kScreens) {
        UseScreen(s.width, s.height);
        ASSERT_NE(Open(), nullptr);
        for (const Switch& sw : kSwitches) {
            Mark();
            if (sw.command)
                Command(sw.command);
            else {
                pt::Key(sw.key);
                pt::PumpUntilIdle();
            }
            EXPECT_EQ(MarkedRows(), "") << s.width << "x" << s.height << " " << sw.name << " (view " << ViewId << ")";
        }
        CloseProgram();
    }
}

}  // namespace
