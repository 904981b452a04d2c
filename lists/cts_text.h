// The "Contact Text" picker: one line of a contact's details (names, the company, telephone numbers,
// e-mail and web page) chosen as text for an edit field.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "core/cts_record.h"
#include "platform/poom.h"
#include "platform/types.h"

struct CtsTextChoice {
    LONG oid = -1;        // the contact offered, set by the caller
    StrArray fullTexts;   // one per list row
    std::u16string chosen;
};

extern CtsTextChoice g_CtsTextChoice;
// The chosen text as the editors read it; the same as g_CtsTextChoice.chosen.
extern std::u16string& g_CtsPickedText;

// The lines the picker offers: what each row shows and the full text it gives.
struct CtsTextLines {
    StrArray shown;
    StrArray full;
};
// contact may be null: then only the name lines are offered.
CtsTextLines BuildCtsTextLines(const CtsRecord& record, IContact* contact, bool portrait);

// Runs the picker for g_CtsTextChoice.oid (the current contact when none is set); its result code.
INT_PTR CtsTextDlg(HWND owner);
void FormatCtsDetails(HWND dialog, HWND list, LONG oid);
// 1 with the selected row's full text as the chosen text; 0 when no row is selected.
int GetCtsTextChoice(HWND list);
