// The row record of the owner-drawn item lists and the outline lists, its stored form, and the small
// list-view routines the lists share: selection moves around caption and header rows, hit testing,
// drag-scrolling with the pen and the leftward swipe, and the painter of every owner-drawn row.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "core/record_array.h"
#include "core/record_file.h"
#include "platform/commctrl.h"
#include "platform/types.h"

// Row kinds of the contact and task lists; the schedule lists use positive kinds.
enum ListRowKind : LONG {
    kRowSeparator = -1,
    kRowHeader = -2,
    kRowSpacer = -4,
    kRowNothing = -5,
    kRowNoLetterMatch = -6,
    kRowPrivateHidden = -8,
    kRowItem = -9,
};

// Row kinds of the schedule lists.
enum SchedRowKind : LONG {
    kSchedContact = 1,
    kSchedTask = 2,
    kSchedFurther = 3,
    kSchedFurther2 = 4,
    kSchedDayHeader = 5,
    kSchedDayHeader2 = 6,
    kSchedAppt = 7,
};

// Item data of a caption row in the choose-item and links lists: a themed band, never selected.
inline constexpr LPARAM kCaptionRowData = 505;

struct ListRow {
    LONG kind = 0;
    LONG hidden = 0;     // folded away under a collapsed header
    LONG id = -1;        // the item's OID in item rows
    LONG secondId = -1;
    LONG collapsed = 0;  // header rows: the group is folded
    LONG value = 0;
    std::u16string text;
    std::u16string secondText;
    DateRec date{};
    LONG extra = -1;
};

using ListRowArray = RecordArray<ListRow>;

// Longest text a stored row keeps.
inline constexpr std::size_t kStoredRowTextChars = 255;
// Writes (store) or reads one row through the record-file stream; false when a read ran out.
bool SerializeRowRec(ListRow& row, RecordFile& file, bool store);

// The lists' selection and scrolling. Every routine does nothing for a null list.
void RedrawSelRow(HWND list);
void EnsureSelRowVisible(HWND list);
// The row under the client point, -1 when none.
int ListHitTest(HWND list, int x, int y);
// 1 when the row's image index is 1; 0 at or past the end.
int IsListRowMarked(HWND list, int row);
// Selects and focuses the row under the point; 1 when there was one.
int ListTapSelect(HWND list, POINT point);
// Moves the selection over caption rows (item data kCaptionRowData).
int SelectPrevRowSkipSep(HWND list);
enum class GiveFocus : int { kNo = 0, kYes = 1 };
int SelectNextRowSkipSep(HWND list, GiveFocus focus);

// Moves by the outline rules of the contact and task lists, or of the schedule lists.
enum class RowRules : int { kItemLists = 0, kSchedule = 1 };
enum class QueryOnly : int { kNo = 0, kYes = 1 };
// The row selected, or with kYes the row that would be; see the routines for the edge results.
int SelectNextListRow(HWND list, QueryOnly query, RowRules rules);
int SelectPrevListRow(HWND list, QueryOnly query, RowRules rules);

// The pen gestures: the tap point and the tracked row of the program's one pen.
void ListTapStart(HWND list, POINT point);
void ListTapMove(HWND list, POINT point);
void ListTapEnd(HWND list, POINT point);
// Forgets the tap point and the tracked row.
void ResetListTap();
// Swipe limits: a Back swipe moves more than this to the left with at most the drift up or down.
inline constexpr int kSwipeBackDistance = 50;
inline constexpr int kSwipeMaxDrift = 40;

// The WM_DRAWITEM painter of every owner-drawn list view; with a non-zero background flag the
// theme's background picture shows behind the row.
void DrawItemListRow(const DRAWITEMSTRUCT& item, HWND list, int background);
