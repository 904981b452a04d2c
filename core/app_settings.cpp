// The settings of this run and their built-in defaults; the registry load and save fill and write
// the same record through kSettingTable.
#include "core/app_settings.h"

AppSettings g_Settings;
ViewShownFlags g_ViewShown;

AppSettings::AppSettings() : noteDir(kDefaultNoteDir), curNoteDir(kDefaultNoteDir) {
    for (const SettingDef& def : kSettingTable) {
        if (def.field != nullptr) this->*def.field = def.defaultValue;
    }
    contactSort = contactSortMirror;
}

ViewShownFlags::ViewShownFlags() {
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) flags[i] = kViewShownTable[i].defaultValue;
}
