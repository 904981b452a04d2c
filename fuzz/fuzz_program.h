// The program itself for the import targets: its main window on the fuzz device's headless screen,
// started at the first input and kept for the run (a start per input would cost more than the
// import), closed and torn down in order before the process ends. Each input's items go into the
// store as `devicectl pim import` puts them, on a store emptied first, are listed over ranges that
// expand every series, and are shown in the Day view and the month view.
#pragma once

#include <vector>

#include "pim/item_data.h"

namespace fuzz {

// Empties the store, imports the first items in one transaction, lists the weeks from each imported
// item's day with every series expanded, and shows the first of those days in the Day view (in
// both of its list forms) and in the month view. A refused import shows nothing.
void ImportAndShow(std::vector<platform::pim::ItemData>& items);

}  // namespace fuzz
