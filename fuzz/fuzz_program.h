// The program itself for the import targets: its main window on the fuzz device's small headless
// screen, logged on to the store, made once for the whole run; each input's items go into the store
// as an import puts them, are listed over ranges that expand their series, and are shown in the
// Day view and the month view.
#pragma once

#include <vector>

#include "pim/item_data.h"

namespace fuzz {

// Empties the store in one transaction and lets the program take the changes in; the program's
// window is made on the first call.
void ResetProgramStore();
// Saves the items in one transaction, as `devicectl pim import` does; false when the store refused one.
bool ImportIntoStore(std::vector<platform::pim::ItemData>& items);
// Every appointment's occurrences over the six weeks from its start, read back as a listing reads
// them; the days the imported items fall on (starts, due dates, birthdays), at most `most`.
std::vector<DATE> ListImportedDays(const std::vector<platform::pim::ItemData>& items, std::size_t most);
// The day in the Day view and its month in the month view, each painted; then the task and the
// contact lists.
void ShowDays(const std::vector<DATE>& days);

}  // namespace fuzz
