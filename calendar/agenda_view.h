// The agenda of the dates and day views: its schedule list, its drawn view window and buffers.
#pragma once

#include "platform/types.h"

// "AGENDAFMT" value of the drawn agenda view in place of the schedule list.
inline constexpr LONG kAgendaDrawn = 2;

// Makes the item of the selected schedule row the current item.
void SyncSchedSel();
// Releases the agenda's off-screen buffer.
void ReleaseAgendaBuffer();
// Measures the current list of the agenda view again and sets its scroll range.
void RelayoutAgendaView();
// The agenda's second list window (the previews list of the drawn agenda), or null.
HWND AgendaSecondListWnd();
// Redraws the selected row of the agenda list.
void RedrawSelSchedRow();
// Puts the list of the day view just below the weekday bar and stretches the bar over the width.
void PlaceUnderWeekdayBar(HWND list);
// Releases the previews' off-screen buffer.
void ReleasePreviewBuffer();
// Recomputes the timeline week's metrics for the screen.
void RecalcTimelineMetrics();

// ---- The agenda view window "ZQwnd": the Day and Dates lists and the previews, scrolled in pixels.
#include "core/date_rec.h"
#include "ui/offscreen.h"

inline constexpr int kIdAgendaView = 2357;
inline constexpr const WCHAR* kAgendaViewClass = u"ZQwnd";

struct AgendaViewState {
    HWND wnd = nullptr;
    LONG created = 0;
    POINT stylusDown{0, 0};        // start of a swipe; (-1, -1) after every stylus up
    OffscreenBuffer listBuffer;    // the Day or Dates list
    OffscreenBuffer previewBuffer; // the appointment and task previews
    LONG headerGap = 7;            // below a day header and each anniversary row
    LONG rowGap = 5;               // after each appointment row
    LONG barHeight = 16;           // the day bar under a day header
};

extern AgendaViewState g_Agenda;

ATOM RegisterAgendaViewClass(HINSTANCE instance);
void CreateAgendaViewWnd(HWND parent);
void PlaceAgendaViewWnd();
// Scroll operations of any view window; null is the agenda view window.
int SetViewScrollRange(int minimum, int maximum, HWND window = nullptr);
void SetViewScrollPos(int position, HWND window = nullptr);
int GetViewScrollPos(HWND window = nullptr);
int GetViewScrollRangeMax(HWND window = nullptr);
int GetViewScrollPage(HWND window = nullptr);
void ScrollAgendaUp();
void ScrollAgendaDown();
void AgendaViewVScroll(WPARAM request);
// 1 when the key was a page key.
int AgendaScrollKey(UINT key);
LRESULT CALLBACK AgendaViewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void AgendaViewStylusDown(HWND window, LPARAM point);
void AgendaViewStylusUp(HWND window, LPARAM point);
int AgendaViewDblTap(LPARAM point);
int AgendaViewKeyDown(UINT key);
int GetAgendaContentHeight(HDC dc);
void PaintAgendaView(HDC dc);
// 1 when the point (content coordinates) hit the task preview's completion box, which toggles it.
int HitPreviewCompleteBox(int x, int y);
// Makes the previews' buffer at the client width and the current preview's height.
void CreateTskPreviewBuffer(HDC dc);
// ---- Previews the contact views open ----
// Shows the preview card of the contact of the global selection.
void ShowCtsPreview(LONG mode);
// ---- The task preview's complete box, which the tasks view's stylus asks too ----
// 1 when the point, relative to the preview's origin, lies on the complete box.
int HitPreviewCompleteBox(int x, int y);
