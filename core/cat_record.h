// The program's list of known categories with each one's colour, icon and category-filter marks,
// and the name-list operations that items and views use on it. The list itself is built from the
// PIM store's category table and merged with "catinfo.dat" (cat_file.h).
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/record_array.h"
#include "platform/types.h"

inline constexpr COLORREF kCatDefaultColour = 0x6E0000;

// Filter kinds: the order of the marks in the record and the file is calendar, tasks, contacts,
// wallet, notes, while the kind numbers put notes (3) before the wallet (4).
enum CatKind : LONG {
    kCatKindCalendar = 0,
    kCatKindTasks = 1,
    kCatKindContacts = 2,
    kCatKindNotes = 3,
    kCatKindWallet = 4,
};

struct CatRecord {
    std::u16string name;  // as the PIM store spells it
    LONG spareId = -1;
    LONG pimId = -1;      // the category's identifier in the PIM store's table
    COLORREF colour = kCatDefaultColour;
    LONG icon = -1;
    DWORD sharedMark = 0;  // used when one filter serves every view
    DWORD calendarMark = 0;
    DWORD taskMark = 0;
    DWORD contactMark = 0;
    DWORD walletMark = 0;
    DWORD notesMark = 0;
    DWORD reserved[3] = {0, 0, 0};
};

using CatArray = RecordArray<CatRecord>;

// The known categories, in the order the list was built.
extern CatArray g_CatList;

DWORD CatGetKindValue(const CatRecord& record, bool shared, LONG kind);
void CatSetKindValue(CatRecord& record, bool shared, LONG kind, DWORD value);
// Empties the target and copies every source record into it in order.
void CopyCatList(const CatArray& source, CatArray& target);
bool CatNameExists(std::u16string_view name);
// Inserts a new record before the first name that sorts after it (ignoring case); no test for an
// existing record of the name. Returns its index.
int AddCatSorted(const std::u16string& name);
// The name is one of the comma-separated pieces of the text (ignoring case).
bool CatListHas(std::u16string_view text, std::u16string_view name);
// Appends the text's pieces to the appointment's categories and gives it the colour (and with
// applyIcon the icon) of its categories in the global list.
void SplitCatList(ApptRecord& appt, std::u16string_view text, bool applyIcon);
// The title gets "[F]" while the current view's category filter is on.
void AppendFilterTag(std::u16string& title);
// Applies the marks of a saved view's list to the mark of the current view in the list.
void MergeCatArrays(CatArray saved, CatArray& list);

// The steps of a category load after the list was refilled from the PIM store: each record takes
// colour, icon and marks from the first file record of its name, then the marks it had before
// the load (previous) from the first previous record of its name.
void MergeCatFileAndMarks(CatArray& list, const CatArray& fileList, const CatArray& previous);
