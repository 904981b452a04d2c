// The online update check: a version file from the maker's web server, the "Update Available"
// dialog, and the package fetched by FTP and handed to the system's installer.
#pragma once

#include <string>

#include "platform/types.h"
#include "platform/wininet.h"

// The program's own version, as the version file writes versions (3.50).
inline constexpr LONG kProgramVersion = 350;
inline constexpr const WCHAR* kUpdatePackageName = u"zqupdate.cab";
// Where the version file and the package live.
inline constexpr const WCHAR* kUpdateWebServer = u"www.hollyfen.com";
inline constexpr const WCHAR* kUpdateInfoPath = u"/zqupdatep.dat";
inline constexpr const WCHAR* kUpdateFtpServer = u"ftp.hollyfen.com";

// What the "Update Available" dialog shows: the version text of its header.
struct UpdateDlgState {
    std::u16string version;
};
extern UpdateDlgState g_UpdateDlg;

// False only when no internet handle could be opened.
bool CheckForUpdate();
bool ParseUpdateInfo(std::u16string text, std::u16string& package, LONG& version, std::u16string& features);
bool UpdateAvailDlg(HWND owner, const std::u16string& features);
INT_PTR CALLBACK UpdateAvailDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
bool DownloadUpdatePackage(HINTERNET internet, const std::u16string& package);
bool UpdatePackageExists();
// The downloaded package is a cabinet as long as its header says.
bool UpdatePackageIsWhole();
std::u16string GetUpdatePackagePath();
bool RunUpdatePackage();
// Deletes a package left in the program folder by an earlier update.
void DeleteLeftoverUpdate();
