// What the task and contact editors share: the project categories of the item being edited, the
// task editors' flags, the from-template mark, and splitting an item's category text between the
// project categories and the known categories.
#pragma once

#include <string>
#include <string_view>

#include "core/date_rec.h"
#include "platform/types.h"

// Text buffers of the editors: dialog titles and field-row labels and choices.
inline constexpr int kEditorTitleChars = 32;
inline constexpr int kRowLabelChars = 128;

// The project categories of the item open in an editor, each followed by ","; written in front of
// the other categories when it is saved.
extern std::u16string g_EditorPrjCats;

struct TskEditFlags {
    LONG newTask = 0;    // 1 = the editor is for a new task
    LONG saving = 0;     // 1 while a save runs
    LONG taskArg = 0;    // nonzero: a new task's due date is the selected date
    LONG landscape = 0;  // the orientation the form was laid out for
};
extern TskEditFlags g_TskEditFlags;

// The task editors' saving flag, set for the length of one save.
struct TskSavingScope {
    TskSavingScope() { g_TskEditFlags.saving = 1; }
    ~TskSavingScope() { g_TskEditFlags.saving = 0; }
    TskSavingScope(const TskSavingScope&) = delete;
    TskSavingScope& operator=(const TskSavingScope&) = delete;
};

// Set while a new item starts from the template g_TemplateChoice.
extern LONG g_FromTemplate;

// A date with year 4501 and every other field 0: "no date" in the editors.
DateRec NoDate();
bool IsNoDate(const DateRec& date);

// The name of the n-th category of g_CatList that is not a project category; empty past the end.
std::u16string NonPrjCatName(int n);
// The position of a name among the non-project categories (case ignored), or -1.
int NonPrjCatRow(std::u16string_view name);

// Takes an item's category text apart at its commas, trimming each name: project categories are
// appended to g_EditorPrjCats with a ",", known other categories (case ignored) to knownCats with
// a ",", and names of no category are dropped.
void SplitItemCats(std::u16string_view text, std::u16string& knownCats);
// One name: trimmed; a project category is appended to g_EditorPrjCats (-1); else its row among the
// non-project categories, -1 for no category.
int TakeItemCatName(std::u16string_view name, std::u16string& trimmed);
// The same for names one at a time (a template's category array).
void SplitItemCatName(std::u16string_view name, std::u16string& knownCats);

// A new task's editor starts without the project categories an earlier editor left, unless the
// project tree is sending the new item into its selected project.
void ForgetStalePrjCats();

// The text of a dialog control, at most chars - 1 characters as a buffer of chars would hold.
std::u16string DlgItemText(HWND dialog, int id, int chars);
