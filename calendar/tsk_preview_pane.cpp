// The task preview in the pane under the task list: the page of the current task, drawn once into
// the previews' buffer at the pane's width and then only copied into the pane.
#include <algorithm>

#include "calendar/agenda_view.h"
#include "calendar/cal_views.h"
#include "calendar/day_list.h"
#include "calendar/tsk_preview.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "ui/draw_prims.h"
#include "ui/offscreen.h"

namespace {

constexpr int kSeparatorAbove = 2;

void CopyIntoPane(HDC dc, const RECT& pane, const OffscreenBuffer& buffer) {
    const int width = std::min<int>(pane.right - pane.left, buffer.width);
    const int rows = std::clamp<int>(buffer.height - g_TskListState.previewScroll, 0, pane.bottom - pane.top);
    BitBlt(dc, pane.left, pane.top, width, rows, buffer.memDC, 0, g_TskListState.previewScroll, SRCCOPY);
}

}  // namespace

int DrawTskPreviewPane(HDC dc, int draw) {
    const RECT pane = g_TskListState.previewPane;
    const RECT page = TskPreviewPage();
    if (page.right <= 0 || page.bottom <= 0) return 0;
    if (!draw) return DrawTskPreview(dc, page, 0);
    DrawSeparatorLine(dc, pane.left, pane.right, pane.top - kSeparatorAbove);
    OffscreenBuffer& buffer = g_Agenda.previewBuffer;
    // The buffer may hold a page laid out for the agenda view window, or a task since changed.
    if (buffer.valid && (buffer.width != page.right || (buffer.drawn && TskPreviewStale()))) ReleasePreviewBuffer();
    CreateTskPreviewBuffer(dc);
    if (!buffer.valid) return 0;
    if (buffer.drawn) {
        CopyIntoPane(dc, pane, buffer);
        return 0;
    }
    DrawViewBackground(buffer, pane.left, pane.top);
    const int height = DrawTskPreview(buffer.memDC, page, 1);
    buffer.drawn = 1;
    CopyIntoPane(dc, pane, buffer);
    return height;
}
