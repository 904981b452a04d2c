// The contacts view: its rows (by name, by company, by category, recently viewed, or from the
// keypad search and the letter type-ahead), shown by the contact list or the icon grid below the
// letter tabs.
#pragma once

#include <string>

#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "platform/commctrl.h"
#include "ui/list_rows.h"

struct CtsViewState {
    LONG recentEmpty = 0;  // the recent list or the type-ahead found nothing
};

extern CtsViewState g_CtsViewState;

void ShowCtsView(bool reselect);
// Refills g_CtsRows and the list or grid; with selectFirst the first row is selected.
void ReLoadCts(bool selectFirst);
// Fills g_CtsRows by the keypad search or "CONTACTSORT"; false when the mode names no fill (the
// rows stay as they are).
bool FillCtsRows();
// Shows g_CtsRows in the list, or in the grid scrolled to the top.
void RefreshCtsView();
void FillCtsByName();
void FillCtsByCompany();
void FillCtsByCategory();
void FillCtsRecent();
// A letter-tab command in the contacts view.
void ReFillCtsView(UINT command);


// Resizes and moves the contacts list below its letter tabs.
void PlaceCtsListBelowTabs();
// Releases the contact icon grid's off-screen buffer.
void ReleaseContactGridBuffer();
void PaintCtsView(const DRAWITEMSTRUCT& item);
void MeasureCtsRow(MEASUREITEMSTRUCT& measure);
// True when the contacts list took the key.
bool OnCtsKey(UINT key, UINT flags);
void OnCtsLetterKey(WCHAR letter);
void OnCtsDigitKey(UINT key, UINT flags);
void AddKeypadDigit(UINT key);
void FillCtsByKeypad();
void FillCtsByLetter();
// Adds a row for every contact of the index whose name begins with the letter (and, with matchText,
// with the text) and passes the filter, after one separator row when addSeparator is set. The row
// count plus the rows added, or -1 when no contact is loaded.
int FindCtsRowByLetter(bool addSeparator, int rowCount, bool matchText, const NameIndex& index, ListRowArray& rows,
                       WCHAR letter, const std::u16string& text);
// The sort state stays undecided until the contacts are loaded.
void ResetContactSortState();
// The selected contact becomes the current item, without a message when there is none.
void FetchSelContactQuiet();
// Calls, messages or mails the current contact, as its default field says.
void RunCtsDefaultAction();

// ---- What the outline lists of the toolkit use of the contacts list.
// Makes the contact under the cursor the current item and tells the main window; the list's Enter.
void SelectCurCts();

// The contacts view, its data loaded first when it is not yet.
void ShowContactsView();
