// Weather observations: one station's current METAR report fetched by anonymous FTP into
// "curwx.txt" in the program folder, parsed into one observation that the calendar's badge shows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/types.h"

// Words of the observation record.
inline constexpr int kWxTemperature = 3;
inline constexpr int kWxWindSector = 5;
inline constexpr int kWxCondition = 6;
inline constexpr int kWxIntensity = 7;
inline constexpr int kWxDay = 8;
inline constexpr int kWxHour = 9;
inline constexpr int kWxStatus = 10;
inline constexpr int kWxValid = 11;
inline constexpr int kWxWordCount = 12;

inline constexpr LONG kWxNoCondition = -1;
inline constexpr LONG kWxVariableWind = 8;
// Download status: -1 none; set by a failed download.
inline constexpr LONG kWxStatusNone = -1;
inline constexpr LONG kWxConnectFailed = 1;
inline constexpr LONG kWxFolderFailed = 2;
inline constexpr LONG kWxTransferFailed = 3;
inline constexpr LONG kWxOpenFailed = 4;

struct WeatherObs {
    WeatherObs();
    std::array<LONG, kWxWordCount> words{};
    LONG& operator[](int word) { return words[static_cast<std::size_t>(word)]; }
    LONG operator[](int word) const { return words[static_cast<std::size_t>(word)]; }
};

// The four values under the settings key, with their defaults.
struct WeatherSettings {
    LONG weather = 0;     // "WEATHER": badge and downloads on
    LONG wxReadTime = 0;  // "WXREADTIME": tick count of the last refresh, 0 never
    LONG fahr = 1;        // "FAHR"
    LONG wxUpdate = 1;    // "WXUPDATE": hours between refreshes
};

extern WeatherObs g_WeatherObs;
extern WeatherSettings g_WeatherSettings;
// The station whose report is fetched and parsed.
extern std::u16string g_WxStation;
// The download failure told last, so that it is told once.
extern LONG g_WxFailureShown;
inline constexpr const WCHAR* kWxDefaultStation = u"KMSN";
// The public server of the station reports and their folder.
inline constexpr const WCHAR* kWxServer = u"tgftp.nws.noaa.gov";
inline constexpr const WCHAR* kWxFolder = u"/data/observations/metar/stations/";
inline constexpr const WCHAR* kWxFileName = u"curwx.txt";

LONG SaveWeatherSettings();
bool DownloadMetar(const std::u16string& station, const std::u16string& localPath, LONG& status);
bool FetchWeatherReport();
bool ReadWeatherReport();
bool LoadWeatherFile(WeatherObs& obs, const std::u16string& station, const std::u16string& path);
bool ParseMetar(std::u16string_view line, WeatherObs& obs);
void WindDirToSector(WeatherObs& obs, LONG degrees);
bool IsWxGroup(std::u16string_view token);
bool NextMetarToken(std::u16string_view& line, std::u16string& token);
LONG CelsiusToFahr(LONG celsius);
bool WeatherFileExists();
bool UpdateWeatherIfDue(bool force);
// Brings the report up to date, never from painting: the report on file when none is parsed yet, a
// download when the interval has passed. A failed download is told once, until one succeeds again.
// True when the badge has something new to show.
bool RefreshWeather(HWND owner);
