// The launcher's entries: the record, the list and its file "quickspin.dat", the default entries,
// the upkeep when saved views or views go away, and running the front entry.
#pragma once

#include <string>

#include "core/record_array.h"
#include "core/record_file.h"
#include "platform/types.h"

enum SpinKind : LONG {
    kSpinView = 0,
    kSpinSavedView = 1,
    kSpinFile = 2,
    kSpinContact = 3,
    kSpinWebAddress = 4,
};

inline constexpr int kSpinnerSlots = 8;
// Names and targets are cut to this many characters before they are stored.
inline constexpr std::size_t kSpinTextMax = 255;
inline constexpr LONG kSpinWebIcon = 22;
inline constexpr char16_t kSpinnerFile[] = u"quickspin.dat";

struct SpinEntry {
    std::u16string name;
    std::u16string target;
    LONG kind = -1;
    LONG icon = -1;
    LONG view = -1;
    LONG item = -1;
    LONG position = -1;
    LONG spare = -1;
    LONG pictureSlot = -1;  // not stored
};
using SpinEntryArray = RecordArray<SpinEntry>;

struct SpinnerItems {
    SpinEntryArray entries;
    bool loaded = false;
};
extern SpinnerItems g_Spinner;

void SpinEntryAssign(SpinEntry& target, const SpinEntry& source);
// False when a read found the end of the file before the entry was whole.
bool SpinEntrySerialize(SpinEntry& entry, RecordFile& file, bool store);

// The launcher name of a view code; empty for codes no entry can carry.
std::u16string GetSpinnerViewName(LONG view);
// The launcher icon of a view entry, and of a saved view by its view code; -1 when none.
LONG SpinnerViewIcon(LONG view);
LONG SpinnerSavedViewIcon(LONG view);

void BuildDefaultSpinnerItems();
bool LoadSpinnerItems();
void SaveSpinnerItems();
void LoadSpinnerOrDefaults();
void RunSpinnerItem();
void DropSpinnerSavedView(const std::u16string& name);
void DropDisabledViewsFromSpinner();
int FindSpinnerItemAtPos(LONG position);
int FindSpinnerViewItem(LONG view);
int FindSpinnerContactItem();
bool SpinnerHasView(LONG view);
// Spreads the entries over the wheel in list order.
void AssignSpinnerPositions(SpinEntryArray& entries);
