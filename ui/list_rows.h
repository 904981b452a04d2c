// The list routines the views share.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

// Scrolls the list's selected row into view.
void EnsureSelRowVisible(HWND list);
// Draws one row of an owner-drawn item list.
void DrawItemListRow(const DRAWITEMSTRUCT& item, HWND list, int style);

// ---- The row record of the owner-drawn item lists (added for the contact grid) ----
#include <string>

#include "core/date_rec.h"
#include "core/record_array.h"

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
