// The pen gestures of the item lists: dragging over the rows scrolls the list a row at a time, and a
// leftward swipe runs Back. One tap state for the program: there is one pen.
#include <cstdlib>

#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"

namespace {

constexpr POINT kNoTap{-1, -1};
// A drag scrolls by the row's height less this, so the row under the pen stays in reach.
constexpr int kDragScrollSlack = 6;

struct ListTapState {
    POINT tap = kNoTap;
    int trackedRow = -1;
};
ListTapState g_ListTap;

bool HasTap() { return g_ListTap.tap.x != kNoTap.x || g_ListTap.tap.y != kNoTap.y; }

int RowHeight(HWND list, int row) {
    RECT r{};
    LvRowRect(list, row, r);
    return r.bottom - r.top;
}

int TopRow(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }
bool AtTop(HWND list) { return TopRow(list) == 0; }
bool AtEnd(HWND list) {
    const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    return TopRow(list) + perPage >= LvCount(list);
}

}  // namespace

void ResetListTap() { g_ListTap = ListTapState{}; }

void ListTapStart(HWND list, POINT point) {
    g_ListTap.tap = point;
    g_ListTap.trackedRow = ListHitTest(list, point.x, point.y);
}

void ListTapMove(HWND list, POINT point) {
    if (!HasTap()) g_ListTap.tap = point;
    const int tracked = g_ListTap.trackedRow;
    if (!list || tracked == -1) return;
    const int under = ListHitTest(list, point.x, point.y);
    if (under == -1 || under == tracked) return;
    const int step = RowHeight(list, under) - kDragScrollSlack;
    if (under < tracked) {
        SendMessageW(list, LVM_SCROLL, 0, -step);
        g_ListTap.trackedRow = under <= 1 ? -1 : under - 1;
        if (AtTop(list)) g_ListTap.trackedRow = -1;
        return;
    }
    SendMessageW(list, LVM_SCROLL, 0, step);
    g_ListTap.trackedRow = under >= LvCount(list) - 1 ? -1 : under + 1;
    if (AtEnd(list)) g_ListTap.trackedRow = -1;
}

void ListTapEnd(HWND, POINT point) {
    g_ListTap.trackedRow = -1;
    if (HasTap()) {
        const int dx = point.x - g_ListTap.tap.x;
        const int dy = point.y - g_ListTap.tap.y;
        if (dx < -kSwipeBackDistance && std::abs(dy) <= kSwipeMaxDrift) BackCmd(0);
    }
    g_ListTap.tap = kNoTap;
}
