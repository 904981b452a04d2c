// The saved views as the menus ask for them.
#pragma once

// True once the saved views have been loaded and there are none.
bool SavedViewsLoadedAndEmpty();
