// The schedule list's form of the agenda (two-line format) on the agenda test device, with a month
// of items around Tuesday 10 March 2009 and helpers that read the built rows.
#pragma once

#include <vector>

#include "agenda_fixture.h"
#include "calendar/sched_bar.h"
#include "calendar/sched_list.h"
#include "calendar/sched_rows.h"
#include "core/app_settings.h"
#include "core/tsk_loading.h"
#include "platform/commctrl.h"
#include "ui/view_windows.h"

namespace schedtest {

struct RowSeen {
    LONG kind;
    LONG id;
    bool operator==(const RowSeen&) const = default;
};

// The main window's part for the schedule list: its rows are measured and drawn by the row painter.
inline LRESULT CALLBACK SchedParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM && wParam == kIdScheduleList) {
        MeasureSchedRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return 1;
    }
    if (message == WM_DRAWITEM && wParam == kIdScheduleList) {
        DrawSchedItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class SchedTest : public agendatest::AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SchedParentProc));
        InitCommonControls();
        savedSettings_ = g_Settings;
        g_Settings.agendaFmt = kAgendaTwoLines;
        g_Settings.dayViewBars = 0;
        g_Settings.dayToolbar = 1;
    }

    void TearDown() override {
        if (g_ViewWnds.scheduleList) DestroyWindow(g_ViewWnds.scheduleList);
        if (g_ViewWnds.weekdayBar) DestroyWindow(g_ViewWnds.weekdayBar);
        g_ViewWnds = ViewWindows{};
        g_SchedList = SchedListState{};
        g_SchedRows.RemoveAll();
        g_Settings = savedSettings_;
        AgendaTest::TearDown();
    }

    static std::vector<RowSeen> Rows() {
        std::vector<RowSeen> rows;
        for (const ListRow& row : g_SchedRows) rows.push_back(RowSeen{row.kind, row.id});
        return rows;
    }

    static int CountKind(LONG kind) {
        int n = 0;
        for (const ListRow& row : g_SchedRows) n += row.kind == kind ? 1 : 0;
        return n;
    }

    AppSettings savedSettings_;
};

}  // namespace schedtest
