// Finding a contact by typing: letters narrow the contacts view to the names that begin with the
// typed letter or text; digits are phone-keypad keys, matched key by key against the first letters
// of the names (keypad search) or cycling through the letters of their key. Both restart after a
// pause.
#include <string>
#include <utility>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_order.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/text_util.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_match.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/wait_cursor.h"
#include "platform/time.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/outline_list.h"
#include "ui/view_calls.h"

namespace {

constexpr UINT kKeyPeriod = 190;  // the '.' key's code

bool ManyContacts() { return g_CtsList.Size() > kWaitCursorContacts; }
bool TimeoutOn() { return g_Settings.timeoutSearch != 0; }

// True when the last key is long enough ago (or there was none) for a new search to start.
bool PauseElapsed() {
    return g_CtsTypeAhead.lastTick == 0 || GetTickCount() - g_CtsTypeAhead.lastTick > kSearchPauseMs;
}

void RefillAndSelect() {
    if (FillCtsRows()) RefreshCtsView();
    if (g_Settings.ctsIcon != 0) {
        BuildCtsRows(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid);
        if (g_CtsGrid.window) InvalidateRect(g_CtsGrid.window, nullptr, FALSE);
    } else if (g_CtsListWnd) {
        SelectNextListRow(g_CtsListWnd, QueryOnly::kNo, RowRules::kItemLists);
    }
}

void TouchTickWhileSearching() {
    if (TimeoutOn() && g_CtsTypeAhead.lastTick != 0) g_CtsTypeAhead.lastTick = GetTickCount();
}

// The name mode, with the contacts in name order.
void UseNameOrder() {
    g_Settings.contactSort = kCtsModeName;
    if (g_CtsSortedByCompany != 0) SortCtsByName();
}

void FindCtsRowsByLetter(const NameIndex& index, bool& any) {
    const int before = g_CtsRows.Size();
    FindCtsRowByLetter(any, before, !g_CtsTypeAhead.text.empty(), index, g_CtsRows, g_CtsTypeAhead.letter,
                       g_CtsTypeAhead.text);
    if (g_CtsRows.Size() > before) any = true;
}

}  // namespace

int FindCtsRowByLetter(bool addSeparator, int rowCount, bool matchText, const NameIndex& index, ListRowArray& rows,
                       WCHAR letter, const std::u16string& text) {
    if (g_CtsList.IsEmpty()) return -1;
    const int first = FindNameIdxByLetter(letter, index);
    if (first < 0) return rowCount;
    bool separated = false;
    int added = 0;
    for (int i = first; i < index.Size() && FirstCharEqNoCase(index[i], letter); ++i) {
        if (matchText && !NamePrefixEquals(index[i], text)) continue;
        const LONG position = index[i].position;
        if (position < 0 || position >= g_CtsList.Size()) continue;
        const CtsRecord& contact = g_CtsList[position];
        if (!CtsPassCatFilter(contact, kCatKindContacts)) continue;
        if (addSeparator && !separated) {
            ListRow separator;
            separator.kind = kRowSeparator;
            rows.Append(separator);
            separated = true;
            ++added;
        }
        ListRow row;
        row.kind = kRowItem;
        row.id = contact.oid;
        rows.Append(row);
        ++added;
    }
    return rowCount + added;
}

void FillCtsByLetter() {
    g_CtsRows.RemoveAll();
    // The typed text's first letter leads the lookup when the text is being extended.
    if (g_CtsTypeAhead.letter == 0 && !g_CtsTypeAhead.text.empty()) g_CtsTypeAhead.letter = g_CtsTypeAhead.text[0];
    const bool firstNamesFirst = g_Settings.firstLast == 1 && g_Settings.lastNamesOnly == 0;
    bool any = false;
    FindCtsRowsByLetter(firstNamesFirst ? g_CtsNameIndexes.firstNames : g_CtsNameIndexes.lastNames, any);
    if (g_Settings.lastNamesOnly == 0) {
        FindCtsRowsByLetter(firstNamesFirst ? g_CtsNameIndexes.lastNames : g_CtsNameIndexes.firstNames, any);
    }
    if (g_Settings.searchCompany != 0) FindCtsRowsByLetter(g_CtsNameIndexes.companies, any);
    if (!g_CtsRows.IsEmpty()) return;
    ListRow none;
    none.kind = kRowNoLetterMatch;
    g_CtsRows.Append(none);
    g_CtsViewState.recentEmpty = 1;
    g_CtsTypeAhead.lastTick = 0;
    g_CtsTypeAhead.extend = 0;
}

void FillCtsByKeypad() {
    // Later keys narrow what is shown. The first key of a sequence begins a new search, which looks at
    // every contact: the rows shown may be those of a search that the pause or a '0' ended. Only a
    // narrowing search needs the rows shown before, so only it keeps them aside.
    const bool fresh = g_KeypadKeys.last == 0 || (g_CtsRows.Size() == 1 && g_CtsRows[0].kind == kRowNothing);
    ListRowArray previous;
    if (!fresh && !g_CtsList.IsEmpty()) previous = std::move(g_CtsRows);
    g_CtsRows.RemoveAll();
    if (g_CtsList.IsEmpty()) {
        ListRow nothing;
        nothing.kind = kRowNothing;
        g_CtsRows.Append(nothing);
        return;
    }
    const auto test = [](const CtsRecord& contact) {
        if (!CtsMatchesKeys(contact, g_KeypadKeys.keys, g_KeypadKeys.last, g_Settings.lastNamesOnly == 0,
                            g_Settings.searchCompany != 0) ||
            !CtsPassCatFilter(contact, kCatKindContacts)) {
            return;
        }
        ListRow row;
        row.kind = kRowItem;
        row.id = contact.oid;
        g_CtsRows.Append(row);
    };
    if (fresh) {
        for (const CtsRecord& contact : g_CtsList) test(contact);
    } else {
        for (const ListRow& row : previous) {
            if (row.kind != kRowItem) continue;
            const LONG position = IdIndexGet(row.id, g_CtsIdIndex);
            if (position >= 0 && position < g_CtsList.Size()) test(g_CtsList[position]);
        }
    }
    if (!g_CtsRows.IsEmpty()) return;
    ClearKeypadKeys();
    ListRow nothing;
    nothing.kind = kRowNothing;
    g_CtsRows.Append(nothing);
}

void AddKeypadDigit(UINT key) {
    if (TimeoutOn()) {
        if (PauseElapsed()) ClearKeypadKeys();
        g_CtsTypeAhead.lastTick = GetTickCount();
    }
    if (key == '0' || key == '1' || key == ' ' || key == '#') {
        ClearKeypadKeys();
        if (g_CtsTypeAhead.letter != 0 || g_Settings.contactSort == kCtsModeRecent) {
            ClearCtsTypeAhead();
            SetViewTitle();
        }
    } else if (g_KeypadKeys.last < kKeypadKeyCount - 1) {
        // Later keys than the last slot are ignored.
        g_KeypadKeys.keys[++g_KeypadKeys.last] = static_cast<WCHAR>(key);
    }
    RefillAndSelect();
    TouchTickWhileSearching();
}

void OnCtsLetterKey(WCHAR letter) {
    g_CtsViewState.recentEmpty = 0;
    WaitCursor wait(ManyContacts());
    if (TimeoutOn()) {
        if (PauseElapsed()) {
            g_CtsTypeAhead.extend = 0;
            g_CtsTypeAhead.text.clear();
        } else {
            g_CtsTypeAhead.extend = 1;
            if (g_CtsTypeAhead.text.empty() && g_CtsTypeAhead.letter != 0) g_CtsTypeAhead.text = g_CtsTypeAhead.letter;
        }
        g_CtsTypeAhead.lastTick = GetTickCount();
    }
    UseNameOrder();
    if (g_CtsTypeAhead.extend != 0) {
        g_CtsTypeAhead.text += letter;
    } else {
        g_CtsTypeAhead.letter = letter;
    }
    SetViewTitle();
    RefillAndSelect();
    TouchTickWhileSearching();
}

void OnCtsDigitKey(UINT key, UINT) {
    g_CtsViewState.recentEmpty = 0;
    WCHAR letter = 0;
    if (DigitToKey(g_Frame.kbdModelCode, static_cast<WCHAR>(key), DigitValue(static_cast<WCHAR>(key)), letter)) {
        OnCtsLetterKey(letter);
        return;
    }
    WaitCursor wait(ManyContacts());
    const LONG oldMode = g_Settings.contactSort;
    UseNameOrder();
    if (g_Settings.smartNumSearch != 0) {
        AddKeypadDigit(key);
        return;
    }
    bool refill = true;
    if (key == '1') {
        refill = g_CtsTypeAhead.letter != 0;
        if (refill) ClearCtsTypeAhead();
    } else if (key == '0' || key == ' ' || key == '#') {
        refill = g_CtsTypeAhead.letter != 0 || oldMode == kCtsModeRecent;
        if (refill) ClearCtsTypeAhead();
    } else {
        CycleKeypadLetter(static_cast<WCHAR>(key), g_CtsTypeAhead.letter);
    }
    if (!refill) return;
    ReLoadCts(true);
    SetViewTitle();
}

bool OnCtsKey(UINT key, UINT) {
    WCHAR ch = MapSymbolKey(g_Frame.kbdModelCode, static_cast<WCHAR>(key));
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
        OnCtsLetterKey(RemapKbdKey(g_Frame.kbdModelCode, ch));
        return true;
    }
    if ((ch >= '0' && ch <= '9') || ch == ' ' || ch == '#') {
        OnCtsDigitKey(ch, 0);
        return true;
    }
    if (ch == '.' || key == kKeyPeriod) {
        // The links are the selected contact's, not those of whatever item was current before.
        if (CheckCtsSelected(true)) views::ShowLinksDlg(g_Frame.mainWnd);
        return true;
    }
    return false;
}
