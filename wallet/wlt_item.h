// Wallet items and their fields, the built-in item templates, the field kinds and the lookups that
// the view, the dialogs and the file format share, with the wallet's state for the program's run.
#pragma once

#include <string>
#include <string_view>

#include "core/record_array.h"
#include "platform/types.h"

// Field kinds: how a field is shown and which action it offers. Kind 5 is never used.
enum WltFieldKind : LONG {
    kWltKindNone = -1,
    kWltKindDate = 1,
    kWltKindText = 2,
    kWltKindDigits = 3,
    kWltKindSecret = 4,
    kWltKindWeb = 6,
    kWltKindNumber = 7,
    kWltKindPhone = 8,
    kWltKindName = 9,
    kWltKindMail = 10,
    kWltKindNote = 11,
};

// One field. The extra texts and the stamp are never shown; they are carried and stored as read.
struct WltEntry {
    LONG kind = kWltKindNone;
    std::u16string label;
    std::u16string value;
    RecordArray<std::u16string> extras;
    SYSTEMTIME stamp{};
};

inline constexpr LONG kWltNoIcon = -1;
inline constexpr LONG kWltNoId = -1;

struct WltItem {
    RecordArray<WltEntry> fields;
    std::u16string name;
    std::u16string type;        // the template's type name
    std::u16string categories;  // names separated by commas
    LONG icon = kWltNoIcon;
    LONG itemId = kWltNoId;
};

using WltItemArray = RecordArray<WltItem>;

// The field editors show at most this many fields; files hold any number.
inline constexpr int kWltMaxShownFields = 11;
inline constexpr int kWltTemplateCount = 14;
inline constexpr int kWltNoSelection = -1;
inline constexpr int kWltReservedCount = 5;
inline constexpr const WCHAR* kDefaultWltPath = u"\\My Documents\\MainWallet.zqw";

// The wallet for the program's run: its file, password, lock and the items read from the file.
struct WltState {
    WltItemArray items;
    WltItemArray templates;  // built once by FillWalletTemplates
    LONG nextItemId = 1;
    LONG reserved[kWltReservedCount] = {};
    int selection = kWltNoSelection;
    std::u16string path = kDefaultWltPath;
    std::u16string folder;
    std::u16string password;
    LONG secured = 1;
    LONG locked = 1;
    LONG openRequest = 1;
    LONG maskOn = 1;
    LONG hideEmptyGroups = 1;
    std::u16string selGroupName;
    DWORD lastActivity = 0;
    LONG timerRunning = 0;
};

extern WltState g_Wlt;

// The record operations of the older interface, kept as plain functions over the records.
void WltEntryInit(WltEntry& entry);
void WltEntryCopy(const WltEntry& source, WltEntry& target);
void WltItemInit(WltItem& item);
void WltItemCopy(const WltItem& source, WltItem& target);
void WltItemAddField(WltItem& item, const WltEntry& field);
// Overwrites every text of every slot of the array, the stale ones past its size too, and empties it.
void WipeWltItems(WltItemArray& items);

// Builds the template list once; later calls keep it.
void FillWalletTemplates();
// The template whose type name equals the item's type ignoring case; -1 when none.
int FindWltTemplate(const WltItem& item);
bool NameEqualsNoCase(const WltItem& item, std::u16string_view text);
bool WltItemHasCat(const WltItem& item, std::u16string_view category);

// The value of the first non-empty field of that kind; empty when none.
std::u16string GetWltPhoneValue(const WltItem& item);
std::u16string GetWltWebsiteValue(const WltItem& item);
std::u16string GetWltEmailValue(const WltItem& item);
// The same lookups on the selected item, for the menu setup.
bool WltItemHasPhone();
bool WltItemHasWebsite();
bool WltItemHasEmail();
// The actions on the selected item; nothing without a selection or a value.
void DialWalletItemPhone();
void OpenWalletItemWebsite();
void MailWalletItemAddress();

// The selected item, or null when none is selected.
const WltItem* SelectedWltItem();
