// Saved views: named snapshots of how one view is shown (its code, filters, marked categories and
// display settings, optionally its date), kept in "savedviews.dat" in name order.
#pragma once

#include <array>
#include <string>

#include "core/cat_record.h"
#include "core/date_rec.h"
#include "core/record_array.h"
#include "core/record_file.h"
#include "platform/types.h"
#include "ui/list_rows.h"

inline constexpr char16_t kSavedViewsFile[] = u"savedviews.dat";
inline constexpr LONG kSavedViewVersion = 3;
inline constexpr int kScheduleWords = 13;
inline constexpr int kWeekTaskWords = 10;
inline constexpr int kReservedWords = 5;
inline constexpr int kContactWords = 5;
inline constexpr int kKeypadKeys = 32;

struct SavedView {
    std::u16string name;
    LONG index = -1;
    LONG viewCode = -1;
    LONG daySourceView = -1;
    LONG globalFilter = -1;
    LONG globalFilterOn = 0;
    LONG hidePrivate = 0;
    CatArray categories;
    ListRowArray listRows;
    std::array<LONG, kScheduleWords> schedule{0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0};
    LONG calText = 0;
    std::array<LONG, kWeekTaskWords> weekTask{};
    std::array<LONG, kReservedWords> reserved{0, 0, 1, 1, 1};
    std::array<LONG, kContactWords> contact{0, 0, 0, 0, -1};
    LONG typeAheadLetter = 0;
    std::u16string typeAheadText;
    LONG contactState = 0;
    LONG keypadSearch = 0;
    LONG keypadIndex = -1;
    std::array<LONG, kKeypadKeys> keypadKeys = MinusOnes();
    LONG datesSaved = 0;
    LONG withToday = 0;
    DateRec weekDate;
    std::array<LONG, 3> shownDate{-1, -1, -1};

    static constexpr std::array<LONG, kKeypadKeys> MinusOnes() {
        std::array<LONG, kKeypadKeys> keys{};
        for (LONG& key : keys) key = -1;
        return keys;
    }
};
using SavedViewArray = RecordArray<SavedView>;

struct SavedViewList {
    SavedViewArray views;
    bool loaded = false;
};
extern SavedViewList g_SavedViews;

// False when a read found the end of the file before the record was whole.
bool SavedViewSerialize(SavedView& view, RecordFile& file, bool store);
// True once the saved views have been loaded and there are none.
bool SavedViewsLoadedAndEmpty();
void LoadSavedViews();
void SaveSavedViews();
// Inserted after every record whose name is not greater without regard to case.
int InsertSavedView(const SavedView& view);
void SaveViewFromCurrent(SavedView& view, HWND parent);
void SaveViewCmd();
void ApplySavedView(int index);
void ApplySavedViewByName(const std::u16string& name);
// The chosen index on OK, else -1.
int SavedViewsDlg(HWND parent);
void SavedViewsCmd();
