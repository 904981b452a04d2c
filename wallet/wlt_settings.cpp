// Reading and writing the wallet's values in the settings key. The wallet path comes from
// "LASTWLT" unless a "/WLT:" switch named the file to open.
#include "wallet/wlt_settings.h"

#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/reg_key.h"
#include "core/settings_key.h"
#include "platform/files.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_view.h"

WltSettings g_WltSettings;

void LoadWltSettings() {
    if (g_CmdLine.wltFile) g_Wlt.path = g_Frame.walletFilePath;
    RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) {
        for (const WltSettingDef& def : kWltSettingTable) key.ReadNumber(def.name, g_WltSettings.*def.field);
        LONG& minutes = g_WltSettings.timeoutMinutes;
        if (minutes > kMaxWltTimeoutMinutes) minutes = kMaxWltTimeoutMinutes;
        if (minutes < 0) minutes = 0;  // a negative count would never let the lock fire
        if (!g_CmdLine.wltFile && key.HasValue(kLastWltValue)) {
            std::u16string path;
            key.ReadText(kLastWltValue, kLastWltMaxBytes, path);
            if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) path.clear();
            g_Wlt.path = path;
        }
    }
    SetWltFolder();
}

void SaveWltSettings() {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    for (const WltSettingDef& def : kWltSettingTable)
        if (key.WriteNumber(def.name, g_WltSettings.*def.field) != ERROR_SUCCESS) return;
    key.WriteText(kLastWltValue, g_Wlt.path);
}
