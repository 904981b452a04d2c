// Search: a dialog that finds appointments, tasks and contacts whose texts hold a typed text and
// opens the chosen one in its preview, the last three search texts, and the kinds searched.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/types.h"

inline constexpr int kSearchHistorySlots = 3;
inline constexpr std::size_t kSearchSlotChars = 511;

// Row images of the result list: those of the small item-icon list.
enum SearchRowImage : int {
    kSearchImageTask = 0,
    kSearchImageContact = 1,
    kSearchImageAppt = 2,
    kSearchImageNone = -1,
};

struct SearchRow {
    std::u16string text;
    int image = kSearchImageNone;
    LONG oid = -1;
    bool operator==(const SearchRow&) const = default;
};

struct SearchState {
    std::array<std::u16string, kSearchHistorySlots> history;  // newest first
    LONG resultChosen = 0;
};
extern SearchState g_Search;

void SearchDlg();
INT_PTR CALLBACK SearchDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitSearchDlg(HWND dialog);
void LayoutSearchDlg(HWND dialog);
void RunSearch(HWND dialog);
void OpenSearchResult(HWND dialog);
// The rows a search for the trimmed text gives, in the list's order.
std::vector<SearchRow> FindSearchRows(const std::u16string& text);

void LoadSearchHistory();
// The first registry error, or 0.
LONG SaveSearchHistory();
// 1 when the text went into the history.
int AddSearchHistory(const std::u16string& text);
void FillSearchHistory(HWND combo, int selection);

INT_PTR SearchOptionsDlg(HWND parent);
INT_PTR CALLBACK SearchOptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitSearchOptsDlg(HWND dialog);
void ReadSearchOpts(HWND dialog);
